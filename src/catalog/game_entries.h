#pragma once
// Game.mts: the owner's game entries, one section per menu icon.
#include <string>
#include <vector>

#include "state/catalog_records.h"

// Game.mts in the game data folder.
std::string GameEntryFile();

// More than any PC room has, and few enough to hold: a damaged file reads no further.
inline constexpr size_t kMaxGameEntries = 100'000;

// The entries of Game.mts (slot 0 unused) in file order, at most kMaxGameEntries of them; a
// missing file gives slot 0 only.
std::vector<GameEntry> ReadGameEntries();
// Fills TheApp().GameEntries with them.
void LoadGameEntries();

// The eight fields Game.mts holds for an entry, section name aside, are the same.
bool SameWrittenFields(const GameEntry& a, const GameEntry& b);

// append: adds the section at the end of the file; otherwise creates or updates section key in place.
void WriteGameEntry(const std::string& key, const std::string& title, const std::string& gname,
                    const std::string& targetPath, const std::string& workDir, const std::string& args,
                    const std::string& group, const std::string& gubn, const std::string& icon, bool append);
