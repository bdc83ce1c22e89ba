#pragma once
// A secondary window: created once and hidden; closing it, by any button, key or its
// close box, runs FormClose and hides it, so its texts survive until it is shown again.
#include <QDialog>

class QEventLoop;

namespace pelbrix {

class TForm : public QDialog {
  Q_OBJECT
 public:
  explicit TForm(QWidget* parent = nullptr);

  // Shows the form centred over the main window and waits until it is closed.
  int ShowModal();
  // Shows the form without blocking, or brings it to the front when already shown.
  void Show();

  // Places the form centred over the main window (the screen's centre when there is none).
  void CentreOverMainForm();

  // Lays the form out from its design geometry at the desktop's font, once; showing the
  // form does it at the latest.
  void ensureLaidOut();

  void done(int result) override;

 protected:
  // Runs on every close, before the form is hidden.
  virtual void FormClose() {}

  // Shows the form where it stands, modally, and waits until it is closed or hidden.
  int RunModal();
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QEventLoop* modalLoop_ = nullptr;
};

}  // namespace pelbrix
