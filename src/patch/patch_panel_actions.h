#pragma once
// What the patch panel's buttons do to the patch data, apart from the window: games are
// descriptor record indexes, in list order. Refusals are told to the owner here.
#include <string>
#include <vector>

// The panel opens: GPD set to 0 and the agent asked for a fresh descriptor archive.
void AskForDescriptorArchive();

// My패치 groups: each game's in_name added (unless present) or removed.
void AddGamesToGroup(const std::string& section, const std::vector<size_t>& games);
void RemoveGamesFromGroup(const std::string& section, const std::vector<size_t>& games);

// The path editors, for games with manual paths: back to the descriptor's paths, or a text
// replaced in both paths. The changed paths go into GP_Mod.ini, rebuilt in one step.
void RestoreDescriptorPaths(const std::vector<size_t>& games);
void ReplaceInInstallPaths(const std::vector<size_t>& games, const std::string& search, const std::string& replacement);

// The game sync: checks the connection and the chosen server (index 0 is none), writes the job
// and asks the agent; false when refused or nothing was written.
bool StartGameSync(bool connected, int serverIndex, const std::string& server, int option,
                   const std::vector<size_t>& games);
