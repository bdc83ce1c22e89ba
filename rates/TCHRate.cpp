#include "rates/TCHRate.h"

#include "core/CharlesRates.h"
#include "platform/Controls.h"

namespace pelbrix {

namespace {

// The window's design size less the frame, for a window that is not sized to its content.
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 443;

// The Boyle rate window's texts with temperature in place of pressure.
constexpr RateWindowDesign kCharlesDesign = {
    .solveForTitle = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Solve for: "),
    .solveForBox = {136, 64, 137, 89},
    .singleQuantities = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Temperature"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Temperature")},
    .multipleQuantities = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Temperature 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Temperature 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Temperature 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Temperature 2")},
    .singleResults = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Volume"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Temperature"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Volume"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Temperature")},
    .multipleResults = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Volume 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Temperature 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Volume 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow",
                                          "Calculated: Rate of Temperature 2")},
    .singleClearWidth = 75,
    .startMode = 4,  // Rate of Temperature, the design's
    .calculator = kCharlesRates,
    .keys = kCharlesRateKeys,
};

}  // namespace

TCHRate::TCHRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors)
    : RateWindow(application, settings, errors, kCharlesDesign) {
  setObjectName(QStringLiteral("CHRate"));
  setWindowTitle(tr("Charles Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
  chainTabOrder({Edit1, Edit2, Edit3, Edit4, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                 Button1, Button2});
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Button3, Button4,
                 RadioButton5, RadioButton6, RadioButton7, RadioButton8});
  PageControl1->setCurrentIndex(0);
  // The window starts at its design size and may grow.
  setDesignClientSize(this, {kClientWidth, kClientHeight}, WindowSizing::Resizable);
  FormCreate();
}

}  // namespace pelbrix
