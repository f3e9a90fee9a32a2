#pragma once
// The product service's daily game list (Skin\GameLst.ini) and the scan that turns the games
// installed on this PC into entries of Game.mts.
#include <string>
#include <utility>
#include <vector>

#include "catalog/game_entries.h"

// At most once per calendar day (registry GLTime): downloads the game list from the update host.
void UpdateGameList();
// At most once every 3 minutes (registry GELTime): downloads the shortcut address list "list".
void UpdateShortcutUrlList();

// The records of a game list file: Key = section, WorkDir = path, Group = ganre, Gubn = type, and
// Process, InsChk, Url, Date. Records without a title are dropped.
std::vector<GameEntry> ReadGameList(const std::string& path);

// all: examine every listed game and append entries (the first build of Game.mts); otherwise only
// records dated on or after the last scan day, written as updates.
void ScanInstalledGames(bool all);

// An existing folder gives (folder, ""), an existing file (its folder, its name); else ("", "").
std::pair<std::string, std::string> SplitFolderAndFile(const std::string& path);
// The first of two icon candidates that exists, else folder\file (file known) or folder\process.
std::string ResolveIcon(const std::string& folder, const std::string& iconList, const std::string& process,
                        const std::string& file);

// Empties \Bmp and the category folders so that they are rebuilt.
void ClearIconFolders();
