#include "platform/NotifyArea.h"

#include <QCoreApplication>
#include <QSystemTrayIcon>

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

// ---- the desktop's notification area ----

struct QtNotifyArea::Entry {
  std::unique_ptr<QSystemTrayIcon> icon;
  QPointer<QObject> window;
  unsigned callback = 0;
};

QtNotifyArea::QtNotifyArea() = default;
QtNotifyArea::~QtNotifyArea() = default;

bool QtNotifyArea::Available() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtNotifyArea::apply(Entry& entry, const NotifyIconData& data) {
  entry.window = data.hWnd;
  entry.callback = data.uCallbackMessage;
  entry.icon->setToolTip((data.uFlags & NIF_TIP) ? data.szTip : QString());
  if (!data.hIcon.isNull()) {
    entry.icon->setIcon(data.hIcon);
    // Qt refuses to show an icon without an image; the first image shows it.
    entry.icon->show();
  }
}

bool QtNotifyArea::Add(const NotifyIconData& data) {
  const Key key{data.hWnd, data.uID};
  if (icons_.count(key)) return false;
  auto entry = std::make_unique<Entry>();
  entry->icon = std::make_unique<QSystemTrayIcon>();
  // Qt reports activations, not the button presses and releases the component decodes;
  // each one becomes the notifications a shell would have sent for it:
  //   Trigger (left press)       -> WM_LBUTTONDOWN, WM_LBUTTONUP
  //   DoubleClick (left)         -> WM_LBUTTONDBLCLK, WM_LBUTTONUP
  //   Context (right press)      -> WM_RBUTTONDOWN, WM_RBUTTONUP
  //   MiddleClick (middle press) -> WM_MBUTTONDOWN, WM_MBUTTONUP
  // Qt cannot report mouse moves over the icon, a button's release apart from its
  // press (so "up" arrives at the press), nor a right or middle double-click; under a
  // StatusNotifierItem host not even the left double-click. The menu is never handed
  // to Qt (no setContextMenu): the component pops it up itself.
  Entry* raw = entry.get();
  QObject::connect(raw->icon.get(), &QSystemTrayIcon::activated, raw->icon.get(),
                   [raw](QSystemTrayIcon::ActivationReason reason) {
                     unsigned first = 0, second = 0;
                     switch (reason) {
                       case QSystemTrayIcon::Trigger:
                         first = msg::WM_LBUTTONDOWN, second = msg::WM_LBUTTONUP;
                         break;
                       case QSystemTrayIcon::DoubleClick:
                         first = msg::WM_LBUTTONDBLCLK, second = msg::WM_LBUTTONUP;
                         break;
                       case QSystemTrayIcon::Context:
                         first = msg::WM_RBUTTONDOWN, second = msg::WM_RBUTTONUP;
                         break;
                       case QSystemTrayIcon::MiddleClick:
                         first = msg::WM_MBUTTONDOWN, second = msg::WM_MBUTTONUP;
                         break;
                       default:
                         return;
                     }
                     MessageWindow::Post(raw->window, raw->callback, 0, first);
                     MessageWindow::Post(raw->window, raw->callback, 0, second);
                   });
  apply(*raw, data);
  icons_.emplace(key, std::move(entry));
  return true;
}

bool QtNotifyArea::Modify(const NotifyIconData& data) {
  auto it = icons_.find({data.hWnd, data.uID});
  if (it == icons_.end()) return false;
  apply(*it->second, data);
  return true;
}

bool QtNotifyArea::Delete(const NotifyIconData& data) {
  auto it = icons_.find({data.hWnd, data.uID});
  if (it == icons_.end()) return false;
  it->second->icon->hide();
  icons_.erase(it);
  return true;
}

}  // namespace pelbrix
