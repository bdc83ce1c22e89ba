#include "rates/TBRate.h"

#include <QLayout>
#include <array>

#include "platform/Controls.h"
#include "platform/ErrorReport.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/SettingsPath.h"
#include "rates/BoyleRates.h"

namespace pelbrix {

TBRate* BRate = nullptr;

namespace {

constexpr int kTitlePixels = 32;  // 24 pt at 96 dpi
constexpr const char* kSection = "BoyleTrend";
// The radio buttons' keys, RadioButton1..RadioButton8 in order.
constexpr std::array<const char*, 8> kRadioKeys = {"VolumeS", "PressureS", "RoVS", "RoPS",
                                                   "VolumeM", "PressureM", "RoVM", "RoPM"};

// Label texts per mode (index 0 is mode 1), in label order.
constexpr const char* kSingleLabels[4][4] = {
    {"Pressure", "Rate of Volume", "Rate of Pressure", "Calculated: Volume"},
    {"Volume", "Rate of Volume", "Rate of Pressure", "Calculated: Pressure"},
    {"Volume", "Pressure", "Rate of Pressure", "Calculated: Rate of Volume"},
    {"Volume", "Pressure", "Rate of Volume", "Calculated: Rate of Pressure"},
};
constexpr const char* kMultipleLabels[4][8] = {
    {"Volume 1", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Rate of Pressure 2", "Calculated: Volume 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Rate of Pressure 2", "Calculated: Pressure 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Pressure 1",
     "Rate of Pressure 2", "Calculated: Rate of Volume 2"},
    {"Volume 1", "Volume 2", "Pressure 1", "Pressure 2", "Rate of Volume 1", "Rate of Volume 2",
     "Rate of Pressure 1", "Calculated: Rate of Pressure 2"},
};
constexpr int kDesignMode = 4;  // the design captions are those of "Rate of Pressure"

QLabel* makeLabel(QWidget* page, const char* name, int top) {
  auto* label = new QLabel(page);
  label->setObjectName(QLatin1String(name));
  label->move(8, top);
  return label;
}

// A field with its label as buddy, so the field is named by the label's current text.
QLineEdit* makeField(QWidget* page, QLabel* label, const char* name, int top) {
  auto* edit = new QLineEdit(page);
  edit->setObjectName(QLatin1String(name));
  place(edit, 8, top, 121, 21);
  label->setBuddy(edit);
  return edit;
}

QPushButton* makeButton(QWidget* page, const QString& text, const char* name, int left, int top,
                        int width) {
  auto* button = new QPushButton(text, page);
  button->setObjectName(QLatin1String(name));
  place(button, left, top, width, 25);
  return button;
}

// "Solve For: " with its four buttons.
QGroupBox* makeSolveFor(QWidget* page, const char* name, std::array<QRadioButton*, 4>& radios,
                        int firstNumber) {
  return makeRadioGroup(page, QObject::tr("Solve For: "), QLatin1String(name), {144, 64, 113, 89},
                        {QObject::tr("Volume"), QObject::tr("Pressure"),
                         QObject::tr("Rate of Volume"), QObject::tr("Rate of Pressure")},
                        firstNumber, 16, 16, radios.data());
}

void setLabels(QLabel* const* labels, const char* const* texts, int count) {
  for (int k = 0; k < count; ++k) {
    labels[k]->setText(QObject::tr(texts[k]));
    labels[k]->adjustSize();
  }
}

std::int16_t firstChecked(std::initializer_list<QRadioButton*> radios) {
  std::int16_t mode = 1;
  for (QRadioButton* r : radios) {
    if (r->isChecked()) return mode;
    ++mode;
  }
  return 1;  // none checked: Volume
}

}  // namespace

TBRate::TBRate() {
  setObjectName(QStringLiteral("BRate"));
  setWindowTitle(tr("Boyle Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));

  // Single Rate.
  Label13 = makeTitleLabel(TabSheet1, tr("Single Rate"), kTitlePixels, 8, 8);
  Label13->setObjectName(QStringLiteral("Label13"));
  Label1 = makeLabel(TabSheet1, "Label1", 56);
  Edit1 = makeField(TabSheet1, Label1, "Edit1", 72);
  Label2 = makeLabel(TabSheet1, "Label2", 96);
  Edit2 = makeField(TabSheet1, Label2, "Edit2", 112);
  Label3 = makeLabel(TabSheet1, "Label3", 136);
  Edit3 = makeField(TabSheet1, Label3, "Edit3", 152);
  Label4 = makeLabel(TabSheet1, "Label4", 176);
  Edit4 = makeField(TabSheet1, Label4, "Edit4", 192);
  std::array<QRadioButton*, 4> single{};
  GroupBox1 = makeSolveFor(TabSheet1, "GroupBox1", single, 1);
  RadioButton1 = single[0];
  RadioButton2 = single[1];
  RadioButton3 = single[2];
  RadioButton4 = single[3];
  Button1 = makeButton(TabSheet1, tr("Calculate"), "Button1", 8, 224, 75);
  Button2 = makeButton(TabSheet1, tr("Clear"), "Button2", 88, 224, 73);
  relabelSingle(kDesignMode);
  RadioButton4->setChecked(true);
  chainTabOrder({RadioButton1, RadioButton2, RadioButton3, RadioButton4, Edit1, Edit2, Edit3, Edit4,
                 Button1, Button2});

  // Multiple Rate.
  Label14 = makeTitleLabel(TabSheet2, tr("Multiple Rate"), kTitlePixels, 8, 8);
  Label14->setObjectName(QStringLiteral("Label14"));
  Label5 = makeLabel(TabSheet2, "Label5", 56);
  Edit5 = makeField(TabSheet2, Label5, "Edit5", 72);
  Label6 = makeLabel(TabSheet2, "Label6", 96);
  Edit6 = makeField(TabSheet2, Label6, "Edit6", 112);
  Label7 = makeLabel(TabSheet2, "Label7", 136);
  Edit7 = makeField(TabSheet2, Label7, "Edit7", 152);
  Label8 = makeLabel(TabSheet2, "Label8", 176);
  Edit8 = makeField(TabSheet2, Label8, "Edit8", 192);
  Label9 = makeLabel(TabSheet2, "Label9", 216);
  Edit9 = makeField(TabSheet2, Label9, "Edit9", 232);
  Label10 = makeLabel(TabSheet2, "Label10", 256);
  Edit10 = makeField(TabSheet2, Label10, "Edit10", 272);
  Label11 = makeLabel(TabSheet2, "Label11", 296);
  Edit11 = makeField(TabSheet2, Label11, "Edit11", 312);
  Label12 = makeLabel(TabSheet2, "Label12", 336);
  Edit12 = makeField(TabSheet2, Label12, "Edit12", 352);
  std::array<QRadioButton*, 4> multiple{};
  GroupBox2 = makeSolveFor(TabSheet2, "GroupBox2", multiple, 5);
  RadioButton5 = multiple[0];
  RadioButton6 = multiple[1];
  RadioButton7 = multiple[2];
  RadioButton8 = multiple[3];
  Button3 = makeButton(TabSheet2, tr("Calculate"), "Button3", 8, 384, 75);
  Button4 = makeButton(TabSheet2, tr("Clear"), "Button4", 88, 384, 75);
  relabelMultiple(kDesignMode);
  RadioButton8->setChecked(true);
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, RadioButton5,
                 RadioButton6, RadioButton7, RadioButton8, Button3, Button4});

  PageControl1->addTab(TabSheet1, tr("Single Rate"));
  PageControl1->addTab(TabSheet2, tr("Multiple Rate"));
  PageControl1->setCurrentIndex(1);  // as designed; the stored page replaces it below
  // Each page holds its controls at their design places; the longest labels of every
  // mode must fit too, so the pages are sized for them.
  for (QWidget* page : {TabSheet1, TabSheet2}) {
    const QRect used = page->childrenRect();
    page->setMinimumSize(used.right() + 8, used.bottom() + 8);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  onRadioClick(RadioButton1, [this] { RadioButton1Click(); });
  onRadioClick(RadioButton2, [this] { RadioButton2Click(); });
  onRadioClick(RadioButton3, [this] { RadioButton3Click(); });
  onRadioClick(RadioButton4, [this] { RadioButton4Click(); });
  onRadioClick(RadioButton5, [this] { RadioButton5Click(); });
  onRadioClick(RadioButton6, [this] { RadioButton6Click(); });
  onRadioClick(RadioButton7, [this] { RadioButton7Click(); });
  onRadioClick(RadioButton8, [this] { RadioButton8Click(); });
  connect(Button1, &QPushButton::clicked, this, &TBRate::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TBRate::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TBRate::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TBRate::Button4Click);
  pressOnReturn(TabSheet1, Button1);
  pressOnReturn(TabSheet2, Button3);

  FormCreate();
}

void TBRate::FormCreate() {
  const IniFile ini(settingsFilePath());
  const int page = ini.ReadInteger(kSection, "LastPage", 0);
  // A page index that no page has opens the first page, as a missing one does.
  PageControl1->setCurrentIndex(page >= 0 && page < PageControl1->count() ? page : 0);
  const std::array<QRadioButton*, 8> radios = {RadioButton1, RadioButton2, RadioButton3,
                                               RadioButton4, RadioButton5, RadioButton6,
                                               RadioButton7, RadioButton8};
  for (std::size_t k = 0; k < radios.size(); ++k) {
    const bool designChecked = k == 3 || k == 7;
    setRadioChecked(radios[k], ini.ReadBool(kSection, kRadioKeys[k], designChecked));
  }
}

void TBRate::FormClose() {
  IniFile ini(settingsFilePath());
  const std::array<QRadioButton*, 8> radios = {RadioButton1, RadioButton2, RadioButton3,
                                               RadioButton4, RadioButton5, RadioButton6,
                                               RadioButton7, RadioButton8};
  // After a failed write the rest would fail the same way; one report is enough.
  if (!ini.WriteInteger(kSection, "LastPage", PageControl1->currentIndex())) return;
  for (std::size_t k = 0; k < radios.size(); ++k)
    if (!ini.WriteBool(kSection, kRadioKeys[k], radios[k]->isChecked())) return;
}

void TBRate::relabelSingle(int mode) {
  QLabel* const labels[] = {Label1, Label2, Label3, Label4};
  setLabels(labels, kSingleLabels[mode - 1], 4);
}

void TBRate::relabelMultiple(int mode) {
  QLabel* const labels[] = {Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12};
  setLabels(labels, kMultipleLabels[mode - 1], 8);
}

void TBRate::RadioButton1Click() {
  relabelSingle(1);
  SingleMode = 1;
}
void TBRate::RadioButton2Click() {
  relabelSingle(2);
  SingleMode = 2;
}
void TBRate::RadioButton3Click() {
  relabelSingle(3);
  SingleMode = 3;
}
void TBRate::RadioButton4Click() {
  relabelSingle(4);
  SingleMode = 4;
}
void TBRate::RadioButton5Click() {
  relabelMultiple(1);
  MultipleMode = 1;
}
void TBRate::RadioButton6Click() {
  relabelMultiple(2);
  MultipleMode = 2;
}
void TBRate::RadioButton7Click() {
  relabelMultiple(3);
  MultipleMode = 3;
}
void TBRate::RadioButton8Click() {
  relabelMultiple(4);
  MultipleMode = 4;
}

bool TBRate::SingleInputMissing() {
  return reportMissingInput({Edit1, Edit2, Edit3});
}

bool TBRate::MultipleInputMissing() {
  return reportMissingInput({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11});
}

std::int16_t TBRate::CheckedSingleMode() const {
  return firstChecked({RadioButton1, RadioButton2, RadioButton3, RadioButton4});
}

std::int16_t TBRate::CheckedMultipleMode() const {
  return firstChecked({RadioButton5, RadioButton6, RadioButton7, RadioButton8});
}

QString TBRate::SolveSingle(std::int16_t mode, double x1, double x2, double x3) const {
  return resultText(singleRate(static_cast<BoyleRateMode>(mode), x1, x2, x3), kRatePrecision,
                    kRateExponentDigits);
}

QString TBRate::SolveMultiple(std::int16_t mode, double x5, double x6, double x7, double x8,
                              double x9, double x10, double x11) const {
  return resultText(multipleRate(static_cast<BoyleRateMode>(mode), {x5, x6, x7, x8, x9, x10, x11}),
                    kRatePrecision, kRateExponentDigits);
}

void TBRate::Button1Click() {
  if (SingleInputMissing()) return;
  const auto x = parseFields(std::array{fieldText(Edit1), fieldText(Edit2), fieldText(Edit3)});
  if (anyZero(x)) {
    showErrorDialog(ErrorDialog::ZeroValue);
    return;
  }
  if (SingleMode == 0) SingleMode = CheckedSingleMode();
  writeResult(Edit4, SolveSingle(SingleMode, x[0], x[1], x[2]));
}

void TBRate::Button2Click() {
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4}) e->setText(QString());
}

void TBRate::Button3Click() {
  if (MultipleInputMissing()) return;
  const auto x =
      parseFields(std::array{fieldText(Edit5), fieldText(Edit6), fieldText(Edit7), fieldText(Edit8),
                             fieldText(Edit9), fieldText(Edit10), fieldText(Edit11)});
  if (anyZero(x)) {
    showErrorDialog(ErrorDialog::ZeroValue);
    return;
  }
  if (MultipleMode == 0) MultipleMode = CheckedMultipleMode();
  writeResult(Edit12, SolveMultiple(MultipleMode, x[0], x[1], x[2], x[3], x[4], x[5], x[6]));
}

void TBRate::Button4Click() {
  for (QLineEdit* e : {Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12})
    e->setText(QString());
}

}  // namespace pelbrix
