#include "dialogs/TOptxion.h"

#include <algorithm>
#include <climits>

#include "platform/Controls.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/SettingsPath.h"

namespace pelbrix {

TOptxion* Optxion = nullptr;

namespace {
constexpr const char* kSection = "Options";
}

TOptxion::TOptxion(TTrayIcon* trayIcon) : TrayIcon1(trayIcon) {
  setObjectName(QStringLiteral("Optxion"));
  setWindowTitle(tr("Options"));
  resize(187, 158);

  GroupBox1 = new QGroupBox(tr("TrayIcon"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  place(GroupBox1, 0, 0, 177, 97);
  CheckBox1 = new QCheckBox(tr("Show TrayIcon"), GroupBox1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  place(CheckBox1, 8, 16, 97, 17);
  CheckBox1->setChecked(true);
  CheckBox2 = new QCheckBox(tr("Animate Icon"), GroupBox1);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  place(CheckBox2, 8, 40, 97, 17);
  Label1 = new QLabel(tr("Animation Speed:"), GroupBox1);
  Label1->setObjectName(QStringLiteral("Label1"));
  place(Label1, 8, 64, 83, 13);
  Label2 = new QLabel(tr("Change icon every"), GroupBox1);
  Label2->setObjectName(QStringLiteral("Label2"));
  place(Label2, 8, 80, 89, 13);
  IntervalEdit = new QLineEdit(QStringLiteral("3"), GroupBox1);
  IntervalEdit->setObjectName(QStringLiteral("IntervalEdit"));
  IntervalEdit->setMaxLength(3);
  place(IntervalEdit, 104, 72, 25, 21);
  Label3 = new QLabel(tr("half sec."), GroupBox1);
  Label3->setObjectName(QStringLiteral("Label3"));
  place(Label3, 136, 80, 40, 13);
  Label2->setBuddy(IntervalEdit);

  Button1 = new QPushButton(tr("&Ok"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  place(Button1, 0, 104, 75, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(tr("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  place(Button2, 104, 104, 75, 25);
  chainTabOrder({CheckBox1, CheckBox2, IntervalEdit, Button1, Button2});

  fitToFont();

  onCheckBoxClick(CheckBox1, [this] { CheckBox1Click(); });
  onCheckBoxClick(CheckBox2, [this] { CheckBox2Click(); });
  connect(Button1, &QPushButton::clicked, this, &TOptxion::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TOptxion::Button2Click);

  FormCreate();
}

void TOptxion::fitToFont() {
  // The design's positions hold for its small font; where the desktop's font makes a text
  // wider or taller, the control grows and what stands after it moves along.
  const auto grow = [](QWidget* w) {
    const QSize natural = w->sizeHint();
    w->resize(std::max(w->width(), natural.width()), std::max(w->height(), natural.height()));
  };
  for (QWidget* w : {static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(CheckBox2),
                     static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                     static_cast<QWidget*>(Label3)})
    grow(w);
  CheckBox2->move(CheckBox2->x(), std::max(CheckBox2->y(), CheckBox1->geometry().bottom() + 4));
  Label1->move(Label1->x(), std::max(Label1->y(), CheckBox2->geometry().bottom() + 4));
  Label2->move(Label2->x(), std::max(Label2->y(), Label1->geometry().bottom() + 2));
  IntervalEdit->resize(
      std::max(IntervalEdit->width(),
               IntervalEdit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10),
      std::max(IntervalEdit->height(), IntervalEdit->sizeHint().height()));
  IntervalEdit->move(
      std::max(IntervalEdit->x(), Label2->geometry().right() + 6),
      std::max(IntervalEdit->y(), Label2->geometry().center().y() - IntervalEdit->height() / 2));
  Label3->move(std::max(Label3->x(), IntervalEdit->geometry().right() + 7), Label2->y());
  const int groupWidth =
      std::max({GroupBox1->width(), Label3->geometry().right() + 8,
                CheckBox1->geometry().right() + 8, Label1->geometry().right() + 8});
  const int groupHeight = std::max({GroupBox1->height(), IntervalEdit->geometry().bottom() + 5,
                                    Label2->geometry().bottom() + 5});
  GroupBox1->resize(groupWidth, groupHeight);
  const int buttonsTop = std::max(Button1->y(), GroupBox1->geometry().bottom() + 8);
  Button1->move(Button1->x(), buttonsTop);
  Button2->move(std::max(Button2->x(), GroupBox1->geometry().right() + 1 - Button2->width() + 2),
                buttonsTop);
  const QRect used = childrenRect();
  setMinimumSize(std::max(187, used.right() + 9), std::max(136, used.bottom() + 9));
}

void TOptxion::FormCreate() {
  // A box whose stored state differs runs its click handler here, so the stored options
  // reach the icon at start-up; AniInterval comes last, so an animation started here
  // runs at the designed "3".
  const IniFile ini(settingsReadPath());
  CheckBox1->setChecked(ini.ReadBool(kSection, "ShowTray", true));
  CheckBox2->setChecked(ini.ReadBool(kSection, "AniTray", false));
  CheckBox2->setEnabled(ini.ReadBool(kSection, "AniTrayEn", true));
  IntervalEdit->setEnabled(ini.ReadBool(kSection, "IntEditEn", false));
  Label1->setEnabled(ini.ReadBool(kSection, "Label1Avail", false));
  Label2->setEnabled(ini.ReadBool(kSection, "Label2Avail", false));
  Label3->setEnabled(ini.ReadBool(kSection, "Label3Avail", false));
  IntervalEdit->setText(QString::fromStdString(ini.ReadString(kSection, "AniInterval", "3")));

  startup_.showTray = CheckBox1->isChecked();
  startup_.animate = CheckBox2->isChecked();
  startup_.animateEnabled = CheckBox2->isEnabled();
  startup_.interval = IntervalEdit->text();
}

void TOptxion::CheckBox1Click() {
  if (CheckBox1->isChecked()) {
    TrayIcon1->SetVisible(true);
    CheckBox2->setEnabled(true);
  } else {
    TrayIcon1->SetVisible(false);
    CheckBox2->setEnabled(false);
    CheckBox2->setChecked(false);  // stops an animation through CheckBox2Click
  }
}

void TOptxion::CheckBox2Click() {
  const bool on = CheckBox2->isChecked();
  Label1->setEnabled(on);
  Label2->setEnabled(on);
  Label3->setEnabled(on);
  IntervalEdit->setEnabled(on);
  if (on) {
    // The field holds half seconds; its leading integer counts, as atol reads it. A
    // negative product reaches the icon as an interval past the timer's range, which
    // the icon treats as no ticks.
    const long long halfSeconds = parseLeadingInteger(IntervalEdit->text().toStdString());
    const long long ms = std::clamp(halfSeconds * 500, static_cast<long long>(INT_MIN),
                                    static_cast<long long>(INT_MAX));
    TrayIcon1->SetAnimateInterval(static_cast<int>(ms));
    TrayIcon1->SetAnimate(true);
  } else {
    TrayIcon1->SetAnimate(false);
    TrayIcon1->SetIconIndex(0);
  }
}

void TOptxion::Button1Click() {
  close();
}

void TOptxion::Button2Click() {
  CheckBox1->setChecked(startup_.showTray);
  CheckBox2->setChecked(startup_.animate);
  CheckBox2->setEnabled(startup_.animateEnabled);
  IntervalEdit->setText(startup_.interval);
  close();
}

void TOptxion::FormClose() {
  IniFile ini(settingsWritePath());
  ini.WriteBool(kSection, "ShowTray", CheckBox1->isChecked());
  ini.WriteBool(kSection, "AniTray", CheckBox2->isChecked());
  ini.WriteBool(kSection, "AniTrayEn", CheckBox2->isEnabled());
  ini.WriteBool(kSection, "IntEditEn", IntervalEdit->isEnabled());
  ini.WriteBool(kSection, "Label1Avail", Label1->isEnabled());
  ini.WriteBool(kSection, "Label2Avail", Label2->isEnabled());
  ini.WriteBool(kSection, "Label3Avail", Label3->isEnabled());
  ini.WriteString(kSection, "AniInterval", IntervalEdit->text().toStdString());
}

}  // namespace pelbrix
