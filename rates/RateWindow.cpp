#include "rates/RateWindow.h"

#include <QLayout>

#include "core/SettingsStore.h"
#include "platform/ButtonBehaviour.h"
#include "platform/ControlFactory.h"
#include "platform/DesignLayout.h"
#include "platform/Focus.h"
#include "platform/KeyFilters.h"
#include "platform/ResultFields.h"
#include "platform/TitleBand.h"

namespace pelbrix {

namespace {

int firstChecked(std::span<QRadioButton* const> radios) {
  for (std::size_t k = 0; k < radios.size(); ++k)
    if (radios[k]->isChecked()) return static_cast<int>(k) + 1;
  return 1;  // none checked: Volume
}

// Reads a page's fields and either writes the relation's answer with its working into
// `result` or shows the dialog of the check that failed, with the focus then on the input
// field it is about. The mode comes from the buttons only once a calculation has passed its
// checks.
template <std::size_t N>
void calculate(ErrorPresenter& errors, const std::array<RateRelation<N>, 4>& relations,
               std::int16_t& mode, std::span<QRadioButton* const> buttons,
               const std::array<QLineEdit*, N>& inputs, QLineEdit* result) {
  const int chosen = mode ? mode : firstChecked(buttons);
  std::array<std::string, N> fields;
  for (std::size_t k = 0; k < N; ++k) fields[k] = fieldText(inputs[k]);
  const std::string point = desktopDecimalPoint();
  const RateRelation<N>& relation = relationOf(relations, chosen);
  const RateOutcome outcome = solveRate(relation, fields, point);
  if (!outcome.ok()) {
    reportError(errors, outcome.error, outcome.field, inputs);
    return;
  }
  mode = static_cast<std::int16_t>(chosen);
  writeResult(result, QString::fromStdString(rateText(outcome.value, point)),
              QString::fromStdString(rateWorking(relation, fields, point)));
}

}  // namespace

RateWindow::RateWindow(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
                       const RateWindowDesign& design, const RateWindowChoices* stored)
    : TForm(application), design_(design), settings_(settings), errors_(errors) {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
  Label13 = makeTitleLabel(TabSheet1, "Label13", tr("Single Rate"), 8, 8);
  Label14 = makeTitleLabel(TabSheet2, "Label14", tr("Multiple Rate"), 8, 8);

  // Rows 40 pixels apart from the top, the label 16 pixels above its field.
  std::array<QLabel*, 12> labels{};
  std::array<QLineEdit*, 12> edits{};
  for (int k = 0; k < 12; ++k) {
    QWidget* page = k < 4 ? TabSheet1 : TabSheet2;
    const int top = 56 + 40 * (k < 4 ? k : k - 4);
    const QByteArray label = QByteArray("Label") + QByteArray::number(k + 1);
    const QByteArray edit = QByteArray("Edit") + QByteArray::number(k + 1);
    labels[k] = makeControl<QLabel>(page, label.constData(), {8, top, 0, 0}, QString());
    edits[k] = makeControl<QLineEdit>(page, edit.constData(), {8, top + 16, 121, 21}, QString());
    // The label names its field for screen readers, whatever it says in the current mode.
    labels[k]->setBuddy(edits[k]);
  }
  Label1 = labels[0], Label2 = labels[1], Label3 = labels[2], Label4 = labels[3];
  Label5 = labels[4], Label6 = labels[5], Label7 = labels[6], Label8 = labels[7];
  Label9 = labels[8], Label10 = labels[9], Label11 = labels[10], Label12 = labels[11];
  Edit1 = edits[0], Edit2 = edits[1], Edit3 = edits[2], Edit4 = edits[3];
  Edit5 = edits[4], Edit6 = edits[5], Edit7 = edits[6], Edit8 = edits[7];
  Edit9 = edits[8], Edit10 = edits[9], Edit11 = edits[10], Edit12 = edits[11];

  QStringList captions;
  for (const RateQuantity quantity : design.quantities) captions << caption(quantity, Name);
  QRadioButton* radios[8];
  GroupBox1 = makeRadioGroup(TabSheet1, tr(design.solveForTitle), QStringLiteral("GroupBox1"),
                             design.solveForBox, captions, 1, 16, 16, radios);
  GroupBox2 = makeRadioGroup(TabSheet2, tr(design.solveForTitle), QStringLiteral("GroupBox2"),
                             design.solveForBox, captions, 5, 16, 16, radios + 4);
  RadioButton1 = radios[0], RadioButton2 = radios[1], RadioButton3 = radios[2];
  RadioButton4 = radios[3], RadioButton5 = radios[4], RadioButton6 = radios[5];
  RadioButton7 = radios[6], RadioButton8 = radios[7];

  Button1 = makeControl<QPushButton>(TabSheet1, "Button1", {8, 224, 75, 25}, tr("Calculate"));
  Button2 = makeControl<QPushButton>(TabSheet1, "Button2", {88, 224, design.singleClearWidth, 25},
                                     tr("Clear"));
  Button3 = makeControl<QPushButton>(TabSheet2, "Button3", {8, 384, 75, 25}, tr("Calculate"));
  Button4 = makeControl<QPushButton>(TabSheet2, "Button4", {88, 384, 75, 25}, tr("Clear"));
  // Return in a page's field presses that page's Calculate, never the hidden page's.
  pressOnReturn(TabSheet1, Button1);
  pressOnReturn(TabSheet2, Button3);

  PageControl1->addTab(TabSheet1, tr("Single Rate"));
  PageControl1->addTab(TabSheet2, tr("Multiple Rate"));
  // The page control fills the window.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);

  // The design's captions and checked buttons; a choice runs only once the handlers are on.
  chooseSingle(kDesignMode);
  chooseMultiple(kDesignMode);
  SingleMode = MultipleMode = design.startMode;
  RadioButton4->setChecked(true);
  RadioButton8->setChecked(true);
  for (int k = 0; k < 4; ++k) {
    onRadioClick(singleButtons()[k], [this, k] { chooseSingle(k + 1); });
    onRadioClick(multipleButtons()[k], [this, k] { chooseMultiple(k + 1); });
  }
  connect(Button1, &QPushButton::clicked, this, &RateWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &RateWindow::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &RateWindow::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &RateWindow::Button4Click);

  setObjectName(QLatin1String(design.objectName));
  setWindowTitle(tr(design.title));
  setWindowFlags(windowFlags() | design.buttons);
  const auto chain = [](const std::array<RateTab, 3>& order, QList<QWidget*> fields,
                        QList<QWidget*> solveFor, QList<QWidget*> buttons) {
    QList<QWidget*> widgets;
    for (const RateTab stop : order)
      widgets << (stop == RateTab::Fields     ? fields
                  : stop == RateTab::SolveFor ? solveFor
                                              : buttons);
    for (qsizetype k = 1; k < widgets.size(); ++k) setTabOrder(widgets[k - 1], widgets[k]);
  };
  chain(design.singleTabOrder, {Edit1, Edit2, Edit3, Edit4},
        {RadioButton1, RadioButton2, RadioButton3, RadioButton4}, {Button1, Button2});
  chain(design.multipleTabOrder, {Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12},
        {RadioButton5, RadioButton6, RadioButton7, RadioButton8}, {Button3, Button4});
  PageControl1->setCurrentIndex(design.designPage);
  if (design.resizableSize.isValid())
    setDesignClientSize(this, design.resizableSize, WindowSizing::Resizable);
  else
    layout->setSizeConstraint(QLayout::SetFixedSize);

  if (stored)
    FormCreate(*stored);
  else
    FormCreate();
}

std::array<QRadioButton*, 4> RateWindow::singleButtons() const {
  return {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
}

std::array<QRadioButton*, 4> RateWindow::multipleButtons() const {
  return {RadioButton5, RadioButton6, RadioButton7, RadioButton8};
}

std::array<QLineEdit*, 3> RateWindow::singleFields() const {
  return {Edit1, Edit2, Edit3};
}

std::array<QLineEdit*, 7> RateWindow::multipleFields() const {
  return {Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11};
}

QString RateWindow::caption(RateQuantity quantity, Caption which) {
  // By RateQuantity, then by Caption.
  static constexpr const char* kCaptions[][5] = {
      {QT_TR_NOOP("Volume"), QT_TR_NOOP("Volume 1"), QT_TR_NOOP("Volume 2"),
       QT_TR_NOOP("Calculated: Volume"), QT_TR_NOOP("Calculated: Volume 2")},
      {QT_TR_NOOP("Pressure"), QT_TR_NOOP("Pressure 1"), QT_TR_NOOP("Pressure 2"),
       QT_TR_NOOP("Calculated: Pressure"), QT_TR_NOOP("Calculated: Pressure 2")},
      {QT_TR_NOOP("Temperature"), QT_TR_NOOP("Temperature 1"), QT_TR_NOOP("Temperature 2"),
       QT_TR_NOOP("Calculated: Temperature"), QT_TR_NOOP("Calculated: Temperature 2")},
      {QT_TR_NOOP("Rate of Volume"), QT_TR_NOOP("Rate of Volume 1"), QT_TR_NOOP("Rate of Volume 2"),
       QT_TR_NOOP("Calculated: Rate of Volume"), QT_TR_NOOP("Calculated: Rate of Volume 2")},
      {QT_TR_NOOP("Rate of Pressure"), QT_TR_NOOP("Rate of Pressure 1"),
       QT_TR_NOOP("Rate of Pressure 2"), QT_TR_NOOP("Calculated: Rate of Pressure"),
       QT_TR_NOOP("Calculated: Rate of Pressure 2")},
      {QT_TR_NOOP("Rate of Temperature"), QT_TR_NOOP("Rate of Temperature 1"),
       QT_TR_NOOP("Rate of Temperature 2"), QT_TR_NOOP("Calculated: Rate of Temperature"),
       QT_TR_NOOP("Calculated: Rate of Temperature 2")},
  };
  return tr(kCaptions[static_cast<int>(quantity)][which]);
}

void RateWindow::relabel(std::span<QLabel* const> labels, const QStringList& captions) {
  for (std::size_t k = 0; k < labels.size(); ++k) {
    labels[k]->setText(captions[static_cast<qsizetype>(k)]);
    if (isLaidOut(this)) labels[k]->adjustSize();
  }
}

void RateWindow::relabelSingle(int mode) {
  const RateQuantity solved = design_.quantities[static_cast<std::size_t>(mode - 1)];
  QStringList captions;
  for (const RateQuantity quantity : design_.quantities)
    if (quantity != solved) captions << caption(quantity, Name);
  captions << caption(solved, SingleResult);
  relabel(std::array{Label1, Label2, Label3, Label4}, captions);
}

void RateWindow::relabelMultiple(int mode) {
  const RateQuantity solved = design_.quantities[static_cast<std::size_t>(mode - 1)];
  QStringList captions;
  for (const RateQuantity quantity : design_.quantities) {
    captions << caption(quantity, State1);
    if (quantity != solved) captions << caption(quantity, State2);
  }
  captions << caption(solved, MultipleResult);
  relabel(std::array{Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12}, captions);
}

void RateWindow::chooseSingle(int mode) {
  relabelSingle(mode);
  showKelvinPlaceholders(singleFields(),
                         relationOf(design_.calculator.single, mode).formula.inputs);
  SingleMode = static_cast<std::int16_t>(mode);
}

void RateWindow::chooseMultiple(int mode) {
  relabelMultiple(mode);
  showKelvinPlaceholders(multipleFields(),
                         relationOf(design_.calculator.multiple, mode).formula.inputs);
  MultipleMode = static_cast<std::int16_t>(mode);
}

void RateWindow::Button1Click() {
  calculate(errors_, design_.calculator.single, SingleMode, singleButtons(), singleFields(), Edit4);
}

void RateWindow::Button2Click() {
  clearFields({Edit1, Edit2, Edit3, Edit4});
}

void RateWindow::Button3Click() {
  calculate(errors_, design_.calculator.multiple, MultipleMode, multipleButtons(), multipleFields(),
            Edit12);
}

void RateWindow::Button4Click() {
  clearFields({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12});
}

void RateWindow::FormCreate() {
  FormCreate(settings_.load().read(design_.keys));
}

void RateWindow::FormCreate(const RateWindowChoices& c) {
  const int page = c.LastPage;
  // A page index that no page has opens the first page, as a missing one does.
  PageControl1->setCurrentIndex(page >= 0 && page < PageControl1->count() ? page : 0);
  const bool checked[] = {c.RadioButton1, c.RadioButton2, c.RadioButton3, c.RadioButton4,
                          c.RadioButton5, c.RadioButton6, c.RadioButton7, c.RadioButton8};
  QRadioButton* const radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                  RadioButton5, RadioButton6, RadioButton7, RadioButton8};
  for (int k = 0; k < 8; ++k) setRadioChecked(radios[k], checked[k]);
}

void RateWindow::FormClose() {
  SettingsStore::SavePass ini = settings_.save();
  ini.write(design_.keys,
            {PageControl1->currentIndex(), RadioButton1->isChecked(), RadioButton2->isChecked(),
             RadioButton3->isChecked(), RadioButton4->isChecked(), RadioButton5->isChecked(),
             RadioButton6->isChecked(), RadioButton7->isChecked(), RadioButton8->isChecked()});
  ini.commit();
}

}  // namespace pelbrix
