#include "platform/WindowMessages.h"

#include <QCoreApplication>
#include <QEvent>

namespace pelbrix {

namespace {
const QEvent::Type kMessageEventType = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent : public QEvent {
 public:
  explicit MessageEvent(const TMessage& message) : QEvent(kMessageEventType), message(message) {}
  TMessage message;
};
}  // namespace

std::intptr_t MessageWindow::Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  TMessage m{message, wParam, lParam, 0};
  if (handler_) handler_(m);
  return m.Result;
}

void MessageWindow::Post(QObject* window, unsigned message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
  if (window) QCoreApplication::postEvent(window, new MessageEvent({message, wParam, lParam, 0}));
}

bool MessageWindow::event(QEvent* event) {
  if (event->type() != kMessageEventType) return QObject::event(event);
  TMessage& m = static_cast<MessageEvent*>(event)->message;
  if (handler_) handler_(m);
  return true;
}

}  // namespace pelbrix
