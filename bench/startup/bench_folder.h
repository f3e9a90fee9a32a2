#pragma once
// The program folder the start-up benchmark measures: twenty shown categories, 500 game entries
// and 300 shortcuts in the first category.
#include <string>

inline constexpr int kBenchCategories = 20;
inline constexpr int kBenchEntries = 500;
inline constexpr int kBenchShortcuts = 300;

// Writes Skin\Vdcate.ini, Game.mts and the shortcuts into folder (the skin is drawn beforehand).
void PrepareBenchFolder(const std::string& folder);
