#include "platform/DesignLayout.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <vector>

namespace pelbrix {
namespace {

const char* const kRect = "pelbrixDesignRect";
const char* const kAnchor = "pelbrixDesignAnchor";
const char* const kClient = "pelbrixDesignClient";
const char* const kSizing = "pelbrixDesignSizing";
const char* const kLaidOut = "pelbrixLaidOut";
const char* const kWidestText = "pelbrixWidestText";
const char* const kBandPixels = "pelbrixBandPixels";

// The design's spacing: the least distance between a window's edge and its content.
constexpr int kDesignSpacing = 8;

bool designRect(const QWidget* w, QRect& rect) {
  const QVariant v = w->property(kRect);
  if (!v.isValid()) return false;
  rect = v.toRect();
  return true;
}

int scaled(int designPixels, double scale) {
  return static_cast<int>(std::lround(designPixels * scale));
}

DesignAnchor anchorOf(const QWidget* w) {
  return static_cast<DesignAnchor>(w->property(kAnchor).toInt());
}

// A designed widget with what the layout reads of it more than once: its design rectangle
// and anchor, and its own designed children. Each is read once per layout.
struct Child {
  QWidget* widget;
  QRect design;
  DesignAnchor anchor;
  std::vector<Child> inner;
};

bool overlapping(int a0, int a1, int b0, int b1) {
  return a0 < b1 && b0 < a1;
}

// The design rectangle with a natural width or height read back from the widget.
QRect designExtent(const Child& c, double scale) {
  QRect d = c.design;
  if (d.width() <= 0) d.setWidth(static_cast<int>(std::lround(c.widget->width() / scale)));
  if (d.height() <= 0) d.setHeight(static_cast<int>(std::lround(c.widget->height() / scale)));
  return d;
}

// Where a rectangle starts and how long it is along `axis`.
int startOf(const QRect& r, Qt::Orientation axis) {
  return axis == Qt::Horizontal ? r.left() : r.top();
}
int lengthOf(const QRect& r, Qt::Orientation axis) {
  return axis == Qt::Horizontal ? r.width() : r.height();
}
Qt::Orientation across(Qt::Orientation axis) {
  return axis == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
}

// A control that grew keeps what the design placed after it along `axis` (to its right,
// or below it), where the two now share rows or columns, at the design's distance.
// Controls whose design rectangles start at the same place along `axis` (one row's top
// edges, one column's left edges) keep one start on screen: the farthest any of them was
// pushed.
void keepDesignOrder(std::vector<Child>& children, double scale, Qt::Orientation axis) {
  std::vector<QRect> design;
  for (const Child& c : children) design.push_back(designExtent(c, scale));
  std::map<int, std::vector<std::size_t>> byStart;  // ordered by design start
  for (std::size_t k = 0; k < children.size(); ++k) byStart[startOf(design[k], axis)].push_back(k);
  const Qt::Orientation other = across(axis);
  for (const auto& [start, members] : byStart) {
    int common = INT_MIN;
    for (const std::size_t j : members) {
      const QRect g = children[j].widget->geometry();
      int least = startOf(g, axis);
      for (std::size_t i = 0; i < children.size(); ++i) {
        const int designEnd = startOf(design[i], axis) + lengthOf(design[i], axis);
        if (i == j || designEnd > start) continue;
        const QRect before = children[i].widget->geometry();
        if (!overlapping(startOf(before, other), startOf(before, other) + lengthOf(before, other),
                         startOf(g, other), startOf(g, other) + lengthOf(g, other)))
          continue;
        least = std::max(least, startOf(before, axis) + lengthOf(before, axis) +
                                    scaled(start - designEnd, scale));
      }
      common = std::max(common, least);
    }
    for (const std::size_t j : members) {
      QRect g = children[j].widget->geometry();
      if (axis == Qt::Horizontal)
        g.moveLeft(common);
      else
        g.moveTop(common);
      children[j].widget->setGeometry(g);
    }
  }
}

// A push button's width for its text: the text plus the style's frame around it, without
// the least width some styles give every button with text.
int pushButtonTextWidth(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
  if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
  option.rect.setSize(text);
  return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
}

// The width a one-line field needs to show `text` whole.
int lineEditWidthFor(const QLineEdit* edit, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->hasFrame()
                         ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
  const QMargins text_ = edit->textMargins();
  const QMargins contents = edit->contentsMargins();
  // The field keeps 2 pixels on either side of its text, and room for the cursor after it.
  const int inner = edit->fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + text_.left() +
                    text_.right() + contents.left() + contents.right();
  return edit->style()
      ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, edit->height()), edit)
      .width();
}

bool isBand(const Child& c) {
  return c.anchor == DesignAnchor::FullWidth && c.widget->autoFillBackground();
}

// The size that holds the children: each keeps its design distance to the right and bottom
// edges of `designSize` (8 pixels where it has a natural size or there is no designed
// size), at least `leastMargin`, and the designed size itself, scaled, is the least.
// Anchored children follow the parent instead.
QSize holdingSize(const std::vector<Child>& children, QSize designSize, double scale,
                  int leastMargin = 0) {
  QSize need = designSize.isValid()
                   ? QSize(scaled(designSize.width(), scale), scaled(designSize.height(), scale))
                   : QSize(0, 0);
  for (const Child& c : children) {
    const QWidget* w = c.widget;
    const bool fixedWidth = designSize.isValid() && c.design.width() > 0;
    const bool fixedHeight = designSize.isValid() && c.design.height() > 0;
    int marginX =
        fixedWidth ? std::max(0, designSize.width() - c.design.left() - c.design.width()) : 8;
    int marginY =
        fixedHeight ? std::max(0, designSize.height() - c.design.top() - c.design.height()) : 8;
    marginX = std::max(marginX, leastMargin);
    marginY = std::max(marginY, leastMargin);
    if (c.anchor == DesignAnchor::None)
      need.setWidth(std::max(need.width(), w->x() + w->width() + scaled(marginX, scale)));
    need.setHeight(std::max(need.height(), w->y() + w->height() + scaled(marginY, scale)));
  }
  return need;
}

void applyAnchors(const std::vector<Child>& children, int parentWidth) {
  for (const Child& c : children) {
    if (c.anchor == DesignAnchor::FullWidth)
      c.widget->setGeometry(0, c.widget->y(), parentWidth, c.widget->height());
    if (c.anchor == DesignAnchor::Centred)
      c.widget->move((parentWidth - c.widget->width()) / 2, c.widget->y());
  }
}

// Sizes `w`'s designed children (after their own children), then what holds them; returns
// the designed children.
std::vector<Child> layOutChildren(QWidget* w, double scale) {
  std::vector<Child> children;
  for (QObject* o : w->children())
    if (auto* child = qobject_cast<QWidget*>(o); child && !child->isWindow()) {
      std::vector<Child> inner = layOutChildren(child, scale);
      if (QRect d; designRect(child, d))
        children.push_back({child, d, anchorOf(child), std::move(inner)});
    }
  if (children.empty()) return children;
  for (const Child& c : children) {
    QWidget* cw = c.widget;
    // A band's face is as much larger than the design's as the desktop's font is.
    if (const QVariant band = cw->property(kBandPixels); band.isValid()) {
      QFont font = cw->font();
      font.setPixelSize(std::max(1, scaled(band.toInt(), scale)));
      cw->setFont(font);
    }
    QSize hint = cw->sizeHint();
    if (auto* button = qobject_cast<QPushButton*>(cw)) hint.setWidth(pushButtonTextWidth(button));
    QRect r(scaled(c.design.left(), scale), scaled(c.design.top(), scale),
            c.design.width() > 0 ? scaled(c.design.width(), scale) : hint.width(),
            c.design.height() > 0 ? scaled(c.design.height(), scale) : hint.height());
    // A control grows only where its own text still needs it.
    if (qobject_cast<QLabel*>(cw) || qobject_cast<QAbstractButton*>(cw))
      r.setSize(r.size().expandedTo(hint));
    else if (auto* edit = qobject_cast<QLineEdit*>(cw)) {
      r.setHeight(std::max(r.height(), hint.height()));
      if (const QVariant widest = cw->property(kWidestText); widest.isValid())
        r.setWidth(std::max(r.width(), lineEditWidthFor(edit, widest.toString())));
    }
    // A container holds its children (laid out above) and, for a group box, its title.
    if (const std::vector<Child>& inner = c.inner; !inner.empty()) {
      r.setSize(r.size().expandedTo(holdingSize(inner, c.design.size(), scale)));
      if (qobject_cast<QGroupBox*>(cw))
        r.setWidth(std::max(r.width(), cw->minimumSizeHint().width()));
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(cw))
      r.setSize(r.size().expandedTo(tabs->minimumSizeHint()));
    cw->setGeometry(r);
    // A widget that its parent's layout places (a main window's central widget) keeps its
    // size through the layout.
    if (w->layout()) cw->setFixedSize(r.size());
  }
  // Twice, as a row pushed down may come beside a control that grew to the right.
  for (int pass = 0; pass < 2; ++pass) {
    keepDesignOrder(children, scale, Qt::Horizontal);
    keepDesignOrder(children, scale, Qt::Vertical);
  }
  // A group box's title takes room its style gives it above the frame's contents; what the
  // design put under the title starts below it.
  if (qobject_cast<QGroupBox*>(w)) {
    int top = INT_MAX;
    for (const Child& c : children) top = std::min(top, c.widget->y());
    const int shift = w->contentsRect().top() - top;
    if (shift > 0)
      for (const Child& c : children) c.widget->move(c.widget->x(), c.widget->y() + shift);
  }
  // Group boxes and other designed containers are sized by their parent's pass, windows by
  // layOutFromDesign; a page of a page control has no design rectangle of its own and asks
  // for room for its children.
  QRect own;
  if (!designRect(w, own) && !w->isWindow())
    w->setMinimumSize(holdingSize(children, QSize(), scale));
  return children;
}

}  // namespace

double designScale(const QFont& font) {
  return static_cast<double>(QFontInfo(font).pixelSize()) / kDesignCharacterHeight;
}

void place(QWidget* widget, int left, int top, int width, int height) {
  widget->setProperty(kRect, QRect(left, top, width, height));
  // A natural size is measured only when the window is laid out.
  if (width > 0 && height > 0)
    widget->setGeometry(left, top, width, height);
  else
    widget->move(left, top);
}

void setDesignAnchor(QWidget* widget, DesignAnchor anchor) {
  widget->setProperty(kAnchor, static_cast<int>(anchor));
}

void setDesignClientSize(QWidget* window, QSize size, WindowSizing sizing) {
  window->setProperty(kClient, size);
  window->setProperty(kSizing, static_cast<int>(sizing));
}

void setWidestText(QLineEdit* field, const QString& text) {
  field->setProperty(kWidestText, text);
}

void setBandPixelHeight(QWidget* label, int designPixels) {
  label->setProperty(kBandPixels, designPixels);
}

QRect onScreen(QRect frame, const QRect& area) {
  if (!area.isValid()) return frame;
  // Too large a window keeps its top-left corner in view.
  frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
  frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  return frame;
}

bool isLaidOut(const QWidget* window) {
  return window->property(kLaidOut).toBool();
}

void layOutFromDesign(QWidget* window) {
  if (isLaidOut(window)) return;
  window->setProperty(kLaidOut, true);
  window->ensurePolished();
  const double scale = designScale(window->font());
  const std::vector<Child> children = layOutChildren(window, scale);
  const QVariant client = window->property(kClient);
  const auto sizing = static_cast<WindowSizing>(window->property(kSizing).toInt());
  if (QLayout* layout = window->layout()) {
    // A window around a layout: the layout holds the children; the design may ask for more.
    if (!client.isValid()) return;
    const QSize need = layout->minimumSize().expandedTo(
        QSize(scaled(client.toSize().width(), scale), scaled(client.toSize().height(), scale)));
    if (sizing == WindowSizing::Fixed)
      window->setFixedSize(need);
    else
      window->resize(need);
    return;
  }
  if (children.empty()) return;
  // Content the design put against the window's edge moves in by the design's spacing;
  // a band that paints its own background still spans the window from its edge.
  const int margin = scaled(kDesignSpacing, scale);
  int left = INT_MAX, top = INT_MAX;
  for (const Child& c : children) {
    if (isBand(c)) continue;
    if (c.anchor == DesignAnchor::None) left = std::min(left, c.widget->x());
    top = std::min(top, c.widget->y());
  }
  const QPoint shift(left == INT_MAX ? 0 : std::max(0, margin - left),
                     top == INT_MAX ? 0 : std::max(0, margin - top));
  for (const Child& c : children)
    if (!isBand(c)) c.widget->move(c.widget->pos() + shift);
  const QSize need =
      holdingSize(children, client.isValid() ? client.toSize() : QSize(), scale, kDesignSpacing);
  applyAnchors(children, need.width());
  if (sizing == WindowSizing::Fixed) {
    window->setFixedSize(need);
  } else {
    window->setMinimumSize(need);
    window->resize(need);
  }
}

}  // namespace pelbrix
