#pragma once
// Places a top-level window so that its frame's corner lands on a given point, however late
// the window manager frames it, and tells where that corner is.
#include <QMargins>
#include <QPoint>

class QWidget;

namespace pelbrix {

class WindowSystemWatch;

class FramePlacement {
 public:
  explicit FramePlacement(QWidget& window) : window_(window) {}
  ~FramePlacement();
  FramePlacement(const FramePlacement&) = delete;
  FramePlacement& operator=(const FramePlacement&) = delete;

  // The stored position is the outer frame's corner, which the window manager knows only
  // once it has framed the window; until then the position waits here.
  void placeAt(QPoint corner);
  // What a close stores: the frame's corner as the window system reports it, or the corner
  // that was applied while the window system has not confirmed it yet.
  QPoint corner() const;

  // The window hands on its show and move events, after handling them itself.
  void windowShown();
  void windowMoved(bool spontaneous);

 private:
  // The frame's borders as the window system has them now; none while not framed.
  QMargins frameMarginsNow() const;
  void settle();

  QWidget& window_;
  QPoint wantedCorner_;
  bool cornerPending_ = false;
  bool positionConfirmed_ = false;
  bool reportedUnframed_ = false;  // the window system moved the window before its frame was known
  WindowSystemWatch* watch_ = nullptr;
};

}  // namespace pelbrix
