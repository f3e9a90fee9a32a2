#pragma once
// The files exchanged with the patch engine VdGp.exe, which sits in the program folder: the job
// file in the system folder, and the install scan's request and answer in the engine's folder.
#include <string>
#include <vector>

#include "state/patch_records.h"

std::string PatchEngineFolder();
// <system folder>\ziriv.gpi
std::string PatchJobFile();

// Replaces the job file in one step with one section per game, in order.
bool WritePatchJob(const std::vector<const PatchDescriptor*>& games);

// <folder>\Ziriv.gpi for every descriptor record; the old request and answer are removed first.
void WriteInstallScanRequest(const std::string& folder);
// Takes the engine's answer: GPDir values, the owners' Path1 of games with manual paths (GP_Mod.ini
// rebuilt in one step), the 설치된 게임목록 group; then removes the answer, sets dwGSH and lays the
// module settings over the table again.
void ReadInstallScan(const std::string& file);
// The whole scan: request, the engine run with -isinstall2 (waited for while window messages
// run), answer.
void RunInstallScan();

// The registry key of the install paths the scan found, one string value per game.
inline constexpr const char* kInstallPathsKey = "SOFTWARE\\Orbix\\Tessel\\GPDir";
inline constexpr const char* kEngineStateKey = "SOFTWARE\\TRELANE\\VdGp\\CONFIG";
inline constexpr const char* kInstalledGroupName = "설치된 게임목록";
