#pragma once
// The options dialog: shows or removes the notification-area icon, switches its animation
// and sets the animation's step in half seconds. Every change acts on the icon the
// moment a box is clicked; the choices live in section Options of the settings file.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/TForm.h"
#include "trayicon/Trayicon.h"

namespace pelbrix {

class TOptxion : public TForm {
  Q_OBJECT
 public:
  // `trayIcon` is the main window's TrayIcon1, which the dialog drives.
  explicit TOptxion(TTrayIcon* trayIcon);

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
  void CheckBox1Click();
  void CheckBox2Click();
  void Button1Click();
  void Button2Click();

 protected:
  void FormClose() override;
  // The dialog opens on its first check box, whether or not the interval field is enabled.
  QWidget* FirstFocus() override { return CheckBox1; }

 private:
  void fitToFont();
  TTrayIcon* TrayIcon1;
  // The options as they were at start-up; Cancel puts them back.
  struct StartupRecord {
    bool showTray = true;
    bool animate = false;
    bool animateEnabled = true;
    QString interval;
  } startup_;
};

extern TOptxion* Optxion;

}  // namespace pelbrix
