#include "menu/menu_checks.h"

#include "catalog/download.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/launch.h"
#include "store/processes.h"
#include "store/registry.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kQuilletKey = "Software\\Quillet\\quil plus";
constexpr const char* kIdentityUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\체크온ID 삭제";

std::string ProgramFile(const std::string& name) { return JoinPath(TheApp().ProgramFolder, name); }

void OfferIdentityCheckInstall() {
  if (unsigned long running = GetProcessIdByName("pcbang1.exe")) KillProcess(running);
  if (!Confirm("명의도용 확인을 위해서는 CheckOnID를 설치해야 합니다.\r\nCheckOnID를 설치 하시겠습니까?", "CheckOnID"))
    return;
  std::string installer = ProgramFile("pcbang1.exe");
  RemoveFile(installer);
  std::string url = IdentityCheckDownloadUrl();
  if (url.empty() || !DownloadUrl(url, installer)) return ShowWarning("다운로드 실패!!");
  ShellOpen(installer, "", TheApp().ProgramFolder);
}
}  // namespace

void RegisterRunKey() {
  std::string agent = ProgramFile("TSLC_Ag.exe");
  RegWriteString(HKEY_LOCAL_MACHINE, kRunKey, "Tessel", agent);
  if (RegReadDword(HKEY_CURRENT_USER, kQuilletKey, "UseStartFix2") == 1)
    RegWriteString(HKEY_CURRENT_USER, std::string(kQuilletKey) + "\\StartFix\\HKLM-Run", "Tessel", agent);
}

PatchFlags ReadPatchFlags() {
  PatchFlags flags;
  std::string file = ProgramFile("tVer.ini");
  if (!FileExists(file)) return flags;
  flags.patchTool = true;
  std::string autoOn = Trim(RemoveNuls(ClsINI(file, "PATCH").OpenINI("A_On")));
  if (!autoOn.empty()) flags.autoPatch = autoOn == "1";
  return flags;
}

std::string IdentityCheckDownloadUrl() { return Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "CheckOnIdUrl")); }

void RunIdentityCheck() {
  std::string location = Trim(RemoveNuls(RegReadString(HKEY_LOCAL_MACHINE, kIdentityUninstallKey, "InstallLocation")));
  if (location.empty()) return OfferIdentityCheckInstall();
  ShellOpen(JoinPath(location, "CheckOnId.exe"), "", location);
}
