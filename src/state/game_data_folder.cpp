#include "state/game_data_folder.h"

#include <windows.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_util.h"

std::string GetGameDataFolder() {
  std::string folder = Trim(RegReadString(HKEY_CURRENT_USER, "Software\\Harrow\\Game", "szPath"));
  if (!folder.empty() && FileExists(JoinPath(folder, "Game.mts"))) return folder;
  return TheApp().ProgramFolder;
}
