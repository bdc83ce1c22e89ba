#pragma once
// Notice of what the window manager does to the application's windows behind Qt's back.
// On X11 a window manager frames a window whenever it gets to it: at once, a moment after the
// window is mapped, or only when a window manager is started later; Qt tells a widget of none
// of this when the window keeps its place on the screen. And when the window manager focuses a
// window that a minimised modal window blocks, Qt hands the focus on to the modal window, which
// cannot take it while minimised, and tells nobody.
#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QWindow;

namespace pelbrix {

class WindowSystemWatch : public QObject, public QAbstractNativeEventFilter {
 public:
  // X11 event codes.
  enum Notice : unsigned char { FocusIn = 9, Reparent = 21, Configure = 22, Property = 28 };

  // `changed` runs once after each burst of the notices asked for, when the event loop has
  // handled them; never on other window systems.
  WindowSystemWatch(QObject* parent, std::initializer_list<Notice> notices,
                    std::function<void()> changed);
  ~WindowSystemWatch() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  // The borders an X11 window manager has put around `window`, as it states them, once it has
  // framed the window; nothing before that or on other window systems. Qt keeps the first
  // answer it found until the window is next moved or resized, which may be "no frame" for
  // good when the window manager frames the window where it stands.
  static std::optional<QMargins> frameBorders(const QWindow* window);

 private:
  std::vector<unsigned char> notices_;
  std::function<void()> changed_;
  bool queued_ = false;
};

}  // namespace pelbrix
