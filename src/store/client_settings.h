#pragma once
// The owner's client settings, read from env.mts: one "key=value" per line, keys without regard
// to case, later lines overriding earlier ones.
#include <string>
#include <string_view>

struct ClientSettings {
  std::string DelOption = "0";      // desktop clean-up mode at shutdown: "1", "2" or "3"
  std::string DeskFix = "0";        // "1": the desktop is restored at shutdown
  std::string DisplayOption = "0";  // "1": apply Display, mouse and keyboard settings
  std::string Display = "1024×768,32bit,60Hz";
  std::string Mouse = "0";
  std::string MouseSpeed = "10";
  std::string KeyBoard = "0";
  std::string KeyBoardDelay = "0";
  std::string KeyBoardSpeed = "31";
  std::string MVD;
  std::string Wallpaper = "0";
  std::string WallPath;
  std::string WallLoc = "0";
  std::string WallBMP;
  std::string BGIMG = " ";
  int FontColor = 0;
  std::string Fixed = "00";         // position-fixing switches of the menu windows
  std::string MLogo;
  std::string Start = "0";          // start-up program mode
  int ltype = 0;                    // menu layout: 0 classic, 1 and 2 skinned, anything else none
  int gameexe = 0;
};

// Applies one line of env.mts to the settings. Returns the key it set, lower case, or "" for a
// line that sets nothing (no "=", unknown key, number out of range).
std::string ApplySettingLine(ClientSettings& settings, std::string_view line);
