#include "patch/schedule_rules.h"

#include "store/text_util.h"

namespace {
bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// "YYYYMMDD" as a date, when it is one.
bool ReadCompactDate(std::string_view text, DateTime& date) {
  if (text.size() != 8 || !AllDigits(text)) return false;
  date = {};
  date.year = static_cast<int>(ParseLeadingNumber(text.substr(0, 4)));
  date.month = static_cast<int>(ParseLeadingNumber(text.substr(4, 2)));
  date.day = static_cast<int>(ParseLeadingNumber(text.substr(6, 2)));
  return date.year >= 1 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}
}  // namespace

int WeekdayNumber(const DateTime& date) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int year = date.month < 3 ? date.year - 1 : date.year;
  int sunday0 = (year + year / 4 - year / 100 + year / 400 + offsets[(date.month - 1) % 12] + date.day) % 7;
  return sunday0 + 1;
}

void ParseWeeklySchedule(std::string_view answer, std::array<ScheduleDay, 8>& schedule) {
  for (ScheduleDay& day : schedule) day.date.clear();
  if (answer.empty() || (answer.front() != 'S' && answer.front() != 's')) return;
  std::vector<std::string> parts = Split(answer, '/');
  if (parts.size() < 2) return;
  for (size_t i = 1; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    std::vector<std::string> pieces = Split(parts[i], '^');
    DateTime date;
    if (!ReadCompactDate(pieces[0], date)) continue;
    ScheduleDay& day = schedule[static_cast<size_t>(WeekdayNumber(date))];
    day.date = FormatDate(date);
    day.codes = pieces.size() > 1 ? Split(pieces[1], ',') : std::vector<std::string>{""};
  }
  schedule[0] = {"1", {""}};
}

std::vector<std::string> ParseInspectionList(std::string_view answer) {
  if (answer.empty() || (answer.front() != 'S' && answer.front() != 's')) return {""};
  std::vector<std::string> pieces = Split(answer, '^');
  if (pieces.size() < 2 || Trim(pieces[1]).empty()) return {""};
  return Split(pieces[1], ',');
}

bool IsPatchable(std::string_view code, int checkOn, const std::vector<std::string>& inspection) {
  if (checkOn <= 0) return true;
  if (inspection.size() == 1 && Trim(inspection[0]).empty()) return true;
  std::string wanted = Trim(code);
  for (const std::string& listed : inspection)
    if (Trim(listed) == wanted) return false;
  return true;
}

int TodayBox(int weekday) { return weekday == 1 || weekday == 7 ? 6 : weekday; }
