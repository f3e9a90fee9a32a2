#pragma once
// The answers of the patch server's two questions, and the rules over them. Portable.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/date_time.h"
#include "state/patch_records.h"

// 1 for Sunday .. 7 for Saturday.
int WeekdayNumber(const DateTime& date);

// "S/20240108^A01,A07/20240110^B03": fills the dates and codes of the days named; every date is
// cleared first. Entry 0 is marked as parsed only for an answer that begins with S or s and has a
// part after the status.
void ParseWeeklySchedule(std::string_view answer, std::array<ScheduleDay, 8>& schedule);

// "S^A01,C12": the codes under inspection; {""} for none or a failed answer.
std::vector<std::string> ParseInspectionList(std::string_view answer);

// False only when the inspection box is on and the code is listed.
bool IsPatchable(std::string_view code, int checkOn, const std::vector<std::string>& inspection);

// The day box ticked when none is: today, with Saturday and Sunday taken as Friday (6).
int TodayBox(int weekday);
