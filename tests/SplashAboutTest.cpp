// The splash screen (its Saturday message, timer, position and first-activation
// showing) and the About box.
#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <utility>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "core/SplashClock.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "platform/DesignLayout.h"

using namespace pelbrix;

namespace {
// A clock that always reads `at`.
SplashClockFunction fixedClock(const QDateTime& at) {
  return [at] { return at; };
}

const QDate kSaturday(2026, 12, 12);
const QDate kWednesday(2026, 12, 9);
}  // namespace

using AboutBox = test::WindowsTest;

class Splash : public testing::Test {
 protected:
  TApplication application;
  test::TempSettings settings;
};

TEST_F(Splash, WindowAsDesigned) {
  TForm9 form(application, settings.store, fixedClock(QDateTime(kWednesday, QTime(10, 0))));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form.size(), QSize(516, 394));
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(form.Image1->geometry(), QRect(32, 29, 449, 325));
  EXPECT_EQ(form.Label1->geometry(), QRect(8, 168, 484, 40));
  EXPECT_EQ(form.Label1->font().pixelSize(), 35);
  EXPECT_TRUE(form.Label1->font().bold());
  EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(form.Timer1->isActive());  // runs from creation, before any showing
}

TEST_F(Splash, SaturdayMessageChosenAtCreationForEveryHour) {
  for (const QDate& day : {kSaturday, kWednesday}) {
    for (int hour = 0; hour < 24; ++hour) {
      SCOPED_TRACE(QStringLiteral("%1 %2h").arg(day.toString()).arg(hour).toStdString());
      TForm9 form(application, settings.store, fixedClock(QDateTime(day, QTime(hour, 30))));
      const bool message =
          day == kSaturday && (hour == 10 || hour == 12 || hour == 14 || hour == 16 || hour == 17);
      EXPECT_EQ(form.Image1->isVisibleTo(&form), !message);
      EXPECT_EQ(form.Label1->isVisibleTo(&form), message);
      EXPECT_EQ(form.Label1->text(), message ? "All Your Base Are Belong To Us!" : "");
      EXPECT_EQ(form.Timer1->interval(), message ? 3500 : 2000);
      EXPECT_TRUE(form.Timer1->isActive());
    }
  }
}

TEST_F(Splash, PlacedAtTheMainWindowsRememberedCorner) {
  struct Case {
    const char* file;
    QPoint expected;
  };
  const Case cases[] = {
      {"", QPoint(0, 0)},                                     // no file: top-left corner
      {"[Main]\nTop=120\nLeft=-40\n", QPoint(-40, 120)},      // applied as stored
      {"[MAIN]\ntop=-3000\nLEFT=77\n", QPoint(77, -3000)},    // case-blind, off screen
      {"[Main]\nTop=abc\nLeft=99999999999\n", QPoint(0, 0)},  // not integers: defaults
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    test::TempSettings settings;
    if (*c.file) settings.write(c.file);
    TForm9 form(application, settings.store, &QDateTime::currentDateTime);
    EXPECT_EQ(form.pos(), c.expected);
    EXPECT_FALSE(settings.exists() && !*c.file);  // reading never creates the file
  }
}

TEST_F(Splash, TickClosesItAndLaterTicksAreHarmless) {
  TForm9 form(application, settings.store, &QDateTime::currentDateTime);
  form.Timer1->setInterval(0);  // ticks on every pass of the event loop
  form.ShowModal();             // returns once a tick has closed it, else the test runs out of time
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.Timer1->isActive());
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(Splash, PictureDecodedOnlyWhenFirstShown) {
  TForm9 form(application, settings.store, fixedClock(QDateTime(kWednesday, QTime(9, 0))));
  EXPECT_TRUE(form.Image1->pixmap().isNull());
  form.show();
  EXPECT_EQ(form.Image1->pixmap().size(), QSize(449, 325));
}

TEST_F(Splash, ShownModallyAtTheRememberedCornerOnTheFirstActivationOnly) {
  // The main window is smaller than the splash screen, so centring the splash screen over it
  // would move it off the corner.
  const std::pair<std::string, QPoint> cases[] = {
      {"", QPoint(0, 0)}, {"[Main]\nTop=100\nLeft=150\n", QPoint(150, 100)}};
  for (const auto& [file, corner] : cases) {
    SCOPED_TRACE(file);
    test::TestApplication app(file);
    TMain* Main = app.windows.Main;
    TForm9* Form9 = app.windows.Form9;
    Main->SplashPending = true;
    auto activateMain = [Main] {
      QApplication::setActiveWindow(nullptr);
      Main->show();
      QApplication::setActiveWindow(Main);
      QCoreApplication::processEvents();  // the activation's zero-length timer
    };
    QPoint where;
    EXPECT_EQ(test::runModal(activateMain, [&](QWidget* modal) { where = modal->pos(); }), "Form9");
    EXPECT_EQ(where, corner);
    EXPECT_NE(Main->frameGeometry().center(), Form9->frameGeometry().center());
    EXPECT_FALSE(Main->SplashPending);
    EXPECT_FALSE(Form9->isVisible());
    EXPECT_EQ(test::runModal([&] {
                activateMain();
                activateMain();
              }),
              "");
  }
}

#ifndef _WIN32  // sizes from the X11 desktop font; not under Wine's offscreen fonts
TEST_F(AboutBox, TextsAndLayout) {
  TAboxt* Aboxt = windows.Aboxt;
  Aboxt->ensureLaidOut();  // laid out before its first showing
  EXPECT_EQ(Aboxt->windowTitle(), "About");
  EXPECT_EQ(Aboxt->Label1->text(), "Pelbrix 4.2");
  // 24 pixels at the design's font, as much larger as the desktop's font is.
  EXPECT_EQ(Aboxt->Label1->font().pixelSize(),
            static_cast<int>(std::lround(24 * designScale(Aboxt->font()))));
  EXPECT_EQ(Aboxt->Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(Aboxt->Label1->palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(Aboxt->Label1->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(Aboxt->Label1->width(), Aboxt->width());  // a band across the full width
  EXPECT_TRUE(Aboxt->Label2->text().contains("Pelbrix"));
  EXPECT_TRUE(Aboxt->Label3->text().contains("Copyright"));
  EXPECT_TRUE(Aboxt->Label4->text().contains("MIT License"));
  EXPECT_EQ(Aboxt->Label5->text(), "For more information, consult included helpfiles");
  EXPECT_EQ(Aboxt->Button1->text(), "Close");
  // Every line fits inside the box and none overlaps the next.
  const QList<QWidget*> rows{Aboxt->Label1, Aboxt->Label2, Aboxt->Label3,
                             Aboxt->Label4, Aboxt->Label5, Aboxt->Button1};
  for (int i = 0; i < rows.size(); ++i) {
    EXPECT_TRUE(Aboxt->rect().contains(rows[i]->geometry())) << i;
    if (i > 0) {
      EXPECT_GE(rows[i]->y(), rows[i - 1]->geometry().bottom()) << i;
    }
  }
}
#endif

TEST_F(AboutBox, CloseEndsTheModalShowingAsOftenAsAsked) {
  TAboxt* Aboxt = windows.Aboxt;
  const QString texts = Aboxt->Label2->text() + Aboxt->Label3->text() + Aboxt->Label4->text();
  for (int round = 0; round < 2; ++round) {
    bool wasModal = false;
    QTimer::singleShot(0, Aboxt, [&] {
      wasModal = QApplication::activeModalWidget() == Aboxt;
      QTest::mouseClick(Aboxt->Button1, Qt::LeftButton);
    });
    windows.Main->ADlog->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(Aboxt->isVisible());
    EXPECT_EQ(Aboxt->Label2->text() + Aboxt->Label3->text() + Aboxt->Label4->text(), texts);
  }
}
