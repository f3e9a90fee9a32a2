#include "menu/cd_key.h"

#include "store/files.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
constexpr const char* kStarCraftKey = "SOFTWARE\\Blizzard Entertainment\\Starcraft";
constexpr const char* kDiablo2Key = "SOFTWARE\\Blizzard Entertainment\\Diablo II";
constexpr const char* kWarcraft3Key = "Software\\Blizzard Entertainment\\Warcraft III";

CdKeySwitches& Switches() {
  static CdKeySwitches switches;
  return switches;
}

std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

struct GameKey {
  HKEY hive;
  const char* key;
  std::string Read(const char* name) const { return RegReadString(hive, key, name); }
  void Write(const char* name, const std::string& value) const { RegWriteString(hive, key, name, value); }
};

// StarCraft and Diablo II: the program, or at least its folder.
void RegisterMachineGame(const GameKey& game, const std::string& target, const std::string& folder) {
  if (game.Read("Program").empty()) {
    game.Write("Program", target);
    game.Write("InstallPath", folder);
  } else if (game.Read("InstallPath").empty()) {
    game.Write("InstallPath", folder);
  }
}

void RegisterWarcraft3(const std::string& target, const std::string& folder, bool hasWar3) {
  GameKey game{HKEY_CURRENT_USER, kWarcraft3Key};
  if (game.Read("Program").empty()) {
    if (hasWar3) {
      game.Write("Program", target);
      game.Write("InstallPath", folder);
    }
  } else if (game.Read("InstallPath").empty() && hasWar3) {
    game.Write("InstallPath", folder);
  }
}

void RegisterFrozenThrone(const std::string& target, const std::string& folder, bool hasWar3) {
  GameKey game{HKEY_CURRENT_USER, kWarcraft3Key};
  if (!hasWar3) return;
  std::string reignOfChaos = JoinPath(folder, "Warcraft III.exe");
  if (game.Read("ProgramX").empty()) {
    game.Write("ProgramX", target);
    game.Write("InstallPath", folder);
    game.Write("InstallPathX", folder);
    if (game.Read("Program").empty()) game.Write("Program", reignOfChaos);
    return;
  }
  if (game.Read("Program").empty()) game.Write("Program", reignOfChaos);
  if (game.Read("InstallPath").empty()) {
    game.Write("InstallPath", folder);
    game.Write("InstallPathX", folder);
  }
}
}  // namespace

const CdKeySwitches& CdKeyMode() { return Switches(); }

bool ReadCdKeyMode() {
  CdKeySwitches& switches = Switches();
  std::string autoKey = Trim(RegReadString(HKEY_CURRENT_USER, kCdKeyKey, "AutoKey"));
  if (autoKey.size() != 5 || autoKey[0] != '1') return false;
  switches.connected = Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VConnect")) == "1";
  if (!switches.connected) return false;
  if (autoKey.substr(1, 3) == "000") return false;
  auto on = [](char digit) { return ParseLeadingNumber(std::string(1, digit)) != 0; };
  switches.starCraft = on(autoKey[1]);
  switches.warcraft3 = on(autoKey[2]);
  switches.diablo2 = on(autoKey[3]);
  return true;
}

void RegisterGameInstall(const std::string& code, const std::string& targetPath) {
  std::string folder = FolderOf(targetPath);
  bool hasWar3 = FileExists(JoinPath(folder, "war3.exe"));
  if (code == "SC") RegisterMachineGame({HKEY_LOCAL_MACHINE, kStarCraftKey}, targetPath, folder);
  if (code == "D2") RegisterMachineGame({HKEY_LOCAL_MACHINE, kDiablo2Key}, targetPath, folder);
  if (code == "W3") RegisterWarcraft3(targetPath, folder, hasWar3);
  if (code == "FT") RegisterFrozenThrone(targetPath, folder, hasWar3);
  RegWriteString(HKEY_CURRENT_USER, kCdKeyKey, "GAME", targetPath);
}
