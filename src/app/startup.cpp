#include "app/startup.h"

#include <windows.h>
#include <commctrl.h>

#include "app/agent_wiring.h"
#include "app/frm_tray.h"
#include "app/single_instance.h"
#include "catalog/categories.h"
#include "catalog/game_entries.h"
#include "catalog/game_launchers.h"
#include "catalog/game_list.h"
#include "menu/classic_menu.h"
#include "menu/launcher.h"
#include "skin/skinned_menus.h"
#include "state/app_state.h"
#include "state/game_data_folder.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "store/wait.h"
#include "ui/error_trap.h"
#include "upkeep/client_settings_file.h"

void OpenMenuWindows(int ltype) {
  switch (ltype) {
    case 0:
      OpenFrmMain();
      break;
    case 1:
    case 2:
      RunTrapped("start-up: game entries", LoadGameEntries);
      ltype == 1 ? ShowFrmMain4() : ShowFrmMain3();
      ShowFrmMain2();
      break;
    default:
      break;  // only the tray agent runs
  }
}

// Each step runs in the error trap: a file that makes one step fail (a corrupt Game.mts, say) ends
// that step, and the program still starts with what the others left.
bool RunStartup(const std::string& arguments) {
  App& app = TheApp();
  app.ProgramFolder = ExecutableFolder();

  RunTrapped("start-up: CDGame", [&] {
    RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Harrow\\CDGame", "szDir", app.ProgramFolder);
    RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Harrow\\CDGame", "szFile", "TSLC.exe");
  });
  RunTrapped("start-up: command line", [&] {
    if (!TrimSpaces(arguments).empty()) StartGameByArgument(arguments);
  });

  if (!ClaimSingleInstance()) return false;

  app.MenuReady = false;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  app.EnvFile = app.ProgramFolder + "\\env.mts";

  RunTrapped("start-up: first catalog", [] {
    if (FileExists(JoinPath(GetGameDataFolder(), "Game.mts"))) return;
    UpdateGameList();
    ScanInstalledGames(true);
    WriteDefaultCategories();
  });

  app.SkinName = "Default";
  RunTrapped("start-up: categories", LoadCategories);

  app.Settings = ClientSettings{};
  RunTrapped("start-up: client settings", LoadClientSettings);
  RunTrapped("start-up: game launchers", LoadGameLaunchers);

  RunTrapped("start-up: agent receivers", ConnectAgentReceivers);
  TheFrmTray().Load();
  DoEvents();

  OpenMenuWindows(app.Settings.ltype);
  return true;
}
