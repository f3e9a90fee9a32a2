#include <gtest/gtest.h>

#include "patch/schedule_rules.h"

TEST(Schedule, AnswerFillsTheDaysItNames) {
  std::array<ScheduleDay, 8> table{};
  table[3].date = "stale";
  ParseWeeklySchedule("s/20240108^A01,A07/2024011^X/20240110^B03//20240113/20240110^B04", table);
  EXPECT_EQ(table[0].date, "1");
  EXPECT_EQ(table[2].date, "2024-01-08");
  EXPECT_EQ(table[2].codes, (std::vector<std::string>{"A01", "A07"}));
  EXPECT_EQ(table[4].date, "2024-01-10");
  EXPECT_EQ(table[4].codes, (std::vector<std::string>{"B04"})) << "a later part replaces an earlier one";
  EXPECT_EQ(table[7].date, "2024-01-13");
  EXPECT_EQ(table[7].codes, (std::vector<std::string>{""}));
  EXPECT_EQ(table[3].date, "") << "every date is cleared first";
}

TEST(Schedule, AnswersThatSayNothing) {
  for (const char* answer : {"", "F/20240108^A01", "S", "S/", "S/2024010A^A01", "S/20240230^A01"}) {
    std::array<ScheduleDay, 8> table{};
    table[2].date = "2024-01-01";
    ParseWeeklySchedule(answer, table);
    for (int day = 1; day <= 7; ++day) EXPECT_EQ(table[day].date, "") << answer << " day " << day;
    bool parsed = answer[0] == 'S' && std::string(answer).find('/') != std::string::npos;
    EXPECT_EQ(table[0].date, parsed ? "1" : "") << answer;
  }
}

TEST(Schedule, WeekdaysAndTheBoxTickedByDefault) {
  EXPECT_EQ(WeekdayNumber({2024, 1, 7}), 1);
  EXPECT_EQ(WeekdayNumber({2024, 1, 8}), 2);
  EXPECT_EQ(WeekdayNumber({2024, 2, 29}), 5);
  EXPECT_EQ(WeekdayNumber({2000, 1, 1}), 7);
  EXPECT_EQ(TodayBox(1), 6);
  EXPECT_EQ(TodayBox(7), 6);
  EXPECT_EQ(TodayBox(3), 3);
}

TEST(Inspection, ListAndPatchableRule) {
  struct Case {
    const char* answer;
    std::vector<std::string> list;
  } cases[] = {
      {"S^A01,C12", {"A01", "C12"}},
      {"s^ A01", {" A01"}},
      {"S^", {""}},
      {"S^   ", {""}},
      {"S", {""}},
      {"X^A01", {""}},
      {"", {""}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseInspectionList(c.answer), c.list) << c.answer;

  std::vector<std::string> listed{"A01", " C12 "};
  EXPECT_FALSE(IsPatchable("C12", 1, listed));
  EXPECT_FALSE(IsPatchable(" A01", 1, listed));
  EXPECT_TRUE(IsPatchable("B02", 1, listed));
  EXPECT_TRUE(IsPatchable("A01", 0, listed)) << "with the box unticked every game may be patched";
  EXPECT_TRUE(IsPatchable("", 1, {" "}));
  EXPECT_FALSE(IsPatchable("", 1, {"A01", ""}));
}
