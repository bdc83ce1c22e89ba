// The splash screen's Saturday rule and the interval it chooses.
#include <gtest/gtest.h>

#include "core/SplashClock.h"

using namespace pelbrix;

TEST(SplashClock, DayOfWeekCountsFromSunday) {
  // 2026-12-06 is a Sunday.
  for (int i = 0; i < 7; ++i) EXPECT_EQ(DayOfWeek(QDate(2026, 12, 6).addDays(i)), i + 1);
}

TEST(SplashClock, SaturdayMessageAtItsHoursOnly) {
  const QDate saturday(2026, 12, 12), friday(2026, 12, 11), sunday(2026, 12, 13);
  for (int hour = 0; hour < 24; ++hour) {
    SCOPED_TRACE(hour);
    const bool expected = hour == 10 || hour == 12 || hour == 14 || hour == 16 || hour == 17;
    for (int minute : {0, 59}) {
      const QTime time(hour, minute, 59, 999);
      const SplashChoice onSaturday = ChooseSplash(QDateTime(saturday, time));
      EXPECT_EQ(onSaturday.saturdayMessage, expected);
      EXPECT_EQ(onSaturday.intervalMs, expected ? 3500 : 2000);
      for (const QDate& other : {friday, sunday}) {
        const SplashChoice choice = ChooseSplash(QDateTime(other, time));
        EXPECT_FALSE(choice.saturdayMessage);
        EXPECT_EQ(choice.intervalMs, 2000);
      }
    }
  }
}
