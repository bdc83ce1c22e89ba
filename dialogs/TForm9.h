#pragma once
// The splash screen: a borderless black window over the main window's remembered
// corner, showing the picture (or, at certain Saturday hours, a message) until its
// timer, running from creation, closes it.
#include <QLabel>
#include <QTimer>

#include "core/SplashClock.h"
#include "platform/TForm.h"

namespace pelbrix {

class SettingsStore;

class TForm9 : public TForm {
  Q_OBJECT
 public:
  // `clock` is read once, at creation, to choose what the splash screen shows.
  TForm9(TApplication& application, SettingsStore& settings, const SplashClockFunction& clock);

  QLabel* Image1;
  QLabel* Label1;
  QTimer* Timer1;

  void FormCreate(const QDateTime& now);
  void Timer1Timer();

 protected:
  // It stays where FormCreate placed it, at the main window's remembered corner.
  void PlaceForShowing() override {}
  void showEvent(QShowEvent* event) override;

 private:
  SettingsStore& settings_;
};

}  // namespace pelbrix
