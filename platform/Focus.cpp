#include "platform/Focus.h"

namespace pelbrix {

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
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

}  // namespace pelbrix
