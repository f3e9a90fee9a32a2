#include "upkeep/pc_upkeep.h"

#include <windows.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "upkeep/desktop_upkeep.h"
#include "upkeep/display_settings.h"
#include "upkeep/startup_programs.h"
#include "upkeep/windows_folders.h"

namespace {
constexpr const char* kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kFixProgram = "Dstartfix.exe";

void WriteKelpPath() {
  RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\KELP", "Path", TheApp().ProgramFolder);
}

// Puts the fix-up program into the Windows folder and has it run once at the next logon.
void ArmFixProgram() {
  std::string windows = ToolWindowsFolder();
  std::string installed = JoinPath(windows, kFixProgram);
  std::string shipped = JoinPath(TheApp().ProgramFolder, std::string("Skin\\") + kFixProgram);
  if (!FileExists(installed) && FileExists(shipped))
    CopyFileW(Widen(shipped).c_str(), Widen(installed).c_str(), FALSE);
  RegWriteString(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix", installed + " /DESKCR");
  TheApp().DstartfixActive = true;
}

bool DesktopNeedsFixing(const ClientSettings& settings) {
  return settings.DeskFix == "1" || settings.DelOption != "0";
}

void CleanBothDesktops(const std::string& mode) {
  CleanDesktop(GetSpecialFolder(25), mode);
  CleanDesktop(GetUserDesktopFolder(), mode);
}
}  // namespace

void WriteHangTimeouts() {
  RegWriteString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout", "5000");
  RegWriteString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout", "10000");
}

void ApplyShutdownTimeouts() {
  WriteHangTimeouts();
  RegDeleteValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Policies\\Microsoft\\Windows\\System", "ProfileUnloadTimeout");
  NetworkToolCheck();
}

void NetworkToolCheck() {
  if (IsProcessRunning("NETCMDCLIENT.EXE") || IsProcessRunning("NETCMDSYS.EXE")) {
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "CltMgr", "1");
    ArmFixProgram();
    WriteKelpPath();
  } else {
    TheApp().DstartfixActive = false;
  }
}

void StartupFix() {
  NetworkToolCheck();
  std::string cltMgr = RegReadString(HKEY_CURRENT_USER, kTesselKey, "CltMgr");
  WriteKelpPath();
  if (cltMgr == "1" && DesktopNeedsFixing(TheApp().Settings)) {
    ArmFixProgram();
  } else {
    TheApp().DstartfixActive = false;
    RegDeleteValue(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix");
  }
}

void ApplyInputSettings() {
  const ClientSettings& settings = TheApp().Settings;
  if (settings.Mouse == "1") {
    RegWriteString(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity", settings.MouseSpeed);
    auto speed = static_cast<UINT_PTR>(ParseLeadingNumber(settings.MouseSpeed));
    SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(speed), 0);
  }
  if (settings.KeyBoard == "1") {
    RegWriteString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay", settings.KeyBoardDelay);
    RegWriteString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardSpeed", settings.KeyBoardSpeed);
  }
}

void ShutdownUpkeep() {
  const ClientSettings& settings = TheApp().Settings;
  ApplyDisplayIfWanted();
  if (settings.DeskFix == "1") {
    if (!TheApp().DstartfixActive) RestoreDesktop();
  } else if (settings.DelOption == "1" || settings.DelOption == "2" || settings.DelOption == "3") {
    CleanBothDesktops(settings.DelOption);
  }
  ApplyInputSettings();
  if (settings.Start == "2") {
    BuildStartupList("HKLM");
    BuildStartupList("HKCU");
    WriteStartupLists();
    PruneMachineStartup();
  }
}
