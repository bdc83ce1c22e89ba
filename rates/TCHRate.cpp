#include "rates/TCHRate.h"

#include <QLayout>
#include <array>

#include "platform/Controls.h"
#include "platform/ErrorReport.h"

namespace pelbrix {

TCHRate* CHRate = nullptr;

namespace {

constexpr int kTitlePixels = 32;  // 24 pt at 96 dpi
// The window's design size less the frame, for a window that is not sized to its content.
constexpr int kClientWidth = 292;
constexpr int kClientHeight = 443;

// Labels and fields still carry their own names as text.
QLabel* makeLabel(QWidget* page, int number, int top) {
  const QString name = QStringLiteral("Label%1").arg(number);
  auto* label = new QLabel(name, page);
  label->setObjectName(name);
  place(label, 8, top);
  return label;
}

QLineEdit* makeField(QWidget* page, QLabel* label, int number, int top) {
  const QString name = QStringLiteral("Edit%1").arg(number);
  auto* edit = new QLineEdit(name, page);
  edit->setObjectName(name);
  place(edit, 8, top, 121, 21);
  label->setBuddy(edit);
  return edit;
}

QPushButton* makeButton(QWidget* page, const QString& text, int number, int left, int top) {
  auto* button = new QPushButton(text, page);
  button->setObjectName(QStringLiteral("Button%1").arg(number));
  place(button, left, top, 75, 25);
  return button;
}

// "Solve for: " with four buttons, none checked.
QGroupBox* makeSolveFor(QWidget* page, int number, std::array<QRadioButton*, 4>& radios,
                        int firstRadio) {
  return makeRadioGroup(page, QObject::tr("Solve for: "), QStringLiteral("GroupBox%1").arg(number),
                        {136, 64, 137, 89},
                        {QObject::tr("Volume"), QObject::tr("Temperature"),
                         QObject::tr("Rate of Volume"), QObject::tr("Rate of Temperature")},
                        firstRadio, 16, 16, radios.data());
}

}  // namespace

TCHRate::TCHRate() {
  setObjectName(QStringLiteral("CHRate"));
  setWindowTitle(tr("Charles Rate"));
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));

  Label13 = makeTitleLabel(TabSheet1, tr("Single Rate"), kTitlePixels, 8, 8);
  Label13->setObjectName(QStringLiteral("Label13"));
  Label14 = makeTitleLabel(TabSheet2, tr("Multiple Rate"), kTitlePixels, 8, 8);
  Label14->setObjectName(QStringLiteral("Label14"));

  std::array<QLabel*, 12> labels{};
  std::array<QLineEdit*, 12> edits{};
  for (int k = 0; k < 12; ++k) {
    QWidget* page = k < 4 ? TabSheet1 : TabSheet2;
    const int row = k < 4 ? k : k - 4;
    labels[k] = makeLabel(page, k + 1, 56 + 40 * row);
    edits[k] = makeField(page, labels[k], k + 1, 72 + 40 * row);
  }
  Label1 = labels[0], Label2 = labels[1], Label3 = labels[2], Label4 = labels[3];
  Label5 = labels[4], Label6 = labels[5], Label7 = labels[6], Label8 = labels[7];
  Label9 = labels[8], Label10 = labels[9], Label11 = labels[10], Label12 = labels[11];
  Edit1 = edits[0], Edit2 = edits[1], Edit3 = edits[2], Edit4 = edits[3];
  Edit5 = edits[4], Edit6 = edits[5], Edit7 = edits[6], Edit8 = edits[7];
  Edit9 = edits[8], Edit10 = edits[9], Edit11 = edits[10], Edit12 = edits[11];

  std::array<QRadioButton*, 4> single{};
  GroupBox1 = makeSolveFor(TabSheet1, 1, single, 1);
  RadioButton1 = single[0], RadioButton2 = single[1];
  RadioButton3 = single[2], RadioButton4 = single[3];
  Button1 = makeButton(TabSheet1, tr("Calculate"), 1, 8, 224);
  Button2 = makeButton(TabSheet1, tr("Clear"), 2, 88, 224);
  chainTabOrder({Edit1, Edit2, Edit3, Edit4, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                 Button1, Button2});

  Button3 = makeButton(TabSheet2, tr("Calculate"), 3, 8, 384);
  Button4 = makeButton(TabSheet2, tr("Clear"), 4, 88, 384);
  std::array<QRadioButton*, 4> multiple{};
  GroupBox2 = makeSolveFor(TabSheet2, 2, multiple, 5);
  RadioButton5 = multiple[0], RadioButton6 = multiple[1];
  RadioButton7 = multiple[2], RadioButton8 = multiple[3];
  chainTabOrder({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Button3, Button4,
                 RadioButton5, RadioButton6, RadioButton7, RadioButton8});

  PageControl1->addTab(TabSheet1, tr("Single Rate"));
  PageControl1->addTab(TabSheet2, tr("Multiple Rate"));
  PageControl1->setCurrentIndex(0);
  for (QWidget* page : {TabSheet1, TabSheet2}) {
    const QRect used = page->childrenRect();
    page->setMinimumSize(used.right() + 8, used.bottom() + 8);
  }
  // The page control fills the window, which keeps its design size unless the
  // desktop's font needs more room.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);
  resize(sizeHint());

  connect(Button1, &QPushButton::clicked, this, &TCHRate::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TCHRate::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TCHRate::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TCHRate::Button4Click);
  pressOnReturn(TabSheet1, Button1);
  pressOnReturn(TabSheet2, Button3);
}

QSize TCHRate::sizeHint() const {
  const QSize needed = layout()->minimumSize();
  return {std::max(kClientWidth, needed.width()), std::max(kClientHeight, needed.height())};
}

bool TCHRate::SingleInputMissing() {
  return reportMissingInput({Edit1, Edit2, Edit3});
}

bool TCHRate::MultipleInputMissing() {
  return reportMissingInput({Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11});
}

// The Charles rate formulas are not worked out yet: Calculate only checks the input.
void TCHRate::Button1Click() {
  SingleInputMissing();
}

void TCHRate::Button2Click() {
  for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4}) e->setText(QString());
}

void TCHRate::Button3Click() {
  MultipleInputMissing();
}

void TCHRate::Button4Click() {
  for (QLineEdit* e : {Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12})
    e->setText(QString());
}

}  // namespace pelbrix
