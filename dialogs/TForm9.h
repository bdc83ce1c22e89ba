#pragma once
// The splash screen: a borderless black window over the main window's remembered
// corner, showing the picture (or, at certain Saturday hours, a message) until its
// timer, running from creation, closes it.
#include <QLabel>
#include <QTimer>

#include "platform/TForm.h"

namespace pelbrix {

class TForm9 : public TForm {
  Q_OBJECT
 public:
  TForm9();

  QLabel* Image1;
  QLabel* Label1;
  QTimer* Timer1;

  // Shows the splash screen modally where FormCreate placed it (not centred).
  int ShowModal();

  void FormCreate();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TForm9* Form9;

// True until the main window has shown the splash screen on its first activation.
extern bool SplashPending;

}  // namespace pelbrix
