#include "platform/Controls.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace pelbrix {

void onRadioClick(QRadioButton* button, std::function<void()> handler) {
  QObject::connect(button, &QRadioButton::toggled, button, [handler = std::move(handler)](bool on) {
    if (on) handler();
  });
}

namespace {

const char kTabStopProperty[] = "pelbrixOneTabStop";

// The auto-exclusive radio buttons that share `member`'s parent, in creation order.
QList<QRadioButton*> radioGroupOf(QRadioButton* member) {
  QList<QRadioButton*> group;
  if (QWidget* parent = member->parentWidget())
    for (QRadioButton* b : parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
      if (b->autoExclusive()) group.append(b);
  return group;
}

void refreshRadioTabStop(QRadioButton* member) {
  if (!member->autoExclusive()) return;
  const QList<QRadioButton*> group = radioGroupOf(member);
  if (group.isEmpty()) return;
  QRadioButton* stop = group.first();
  for (QRadioButton* b : group)
    if (b->isChecked()) stop = b;
  for (QRadioButton* b : group) b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void setRadioChecked(QRadioButton* button, bool checked) {
  if (checked) {
    button->setChecked(true);  // emits toggled(true) only when it was not checked
    return;
  }
  if (!button->isChecked()) return;
  // An auto-exclusive group refuses to uncheck its checked button.
  const bool exclusive = button->autoExclusive();
  const QSignalBlocker quiet(button);
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(exclusive);
  // No signal told the group; its Tab stop moves here.
  if (button->property(kTabStopProperty).toBool()) refreshRadioTabStop(button);
}

void onCheckBoxClick(QCheckBox* box, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, box,
                   [handler = std::move(handler)](bool) { handler(); });
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

QGroupBox* makeRadioGroup(QWidget* parent, const QString& title, const QString& name, QRect box,
                          const QStringList& captions, int firstNumber, int firstTop, int step,
                          QRadioButton** buttons) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  place(group, box.left(), box.top(), box.width(), box.height());
  for (int k = 0; k < captions.size(); ++k) {
    auto* radio = new QRadioButton(captions[k], group);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(firstNumber + k));
    // Never taller than the step, so that a button that grows pushes the next one down
    // instead of running into it.
    place(radio, 8, firstTop + k * step, box.width() - 16, std::min(17, step));
    buttons[k] = radio;
  }
  return group;
}

namespace {
// The bands' face is Times New Roman, which few Linux desktops have. A family that is not
// installed sends every new size and weight through fontconfig's fallback search, so the
// face is chosen once: Times New Roman where it is installed, else a face with its metrics,
// else whatever serif face the fallback search gives.
QString bandFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"}) {
      const QString candidate = QString::fromLatin1(name);
      if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
    }
    return QStringLiteral("Times New Roman");
  }();
  return family;
}
}  // namespace

void paintAsBand(QLabel* label, int pixelHeight, bool bold) {
  QFont font(bandFontFamily());
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  // Laying the window out scales the face with the desktop's font.
  setBandPixelHeight(label, pixelHeight);
  label->setFont(font);
  label->setAutoFillBackground(true);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(pal);
}

QLabel* makeTitleLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  paintAsBand(label, 32, true);  // 24 pt at 96 dpi
  place(label, left, top);
  return label;
}

namespace {
const char kDropsWorkingProperty[] = "pelbrixDropsWorking";

void setWorking(QLineEdit* field, const QString& working) {
  field->setToolTip(working);
  field->setAccessibleDescription(working);
}
}  // namespace

void writeResult(QLineEdit* field, const QString& text, const QString& working) {
  field->setText(text);
  field->setCursorPosition(0);
  setWorking(field, working);
  if (!field->property(kDropsWorkingProperty).toBool()) {
    field->setProperty(kDropsWorkingProperty, true);
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field] { setWorking(field, QString()); });
  }
}

void clearFields(std::initializer_list<QLineEdit*> fields) {
  for (QLineEdit* field : fields) {
    field->setText(QString());
    setWorking(field, QString());
  }
}

void reportError(ErrorPresenter& errors, ErrorDialog which, int field,
                 std::span<QLineEdit* const> fields) {
  errors.show(which);
  if (field < 0 || static_cast<std::size_t>(field) >= fields.size()) return;
  // The dialog has closed and the window system may have activated another of our windows
  // (the converter's dialogs stand over the main window): the field's own window comes back.
  QLineEdit* edit = fields[static_cast<std::size_t>(field)];
  if (QWidget* window = edit->window(); window->isVisible() && !window->isActiveWindow()) {
    window->raise();
    window->activateWindow();
  }
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void showKelvinPlaceholders(std::span<QLineEdit* const> fields,
                            std::span<const Quantity> quantities) {
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const bool temperature = k < quantities.size() && quantities[k].temperature;
    fields[k]->setPlaceholderText(temperature ? QObject::tr("K") : QString());
  }
}

namespace {
class ReturnPresser : public QObject {
 public:
  ReturnPresser(QWidget* page, QAbstractButton* button) : QObject(page), button_(button) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    if (button_ && button_->isVisible() && button_->isEnabled()) button_->click();
    return true;
  }

 private:
  QPointer<QAbstractButton> button_;
};
}  // namespace

void pressOnReturn(QWidget* page, QAbstractButton* button) {
  auto* presser = new ReturnPresser(page, button);
  for (QLineEdit* edit : page->findChildren<QLineEdit*>()) edit->installEventFilter(presser);
  for (QRadioButton* radio : page->findChildren<QRadioButton*>())
    radio->installEventFilter(presser);
}

QWidget* firstInputField(QWidget* area) {
  if (!area) return nullptr;
  const auto reachable = [area](QWidget* w) {
    return area->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(area) &&
           (w->focusPolicy() & Qt::TabFocus);
  };
  QWidget* firstStop = nullptr;
  for (QWidget* w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain()) {
    if (!reachable(w)) continue;
    if (qobject_cast<QLineEdit*>(w)) return w;
    if (!firstStop) firstStop = w;
  }
  return firstStop;
}

void focusFirstFieldOnPageChange(QTabWidget* pages) {
  QObject::connect(pages, &QTabWidget::currentChanged, pages, [pages](int) {
    if (QWidget* first = firstInputField(pages->currentWidget()))
      first->setFocus(Qt::TabFocusReason);
  });
}

void makeRadioGroupsOneTabStop(QWidget* window) {
  for (QRadioButton* radio : window->findChildren<QRadioButton*>()) {
    if (radio->property(kTabStopProperty).toBool()) continue;
    radio->setProperty(kTabStopProperty, true);
    QObject::connect(radio, &QRadioButton::toggled, radio,
                     [radio](bool) { refreshRadioTabStop(radio); });
    refreshRadioTabStop(radio);
  }
}

namespace {
class AltTypingFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Alt is AltGr on Windows, which types the third letter of a key.
    const Qt::KeyboardModifiers mods = key->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key->text().isEmpty() &&
           key->text().at(0).isPrint();
  }
};
}  // namespace

void refuseAltTyping(QWidget* window) {
  auto* filter = new AltTypingFilter(window);
  for (QLineEdit* edit : window->findChildren<QLineEdit*>()) edit->installEventFilter(filter);
}

std::string fieldText(const QLineEdit* edit) {
  return edit->text().toStdString();
}

std::string desktopDecimalPoint() {
  return QLocale::system().decimalPoint().toStdString();
}

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
