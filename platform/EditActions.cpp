#include "platform/EditActions.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>

namespace pelbrix {

EditActions::EditActions(QWidget* window)
    : QObject(window),
      EditCopy1(new QAction(tr("&Copy"), window)),
      EditCut1(new QAction(tr("Cu&t"), window)),
      EditPaste1(new QAction(tr("&Paste"), window)),
      window_(window) {
  EditCopy1->setObjectName(QStringLiteral("EditCopy1"));
  EditCut1->setObjectName(QStringLiteral("EditCut1"));
  EditPaste1->setObjectName(QStringLiteral("EditPaste1"));
  EditCopy1->setToolTip(tr("Copy"));
  EditCut1->setToolTip(tr("Cut"));
  EditPaste1->setToolTip(tr("Paste"));
  EditCopy1->setStatusTip(tr("Copy"));
  EditCut1->setStatusTip(tr("Cut"));
  EditPaste1->setStatusTip(tr("Paste"));
  EditCopy1->setShortcut(QKeySequence::Copy);
  EditCut1->setShortcut(QKeySequence::Cut);
  EditPaste1->setShortcut(QKeySequence::Paste);
  for (QAction* a : {EditCopy1, EditCut1, EditPaste1}) window->addAction(a);

  connect(EditCopy1, &QAction::triggered, this, [this] {
    if (QLineEdit* e = target()) e->copy();
  });
  connect(EditCut1, &QAction::triggered, this, [this] {
    if (QLineEdit* e = target()) e->cut();
  });
  connect(EditPaste1, &QAction::triggered, this, [this] {
    if (QLineEdit* e = target()) e->paste();
  });
  connect(qApp, &QApplication::focusChanged, this, [this] { updateEnabled(); });
  // The clipboard is a conversation with the window system; it is left out of start-up.
  QTimer::singleShot(0, this, [this] {
    if (QClipboard* cb = QGuiApplication::clipboard())
      connect(cb, &QClipboard::dataChanged, this, [this] { updateEnabled(); });
  });
  updateEnabled();
}

QLineEdit* EditActions::target() const {
  // A field's own menu acts on that field, wherever the focus went meanwhile.
  if (menuField_) return menuField_;
  auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (focused && focused->window() == window_) return focused;
  // While a menu is open it may hold the focus; the field that had it is still the one meant.
  return QApplication::activePopupWidget() ? lastEdit_ : nullptr;
}

void EditActions::attach(QLineEdit* edit, QMenu* menu) {
  edit->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(edit, &QLineEdit::customContextMenuRequested, this,
          [this, edit, menu](const QPoint& pos) {
            edit->setFocus(Qt::MouseFocusReason);
            lastEdit_ = edit;
            menuField_ = edit;
            updateEnabled();
            menu->exec(edit->mapToGlobal(pos));
            menuField_ = nullptr;
            updateEnabled();
          });
  connect(edit, &QLineEdit::selectionChanged, this, [this] { updateEnabled(); });
  connect(edit, &QObject::destroyed, this, [this, edit] {
    if (lastEdit_ == edit) lastEdit_ = nullptr;
    if (menuField_ == edit) menuField_ = nullptr;
  });
}

namespace {
bool clipboardHasText() {
  const QClipboard* cb = QGuiApplication::clipboard();
  const QMimeData* data = cb ? cb->mimeData() : nullptr;
  return data && data->hasText() && !data->text().isEmpty();
}
}  // namespace

void EditActions::updateEnabled() {
  auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (focused && focused->window() == window_) lastEdit_ = focused;
  QLineEdit* e = target();
  const bool selection = e && e->hasSelectedText();
  const bool writable = e && !e->isReadOnly();
  EditCopy1->setEnabled(selection && e->echoMode() == QLineEdit::Normal);
  EditCut1->setEnabled(selection && writable && e->echoMode() == QLineEdit::Normal);
  // The clipboard is asked only when there is a field to paste into.
  EditPaste1->setEnabled(writable && clipboardHasText());
}

}  // namespace pelbrix
