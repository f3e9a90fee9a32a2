#include "catalog/date_time.h"

#include <cstdio>
#include <vector>

namespace {
// Days since 1970-01-01 of a proleptic Gregorian date.
long long DayNumber(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The runs of digits in the text, and whether an afternoon or morning marker stands in it.
struct Numbers {
  std::vector<int> values;
  size_t firstDigits = 0;  // how many digits the first number was written with
  bool afternoon = false, morning = false;
};

Numbers ReadNumbers(std::string_view text) {
  Numbers found;
  for (size_t i = 0; i < text.size() && found.values.size() < 6;) {
    if (IsDigit(text[i])) {
      long long value = 0;
      size_t start = i;
      for (; i < text.size() && IsDigit(text[i]); ++i)
        if (value < 100000) value = value * 10 + (text[i] - '0');
      if (found.values.empty()) found.firstDigits = i - start;
      found.values.push_back(static_cast<int>(value));
      continue;
    }
    std::string_view rest = text.substr(i);
    if (rest.starts_with("오후") || rest.starts_with("PM") || rest.starts_with("pm")) found.afternoon = true;
    if (rest.starts_with("오전") || rest.starts_with("AM") || rest.starts_with("am")) found.morning = true;
    ++i;
  }
  return found;
}

// A year written with one or two digits, as short date formats do: 00 to 29 are 2000 to 2029,
// 30 to 99 are 1930 to 1999, as Windows reads them by default.
int FullYear(int year, size_t digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

bool ValidDate(int y, int m, int d) {
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d > kDays[m - 1]) return false;
  bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m != 2 || d <= 28 || leap;
}
}  // namespace

std::string FormatDate(const DateTime& when) {
  char text[16];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d", when.year, when.month, when.day);
  return text;
}

std::string FormatDateTime(const DateTime& when) {
  char text[16];
  std::snprintf(text, sizeof(text), " %02d:%02d:%02d", when.hour, when.minute, when.second);
  return FormatDate(when) + text;
}

std::optional<DateTime> ParseDateTime(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  if (start == text.size() || !IsDigit(text[start])) return std::nullopt;
  Numbers numbers = ReadNumbers(text.substr(start));
  if (numbers.values.size() < 3) return std::nullopt;
  DateTime when;
  when.year = FullYear(numbers.values[0], numbers.firstDigits);
  when.month = numbers.values[1];
  when.day = numbers.values[2];
  if (!ValidDate(when.year, when.month, when.day)) return std::nullopt;
  auto at = [&](size_t i) { return i < numbers.values.size() ? numbers.values[i] : 0; };
  when.hour = at(3) % 24;
  when.minute = at(4) % 60;
  when.second = at(5) % 60;
  if (numbers.afternoon && when.hour < 12) when.hour += 12;
  if (numbers.morning && when.hour == 12) when.hour = 0;
  return when;
}

long long DaysBetween(const DateTime& a, const DateTime& b) {
  return DayNumber(b.year, b.month, b.day) - DayNumber(a.year, a.month, a.day);
}

long long MinutesBetween(const DateTime& a, const DateTime& b) {
  return DaysBetween(a, b) * 1440 + (b.hour * 60 + b.minute) - (a.hour * 60 + a.minute);
}
