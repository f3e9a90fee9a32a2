#pragma once
// GameExe.ini: which menu titles start through the game-launcher program, and its switches.
#include <string>

struct GameLauncherEntry {
  std::string Name;      // section name; "ENV" in slot 0
  short State = 0;       // 1 in use
  short Rank = 0;        // 99 unused
  std::string Path;      // slot 0: the eight switches joined with "|"
  std::string TestPath;
  std::string ETitle;    // comma-separated menu titles, case ignored
  std::string URL;
  std::string Args;
  std::string Gubn;      // group "1" or "2"
};

// Fills TheApp().GameLaunchers: slot 0 the switches, then one entry per other section.
void LoadGameLaunchers();
