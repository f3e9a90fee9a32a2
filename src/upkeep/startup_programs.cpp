#include "upkeep/startup_programs.h"

#include <set>

#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string StartListFile() {
  std::string inSkin = JoinPath(TheApp().ProgramFolder, "Skin\\StartN.mts");
  return FileExists(inSkin) ? inSkin : JoinPath(TheApp().ProgramFolder, "StartN.mts");
}

void WriteList(HKEY hive, const std::vector<StartupEntry>& list) {
  for (const auto& entry : list) RegWriteString(hive, kRunKey, entry.name, entry.command);
}
}  // namespace

void BuildStartupList(const std::string& hive) {
  App& app = TheApp();
  if (hive != "HKLM" && hive != "HKCU") return;
  auto& list = hive == "HKLM" ? app.MachineStartup : app.UserStartup;
  list.clear();
  if (hive == "HKLM") list.push_back({"Tessel", JoinPath(app.ProgramFolder, "TSLC_Ag.exe")});

  ClsINI ini(StartListFile(), "START");
  auto keys = ini.KeyList();
  if (!keys) return;
  for (const auto& key : *keys) {
    std::string command = Trim(RemoveNuls(ini.OpenINI(key)));
    // The agent is started by the machine list's own first entry.
    if (ToLowerAscii(command).find("tslc_ag.exe") == std::string::npos) list.push_back({key, command});
  }
}

void WriteStartupLists() {
  WriteList(HKEY_CURRENT_USER, TheApp().UserStartup);
  WriteList(HKEY_LOCAL_MACHINE, TheApp().MachineStartup);
}

void PruneMachineStartup() {
  std::set<std::string> kept;
  for (const auto& entry : TheApp().MachineStartup) kept.insert(ToUpperAscii(Trim(entry.name)));
  for (const auto& value : RegListValues(HKEY_LOCAL_MACHINE, kRunKey))
    if (!kept.contains(ToUpperAscii(Trim(value.name)))) RegDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, value.name);
}
