#pragma once
// The process-wide state: one record that the entry routine fills and every module reads
// through TheApp(). Tests start each case with ResetApp().
#include <set>
#include <string>
#include <vector>

#include "state/catalog_records.h"
#include "store/client_settings.h"

// One program that Windows starts at logon.
struct StartupEntry {
  std::string name;     // Run value name
  std::string command;  // its command line
};

// One display mode the platform offers, with its text in the form of the Display setting.
struct DisplayMode {
  unsigned width = 0, height = 0, depth = 0, frequency = 0;
  std::string text;
};

// The disk-recovery module as the tray sees it.
struct RecoveryState {
  bool vdRcvrpLoadable = false, vdRcvrp2Loadable = false, lsrecnLoadable = false;
  char present = '0';    // a module is installed
  char suspended = '0';  // its protection is switched off
};

struct App {
  std::string ProgramFolder;  // folder of the running executable, no trailing backslash
  std::string EnvFile;        // ProgramFolder + "\env.mts"
  std::string SkinName = "Default";
  bool MenuReady = false;     // the tray menu is offered only once a menu window has loaded
  bool VConnect = false;      // the agent reports a server connection
  bool UnloadRequestedByName = false;
  std::string LoginPurpose;   // what the administrator login is asked to do
  std::string LoginResult;    // what it answered
  std::string AdminPassword;  // the administrator password, deciphered when the login loads
  std::string RecoveryModeCode;  // chosen in the recovery-mode dialog, "" when nothing was chosen
  std::string FileSetResult;     // the settings-file import: "OK" after a clean run that closed it, else "NO"
  ClientSettings Settings;    // read from env.mts; holds ltype
  bool DstartfixActive = false;           // the fix-up program restores the desktop at next logon
  std::vector<DisplayMode> DisplayModes;  // the listed modes, filled once per process
  bool DisplayModesFilled = false;
  bool MenuUnloadAllowed = false;         // lets the menu windows unload for real (layout switch)
  RecoveryState Recovery;
  // The catalog lists count from 1; slot 0 is the unused (categories, games) or header (launchers) slot.
  std::vector<Category> Categories{1};
  std::vector<GameEntry> GameEntries{1};
  std::vector<GameLauncherEntry> GameLaunchers{1};
  std::set<std::string> ListedTitles;  // upper-cased titles already in the open menu list
  std::vector<StartupEntry> MachineStartup, UserStartup;
};

App& TheApp();
// Drops the current state and starts from a fresh record.
App& ResetApp();
