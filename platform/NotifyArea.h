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
#include <QSystemTrayIcon>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QMenu;

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
  // Whether an icon shown through this area can give the application back right now: a
  // host shows it and reports the user's clicks on it. Minimising asks this just before it
  // hides the application into the area; an area that answers true watches its host from
  // then on and gives the main window back should the host go while the window is hidden.
  virtual bool Available() const = 0;
  // The menu that a notification area which draws its icons' menus itself (a
  // StatusNotifierItem host, over DBusMenu) shows for the icon of `window`/`id`, whether
  // that icon is shown yet or not. An area that leaves the menu to the program ignores it.
  virtual void SetHostMenu(const QObject* window, std::uintptr_t id, QMenu* menu) {
    (void)window, (void)id, (void)menu;
  }
};

// The desktop's notification area: one QSystemTrayIcon per record.
class QtNotifyArea : public NotifyArea {
 public:
  // An XEmbed tray embeds a window of ours and reports presses and double-clicks; a
  // StatusNotifierItem host (KDE Plasma, GNOME's AppIndicator extension, waybar) draws the
  // icon itself and reports activations and menu requests over D-Bus; the Windows shell
  // shows the icon and reports its clicks.
  enum class Kind { XEmbed, StatusNotifierItem, Shell };

  QtNotifyArea();
  ~QtNotifyArea() override;
  bool Add(const NotifyIconData& data) override;
  bool Modify(const NotifyIconData& data) override;
  bool Delete(const NotifyIconData& data) override;
  bool Available() const override;
  void SetHostMenu(const QObject* window, std::uintptr_t id, QMenu* menu) override;

  // The kind this process talks to; decided at the first icon, as Qt decides it, and kept
  // for the run.
  Kind kind();
  // The mouse notifications, in order, that one of Qt's activations stands for under a
  // notification area of `kind`; `hostDrawsMenu` when the host was handed the icon's menu.
  static std::vector<unsigned> Notifications(Kind kind, QSystemTrayIcon::ActivationReason reason,
                                             bool hostDrawsMenu);

 private:
  using Key = std::pair<const QObject*, std::uintptr_t>;
  struct Entry;
  static void apply(Entry& entry, const NotifyIconData& data);
  void handMenuToHost(Entry& entry, const Key& key);
  bool hostShowsAnIcon() const;
  void hostsChanged();
  std::map<Key, std::unique_ptr<Entry>> icons_;
  std::map<Key, QPointer<QMenu>> hostMenus_;
  std::unique_ptr<QObject> watch_;  // follows the hosts; made with the first icon
  Kind kind_ = Kind::XEmbed;
  bool hostRegistered_ = false;  // a StatusNotifierItem host is registered now
  // Set when Available() said yes: from then on, while the main window is hidden, a host
  // that goes gives the window back.
  mutable bool reliedOn_ = false;
};

}  // namespace pelbrix
