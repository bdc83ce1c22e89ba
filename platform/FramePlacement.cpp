#include "platform/FramePlacement.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/WindowSystemWatch.h"

namespace pelbrix {

FramePlacement::~FramePlacement() {
  delete watch_;
}

QPoint FramePlacement::corner() const {
  // With no frame yet, the client area stands where the program put it, unless the window
  // system has moved it meanwhile: a window manager that is framing it passes through
  // places (the screen's corner) that are no position of the window's.
  if (cornerPending_) return reportedUnframed_ ? wantedCorner_ : window_.geometry().topLeft();
  // Framed, until the window system has reported a place of the framed window the position
  // is the corner applied; a late report of the client area where it stood unframed (at
  // the frame's corner) is a guess too. Stored, either would make the window creep.
  if (!positionConfirmed_ || window_.geometry().topLeft() == wantedCorner_) return wantedCorner_;
  const QMargins frame = frameMarginsNow();
  return window_.geometry().topLeft() - QPoint(frame.left(), frame.top());
}

QMargins FramePlacement::frameMarginsNow() const {
  // Not frameGeometry(): the widget learns of its frame only when it moves or is resized,
  // and a window manager that frames the window where it stands does neither. On X11 not
  // QWindow::frameMargins() either, which may go on answering "no frame" then.
  const QWindow* window = window_.windowHandle();
  if (!window) return {};
  if (const std::optional<QMargins> borders = WindowSystemWatch::frameBorders(window))
    return *borders;
  return window->frameMargins();
}

void FramePlacement::placeAt(QPoint corner) {
  // Positions are applied as stored, off-screen ones too; only values no screen could
  // ever have are pulled in, so the window system's geometry arithmetic cannot overflow.
  constexpr int kFarthest = 1 << 24;
  corner = QPoint(std::clamp(corner.x(), -kFarthest, kFarthest),
                  std::clamp(corner.y(), -kFarthest, kFarthest));
  wantedCorner_ = corner;
  cornerPending_ = true;
  positionConfirmed_ = reportedUnframed_ = false;
  // Every change the window system reports is looked at until the frame is known.
  if (!watch_)
    watch_ = new WindowSystemWatch(
        &window_,
        {WindowSystemWatch::Reparent, WindowSystemWatch::Configure, WindowSystemWatch::Property},
        [this] { settle(); });
  // Before the window is framed this places the client area; settle() corrects it by the
  // frame's size once the frame is known.
  window_.move(corner);
  settle();
}

void FramePlacement::settle() {
  if (!cornerPending_ || !window_.isVisible()) return;
  const QMargins frame = frameMarginsNow();
  if (frame.isNull()) return;  // not framed (yet): the client area stands at the corner
  // Corrected once only, so a window manager that insists on its own place is not fought,
  // and later moves are the user's.
  cornerPending_ = false;
  if (watch_) {
    watch_->deleteLater();
    watch_ = nullptr;
  }
  const QPoint border(frame.left(), frame.top());
  if (window_.geometry().topLeft() - border == wantedCorner_)
    positionConfirmed_ = true;  // framed in place: a position only the window system gave
  else
    window_.setGeometry(QRect(wantedCorner_ + border, window_.size()));
}

void FramePlacement::windowShown() {
  // Until a window manager frames the window (perhaps never), its client area stands at
  // the stored corner, which is then also what a close stores.
  settle();
}

void FramePlacement::windowMoved(bool spontaneous) {
  if (spontaneous && cornerPending_) reportedUnframed_ = true;
  // A place the window system reports once the frame is known is the window's place (one
  // that only repeats where the client area stood unframed excepted). Qt reports no move
  // when the window system confirms the corrected place, which is the applied corner then.
  if (spontaneous && !cornerPending_ && window_.geometry().topLeft() != wantedCorner_)
    positionConfirmed_ = true;
  settle();
}

}  // namespace pelbrix
