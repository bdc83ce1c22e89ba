#include "dialogs/TTempConv.h"

#include <QScreen>
#include <QWindow>
#include <array>

#include "core/ErrorReport.h"
#include "core/TempConversion.h"

#include "platform/ButtonBehaviour.h"
#include "platform/ControlFactory.h"
#include "platform/EditActions.h"
#include "platform/Focus.h"
#include "platform/KeyFilters.h"
#include "platform/ResultFields.h"
#include "platform/TApplication.h"

namespace pelbrix {

TTempConv::TTempConv(TApplication& application, ErrorPresenter& errors)
    : TForm(application), errors_(errors) {
  setObjectName(QStringLiteral("TempConv"));
  setWindowTitle(tr("Celsius <-> Kelvin"));
  // A tool window of the main window: it stays above it while both are shown and has no
  // taskbar entry of its own.
  setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool | Qt::WindowMinimizeButtonHint);

  GroupBox1 = makeControl<QGroupBox>(this, "GroupBox1", {0, 0, 217, 41}, tr("Select Conversion"));
  RadioButton1 = makeControl<QRadioButton>(GroupBox1, "RadioButton1", {8, 16, 97, 17},
                                           tr("Celsius -> Kelvin"));
  RadioButton2 = makeControl<QRadioButton>(GroupBox1, "RadioButton2", {112, 16, 97, 17},
                                           tr("Kelvin -> Celsius"));
  RadioButton1->setChecked(true);

  Edit1 = makeControl<QLineEdit>(this, "Edit1", {8, 64, 81, 21});
  Edit2 = makeControl<QLineEdit>(this, "Edit2", {128, 64, 81, 21});
  Button1 = makeControl<QPushButton>(this, "Button1", {96, 64, 25, 25}, QStringLiteral("->"));
  // Wide enough for a result with thirteen decimals, a sign and a point; a longer one shows
  // its leading digits.
  for (QLineEdit* field : {Edit1, Edit2})
    setWidestText(field, QStringLiteral("-273.0265432109877"));
  Label1 = makeControl<QLabel>(this, "Label1", {8, 48, 0, 0}, tr("Celsius"));
  Label1->setBuddy(Edit1);
  Label2 = makeControl<QLabel>(this, "Label2", {128, 48, 0, 0}, tr("Kelvin"));
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

  setDesignClientSize(this, {217, 89});
}

void TTempConv::PlaceForShowing() {
  ensureLaidOut();
  const QWidget* main = application().MainForm();
  if (!main || !main->isVisible() || !main->screen()) {
    CentreOverMainForm();
    return;
  }
  // Kept above the main window by the window manager.
  winId();
  if (QWindow* own = windowHandle()) own->setTransientParent(main->windowHandle());
  // Beside the main window, its top level with the main window's client area: to the right
  // where the screen has room, else to the left, else centred over it.
  const QRect area = main->screen()->availableGeometry();
  const QRect mainFrame = main->frameGeometry();
  const QMargins border(
      main->geometry().left() - mainFrame.left(), main->geometry().top() - mainFrame.top(),
      mainFrame.right() - main->geometry().right(), mainFrame.bottom() - main->geometry().bottom());
  const int gap = static_cast<int>(designScale(font()) * 8 + 0.5);
  QRect frame = QRect(QPoint(), size()).marginsAdded(border);
  frame.moveTop(mainFrame.top());
  frame.moveLeft(mainFrame.right() + 1 + gap);
  if (!area.contains(frame)) frame.moveRight(mainFrame.left() - 1 - gap);
  if (!area.contains(frame)) {
    CentreOverMainForm();
    return;
  }
  // The client area's place: once a window has been framed, move() would place its frame.
  setGeometry(QRect(frame.topLeft() + QPoint(border.left(), border.top()), size()));
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
  const TemperatureDirection direction =
      toKelvin ? TemperatureDirection::CelsiusToKelvin : TemperatureDirection::KelvinToCelsius;
  const std::string input = fieldText(from);
  const std::string point = desktopDecimalPoint();
  const TemperatureOutcome outcome = convertTemperature(direction, input, point);
  if (!outcome.ok()) {
    reportError(errors_, outcome.error, 0, std::array{from});  // the field it read
    return;
  }
  writeResult(to, QString::fromStdString(outcome.text),
              QString::fromStdString(conversionWorking(direction, input, point)));
}

}  // namespace pelbrix
