#include "rates/TBRate.h"

#include <QLayout>

#include "core/BoyleRates.h"
#include "platform/Controls.h"
#include "platform/DesignLayout.h"

namespace pelbrix {

namespace {

constexpr RateWindowDesign kBoyleDesign = {
    .solveForTitle = QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Solve For: "),
    .solveForBox = {144, 64, 113, 89},
    .singleQuantities = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Pressure"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume"),
                         QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Pressure")},
    .multipleQuantities = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Volume 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Pressure 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Pressure 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Volume 2"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Pressure 1"),
                           QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Rate of Pressure 2")},
    .singleResults = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Volume"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Pressure"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Volume"),
                      QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Pressure")},
    .multipleResults = {QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Volume 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Pressure 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Volume 2"),
                        QT_TRANSLATE_NOOP("pelbrix::RateWindow", "Calculated: Rate of Pressure 2")},
    .singleClearWidth = 73,
    .startMode = 0,
    .calculator = kBoyleRates,
    .keys = kBoyleRateKeys,
};

}  // namespace

TBRate::TBRate(TApplication& application, SettingsStore& settings, ErrorPresenter& errors)
    : RateWindow(application, settings, errors, kBoyleDesign) {
  setObjectName(QStringLiteral("BRate"));
  setWindowTitle(tr("Boyle Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
  chainTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, Edit1, Edit2, Edit3, Edit4,
                 Button1, Button2});
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, RadioButton5,
                 RadioButton6, RadioButton7, RadioButton8, Button3, Button4});
  PageControl1->setCurrentIndex(1);  // as designed; the stored page replaces it below
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  FormCreate();
}

void TBRate::layOut() {
  // Laid out with the design's captions, the window stands where one laid out at creation
  // stands; the captions of the modes chosen since (the stored ones) then take their places,
  // each at its own size, as a Solve For button's do.
  QLabel* const labels[] = {Label1, Label2, Label3, Label4,  Label5,  Label6,
                            Label7, Label8, Label9, Label10, Label11, Label12};
  QStringList chosen;
  for (const QLabel* label : labels) chosen << label->text();
  relabelSingle(kDesignMode);
  relabelMultiple(kDesignMode);
  layOutFromDesign(this);
  for (int k = 0; k < chosen.size(); ++k) {
    if (labels[k]->text() == chosen[k]) continue;
    labels[k]->setText(chosen[k]);
    labels[k]->adjustSize();
  }
}

}  // namespace pelbrix
