#pragma once
// The splash screen's clock and the rule that picks its message.
#include <QDateTime>
#include <functional>

namespace pelbrix {

// How long the splash screen stays, counted from its creation.
constexpr int kSplashIntervalMs = 2000;
constexpr int kSaturdayIntervalMs = 3500;

// The day of the week of `date`, 1 for Sunday to 7 for Saturday.
int DayOfWeek(const QDate& date);

// True on a Saturday (7) at 10, 12, 14, 16 or 17 o'clock: the splash screen then shows
// its Saturday message instead of the picture.
bool IsSaturdayMessageTime(int dayOfWeek, int hour);

// What the splash screen shows for a local date and time read at its creation.
struct SplashChoice {
  bool saturdayMessage = false;
  int intervalMs = kSplashIntervalMs;
};
SplashChoice ChooseSplash(const QDateTime& localNow);

// The clock the splash screen is given: the local date and time, or a test's fixed one.
using SplashClockFunction = std::function<QDateTime()>;

}  // namespace pelbrix
