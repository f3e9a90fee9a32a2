#pragma once
// Dates and times as the catalog keeps them in the registry and reads them from downloaded lists.
// Portable: no windows.h.
#include <optional>
#include <string>
#include <string_view>

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "2024-03-05 14:07:09".
std::string FormatDateTime(const DateTime& when);
// "2024-03-05".
std::string FormatDate(const DateTime& when);

// Reads the date texts other writers leave: "2024-03-05", "2024/3/5 14:07", "2024.03.05 오후 2:07:09",
// "2024-03-05 PM 2:07:09", "24-03-05" (a two-digit year is 1930 to 2029). Nothing when no valid date
// leads the text.
std::optional<DateTime> ParseDateTime(std::string_view text);

// Calendar days from a to b (b later gives a positive number); time of day is ignored.
long long DaysBetween(const DateTime& a, const DateTime& b);
// Whole minutes from a to b.
long long MinutesBetween(const DateTime& a, const DateTime& b);
