// Every window laid out from its design at the desktop's font and at one and a half times
// its size: every text fits its control, no two sibling controls overlap, every window
// and container holds its children, in every mode the window's buttons choose; what the
// design lines up stays lined up, labels stand over their fields, content keeps a margin
// from the window's edges and every window opens on the screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <cmath>
#include <memory>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;

namespace {

std::string nameOf(const QWidget* w) {
  return (w->window()->objectName() + "/" + w->objectName()).toStdString();
}

bool designed(const QWidget* w) {
  return w->property("pelbrixDesignRect").isValid();
}
QRect design(const QWidget* w) {
  return w->property("pelbrixDesignRect").toRect();
}
bool anchored(const QWidget* w) {
  return w->property("pelbrixDesignAnchor").toInt() != 0;
}
// The design's pixels are those of its 8-point font, 11 pixels high: a design length becomes
// that many times the desktop font's pixel height over 11.
int scaled(double designPixels, const QWidget* w) {
  return static_cast<int>(std::lround(designPixels * QFontInfo(w->font()).pixelSize() / 11.0));
}

// A push button's text fits inside the frame its style draws.
void expectTextInside(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.rect = button->rect();
  const QRect inside =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  EXPECT_GE(inside.width(),
            button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width())
      << nameOf(button) << " text clipped";
  EXPECT_GE(button->height(), button->sizeHint().height()) << nameOf(button) << " text clipped";
}

// Siblings whose design rectangles share a top (or left) edge share it on screen, within a
// pixel, and a label designed over its field stands over it, at its left edge.
void expectDesignAlignment(const QList<QWidget*>& all) {
  for (QWidget* a : all)
    for (QWidget* b : all) {
      if (a >= b || a->parentWidget() != b->parentWidget()) continue;
      if (design(a).top() == design(b).top()) {
        EXPECT_LE(std::abs(a->y() - b->y()), 1) << nameOf(a) << " and " << nameOf(b) << ": tops";
      }
      if (design(a).left() == design(b).left() && !anchored(a) && !anchored(b)) {
        EXPECT_LE(std::abs(a->x() - b->x()), 1) << nameOf(a) << " and " << nameOf(b) << ": lefts";
      }
    }
  for (QWidget* w : all) {
    const auto* label = qobject_cast<QLabel*>(w);
    QWidget* field = label ? label->buddy() : nullptr;
    if (!field || !designed(field) || design(label).top() >= design(field).top()) continue;
    if (design(label).left() != design(field).left()) continue;
    EXPECT_LE(std::abs(label->x() - field->x()), 1) << nameOf(label) << " beside its field";
    EXPECT_LE(label->geometry().bottom(), field->y()) << nameOf(label) << " over its field";
  }
}

// A window that places its controls itself keeps them the design's spacing from its edges;
// a band that paints its own background spans the window instead.
void expectWindowMargins(QWidget* window) {
  if (window->layout()) return;  // a page control fills the window
  const int margin = scaled(8, window);
  for (QObject* o : window->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !designed(w) || !w->isVisibleTo(window) || w->autoFillBackground()) continue;
    EXPECT_GE(w->y(), margin) << nameOf(w) << " at the top edge";
    EXPECT_GE(window->height() - w->geometry().bottom() - 1, margin)
        << nameOf(w) << " at the bottom edge";
    if (anchored(w)) continue;
    EXPECT_GE(w->x(), margin) << nameOf(w) << " at the left edge";
    EXPECT_GE(window->width() - w->geometry().right() - 1, margin)
        << nameOf(w) << " at the right edge";
  }
}

// The checks on one window as it stands now.
void checkWindow(QWidget* window) {
  const QList<QWidget*> all = window->findChildren<QWidget*>();
  for (QWidget* w : all) {
    if (!w->isVisibleTo(window) || !designed(w)) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* button = qobject_cast<QAbstractButton*>(w);
    if (const auto* push = qobject_cast<QPushButton*>(w)) {
      expectTextInside(push);
    } else if ((label && !label->text().isEmpty()) || (button && !button->text().isEmpty())) {
      EXPECT_GE(w->width(), w->sizeHint().width()) << nameOf(w) << " text clipped";
      EXPECT_GE(w->height(), w->sizeHint().height()) << nameOf(w) << " text clipped";
    }
    if (const auto* group = qobject_cast<QGroupBox*>(w)) {
      EXPECT_GE(group->width(), group->minimumSizeHint().width()) << nameOf(w) << " title";
    }
    QWidget* parent = w->parentWidget();
    EXPECT_TRUE(parent->rect().contains(w->geometry()))
        << nameOf(w) << " outside " << nameOf(parent);
    for (QWidget* other : all) {
      if (other == w || other->parentWidget() != parent || !designed(other) ||
          !other->isVisibleTo(window))
        continue;
      if (w->objectName() < other->objectName()) {
        EXPECT_FALSE(w->geometry().intersects(other->geometry()))
            << nameOf(w) << " overlaps " << nameOf(other);
      }
    }
  }
  QList<QWidget*> shown;
  for (QWidget* w : all)
    if (designed(w) && w->isVisibleTo(window)) shown << w;
  expectDesignAlignment(shown);
  expectWindowMargins(window);
}

// The checks in the window's first state, then after each of its radio buttons is clicked.
void checkWindowInEveryMode(QWidget* window) {
  SCOPED_TRACE(window->objectName().toStdString());
  // As ShowModal and Show place a form before showing it.
  if (auto* form = qobject_cast<TForm*>(window)) form->CentreOverMainForm();
  window->show();
  QApplication::processEvents();
  checkWindow(window);
  for (QRadioButton* radio : window->findChildren<QRadioButton*>()) {
    radio->click();
    QApplication::processEvents();
    checkWindow(window);
  }
  window->hide();
}

class Layout : public testing::TestWithParam<double> {
 protected:
  void SetUp() override {
    saved_ = QApplication::font();
    QFont font = saved_;
    font.setPointSizeF(saved_.pointSizeF() * GetParam());
    QApplication::setFont(font);
    app_ = std::make_unique<test::TestApplication>();
  }
  void TearDown() override {
    app_.reset();
    QApplication::setFont(saved_);
  }
  Application& windows() { return app_->windows; }

 private:
  QFont saved_;
  std::unique_ptr<test::TestApplication> app_;
};

TEST_P(Layout, EveryWindowHoldsItsFittedControls) {
  Application& a = windows();
  for (QWidget* w :
       std::initializer_list<QWidget*>{a.Main, a.Erro1, a.Erro2, a.Erro3, a.Erro4, a.Erro5,
                                       a.TempConv, a.Optxion, a.Form9, a.BRate, a.Aboxt, a.CHRate})
    checkWindowInEveryMode(w);
}

// Where a form stands, frame included, once shown as the program shows it: modally by its own
// ShowModal, or by Show. Placing it from the test would pass over a form placed otherwise.
QRect openedAt(TForm* form, bool modal) {
  QRect at;
  if (!modal) {
    form->Show();
    at = form->frameGeometry();
    form->hide();
  } else if (test::runModal([form] { form->ShowModal(); },
                            [&](QWidget* w) { at = w->frameGeometry(); }) != form->objectName()) {
    ADD_FAILURE() << form->objectName().toStdString() << " did not open";
  }
  return at;
}

TEST_P(Layout, EveryWindowOpensOnTheScreenCentredOverTheMainWindowWhereItFits) {
  Application& a = windows();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  a.Main->show();
  // The main window at the screen's left edge, at its centre, and at its bottom-right corner.
  const QSize mainSize = a.Main->frameGeometry().size();
  for (const QPoint corner :
       {area.topLeft(), area.center() - QPoint(mainSize.width() / 2, 0),
        area.bottomRight() + QPoint(1, 1) - QPoint(mainSize.width(), mainSize.height())}) {
    a.Main->move(corner);
    QApplication::processEvents();
    for (TForm* form : std::initializer_list<TForm*>{a.Erro1, a.Erro2, a.Erro3, a.Erro4, a.Erro5,
                                                     a.Optxion, a.BRate, a.Aboxt, a.CHRate}) {
      const QRect placed = openedAt(form, true);
      EXPECT_TRUE(area.contains(placed)) << form->objectName().toStdString() << " off screen at "
                                         << placed.x() << "," << placed.y();
      // Where it fits, it is centred over the main window.
      const QRect centred =
          QRect(placed).translated(a.Main->frameGeometry().center() - placed.center());
      if (area.contains(centred)) {
        EXPECT_LE((placed.center() - centred.center()).manhattanLength(), 2)
            << form->objectName().toStdString();
      }
    }
    // The converter opens level with the main window beside it, to the right where the screen
    // has room, else to the left, the design's spacing apart; else over it.
    const QRect main = a.Main->frameGeometry();
    const QRect conv = openedAt(a.TempConv, false);
    const int room = conv.width() + scaled(8, a.TempConv);
    EXPECT_TRUE(area.contains(conv)) << "converter off screen at " << conv.x() << "," << conv.y();
    if (area.right() - main.right() >= room) {
      EXPECT_GT(conv.left(), main.right());
      EXPECT_EQ(conv.top(), main.top());
    } else if (main.left() - area.left() >= room) {
      EXPECT_LT(conv.right(), main.left());
      EXPECT_EQ(conv.top(), main.top());
    }
  }
  a.Main->move(area.topLeft());
}

TEST_P(Layout, TheDesignScalesWithTheFont) {
  // Secondary windows are laid out when they are first shown, as placing them does.
  windows().TempConv->CentreOverMainForm();
  windows().Optxion->CentreOverMainForm();
  // The converter's arrow button is 25 design pixels square and has room for its text.
  EXPECT_GE(windows().TempConv->Button1->width(), scaled(25, windows().TempConv));
  // The options dialog's buttons keep the design's order: Ok left of Cancel, both below
  // the group.
  const TOptxion* o = windows().Optxion;
  EXPECT_LT(o->Button1->x(), o->Button2->x());
  EXPECT_GT(o->Button1->y(), o->GroupBox1->geometry().bottom());
  // The title bands grow with the desktop's font: never smaller than the text around them.
  const QLabel* band = windows().Main->TabSheet1->Label19;
  EXPECT_EQ(band->font().pixelSize(), scaled(32, band->window()));
  // The converter's arrow button grows for its text only, not to a style's least width.
  const QPushButton* arrow = windows().TempConv->Button1;
  EXPECT_LT(arrow->width(), windows().TempConv->Edit1->width());
}

INSTANTIATE_TEST_SUITE_P(Fonts, Layout, testing::Values(1.0, 1.5),
                         [](const testing::TestParamInfo<double>& info) {
                           return info.param == 1.0 ? std::string("DesktopFont")
                                                    : std::string("LargerFont");
                         });

}  // namespace
