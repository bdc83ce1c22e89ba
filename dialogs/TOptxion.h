#pragma once
// The options dialog: shows or removes the notification-area icon, switches its animation
// and sets the animation's step in half seconds. Every change acts on the icon the
// moment a box is clicked; the choices live in section Options of the settings file.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/SettingsKeys.h"
#include "platform/TForm.h"
#include "trayicon/Trayicon.h"

namespace pelbrix {

class MessageDisplay;
class SettingsStore;

class TOptxion : public TForm {
  Q_OBJECT
 public:
  // `trayIcon` is the main window's TrayIcon1, which the dialog drives; a refusal of the
  // notification area is shown on `messages`.
  // `stored`, when given, is what section Options held at start-up; otherwise the dialog
  // reads it as it is created.
  TOptxion(TApplication& application, TTrayIcon& trayIcon, SettingsStore& settings,
           MessageDisplay& messages, const OptionsChoices* stored = nullptr);

  // Whether restoring `stored` runs a box's click handler, and so reaches the icon: only
  // then must the dialog be created at start-up rather than when first opened.
  static bool RestoringActs(const OptionsChoices& stored) {
    return !stored.ShowTray || stored.AniTray;
  }

  QGroupBox* GroupBox1;
  QCheckBox* CheckBox1;  // "Show TrayIcon"
  QCheckBox* CheckBox2;  // "Animate Icon"
  QLineEdit* IntervalEdit;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Button1;  // "&Ok"
  QPushButton* Button2;  // "Cancel"

  void FormCreate();
  void FormCreate(const OptionsChoices& stored);
  void CheckBox1Click();
  void CheckBox2Click();
  void Button1Click();
  void Button2Click();

 protected:
  void FormClose() override;
  // The dialog opens on its first check box, whether or not the interval field is enabled.
  QWidget* FirstFocus() override { return CheckBox1; }

 private:
  // Runs a box's click handler; what it raises is shown here, never left to cross the
  // box's signal.
  void runClickHandler(void (TOptxion::*handler)());
  TTrayIcon* TrayIcon1;
  SettingsStore& settings_;
  MessageDisplay& messages_;
  // The options as they were at start-up; Cancel puts them back.
  struct StartupRecord {
    bool showTray = true;
    bool animate = false;
    bool animateEnabled = true;
    QString interval;
  } startup_;
};

}  // namespace pelbrix
