#pragma once
// CD-key handout: the cafe hands out the keys of StarCraft, Warcraft III and Diablo II through the
// agent, which starts those games itself once it knows where they are installed.
#include <string>

struct CdKeySwitches {
  bool connected = false;
  bool starCraft = false, warcraft3 = false, diablo2 = false;
};

// The switches as ReadCdKeyMode left them.
const CdKeySwitches& CdKeyMode();

// True when the handout applies (AutoKey on for at least one game and the agent connected);
// sets the switches as a side effect.
bool ReadCdKeyMode();

// Writes the install-path values a game lacks ("SC", "W3", "FT", "D2"), then GAME = targetPath.
void RegisterGameInstall(const std::string& code, const std::string& targetPath);

inline constexpr const char* kCdKeyKey = "SOFTWARE\\Orbix\\Tessel\\CKEY";
inline constexpr const char* kCdGameKey = "SOFTWARE\\Harrow\\CDGame";
