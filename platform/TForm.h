#pragma once
// A secondary window: created once and hidden; closing it, by any button, key or its
// close box, runs FormClose and hides it, so its texts survive until it is shown again.
// Every form behaves alike on the desktop:
// - when it opens, and when one of its pages is chosen, the focus is on the first input field;
// - a group of radio buttons is one Tab stop, its checked button;
// - a form without a maximise box keeps, fixed, the size its layout gave it; one with a
//   maximise box keeps whatever size the user gives it;
// - a modal form that the window manager minimises comes back as soon as another window of
//   the application is activated, so the application never seems frozen.
#include <QDialog>

class QEventLoop;
class QScreen;

namespace pelbrix {

class TApplication;

class TForm : public QDialog {
  Q_OBJECT
 public:
  // `application` tells which window is the main one; it outlives the form.
  explicit TForm(TApplication& application, QWidget* parent = nullptr);

  // Shows the form where PlaceForShowing puts it (by default centred over the main window)
  // and waits until it is closed. Forms change where they appear through PlaceForShowing,
  // never by a ShowModal or Show of their own, so a form placed itself wherever it is
  // called from, through a TForm* or its own type.
  int ShowModal();
  // Shows the form without blocking, or brings it to the front when already shown.
  void Show();

  // Places the form centred over the main window (the screen's centre when there is none),
  // entirely on the screen's available area.
  void CentreOverMainForm();

  // Lays the form out from its design geometry at the desktop's font, once; showing the
  // form does it at the latest.
  void ensureLaidOut();

  void done(int result) override;

 protected:
  TApplication& application() const { return application_; }

  // Where ShowModal() puts the form, and Show() when it is not shown yet: centred over the
  // main window.
  virtual void PlaceForShowing();

  // The one layout pass ensureLaidOut runs: the design's, unless a form has more to do.
  virtual void layOut();

  // Runs on every close, before the form is hidden.
  virtual void FormClose() {}

  // The control that has the focus when the form opens: by default the first input field of
  // the shown page, or of the form.
  virtual QWidget* FirstFocus();

  // Moves the form so that its client area lies at `client`, or as near as keeps its frame
  // on `screen`'s available area (the primary screen when null).
  void placeOnScreen(QRect client, QScreen* screen);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Shows the form where it stands, modally, and waits until it is closed or hidden.
  int RunModal();
  void bringBackFromMinimised();
  TApplication& application_;
  QEventLoop* modalLoop_ = nullptr;
  bool shownBefore_ = false;
};

}  // namespace pelbrix
