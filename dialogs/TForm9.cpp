#include "dialogs/TForm9.h"

#include <QPixmap>

#include "core/SettingsStore.h"
#include "platform/TitleBand.h"

namespace pelbrix {

namespace {
const QString kSplashPicture = QStringLiteral(":/splash.png");
}

TForm9::TForm9(TApplication& application, SettingsStore& settings, const SplashClockFunction& clock)
    : TForm(application), settings_(settings) {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(tr("Form9"));
  // No border, caption or system buttons, above every other window; the splash type
  // also keeps it out of the taskbar.
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(516, 394);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  // The picture is decoded when the splash screen is first shown, not at start-up.
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(32, 29, 449, 325);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 168, 484, 40);
  Label1->setAlignment(Qt::AlignCenter);
  paintAsBand(Label1, 35, true);
  Label1->hide();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kSplashIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TForm9::Timer1Timer);
  Timer1->start();

  FormCreate(clock());
}

void TForm9::FormCreate(const QDateTime& now) {
  // The clock is read once: the message depends on the time of start-up, not of showing.
  if (ChooseSplash(now).saturdayMessage) {
    Image1->hide();
    Label1->setText(tr("All Your Base Are Belong To Us!"));
    Label1->show();
    Timer1->setInterval(kSaturdayIntervalMs);  // restarts the count from now
  }
  // The splash screen's corner is the main window's remembered one, so it covers it.
  const MainWindowPosition corner = settings_.load().read(kMainWindowPositionKeys);
  move(corner.Left, corner.Top);
}

// The timer keeps running after the first tick; closing a hidden window does nothing.
void TForm9::Timer1Timer() {
  close();
}

void TForm9::showEvent(QShowEvent* event) {
  if (Image1->isVisibleTo(this) && Image1->pixmap().isNull())
    Image1->setPixmap(QPixmap(kSplashPicture));
  TForm::showEvent(event);
}

}  // namespace pelbrix
