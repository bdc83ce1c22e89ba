#include "rates/RateWindow.h"

#include <QLayout>
#include <utility>

#include "core/BoyleRates.h"
#include "core/SettingsStore.h"
#include "platform/Controls.h"

namespace pelbrix {

RateWindow::RateWindow(TApplication& application, const RateWindowDesign& design)
    : TForm(application) {
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
    labels[k] =
        makeControl<QLabel>(page, label.constData(), {8, top, 0, 0},
                            design.placeholderTexts ? QString::fromLatin1(label) : QString());
    edits[k] =
        makeControl<QLineEdit>(page, edit.constData(), {8, top + 16, 121, 21},
                               design.placeholderTexts ? QString::fromLatin1(edit) : QString());
    // The label names its field for screen readers, whatever it says in the current mode.
    labels[k]->setBuddy(edits[k]);
  }
  Label1 = labels[0], Label2 = labels[1], Label3 = labels[2], Label4 = labels[3];
  Label5 = labels[4], Label6 = labels[5], Label7 = labels[6], Label8 = labels[7];
  Label9 = labels[8], Label10 = labels[9], Label11 = labels[10], Label12 = labels[11];
  Edit1 = edits[0], Edit2 = edits[1], Edit3 = edits[2], Edit4 = edits[3];
  Edit5 = edits[4], Edit6 = edits[5], Edit7 = edits[6], Edit8 = edits[7];
  Edit9 = edits[8], Edit10 = edits[9], Edit11 = edits[10], Edit12 = edits[11];

  QRadioButton* radios[8];
  GroupBox1 = makeRadioGroup(TabSheet1, design.solveForTitle, QStringLiteral("GroupBox1"),
                             design.solveForBox, design.solveForCaptions, 1, 16, 16, radios);
  GroupBox2 = makeRadioGroup(TabSheet2, design.solveForTitle, QStringLiteral("GroupBox2"),
                             design.solveForBox, design.solveForCaptions, 5, 16, 16, radios + 4);
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
}

std::array<QLineEdit*, 3> RateWindow::singleFields() const {
  return {Edit1, Edit2, Edit3};
}

std::array<QLineEdit*, 7> RateWindow::multipleFields() const {
  return {Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11};
}

std::array<std::string, 3> RateWindow::singleInputs() const {
  return {fieldText(Edit1), fieldText(Edit2), fieldText(Edit3)};
}

std::array<std::string, 7> RateWindow::multipleInputs() const {
  return {fieldText(Edit5), fieldText(Edit6),  fieldText(Edit7), fieldText(Edit8),
          fieldText(Edit9), fieldText(Edit10), fieldText(Edit11)};
}

void RateWindow::clearSingle() {
  clearFields({Edit1, Edit2, Edit3, Edit4});
}

void RateWindow::clearMultiple() {
  clearFields({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12});
}

void RateWindow::relabel(std::span<QLabel* const> labels, const char* const* texts) {
  for (std::size_t k = 0; k < labels.size(); ++k) {
    labels[k]->setText(tr(texts[k]));
    if (isLaidOut(labels[k]->window())) labels[k]->adjustSize();
  }
}

void RateWindow::showOutcome(ErrorPresenter& errors, QLineEdit* result, const RateOutcome& outcome,
                             const std::string& working) {
  if (!outcome.ok()) {
    if (result == Edit4)
      reportError(errors, outcome.error, outcome.field, singleFields());
    else
      reportError(errors, outcome.error, outcome.field, multipleFields());
    return;
  }
  writeResult(result, QString::fromStdString(rateText(outcome.value, desktopDecimalPoint())),
              QString::fromStdString(working));
}

void RateWindow::connectHandlers() {
  const std::pair<QRadioButton*, void (RateWindow::*)()> radios[] = {
      {RadioButton1, &RateWindow::RadioButton1Click},
      {RadioButton2, &RateWindow::RadioButton2Click},
      {RadioButton3, &RateWindow::RadioButton3Click},
      {RadioButton4, &RateWindow::RadioButton4Click},
      {RadioButton5, &RateWindow::RadioButton5Click},
      {RadioButton6, &RateWindow::RadioButton6Click},
      {RadioButton7, &RateWindow::RadioButton7Click},
      {RadioButton8, &RateWindow::RadioButton8Click}};
  for (const auto& [radio, handler] : radios)
    onRadioClick(radio, [this, handler = handler] { (this->*handler)(); });
  connect(Button1, &QPushButton::clicked, this, &RateWindow::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &RateWindow::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &RateWindow::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &RateWindow::Button4Click);
}

void RateWindow::restoreChoices(const SettingsStore& settings,
                                const SettingsTable<RateWindowChoices, 9>& keys) {
  const RateWindowChoices c = settings.load().read(keys);
  const int page = c.LastPage;
  // A page index that no page has opens the first page, as a missing one does.
  PageControl1->setCurrentIndex(page >= 0 && page < PageControl1->count() ? page : 0);
  const std::pair<QRadioButton*, bool> buttons[] = {
      {RadioButton1, c.RadioButton1}, {RadioButton2, c.RadioButton2},
      {RadioButton3, c.RadioButton3}, {RadioButton4, c.RadioButton4},
      {RadioButton5, c.RadioButton5}, {RadioButton6, c.RadioButton6},
      {RadioButton7, c.RadioButton7}, {RadioButton8, c.RadioButton8}};
  for (const auto& [radio, checked] : buttons) setRadioChecked(radio, checked);
}

void RateWindow::saveChoices(SettingsStore& settings,
                             const SettingsTable<RateWindowChoices, 9>& keys) const {
  SettingsStore::SavePass ini = settings.save();
  ini.write(keys,
            {PageControl1->currentIndex(), RadioButton1->isChecked(), RadioButton2->isChecked(),
             RadioButton3->isChecked(), RadioButton4->isChecked(), RadioButton5->isChecked(),
             RadioButton6->isChecked(), RadioButton7->isChecked(), RadioButton8->isChecked()});
  ini.commit();
}

}  // namespace pelbrix
