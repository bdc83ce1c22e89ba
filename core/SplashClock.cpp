#include "core/SplashClock.h"

namespace pelbrix {
int DayOfWeek(const QDate& date) {
  // QDate counts Monday 1 to Sunday 7; Sunday moves to the front.
  return date.dayOfWeek() % 7 + 1;
}

bool IsSaturdayMessageTime(int dayOfWeek, int hour) {
  if (dayOfWeek != 7) return false;
  switch (hour) {
    case 10:
    case 12:
    case 14:
    case 16:
    case 17:
      return true;
    default:
      return false;
  }
}

SplashChoice ChooseSplash(const QDateTime& localNow) {
  SplashChoice choice;
  choice.saturdayMessage =
      IsSaturdayMessageTime(DayOfWeek(localNow.date()), localNow.time().hour());
  if (choice.saturdayMessage) choice.intervalMs = kSaturdayIntervalMs;
  return choice;
}

}  // namespace pelbrix
