#pragma once
// The desktop's notification-area service: a record keyed by (receiver, id) is added,
// modified and deleted; mouse actions on its icon come back as the record's callback
// message posted to the receiver, with the mouse message as lParam.
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

#include "platform/WindowMessages.h"

class QMenu;

namespace pelbrix {

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
  // then on and reports every change to the hosts handler, until the handler answers that
  // nothing relies on the icon any more.
  virtual bool Available() const = 0;
  // Told, while the area is watched, that the hosts may have changed, with whether a host
  // shows an icon of this area now; answers whether the watch goes on. The area knows no
  // window: what a lost host means is the application's to decide.
  using HostsHandler = std::function<bool(bool iconShown)>;
  void SetHostsHandler(HostsHandler handler) { hostsHandler_ = std::move(handler); }
  // The menu that a notification area which draws its icons' menus itself (a
  // StatusNotifierItem host, over DBusMenu) shows for the icon of `window`/`id`, whether
  // that icon is shown yet or not. An area that leaves the menu to the program ignores it.
  virtual void SetHostMenu(const QObject* window, std::uintptr_t id, QMenu* menu) {
    (void)window, (void)id, (void)menu;
  }

 protected:
  // What the application answers for a change of the hosts; no handler relies on nothing.
  bool hostsChanged(bool iconShown) const { return hostsHandler_ && hostsHandler_(iconShown); }

 private:
  HostsHandler hostsHandler_;
};

class HostWatch;

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
  void hostsMayHaveChanged();
  std::map<Key, std::unique_ptr<Entry>> icons_;
  std::map<Key, QPointer<QMenu>> hostMenus_;
  std::unique_ptr<HostWatch> watch_;  // follows the hosts; made with the first icon
  Kind kind_ = Kind::XEmbed;
  bool hostRegistered_ = false;  // a StatusNotifierItem host is registered now
  // Set when Available() said yes, until the hosts handler no longer relies on the icon.
  mutable bool reliedOn_ = false;
};

}  // namespace pelbrix
