#pragma once
// A patch run: the job file and run log written, the engine asked for through the agent ("GPS"),
// and the run log read back while the engine fills it in.
#include <string>
#include <vector>

#include "patch/run_log_rules.h"

enum class RunSource { RunWindow, PatchPanel };

// Skin\Log\<name>.log
std::string RunLogFile(const std::string& name);

// Starts a run of the descriptor records given (indexes, in list order). Runs from the patch
// panel skip games under inspection (inspectionCheck is the panel's inspection box), logging them
// as T, and back up registry entries when the owner asked for it. True when GPS was sent; false
// (after telling the owner) when every game is under inspection.
bool StartRun(const std::vector<size_t>& games, RunSource source, int inspectionCheck = 0);

// The run log named (GPLAST when empty) as records from 1; none when there is no such log.
std::vector<RunRecord> LoadRun(const std::string& name);
// The file of the run that LoadRun("") reads; "" when GPLAST is empty.
std::string CurrentRunLogFile();

// One follow step over the log file: fills the records still open, reading the log once more
// when a game just failed. False when the log could not be read this time.
bool FollowRunFile(const std::string& file, std::vector<RunRecord>& records);
