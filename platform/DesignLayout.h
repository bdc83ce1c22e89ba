#pragma once
// Every window is drawn from its design geometry: pixel positions and sizes at the
// design's 8-point font, whose characters are 11 pixels high. layOutFromDesign turns that
// into geometry at the desktop's font in one place: every position and size is scaled by
// the ratio of the font's pixel height to the design's, then a control grows only where
// its own text still needs it, a control that grew pushes the ones the design placed
// after it (to its right, or below) along by the design's gap, and a container grows to
// hold its children with the design's margins. Controls whose design rectangles share a
// top (or left) edge keep one top (or left) edge; a window's content keeps at least the
// design's spacing (8 pixels) from its edges.
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QLineEdit;
class QWidget;

namespace pelbrix {

inline constexpr int kDesignCharacterHeight = 11;

// The factor from design pixels to pixels at `font`.
double designScale(const QFont& font);

// Records the widget's design rectangle (and applies what it can unscaled until the window
// is laid out); a zero width or height means the widget's natural size, which is measured
// only when the window is laid out.
void place(QWidget* widget, int left, int top, int width = 0, int height = 0);

// How a design rectangle follows its parent once the parent has its final size.
enum class DesignAnchor {
  None,
  FullWidth,  // spans the parent's whole width (a heading band)
  Centred,    // stays centred across the parent's width
};
void setDesignAnchor(QWidget* widget, DesignAnchor anchor);

// A window's designed client size: it is scaled and grown to hold the children. A fixed
// window keeps that size; a resizable one takes it as its minimum and starts at it. A
// window without a designed size is sized around its children.
enum class WindowSizing { Fixed, Resizable };
void setDesignClientSize(QWidget* window, QSize size, WindowSizing sizing = WindowSizing::Fixed);

// A field that receives results is laid out wide enough to show `text`, the widest result it
// writes, whole.
void setWidestText(QLineEdit* field, const QString& text);

// A band's face is `designPixels` high at the design's font and grows with the desktop's.
void setBandPixelHeight(QWidget* label, int designPixels);

// `frame` moved as little as needed to lie within `area` (its top-left corner in view when
// it is larger).
QRect onScreen(QRect frame, const QRect& area);

// Lays the window out at its font, the first time only; later calls do nothing. It can run
// at construction or when the window is first shown.
void layOutFromDesign(QWidget* window);
bool isLaidOut(const QWidget* window);

}  // namespace pelbrix
