#include "catalog/date_time.h"

#include <gtest/gtest.h>

TEST(DateTime, TheDateTextsOfOtherWritersAreRead) {
  auto when = ParseDateTime("2026-03-05 오후 2:07:09");
  ASSERT_TRUE(when.has_value());
  EXPECT_EQ(FormatDateTime(*when), "2026-03-05 14:07:09");
  EXPECT_EQ(FormatDateTime(*ParseDateTime("2026/3/5 AM 12:30:00")), "2026-03-05 00:30:00");
  EXPECT_EQ(FormatDateTime(*ParseDateTime(" 2026.03.05")), "2026-03-05 00:00:00");
  EXPECT_EQ(FormatDate(*ParseDateTime("2024-02-29 23:59")), "2024-02-29");
  for (const char* bad : {"", "오늘", "2026-13-01", "2023-02-29", "2026-03", "x2026-03-05", "99999999999-1-1"})
    EXPECT_FALSE(ParseDateTime(bad).has_value()) << bad;
}

TEST(DateTime, DaysAndMinutesAreCountedAcrossMonthsAndYears) {
  DateTime lastNight{2025, 12, 31, 23, 58, 0}, morning{2026, 1, 1, 0, 1, 0};
  EXPECT_EQ(DaysBetween(lastNight, morning), 1);
  EXPECT_EQ(DaysBetween(morning, lastNight), -1);
  EXPECT_EQ(MinutesBetween(lastNight, morning), 3);
  EXPECT_EQ(DaysBetween({2024, 2, 28}, {2024, 3, 1}), 2);
  EXPECT_EQ(DaysBetween({2023, 2, 28}, {2023, 3, 1}), 1);
  EXPECT_EQ(DaysBetween({2000, 1, 1}, {2026, 1, 1}), 9497);
}

TEST(DateTime, ATwoDigitYearIsReadInTheCenturyWindowsPutsItIn) {
  for (auto [text, date] : {std::pair{"24-03-05", "2024-03-05"}, {"29/12/31", "2029-12-31"}, {"30-01-01", "1930-01-01"},
                            {"99.1.2 14:00", "1999-01-02"}, {"0024-03-05", "0024-03-05"}, {"5-03-05", "2005-03-05"}})
    EXPECT_EQ(FormatDate(ParseDateTime(text).value_or(DateTime{})), date) << text;
}
