#include "platform/WindowSystemWatch.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdint>

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

}  // namespace pelbrix
