#include "laws/LawPages.h"

#include <array>

#include "core/ErrorReport.h"
#include "core/GasLaws.h"
#include "platform/Controls.h"

namespace pelbrix {
namespace {

// A field with its label as buddy, so screen readers name the field by the label's text,
// which follows the page's mode.
QLineEdit* makeField(QWidget* page, const LawPageShared& menus, QLabel* label, const char* name,
                     int left, int top) {
  auto* edit = makeControl<QLineEdit>(page, name, {left, top, 121, 21});
  label->setBuddy(edit);
  menus.editActions->attach(edit, menus.fieldMenu);
  return edit;
}

QLabel* makeLabel(QWidget* page, const QString& text, const char* name, int left, int top) {
  return makeControl<QLabel>(page, name, {left, top, 0, 0}, text);
}

QPushButton* makeButton(QWidget* page, const QString& text, const char* name, int left, int top) {
  return makeControl<QPushButton>(page, name, {left, top, 75, 25}, text);
}

// "Select What to Find" (or `title`) with the page's mode buttons, 24 pixels apart; the
// page's pop-up menu opens on the box and its buttons.
QGroupBox* makeGroup(QWidget* page, const LawPageShared& menus, const char* name, QRect box,
                     const QStringList& captions, int firstNumber, QRadioButton** radios,
                     const char* title = "Select What to Find") {
  QGroupBox* group = makeRadioGroup(page, QObject::tr(title), QLatin1String(name), box, captions,
                                    firstNumber, 16, 24, radios);
  group->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(
      group, &QWidget::customContextMenuRequested, group,
      [group, menus](const QPoint& p) { menus.pageMenu->exec(group->mapToGlobal(p)); });
  return group;
}

// Writes the result and its working, or shows the dialog of the check that failed with the
// focus then on the input field it is about.
template <std::size_t N>
void setResult(ErrorPresenter& errors, const Outcome& outcome,
               const std::array<QLineEdit*, N>& inputs, QLineEdit* target,
               const std::string& working) {
  if (!outcome.ok()) {
    reportError(errors, outcome.error, outcome.field, inputs);
    return;
  }
  writeResult(target, QString::fromStdString(lawText(outcome.value, desktopDecimalPoint())),
              QString::fromStdString(working));
}

template <std::size_t N>
std::array<std::string, N> textsOf(const std::array<QLineEdit*, N>& inputs) {
  std::array<std::string, N> texts;
  for (std::size_t k = 0; k < N; ++k) texts[k] = fieldText(inputs[k]);
  return texts;
}

void setLabels(std::initializer_list<std::pair<QLabel*, const char*>> captions) {
  for (const auto& [label, text] : captions) {
    label->setText(QObject::tr(text));
    label->adjustSize();
  }
}

void pageMenuOn(QWidget* page, const LawPageShared& menus) {
  page->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(page, &QWidget::customContextMenuRequested, page,
                   [page, menus](const QPoint& p) { menus.pageMenu->exec(page->mapToGlobal(p)); });
}

}  // namespace

TBoylePage::TBoylePage(const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), errors_(*menus.errors) {
  setObjectName(QStringLiteral("TabSheet1"));
  pageMenuOn(this, menus);
  Label19 = makeTitleLabel(this, "Label19", tr("Boyle's Law"), 0, 0);
  Label1 = makeLabel(this, tr("Volume 1:"), "Label1", 48, 128);
  Edit1 = makeField(this, menus, Label1, "Edit1", 48, 144);
  Label2 = makeLabel(this, tr("Pressure 1:"), "Label2", 48, 168);
  Edit2 = makeField(this, menus, Label2, "Edit2", 48, 184);
  Label3 = makeLabel(this, tr("Pressure 2:"), "Label3", 48, 208);
  Edit3 = makeField(this, menus, Label3, "Edit3", 48, 224);
  Label4 = makeLabel(this, tr("Calculated:"), "Label4", 184, 208);
  Edit4 = makeField(this, menus, Label4, "Edit4", 184, 224);
  Button1 = makeButton(this, tr("Calculate"), "Button1", 64, 256);
  Button2 = makeButton(this, tr("Clear"), "Button2", 208, 256);
  QRadioButton* radios[2];
  GroupBox1 = makeGroup(this, menus, "GroupBox1", {200, 72, 113, 65},
                        {tr("Find Volume"), tr("Find Pressure")}, 1, radios);
  RadioButton1 = radios[0];
  RadioButton2 = radios[1];
  RadioButton1->setChecked(true);
  chainTabOrder({Edit1, Edit2, Edit3, Button1, Edit4, RadioButton1, RadioButton2, Button2});

  onRadioClick(RadioButton1, [this] { RadioButton1Click(); });
  onRadioClick(RadioButton2, [this] { RadioButton2Click(); });
  connect(Button1, &QPushButton::clicked, this, &TBoylePage::Button1Click);
  pressOnReturn(this, Button1);
  connect(Button2, &QPushButton::clicked, this, &TBoylePage::Button2Click);
}

void TBoylePage::RadioButton1Click() {
  setLabels({{Label1, "Volume 1:"}, {Label2, "Pressure 1:"}, {Label3, "Pressure 2:"}});
}

void TBoylePage::RadioButton2Click() {
  setLabels({{Label1, "Pressure 1:"}, {Label2, "Volume 1:"}, {Label3, "Volume 2:"}});
}

void TBoylePage::Button1Click() {
  // Both modes share one formula: the sought quantity always stands in the same place.
  const std::array inputs{Edit1, Edit2, Edit3};
  const auto fields = textsOf(inputs);
  const std::string point = desktopDecimalPoint();
  const BoyleMode mode =
      RadioButton1->isChecked() ? BoyleMode::FindVolume : BoyleMode::FindPressure;
  setResult(errors_, solveBoyle(fields, point), inputs, Edit4, boyleWorking(mode, fields, point));
}

void TBoylePage::Button2Click() {
  clearFields({Edit1, Edit2, Edit3, Edit4});
}

TCharlesPage::TCharlesPage(const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), errors_(*menus.errors) {
  setObjectName(QStringLiteral("TabSheet2"));
  pageMenuOn(this, menus);
  Label20 = makeTitleLabel(this, "Label20", tr("Charles' Law"), 0, 0);
  Label5 = makeLabel(this, tr("Volume 1:"), "Label5", 48, 128);
  Edit5 = makeField(this, menus, Label5, "Edit5", 48, 144);
  Label6 = makeLabel(this, tr("Temperature 1:"), "Label6", 48, 168);
  Edit6 = makeField(this, menus, Label6, "Edit6", 48, 184);
  Label7 = makeLabel(this, tr("Temperature 2:"), "Label7", 48, 208);
  Edit7 = makeField(this, menus, Label7, "Edit7", 48, 224);
  Label8 = makeLabel(this, tr("Calculated:"), "Label8", 184, 208);
  Edit8 = makeField(this, menus, Label8, "Edit8", 184, 224);
  Button3 = makeButton(this, tr("Calculate"), "Button3", 64, 256);
  Button4 = makeButton(this, tr("Clear"), "Button4", 208, 256);
  QRadioButton* radios[2];
  GroupBox2 = makeGroup(this, menus, "GroupBox2", {200, 72, 129, 65},
                        {tr("Find Volume"), tr("Find Temperature")}, 3, radios);
  RadioButton3 = radios[0];
  RadioButton4 = radios[1];
  RadioButton3->setChecked(true);
  showKelvinPlaceholders(std::array{Edit5, Edit6, Edit7},
                         charlesFormula(CharlesMode::FindVolume).inputs);
  chainTabOrder({Edit5, Edit6, Edit7, Button3, Edit8, RadioButton3, RadioButton4, Button4});

  onRadioClick(RadioButton3, [this] { RadioButton3Click(); });
  onRadioClick(RadioButton4, [this] { RadioButton4Click(); });
  connect(Button3, &QPushButton::clicked, this, &TCharlesPage::Button3Click);
  pressOnReturn(this, Button3);
  connect(Button4, &QPushButton::clicked, this, &TCharlesPage::Button4Click);
}

void TCharlesPage::RadioButton3Click() {
  setLabels({{Label5, "Volume 1:"}, {Label6, "Temperature 1:"}, {Label7, "Temperature 2:"}});
  showKelvinPlaceholders(std::array{Edit5, Edit6, Edit7},
                         charlesFormula(CharlesMode::FindVolume).inputs);
}

void TCharlesPage::RadioButton4Click() {
  setLabels({{Label5, "Temperature 1:"}, {Label6, "Volume 1:"}, {Label7, "Volume 2:"}});
  showKelvinPlaceholders(std::array{Edit5, Edit6, Edit7},
                         charlesFormula(CharlesMode::FindTemperature).inputs);
}

void TCharlesPage::Button3Click() {
  const std::array inputs{Edit5, Edit6, Edit7};
  const auto fields = textsOf(inputs);
  const std::string point = desktopDecimalPoint();
  const CharlesMode mode =
      RadioButton3->isChecked() ? CharlesMode::FindVolume : CharlesMode::FindTemperature;
  setResult(errors_, solveCharles(fields, point), inputs, Edit8,
            charlesWorking(mode, fields, point));
}

void TCharlesPage::Button4Click() {
  clearFields({Edit5, Edit6, Edit7, Edit8});
}

TComboPage::TComboPage(const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), errors_(*menus.errors) {
  setObjectName(QStringLiteral("TabSheet4"));
  pageMenuOn(this, menus);
  Label22 = makeTitleLabel(this, "Label22", tr("Combined Gas Law"), 0, 0);
  Label13 = makeLabel(this, tr("Volume 1:"), "Label13", 48, 48);
  Edit13 = makeField(this, menus, Label13, "Edit13", 48, 64);
  Label14 = makeLabel(this, tr("Pressure 1:"), "Label14", 48, 88);
  Edit14 = makeField(this, menus, Label14, "Edit14", 48, 104);
  Label15 = makeLabel(this, tr("Pressure 2:"), "Label15", 48, 128);
  Edit15 = makeField(this, menus, Label15, "Edit15", 48, 144);
  Label16 = makeLabel(this, tr("Temperature 1:"), "Label16", 48, 168);
  Edit16 = makeField(this, menus, Label16, "Edit16", 48, 184);
  // The design caption has no colon; the first click of a mode button gives it one.
  Label17 = makeLabel(this, tr("Temperature 2"), "Label17", 48, 208);
  Edit17 = makeField(this, menus, Label17, "Edit17", 48, 224);
  Label18 = makeLabel(this, tr("Calculated:"), "Label18", 184, 208);
  Edit18 = makeField(this, menus, Label18, "Edit18", 184, 224);
  Button7 = makeButton(this, tr("Calculate"), "Button7", 64, 256);
  Button8 = makeButton(this, tr("Clear"), "Button8", 208, 256);
  QRadioButton* radios[3];
  GroupBox4 =
      makeGroup(this, menus, "GroupBox4", {200, 72, 121, 89},
                {tr("Find Volume"), tr("Find Pressure"), tr("Find Temperature")}, 7, radios);
  RadioButton7 = radios[0];
  RadioButton8 = radios[1];
  RadioButton9 = radios[2];
  RadioButton7->setChecked(true);
  showKelvinPlaceholders(std::array{Edit13, Edit14, Edit15, Edit16, Edit17},
                         combinedFormula(ComboMode::FindVolume).inputs);
  chainTabOrder({Edit13, Edit14, Edit15, Edit16, Edit17, Button7, Edit18, RadioButton7,
                 RadioButton8, RadioButton9, Button8});

  onRadioClick(RadioButton7, [this] { RadioButton7Click(); });
  onRadioClick(RadioButton8, [this] { RadioButton8Click(); });
  onRadioClick(RadioButton9, [this] { RadioButton9Click(); });
  connect(Button7, &QPushButton::clicked, this, &TComboPage::Button7Click);
  pressOnReturn(this, Button7);
  connect(Button8, &QPushButton::clicked, this, &TComboPage::Button8Click);
}

void TComboPage::RadioButton7Click() {
  setLabels({{Label13, "Volume 1:"},
             {Label14, "Pressure 1:"},
             {Label15, "Pressure 2:"},
             {Label16, "Temperature 1:"},
             {Label17, "Temperature 2:"}});
  showKelvinPlaceholders(std::array{Edit13, Edit14, Edit15, Edit16, Edit17},
                         combinedFormula(ComboMode::FindVolume).inputs);
}

void TComboPage::RadioButton8Click() {
  setLabels({{Label13, "Pressure 1:"},
             {Label14, "Volume 1:"},
             {Label15, "Volume 2:"},
             {Label16, "Temperature 1:"},
             {Label17, "Temperature 2:"}});
  showKelvinPlaceholders(std::array{Edit13, Edit14, Edit15, Edit16, Edit17},
                         combinedFormula(ComboMode::FindPressure).inputs);
}

void TComboPage::RadioButton9Click() {
  setLabels({{Label13, "Temperature 1:"},
             {Label14, "Volume 1:"},
             {Label15, "Volume 2:"},
             {Label16, "Pressure 1:"},
             {Label17, "Pressure 2:"}});
  showKelvinPlaceholders(std::array{Edit13, Edit14, Edit15, Edit16, Edit17},
                         combinedFormula(ComboMode::FindTemperature).inputs);
}

void TComboPage::Button7Click() {
  // With no button checked the page computes in temperature mode.
  const ComboMode mode = RadioButton7->isChecked()   ? ComboMode::FindVolume
                         : RadioButton8->isChecked() ? ComboMode::FindPressure
                                                     : ComboMode::FindTemperature;
  const std::array inputs{Edit13, Edit14, Edit15, Edit16, Edit17};
  const auto fields = textsOf(inputs);
  const std::string point = desktopDecimalPoint();
  setResult(errors_, solveCombined(mode, fields, point), inputs, Edit18,
            combinedWorking(mode, fields, point));
}

void TComboPage::Button8Click() {
  clearFields({Edit13, Edit14, Edit15, Edit16, Edit17, Edit18});
}

TIdealPage::TIdealPage(const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), errors_(*menus.errors) {
  setObjectName(QStringLiteral("TabSheet5"));
  pageMenuOn(this, menus);
  Label23 = makeTitleLabel(this, "Label23", tr("Ideal Gas Law"), 0, 0);
  // Two groups of four buttons leave room for two rows of fields: the inputs in reading
  // order, the result where every law page has it.
  QRadioButton* modes[4];
  GroupBox5 =
      makeGroup(this, menus, "GroupBox5", {48, 40, 121, 113},
                {tr("Find Pressure"), tr("Find Volume"), tr("Find Moles"), tr("Find Temperature")},
                10, modes);
  QRadioButton* units[4];
  GroupBox6 =
      makeGroup(this, menus, "GroupBox6", {184, 40, 121, 113},
                {tr("atm, L"), tr("kPa, L"), tr("Pa, m³"), tr("mmHg, L")}, 14, units, "Units");
  Label24 = makeLabel(this, QString(), "Label24", 48, 168);
  Edit19 = makeField(this, menus, Label24, "Edit19", 48, 184);
  Label25 = makeLabel(this, QString(), "Label25", 184, 168);
  Edit20 = makeField(this, menus, Label25, "Edit20", 184, 184);
  Label26 = makeLabel(this, QString(), "Label26", 48, 208);
  Edit21 = makeField(this, menus, Label26, "Edit21", 48, 224);
  Label27 = makeLabel(this, tr("Calculated:"), "Label27", 184, 208);
  Edit22 = makeField(this, menus, Label27, "Edit22", 184, 224);
  Button9 = makeButton(this, tr("Calculate"), "Button9", 64, 256);
  Button10 = makeButton(this, tr("Clear"), "Button10", 208, 256);
  RadioButton10 = modes[0], RadioButton11 = modes[1], RadioButton12 = modes[2];
  RadioButton13 = modes[3];
  RadioButton14 = units[0], RadioButton15 = units[1], RadioButton16 = units[2];
  RadioButton17 = units[3];
  RadioButton10->setChecked(true);
  RadioButton14->setChecked(true);
  relabel();
  chainTabOrder({Edit19, Edit20, Edit21, Button9, Edit22, RadioButton10, RadioButton11,
                 RadioButton12, RadioButton13, RadioButton14, RadioButton15, RadioButton16,
                 RadioButton17, Button10});

  for (QRadioButton* radio : {RadioButton10, RadioButton11, RadioButton12, RadioButton13,
                              RadioButton14, RadioButton15, RadioButton16, RadioButton17})
    onRadioClick(radio, [this] { relabel(); });
  connect(Button9, &QPushButton::clicked, this, &TIdealPage::Button9Click);
  pressOnReturn(this, Button9);
  connect(Button10, &QPushButton::clicked, this, &TIdealPage::Button10Click);
}

IdealMode TIdealPage::mode() const {
  return RadioButton11->isChecked()   ? IdealMode::FindVolume
         : RadioButton12->isChecked() ? IdealMode::FindMoles
         : RadioButton13->isChecked() ? IdealMode::FindTemperature
                                      : IdealMode::FindPressure;
}

IdealUnits TIdealPage::units() const {
  return RadioButton15->isChecked()   ? IdealUnits::KiloPascalLitre
         : RadioButton16->isChecked() ? IdealUnits::PascalCubicMetre
         : RadioButton17->isChecked() ? IdealUnits::MmHgLitre
                                      : IdealUnits::AtmLitre;
}

void TIdealPage::relabel() {
  const IdealUnitNames names = idealUnitNames(units());
  // In the order P, V, n, T, as the modes list them.
  const QString captions[] = {
      tr("Pressure (%1):")
          .arg(QString::fromUtf8(names.pressure.data(),
                                 static_cast<qsizetype>(names.pressure.size()))),
      tr("Volume (%1):")
          .arg(QString::fromUtf8(names.volume.data(), static_cast<qsizetype>(names.volume.size()))),
      tr("Moles (mol):"), tr("Temperature (K):")};
  const int sought = static_cast<int>(mode());
  QLabel* labels[] = {Label24, Label25, Label26};
  for (int quantity = 0, k = 0; quantity < 4; ++quantity) {
    if (quantity == sought) continue;
    labels[k]->setText(captions[quantity]);
    labels[k]->adjustSize();
    ++k;
  }
  showKelvinPlaceholders(std::array{Edit19, Edit20, Edit21}, idealFormula(mode()).inputs);
}

void TIdealPage::Button9Click() {
  const std::array inputs{Edit19, Edit20, Edit21};
  const auto fields = textsOf(inputs);
  const std::string point = desktopDecimalPoint();
  setResult(errors_, solveIdeal(mode(), units(), fields, point), inputs, Edit22,
            idealWorking(mode(), units(), fields, point));
}

void TIdealPage::Button10Click() {
  clearFields({Edit19, Edit20, Edit21, Edit22});
}

}  // namespace pelbrix
