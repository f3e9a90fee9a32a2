#pragma once
// The run log (Skin\Log\<stamp>.log): one section per game, written by us when the run starts
// and completed by the engine with STime, ETime and STATE. Portable: no windows.h.
#include <string>
#include <string_view>
#include <vector>

#include "state/patch_records.h"

// More sections than any run has; later ones are not shown.
inline constexpr size_t kMaxPatchGamesInRun = 20000;

struct RunRecord {
  std::string section, gname, stime, etime, state;
};

// The records in log order, from index 1 (slot 0 empty); keys without regard to case.
std::vector<RunRecord> ParseRunLog(std::string_view text);

// Copies STime, ETime and STATE from the log into every record that has no state yet, taking each
// section's first occurrence as the profile functions do. Returns the records whose state is F
// now (the engine may still be rewriting them).
std::vector<size_t> FollowRunLog(std::string_view text, std::vector<RunRecord>& records);
// Copies the three values again into the given records only.
void RereadRunRecords(std::string_view text, std::vector<RunRecord>& records, const std::vector<size_t>& which);

// 성공, 실패, ... for a state; 진행중 for a started game without one; "" otherwise.
std::string OutcomeWord(const RunRecord& record);
// F (failed) and C (stopped) may be run again.
bool GoesToRetryList(const RunRecord& record);

// The section this program writes for a game when the run starts. reg1/reg2 only when asked; an
// inspected game is closed at once as T with both times given.
std::string RunLogSection(const PatchDescriptor& game, bool withRegistry, const std::string& inspectedAt = {});
