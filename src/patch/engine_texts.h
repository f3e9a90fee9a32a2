#pragma once
// The texts handed to the patch engine and taken back from it: the patch job, the install scan
// request and the scan's answer (gpstate.ini). Portable: no windows.h.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "state/patch_records.h"

// One [GPI_<n>] section per game, n from 0, CR LF line ends; no info, sync, category or limit.
std::string PatchJobText(const std::vector<const PatchDescriptor*>& games);

// One [GPI_<i-1>] section per record 1..N with the game's key, paths, module and base folder.
std::string InstallScanRequestText(const std::vector<PatchDescriptor>& descriptors);

struct InstalledGame {
  std::string in_name, path;
};
// Lines "<in_name>,<path>" with "/" read as "\" and doubled backslashes made single; lines
// without a path are not installed games.
std::vector<InstalledGame> ParseInstallScan(std::string_view text);
