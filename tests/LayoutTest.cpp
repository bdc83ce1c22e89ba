// Every window laid out from its design at the desktop's font and at one and a half times
// its size: every text fits its control, no two sibling controls overlap, every window
// and container holds its children, in every mode the window's buttons choose.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
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

// The checks on one window as it stands now.
void checkWindow(QWidget* window) {
  const QList<QWidget*> all = window->findChildren<QWidget*>();
  for (QWidget* w : all) {
    if (!w->isVisibleTo(window) || !designed(w)) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* button = qobject_cast<QAbstractButton*>(w);
    if ((label && !label->text().isEmpty()) || (button && !button->text().isEmpty())) {
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

TEST_P(Layout, TheDesignScalesWithTheFont) {
  // Secondary windows are laid out when they are first shown, as placing them does.
  windows().TempConv->CentreOverMainForm();
  windows().Optxion->CentreOverMainForm();
  // The converter's arrow button is 25 design pixels square and has room for its text.
  const double scale = designScale(windows().TempConv->font());
  EXPECT_GE(windows().TempConv->Button1->width(), static_cast<int>(25 * scale));
  // The options dialog's buttons keep the design's order: Ok left of Cancel, both below
  // the group.
  const TOptxion* o = windows().Optxion;
  EXPECT_LT(o->Button1->x(), o->Button2->x());
  EXPECT_GT(o->Button1->y(), o->GroupBox1->geometry().bottom());
}

INSTANTIATE_TEST_SUITE_P(Fonts, Layout, testing::Values(1.0, 1.5),
                         [](const testing::TestParamInfo<double>& info) {
                           return info.param == 1.0 ? std::string("DesktopFont")
                                                    : std::string("LargerFont");
                         });

}  // namespace
