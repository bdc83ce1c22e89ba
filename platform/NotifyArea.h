#pragma once
// The desktop's notification-area service, and the window messages through which it and
// the application talk to a component: a record keyed by (receiver, id) is added,
// modified and deleted; mouse actions on its icon come back as the record's callback
// message posted to the receiver, with the mouse message as lParam.
#include <QEvent>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QSystemTrayIcon;

namespace pelbrix {

// Message codes, with the values the components decode.
namespace msg {
constexpr unsigned WM_QUERYENDSESSION = 0x11;
constexpr unsigned WM_ENDSESSION = 0x16;
constexpr unsigned WM_SYSCOMMAND = 0x112;
constexpr unsigned WM_MOUSEMOVE = 0x200;
constexpr unsigned WM_LBUTTONDOWN = 0x201;
constexpr unsigned WM_LBUTTONUP = 0x202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x203;
constexpr unsigned WM_RBUTTONDOWN = 0x204;
constexpr unsigned WM_RBUTTONUP = 0x205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x206;
constexpr unsigned WM_MBUTTONDOWN = 0x207;
constexpr unsigned WM_MBUTTONUP = 0x208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x209;
constexpr unsigned WM_USER = 0x400;
constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
constexpr std::uintptr_t SC_RESTORE = 0xF120;
}  // namespace msg

// One message as a window procedure sees it; Result is what the procedure answers.
struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// A hidden window: an object that hands every message it receives to its handler.
class MessageWindow : public QObject {
 public:
  using Handler = std::function<void(TMessage&)>;
  explicit MessageWindow(Handler handler) : handler_(std::move(handler)) {}

  // Delivers at once and returns the handler's result.
  std::intptr_t Send(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Queues the message; it is handled when the event loop next runs.
  static void Post(QObject* window, unsigned message, std::uintptr_t wParam = 0,
                   std::intptr_t lParam = 0);

  bool event(QEvent* event) override;

 private:
  Handler handler_;
};

// The record that describes one icon.
constexpr unsigned NIF_MESSAGE = 1;
constexpr unsigned NIF_ICON = 2;
constexpr unsigned NIF_TIP = 4;
struct NotifyIconData {
  QObject* hWnd = nullptr;  // receives the callback messages
  std::uintptr_t uID = 0;
  unsigned uFlags = 0;
  unsigned uCallbackMessage = 0;
  QIcon hIcon;
  QString szTip;  // shown only while uFlags has NIF_TIP
};

// Fails as the shell does: adding a record twice, or modifying or deleting one that is
// not there, returns false.
class NotifyArea {
 public:
  virtual ~NotifyArea() = default;
  virtual bool Add(const NotifyIconData& data) = 0;
  virtual bool Modify(const NotifyIconData& data) = 0;
  virtual bool Delete(const NotifyIconData& data) = 0;
  // Whether the desktop has a notification area to show icons in right now.
  virtual bool Available() const = 0;
};

// The desktop's notification area: one QSystemTrayIcon per record.
class QtNotifyArea : public NotifyArea {
 public:
  QtNotifyArea();
  ~QtNotifyArea() override;
  bool Add(const NotifyIconData& data) override;
  bool Modify(const NotifyIconData& data) override;
  bool Delete(const NotifyIconData& data) override;
  bool Available() const override;

 private:
  using Key = std::pair<const QObject*, std::uintptr_t>;
  struct Entry;
  static void apply(Entry& entry, const NotifyIconData& data);
  std::map<Key, std::unique_ptr<Entry>> icons_;
};

}  // namespace pelbrix
