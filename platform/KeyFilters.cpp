#include "platform/KeyFilters.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>

namespace pelbrix {

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

}  // namespace pelbrix
