#include "dialogs/TTempConv.h"

#include "dialogs/TempConversion.h"
#include "platform/Controls.h"
#include "platform/ErrorReport.h"

namespace pelbrix {

TTempConv* TempConv = nullptr;

TTempConv::TTempConv() {
  setObjectName(QStringLiteral("TempConv"));
  setWindowTitle(tr("Celsius <-> Kelvin"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

  GroupBox1 = new QGroupBox(tr("Select Conversion"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  RadioButton1 = new QRadioButton(tr("Celsius -> Kelvin"), GroupBox1);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton2 = new QRadioButton(tr("Kelvin -> Celsius"), GroupBox1);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  // The buttons keep their design places unless the desktop's font needs more room.
  place(RadioButton1, 8, 16, std::max(97, RadioButton1->sizeHint().width()), 17);
  place(RadioButton2, std::max(112, RadioButton1->geometry().right() + 8), 16,
        std::max(97, RadioButton2->sizeHint().width()), 17);
  const int titleWidth = GroupBox1->fontMetrics().horizontalAdvance(GroupBox1->title()) + 24;
  place(GroupBox1, 0, 0, std::max({217, titleWidth, RadioButton2->geometry().right() + 8}), 41);
  RadioButton1->setChecked(true);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  place(Edit1, 8, 64, 81, 21);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  place(Edit2, 128, 64, 81, 21);
  Button1 = new QPushButton(QStringLiteral("->"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  place(Button1, 96, 64, 25, 25);
  Label1 = new QLabel(tr("Celsius"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  place(Label1, 8, 48);
  Label1->setBuddy(Edit1);
  Label2 = new QLabel(tr("Kelvin"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  place(Label2, 128, 48);
  Label2->setBuddy(Edit2);
  chainTabOrder({RadioButton1, RadioButton2, Edit1, Edit2, Button1});

  ActionList1 = new EditActions(this);
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->addActions({ActionList1->EditCopy1, ActionList1->EditCut1, ActionList1->EditPaste1});
  ActionList1->attach(Edit1, PopupMenu1);
  ActionList1->attach(Edit2, PopupMenu1);

  onRadioClick(RadioButton1, [this] { RadioButton1Click(); });
  onRadioClick(RadioButton2, [this] { RadioButton2Click(); });
  connect(Button1, &QPushButton::clicked, this, &TTempConv::Button1Click);
  pressOnReturn(this, Button1);

  // Sized around the controls, with the design's margin below and to the right.
  const QRect used = childrenRect();
  setFixedSize(used.right() + 9, used.bottom() + 4);
}

void TTempConv::RadioButton1Click() {
  Button1->setText(QStringLiteral("->"));
}

void TTempConv::RadioButton2Click() {
  Button1->setText(QStringLiteral("<-"));
}

void TTempConv::Button1Click() {
  const bool toKelvin = RadioButton1->isChecked();
  QLineEdit* from = toKelvin ? Edit1 : Edit2;
  QLineEdit* to = toKelvin ? Edit2 : Edit1;
  if (from->text().isEmpty()) {
    showErrorDialog(ErrorDialog::NotEnoughData);
    return;
  }
  const std::string text = fieldText(from);
  const float value = toKelvin ? celsiusToKelvin(text) : kelvinToCelsius(text);
  writeResult(to, resultText(value, kTemperatureDigits, 0));
}

}  // namespace pelbrix
