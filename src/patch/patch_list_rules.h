#pragma once
// What the patch panel's list shows and which starts it refuses. Portable: no windows.h.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "patch/group_rules.h"
#include "state/patch_records.h"

// Columns 2 and 3: the limit and category, or the account and its password mask.
enum class PatchColumns { Limits, Account };

// The tab chosen: every game, games without account, account games, or one group's members.
struct PatchTab {
  enum class Kind { All, Normal, Login, Group } kind = Kind::All;
  std::string groupData;  // Data of the group, for Kind::Group
};

// The tabs in order: 전체목록, 비 로그인 게임, 로그인 게임, then one per group.
std::vector<std::string> PatchTabCaptions(const std::vector<PatchGroup>& groups);
PatchTab PatchTabAt(size_t index, const std::vector<PatchGroup>& groups);

// The synchronisation mode hides games with sync 2 when off and games with sync 0 (or none) when on.
bool IsListed(const PatchDescriptor& game, const PatchTab& tab, bool syncMode);

inline constexpr size_t kPatchListColumns = 10;
// Column texts: 0 name, 1 path1, 2 and 3 by the mode, 4 timer, 7 path2, 8 the record index,
// 9 "1" for a game ticked by the schedule; 5 and 6 stay empty.
std::array<std::string, kPatchListColumns> PatchRowTexts(const PatchDescriptor& game, size_t index,
                                                          PatchColumns columns, size_t passwordLength);
std::array<std::string, 4> PatchColumnHeaders(PatchColumns columns);

// The refusal of a start from the panel ("" to start): nothing ticked, an account game without ID,
// or a game whose ID the server checks while there is no connection.
std::string StartRefusal(const std::vector<const PatchDescriptor*>& ticked,
                         const std::vector<std::string>& serverCheckedGames, bool connected);

// The games due on the ticked days (indexes 2 to 6 of the schedule): true for each game whose
// GCode is among the codes of a ticked day that has a date and a first code.
bool IsDue(const PatchDescriptor& game, const std::array<bool, 8>& tickedDays,
           const std::array<ScheduleDay, 8>& schedule);

// The day box caption: 월요일 .. 금요일, with "(<date>)" when the schedule names that day.
std::string DayBoxCaption(int weekday, const ScheduleDay& day);

// The path editors' replace: refusal text, "" when the search and replacement may be used.
std::string ReplaceRefusal(std::string_view search, std::string_view replacement);
// The path with every occurrence of search replaced (case ignored).
std::string ReplaceInPath(std::string_view path, std::string_view search, std::string_view replacement);

// The panel's wait for the agent's fresh descriptor archive, one tick a second from count 1:
// the agent's GPD of 1 or more loads at once; at the fourth tick the archive is loaded if it is
// there and reported missing if not.
enum class DescriptorWait { KeepWaiting, Load, Missing };
DescriptorWait DescriptorWaitTick(int& count, unsigned gpd, bool archiveExists);
