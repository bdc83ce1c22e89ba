#include "dialogs/TOptxion.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "core/MessageDisplay.h"
#include "core/NumberText.h"
#include "core/SettingsStore.h"
#include "platform/ButtonBehaviour.h"
#include "platform/ControlFactory.h"
#include "platform/Focus.h"

namespace pelbrix {

TOptxion::TOptxion(TApplication& application, TTrayIcon& trayIcon, SettingsStore& settings,
                   MessageDisplay& messages, const OptionsChoices* stored)
    : TForm(application), TrayIcon1(&trayIcon), settings_(settings), messages_(messages) {
  setObjectName(QStringLiteral("Optxion"));
  setWindowTitle(tr("Options"));

  GroupBox1 = makeControl<QGroupBox>(this, "GroupBox1", {0, 0, 177, 97}, tr("TrayIcon"));
  CheckBox1 = makeControl<QCheckBox>(GroupBox1, "CheckBox1", {8, 16, 97, 17}, tr("Show TrayIcon"));
  CheckBox1->setChecked(true);
  CheckBox2 = makeControl<QCheckBox>(GroupBox1, "CheckBox2", {8, 40, 97, 17}, tr("Animate Icon"));
  Label1 = makeControl<QLabel>(GroupBox1, "Label1", {8, 64, 83, 13}, tr("Animation Speed:"));
  Label2 = makeControl<QLabel>(GroupBox1, "Label2", {8, 80, 89, 13}, tr("Change icon every"));
  IntervalEdit =
      makeControl<QLineEdit>(GroupBox1, "IntervalEdit", {104, 72, 25, 21}, QStringLiteral("3"));
  IntervalEdit->setMaxLength(3);
  Label3 = makeControl<QLabel>(GroupBox1, "Label3", {136, 80, 40, 13}, tr("half sec."));
  Label2->setBuddy(IntervalEdit);

  Button1 = makeControl<QPushButton>(this, "Button1", {0, 104, 75, 25}, tr("&Ok"));
  Button1->setDefault(true);
  Button2 = makeControl<QPushButton>(this, "Button2", {104, 104, 75, 25}, tr("Cancel"));
  chainTabOrder({CheckBox1, CheckBox2, IntervalEdit, Button1, Button2});

  setDesignClientSize(this, {187, 136}, WindowSizing::Resizable);

  onCheckBoxClick(CheckBox1, [this] { runClickHandler(&TOptxion::CheckBox1Click); });
  onCheckBoxClick(CheckBox2, [this] { runClickHandler(&TOptxion::CheckBox2Click); });
  connect(Button1, &QPushButton::clicked, this, &TOptxion::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TOptxion::Button2Click);

  if (stored)
    FormCreate(*stored);
  else
    FormCreate();
}

void TOptxion::runClickHandler(void (TOptxion::*handler)()) {
  // Qt leaves an exception that crosses a signal undefined; this is the handler's edge.
  try {
    (this->*handler)();
  } catch (const std::exception& e) {
    messages_.ShowException(QString::fromUtf8(e.what()));
  }
}

void TOptxion::FormCreate() {
  FormCreate(settings_.load().read(kOptionsKeys));
}

void TOptxion::FormCreate(const OptionsChoices& stored) {
  // A box whose stored state differs runs its click handler here, so the stored options
  // reach the icon at start-up; AniInterval comes last, so an animation started here
  // runs at the designed "3".
  CheckBox1->setChecked(stored.ShowTray);
  CheckBox2->setChecked(stored.AniTray);
  CheckBox2->setEnabled(stored.AniTrayEn);
  IntervalEdit->setEnabled(stored.IntEditEn);
  Label1->setEnabled(stored.Label1Avail);
  Label2->setEnabled(stored.Label2Avail);
  Label3->setEnabled(stored.Label3Avail);
  IntervalEdit->setText(QString::fromStdString(stored.AniInterval));

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
  SettingsStore::SavePass ini = settings_.save();
  ini.write(kOptionsKeys, {.ShowTray = CheckBox1->isChecked(),
                           .AniTray = CheckBox2->isChecked(),
                           .AniTrayEn = CheckBox2->isEnabled(),
                           .IntEditEn = IntervalEdit->isEnabled(),
                           .Label1Avail = Label1->isEnabled(),
                           .Label2Avail = Label2->isEnabled(),
                           .Label3Avail = Label3->isEnabled(),
                           .AniInterval = IntervalEdit->text().toStdString()});
  ini.commit();
}

}  // namespace pelbrix
