#include "laws/LawPages.h"

#include <QByteArray>
#include <array>
#include <span>

#include "core/ErrorReport.h"
#include "core/GasLaws.h"
#include "platform/ButtonBehaviour.h"
#include "platform/ControlFactory.h"
#include "platform/EditActions.h"
#include "platform/Focus.h"
#include "platform/KeyFilters.h"
#include "platform/ResultFields.h"
#include "platform/TitleBand.h"

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

// Label<labelNumber> with `caption` at `at` and, 16 pixels under it, its field
// Edit<editNumber>, which is returned.
QLineEdit* makeLabelledField(QWidget* page, const LawPageShared& menus, const QString& caption,
                             int labelNumber, int editNumber, QPoint at, QLabel*& label);

QPushButton* makeButton(QWidget* page, const QString& text, const char* name, int left, int top) {
  return makeControl<QPushButton>(page, name, {left, top, 75, 25}, text);
}

// The page's mode buttons, 24 pixels apart; the page's pop-up menu opens on the box and its
// buttons.
QGroupBox* makeGroup(QWidget* page, const LawPageShared& menus, const QString& title,
                     const char* name, QRect box, const QStringList& captions, int firstNumber,
                     QRadioButton** radios) {
  QGroupBox* group =
      makeRadioGroup(page, title, QLatin1String(name), box, captions, firstNumber, 16, 24, radios);
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

void setLabels(std::span<QLabel* const> labels, const QStringList& captions) {
  for (std::size_t k = 0; k < labels.size(); ++k) {
    labels[k]->setText(captions[static_cast<qsizetype>(k)]);
    labels[k]->adjustSize();
  }
}

QByteArray numbered(const char* name, int number) {
  return name + QByteArray::number(number);
}

QLineEdit* makeLabelledField(QWidget* page, const LawPageShared& menus, const QString& caption,
                             int labelNumber, int editNumber, QPoint at, QLabel*& label) {
  label = makeLabel(page, caption, numbered("Label", labelNumber), at.x(), at.y());
  return makeField(page, menus, label, numbered("Edit", editNumber), at.x(), at.y() + 16);
}

void pageMenuOn(QWidget* page, const LawPageShared& menus) {
  page->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(page, &QWidget::customContextMenuRequested, page,
                   [page, menus](const QPoint& p) { menus.pageMenu->exec(page->mapToGlobal(p)); });
}

}  // namespace

struct TwoModeLawPage::Design {
  // The design numbers of the page's controls: Label<title>, Label<fields> and
  // Edit<fields> onwards, Button<buttons> ("Calculate", then "Clear"), GroupBox<group> and
  // RadioButton<radios> onwards.
  struct Numbers {
    int title, fields, buttons, group, radios;
  };
  const char* sheet;
  Numbers numbers;
  QRect groupBox;
  const char* title;
  std::array<const char*, 2> findCaptions;
  std::array<std::array<const char*, 3>, 2> inputCaptions;  // for each mode
};

const TwoModeLawPage::Design& TwoModeLawPage::design(TwoModeLaw law) {
  // clang-format off
  static const Design designs[] = {
      {"TabSheet1", {19, 1, 1, 1, 1}, {200, 72, 113, 65}, QT_TR_NOOP("Boyle's Law"),
       {QT_TR_NOOP("Find Volume"), QT_TR_NOOP("Find Pressure")},
       {{{QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Pressure 1:"), QT_TR_NOOP("Pressure 2:")},
         {QT_TR_NOOP("Pressure 1:"), QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Volume 2:")}}}},
      {"TabSheet2", {20, 5, 3, 2, 3}, {200, 72, 129, 65}, QT_TR_NOOP("Charles' Law"),
       {QT_TR_NOOP("Find Volume"), QT_TR_NOOP("Find Temperature")},
       {{{QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Temperature 1:"), QT_TR_NOOP("Temperature 2:")},
         {QT_TR_NOOP("Temperature 1:"), QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Volume 2:")}}}}};
  // clang-format on
  return designs[static_cast<int>(law)];
}

TwoModeLawPage::TwoModeLawPage(TwoModeLaw law, const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), law_(law), design_(design(law)), errors_(*menus.errors) {
  const Design& design = design_;
  setObjectName(QLatin1String(design.sheet));
  pageMenuOn(this, menus);
  title_ = makeTitleLabel(this, numbered("Label", design.numbers.title), tr(design.title), 0, 0);
  // The inputs down the left, the result beside the last.
  const QPoint corners[] = {{48, 128}, {48, 168}, {48, 208}, {184, 208}};
  const char* captions[] = {design.inputCaptions[0][0], design.inputCaptions[0][1],
                            design.inputCaptions[0][2], QT_TR_NOOP("Calculated:")};
  for (int k = 0; k < 4; ++k)
    edits_[k] = makeLabelledField(this, menus, tr(captions[k]), design.numbers.fields + k,
                                  design.numbers.fields + k, corners[k], labels_[k]);
  calculate_ =
      makeButton(this, tr("Calculate"), numbered("Button", design.numbers.buttons), 64, 256);
  clear_ = makeButton(this, tr("Clear"), numbered("Button", design.numbers.buttons + 1), 208, 256);
  group_ =
      makeGroup(this, menus, tr("Select What to Find"), numbered("GroupBox", design.numbers.group),
                design.groupBox, {tr(design.findCaptions[0]), tr(design.findCaptions[1])},
                design.numbers.radios, modes_.data());
  modes_[0]->setChecked(true);
  showKelvinPlaceholders(inputs(), formula(0).inputs);
  chainTabOrder(
      {edits_[0], edits_[1], edits_[2], calculate_, edits_[3], modes_[0], modes_[1], clear_});

  onRadioClick(modes_[0], [this] { showMode(0); });
  onRadioClick(modes_[1], [this] { showMode(1); });
  connect(calculate_, &QPushButton::clicked, this, &TwoModeLawPage::calculate);
  pressOnReturn(this, calculate_);
  connect(clear_, &QPushButton::clicked, this, &TwoModeLawPage::clear);
}

std::array<QLineEdit*, 3> TwoModeLawPage::inputs() const {
  return {edits_[0], edits_[1], edits_[2]};
}

void TwoModeLawPage::showMode(int mode) {
  const auto& captions = design_.inputCaptions[static_cast<std::size_t>(mode)];
  setLabels(std::span(labels_).first<3>(), {tr(captions[0]), tr(captions[1]), tr(captions[2])});
  showKelvinPlaceholders(inputs(), formula(mode).inputs);
}

// The modes are numbered as BoyleMode's and CharlesMode's values.
const Formula<3>& TwoModeLawPage::formula(int mode) const {
  return law_ == TwoModeLaw::Boyle ? boyleFormula(static_cast<BoyleMode>(mode))
                                   : charlesFormula(static_cast<CharlesMode>(mode));
}

void TwoModeLawPage::calculate() {
  const auto inputs = this->inputs();
  const auto fields = textsOf(inputs);
  const std::string point = desktopDecimalPoint();
  const int mode = modes_[0]->isChecked() ? 0 : 1;
  // Both of Boyle's modes share one formula: the sought quantity always stands in the same
  // place; so do Charles'.
  if (law_ == TwoModeLaw::Boyle)
    setResult(errors_, solveBoyle(fields, point), inputs, edits_[3],
              boyleWorking(static_cast<BoyleMode>(mode), fields, point));
  else
    setResult(errors_, solveCharles(fields, point), inputs, edits_[3],
              charlesWorking(static_cast<CharlesMode>(mode), fields, point));
}

void TwoModeLawPage::clear() {
  clearFields({edits_[0], edits_[1], edits_[2], edits_[3]});
}

TBoylePage::TBoylePage(const LawPageShared& menus, QWidget* parent)
    : TwoModeLawPage(TwoModeLaw::Boyle, menus, parent) {}

TCharlesPage::TCharlesPage(const LawPageShared& menus, QWidget* parent)
    : TwoModeLawPage(TwoModeLaw::Charles, menus, parent) {}

TComboPage::TComboPage(const LawPageShared& menus, QWidget* parent)
    : QWidget(parent), errors_(*menus.errors) {
  setObjectName(QStringLiteral("TabSheet4"));
  pageMenuOn(this, menus);
  Label22 = makeTitleLabel(this, "Label22", tr("Combined Gas Law"), 0, 0);
  // The inputs down the left, the result beside the last. The last input's design caption
  // has no colon; the first click of a mode button gives it one.
  const QString captions[] = {tr("Volume 1:"),      tr("Pressure 1:"),   tr("Pressure 2:"),
                              tr("Temperature 1:"), tr("Temperature 2"), tr("Calculated:")};
  QLabel** labels[] = {&Label13, &Label14, &Label15, &Label16, &Label17, &Label18};
  QLineEdit** edits[] = {&Edit13, &Edit14, &Edit15, &Edit16, &Edit17, &Edit18};
  for (int k = 0; k < 6; ++k)
    *edits[k] = makeLabelledField(this, menus, captions[k], 13 + k, 13 + k,
                                  k < 5 ? QPoint(48, 48 + 40 * k) : QPoint(184, 208), *labels[k]);
  Button7 = makeButton(this, tr("Calculate"), "Button7", 64, 256);
  Button8 = makeButton(this, tr("Clear"), "Button8", 208, 256);
  QRadioButton* radios[3];
  GroupBox4 =
      makeGroup(this, menus, tr("Select What to Find"), "GroupBox4", {200, 72, 121, 89},
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
  showMode(ComboMode::FindVolume);
}

void TComboPage::RadioButton8Click() {
  showMode(ComboMode::FindPressure);
}

void TComboPage::RadioButton9Click() {
  showMode(ComboMode::FindTemperature);
}

void TComboPage::showMode(ComboMode mode) {
  // Label13 to Label17 in each mode, in the order of ComboMode.
  static const char* const kCaptions[3][5] = {
      {QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Pressure 1:"), QT_TR_NOOP("Pressure 2:"),
       QT_TR_NOOP("Temperature 1:"), QT_TR_NOOP("Temperature 2:")},
      {QT_TR_NOOP("Pressure 1:"), QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Volume 2:"),
       QT_TR_NOOP("Temperature 1:"), QT_TR_NOOP("Temperature 2:")},
      {QT_TR_NOOP("Temperature 1:"), QT_TR_NOOP("Volume 1:"), QT_TR_NOOP("Volume 2:"),
       QT_TR_NOOP("Pressure 1:"), QT_TR_NOOP("Pressure 2:")}};
  QStringList captions;
  for (const char* caption : kCaptions[static_cast<int>(mode)]) captions << tr(caption);
  setLabels(std::array{Label13, Label14, Label15, Label16, Label17}, captions);
  showKelvinPlaceholders(std::array{Edit13, Edit14, Edit15, Edit16, Edit17},
                         combinedFormula(mode).inputs);
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
      makeGroup(this, menus, tr("Select What to Find"), "GroupBox5", {48, 40, 121, 113},
                {tr("Find Pressure"), tr("Find Volume"), tr("Find Moles"), tr("Find Temperature")},
                10, modes);
  QRadioButton* units[4];
  GroupBox6 = makeGroup(this, menus, tr("Units"), "GroupBox6", {184, 40, 121, 113},
                        {tr("atm, L"), tr("kPa, L"), tr("Pa, m³"), tr("mmHg, L")}, 14, units);
  const QPoint corners[] = {{48, 168}, {184, 168}, {48, 208}, {184, 208}};
  QLabel** labels[] = {&Label24, &Label25, &Label26, &Label27};
  QLineEdit** edits[] = {&Edit19, &Edit20, &Edit21, &Edit22};
  for (int k = 0; k < 4; ++k)
    *edits[k] = makeLabelledField(this, menus, k == 3 ? tr("Calculated:") : QString(), 24 + k,
                                  19 + k, corners[k], *labels[k]);
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
