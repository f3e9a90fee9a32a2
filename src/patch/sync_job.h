#pragma once
// The synchronisation job skin\csync.log, rewritten per job in one step.
#include <string>
#include <vector>

std::string SyncJobFile();
// The header for the server and option, then one line per game (descriptor indexes). Returns the
// number of games written.
size_t WriteSyncJob(const std::string& server, int option, const std::vector<size_t>& games);
