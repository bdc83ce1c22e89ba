#include "platform/NotifyArea.h"

#include <QCoreApplication>
#include <QMenu>
#include <QtGlobal>
#if QT_CONFIG(dbus)
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusServiceWatcher>
#endif
#include <QSystemTrayIcon>
#include <QTimer>

namespace pelbrix {

namespace {
#if QT_CONFIG(dbus)
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

// Read as Qt reads it when it chooses between XEmbed and StatusNotifierItem: through the
// watcher's introspection data, so both always come to the same answer.
bool statusNotifierHostRegistered() {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusInterface watcher(kWatcherService, kWatcherPath, kWatcherService, bus);
  return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}
#else
bool statusNotifierHostRegistered() {
  return false;
}
#endif

}  // namespace

// Says when the hosts may have changed: a StatusNotifierItem watcher that comes, goes or
// reports a host coming or going; for an XEmbed tray, which says nothing when it goes, a
// look every half second while the application relies on it.
class HostWatch : public QObject {
  Q_OBJECT
 public:
  HostWatch(QtNotifyArea::Kind kind, std::function<void()> changed) : changed_(std::move(changed)) {
    poll.setInterval(500);
    connect(&poll, &QTimer::timeout, this, &HostWatch::hostsChanged);
    if (kind != QtNotifyArea::Kind::StatusNotifierItem) return;
#if QT_CONFIG(dbus)
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto* watcher = new QDBusServiceWatcher(kWatcherService, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &HostWatch::hostsChanged);
    // D-Bus signals reach a slot by its signature only.
    bus.connect(kWatcherService, kWatcherPath, kWatcherService,
                QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostsChanged()));
    bus.connect(kWatcherService, kWatcherPath, kWatcherService,
                QStringLiteral("StatusNotifierHostUnregistered"), this, SLOT(hostsChanged()));
#endif
  }
  QTimer poll;

 public Q_SLOTS:
  void hostsChanged() {
    changed_();
  }

 private:
  std::function<void()> changed_;
};

struct QtNotifyArea::Entry {
  std::unique_ptr<QSystemTrayIcon> icon;
  QPointer<QObject> window;
  unsigned callback = 0;
};

QtNotifyArea::QtNotifyArea() = default;
QtNotifyArea::~QtNotifyArea() = default;

QtNotifyArea::Kind QtNotifyArea::kind() {
  if (!watch_) {
    // Qt makes the same choice once per process, when its first tray icon is made, and
    // keeps it; this runs just before that.
#if defined(Q_OS_WIN)
    kind_ = Kind::Shell;
#else
    kind_ = statusNotifierHostRegistered() ? Kind::StatusNotifierItem : Kind::XEmbed;
#endif
    hostRegistered_ = kind_ == Kind::StatusNotifierItem;
    watch_ = std::make_unique<HostWatch>(kind_, [this] { hostsMayHaveChanged(); });
  }
  return kind_;
}

bool QtNotifyArea::hostShowsAnIcon() const {
  if (!watch_) return false;
  for (const auto& [key, entry] : icons_) {
    if (!entry->icon->isVisible()) continue;
    switch (kind_) {
      case Kind::StatusNotifierItem:
        if (hostRegistered_) return true;
        break;
      case Kind::XEmbed:
        // An XEmbed icon has a place on the screen only while a tray has embedded it.
        if (!entry->icon->geometry().isEmpty()) return true;
        break;
      case Kind::Shell:
        // The shell keeps its icons while it runs, and Qt adds them again when it restarts.
        if (QSystemTrayIcon::isSystemTrayAvailable()) return true;
        break;
    }
  }
  return false;
}

bool QtNotifyArea::Available() const {
  if (!hostShowsAnIcon()) return false;
  reliedOn_ = true;
  if (kind_ == Kind::XEmbed) watch_->poll.start();
  return true;
}

void QtNotifyArea::hostsMayHaveChanged() {
  if (kind_ == Kind::StatusNotifierItem) hostRegistered_ = statusNotifierHostRegistered();
  if (!reliedOn_ || hostsChanged(hostShowsAnIcon())) return;
  reliedOn_ = false;
  watch_->poll.stop();
}

// Qt reports activations, not the button presses and releases the component decodes;
// each one becomes the notifications a shell would have sent for it.
//
// XEmbed tray (Qt sees the presses on the window the tray embedded), and the Windows shell
// (Qt reports the left click at its release, a double-click, and the menu request at the
// right button's release; the notifications below are those the shell sent in that order):
//   Trigger (left press)       -> WM_LBUTTONDOWN, WM_LBUTTONUP
//   DoubleClick (left)         -> WM_LBUTTONDBLCLK, WM_LBUTTONUP
//   Context (right press)      -> WM_RBUTTONDOWN, WM_RBUTTONUP
//   MiddleClick (middle press) -> WM_MBUTTONDOWN, WM_MBUTTONUP
// Qt cannot report mouse moves over the icon, a button's release apart from its press
// (so "up" arrives at the press), nor a right or middle double-click. The menu is never
// handed to Qt there: the component pops it up itself.
//
// StatusNotifierItem host (the host reports what the click means, never a double-click):
//   Trigger (Activate: the host's left click, which is how these desktops ask an item to
//   open its window) -> the left double-click it stands for: WM_LBUTTONDOWN, WM_LBUTTONUP,
//   WM_LBUTTONDBLCLK, WM_LBUTTONUP; so RestoreOn = imLeftDoubleClick restores on one click
//   MiddleClick (SecondaryActivate) -> WM_MBUTTONDOWN, WM_MBUTTONUP
//   Context (ContextMenu) -> nothing while the host has the icon's menu: the host draws
//   that menu itself, over DBusMenu, at the icon, and that drawing stands for the right-
//   button release that shows it (PopupMenuOn = imRightClickUp). Qt hands on no position
//   with ContextMenu, and the cursor's is stale while the pointer is over the host's panel
//   on Wayland, so the component's pop-up at the cursor would show in the wrong place, or
//   not at all while no window of ours is shown. Without a menu for the host:
//   WM_RBUTTONDOWN, WM_RBUTTONUP, as under XEmbed.
std::vector<unsigned> QtNotifyArea::Notifications(Kind kind,
                                                  QSystemTrayIcon::ActivationReason reason,
                                                  bool hostDrawsMenu) {
  const bool host = kind == Kind::StatusNotifierItem;
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      if (host)
        return {msg::WM_LBUTTONDOWN, msg::WM_LBUTTONUP, msg::WM_LBUTTONDBLCLK, msg::WM_LBUTTONUP};
      return {msg::WM_LBUTTONDOWN, msg::WM_LBUTTONUP};
    case QSystemTrayIcon::DoubleClick:
      return {msg::WM_LBUTTONDBLCLK, msg::WM_LBUTTONUP};
    case QSystemTrayIcon::Context:
      if (host && hostDrawsMenu) return {};
      return {msg::WM_RBUTTONDOWN, msg::WM_RBUTTONUP};
    case QSystemTrayIcon::MiddleClick:
      return {msg::WM_MBUTTONDOWN, msg::WM_MBUTTONUP};
    default:
      return {};
  }
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

void QtNotifyArea::handMenuToHost(Entry& entry, const Key& key) {
  // Only a StatusNotifierItem host draws the menu; an XEmbed tray icon given a menu
  // would pop it up by itself, besides the component's.
  if (kind_ != Kind::StatusNotifierItem) return;
  const auto it = hostMenus_.find(key);
  QMenu* menu = it == hostMenus_.end() ? nullptr : it->second.data();
  if (entry.icon->contextMenu() != menu) entry.icon->setContextMenu(menu);
}

void QtNotifyArea::SetHostMenu(const QObject* window, std::uintptr_t id, QMenu* menu) {
  const Key key{window, id};
  hostMenus_[key] = menu;
  if (const auto it = icons_.find(key); it != icons_.end()) handMenuToHost(*it->second, key);
}

bool QtNotifyArea::Add(const NotifyIconData& data) {
  const Key key{data.hWnd, data.uID};
  if (icons_.count(key)) return false;
  const Kind kindNow = kind();
  auto entry = std::make_unique<Entry>();
  entry->icon = std::make_unique<QSystemTrayIcon>();
  Entry* raw = entry.get();
  QObject::connect(raw->icon.get(), &QSystemTrayIcon::activated, raw->icon.get(),
                   [raw, kindNow](QSystemTrayIcon::ActivationReason reason) {
                     const bool hostDrawsMenu = raw->icon->contextMenu() != nullptr;
                     for (unsigned message : Notifications(kindNow, reason, hostDrawsMenu))
                       MessageWindow::Post(raw->window, raw->callback, 0, message);
                   });
  handMenuToHost(*raw, key);
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

#include "NotifyArea.moc"
