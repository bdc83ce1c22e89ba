#pragma once
// The main window: the page control with the four law pages, the main menu, the three
// pop-up menus and the actions behind every menu entry.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>

#include "laws/LawPages.h"
#include "platform/EditActions.h"
#include "platform/FramePlacement.h"
#include "trayicon/Trayicon.h"

namespace pelbrix {

class ErrorPresenter;
class NotifyArea;
class SettingsStore;
class TApplication;
struct WindowList;

class TMain : public QMainWindow {
  Q_OBJECT
 public:
  // The pages report to `errors`, the icon is shown in `notifyArea`, and `application`
  // carries the minimising and restoring of the application's windows.
  TMain(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
        NotifyArea& notifyArea);

  // The owner's list of windows, which the menus and the first activation open. They are
  // created after the main window and handed over once they exist; until then those
  // entries open nothing. The list outlives the main window.
  void SetWindows(const WindowList& windows) { windows_ = &windows; }

  QTabWidget* PageControl1;
  TBoylePage* TabSheet1;
  TCharlesPage* TabSheet2;
  TComboPage* TabSheet4;
  TIdealPage* TabSheet5;

  // ActionList1
  QAction* Exit;
  QAction* Restore;
  EditActions* Edit;  // EditCopy1, EditCut1, EditPaste1
  QAction* CtoK;
  QAction* Options;
  QAction* BoyleRate;
  QAction* CharlesRate;
  QAction* ComboRate;
  QAction* ADlog;
  QAction* IdealRate;

  // MainMenu1's drop-down menus; "Options" and "About" are commands on the bar itself.
  QMenu* Exit2;         // "File"
  QMenu* Edit20;        // "Edit"
  QMenu* Conversions3;  // "Conversions"
  QMenu* Rates1;        // "Rates"
  QAction* GLRate1;     // "GL Rates": bound to nothing

  QMenu* PopupMenu1;  // the notification-area icon's menu
  QMenu* PopupMenu2;  // the law pages' edit fields
  QMenu* PopupMenu3;  // the page control, its pages, group boxes and radio buttons

  TImageList* ImageList1;  // the notification-area icon's eight images
  TTrayIcon* TrayIcon1;

  void FormCreate();
  void FormActivate();
  void FormClose();

  void ExitExecute();
  void RestoreExecute();
  void CtoKExecute();
  void OptionsExecute();
  void BoyleRateExecute();
  void CharlesRateExecute();
  void ADlogExecute();

  // True until the splash screen has been shown on the first activation.
  bool SplashPending = true;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  QAction* addAction(const QString& caption, const char* name, void (TMain::*handler)());
  void buildMenus();
  void buildTrayIcon(NotifyArea& notifyArea);
  TApplication& application_;
  SettingsStore& settings_;
  const WindowList* windows_ = nullptr;
  bool closing_ = false;
  bool splashQueued_ = false;

  bool shownBefore_ = false;

  // Places the frame's corner on the stored one and tells where it is at a close.
  FramePlacement frame_{*this};
};

// Image `index` (0 to 7) of the notification-area icon's animation, at the sizes
// notification areas ask for (16, 22, 24 and 32 pixels).
QIcon TrayIconFrame(int index);

}  // namespace pelbrix
