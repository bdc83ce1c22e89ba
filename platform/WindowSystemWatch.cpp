#include "platform/WindowSystemWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace pelbrix {

WindowSystemWatch::WindowSystemWatch(QObject* parent, std::initializer_list<Notice> notices,
                                     std::function<void()> changed)
    : QObject(parent), notices_(notices.begin(), notices.end()), changed_(std::move(changed)) {
  QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowSystemWatch::~WindowSystemWatch() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool WindowSystemWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !message) return false;
  // The event's code is its first byte; the top bit marks an event another client sent.
  const std::uint8_t code = *static_cast<const std::uint8_t*>(message) & 0x7f;
  if (std::find(notices_.begin(), notices_.end(), code) == notices_.end()) return false;
  // Looked at after Qt has handled the event, so its idea of the windows is up to date.
  if (!queued_) {
    queued_ = true;
    QTimer::singleShot(0, this, [this] {
      queued_ = false;
      changed_();
    });
  }
  return false;
}

std::optional<QMargins> WindowSystemWatch::frameBorders(const QWindow* window) {
#if QT_CONFIG(xcb)
  // Other platforms may offer the X11 interface too (offscreen does), without a connection.
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !window || !window->handle())
    return std::nullopt;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (!connection) return std::nullopt;
  const auto id = static_cast<xcb_window_t>(window->winId());
  struct Free {
    void operator()(void* reply) const { std::free(reply); }
  };
  // Framed is reparented: a window manager may state the borders before it has put them up.
  const std::unique_ptr<xcb_query_tree_reply_t, Free> tree(
      xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
  if (!tree || tree->parent == tree->root) return std::nullopt;
  static const xcb_atom_t extents = [connection] {
    constexpr char kName[] = "_NET_FRAME_EXTENTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, Free> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, sizeof kName - 1, kName), nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
  }();
  const std::unique_ptr<xcb_get_property_reply_t, Free> property(xcb_get_property_reply(
      connection, xcb_get_property(connection, false, id, extents, XCB_ATOM_CARDINAL, 0, 4),
      nullptr));
  if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) != 16)
    return std::nullopt;
  // Left, right, top, bottom.
  const auto* side = static_cast<const std::uint32_t*>(xcb_get_property_value(property.get()));
  return QMargins(static_cast<int>(side[0]), static_cast<int>(side[2]), static_cast<int>(side[1]),
                  static_cast<int>(side[3]));
#else
  Q_UNUSED(window);
  return std::nullopt;
#endif
}

}  // namespace pelbrix
