#include "patch/engine_files.h"

#include <windows.h>

#include "patch/engine_texts.h"
#include "patch/patch_data.h"
#include "patch/patch_groups.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini_text.h"
#include "store/launch.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "upkeep/windows_folders.h"

namespace {
// Path1 of every installed game with a manual path into GP_Mod.ini, the file rebuilt aside.
void StoreInstallPaths(const std::vector<InstalledGame>& games) {
  auto text = ReadPatchText(ModuleSettingsFile());
  if (!text) return;
  IniText settings(*text);
  bool changed = false;
  for (const InstalledGame& game : games) {
    size_t index = FindDescriptor(game.in_name);
    if (index && TheApp().Patch.descriptors[index].autoPathFlag == '1') continue;
    settings.SetValue(game.in_name, "Path1", game.path);
    changed = true;
  }
  if (changed) WriteTextFile(ModuleSettingsFile(), settings.Text(), false, false);
}
}  // namespace

std::string PatchEngineFolder() { return TheApp().ProgramFolder; }

std::string PatchJobFile() { return JoinPath(ToolSystemFolder(), "ziriv.gpi"); }

bool WritePatchJob(const std::vector<const PatchDescriptor*>& games) {
  return WriteTextFile(PatchJobFile(), PatchJobText(games), false, false);
}

void WriteInstallScanRequest(const std::string& folder) {
  RemoveFile(JoinPath(folder, "Ziriv.gpi"));
  RemoveFile(JoinPath(folder, "gpstate.ini"));
  WriteTextFile(JoinPath(folder, "Ziriv.gpi"), InstallScanRequestText(TheApp().Patch.descriptors), false, false);
}

void ReadInstallScan(const std::string& file) {
  std::vector<InstalledGame> games;
  if (auto text = ReadPatchText(file)) games = ParseInstallScan(*text);
  std::string members;
  for (const InstalledGame& game : games) {
    RegWriteString(HKEY_CURRENT_USER, kInstallPathsKey, game.in_name, game.path);
    members += game.in_name + ",";
  }
  StoreInstallPaths(games);
  if (!members.empty()) StoreGroupMembers(kInstalledGroupName, members);
  RemoveFile(file);
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "dwGSH", 1);
  LoadModuleSettings();
  ApplyAllModuleSettings();
}

void RunInstallScan() {
  std::string folder = PatchEngineFolder();
  WriteInstallScanRequest(folder);
  RegWriteDword(HKEY_LOCAL_MACHINE, kEngineStateKey, "dwState", 0);
  LaunchRequest engine;
  engine.road = LaunchRequest::Road::Direct;
  engine.file = "\"" + JoinPath(folder, "VdGp.exe") + "\" -isinstall2";
  engine.folder = folder;
  RunToCompletion(engine);
  ReadInstallScan(JoinPath(folder, "gpstate.ini"));
}
