#pragma once
// The process-wide state: one record that the entry routine fills and every module reads
// through TheApp(). Tests start each case with ResetApp().
#include <string>

#include "store/client_settings.h"

struct App {
  std::string ProgramFolder;  // folder of the running executable, no trailing backslash
  std::string EnvFile;        // ProgramFolder + "\env.mts"
  std::string SkinName = "Default";
  bool MenuReady = false;     // the tray menu is offered only once a menu window has loaded
  bool VConnect = false;      // the agent reports a server connection
  bool UnloadRequestedByName = false;
  std::string LoginPurpose;   // what the administrator login is asked to do
  std::string LoginResult;    // what it answered
  ClientSettings Settings;    // read from env.mts; holds ltype
};

App& TheApp();
// Drops the current state and starts from a fresh record.
App& ResetApp();
