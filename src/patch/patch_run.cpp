#include "patch/patch_run.h"

#include <windows.h>

#include <cstdio>

#include "catalog/clock.h"
#include "patch/engine_files.h"
#include "patch/patch_data.h"
#include "patch/patch_server.h"
#include "state/app_state.h"
#include "store/agent_channel.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
std::string SkinFolder(const char* name) { return JoinPath(JoinPath(TheApp().ProgramFolder, "Skin"), name); }

std::string RunStamp(const DateTime& now) {
  char text[32];
  std::snprintf(text, sizeof(text), "%04d%02d%02d%02d%02d%02d", now.year, now.month, now.day, now.hour, now.minute,
                now.second);
  return text;
}

bool RegistryBackupOn() { return Trim(RemoveNuls(ClsINI(TheApp().EnvFile, "ENV").OpenINI("GPIRR"))) == "1"; }

// A log that is missing (again) reads as unreadable: nothing to follow this time.
std::optional<std::string> ReadLog(const std::string& file) {
  return FileExists(file) ? ReadPatchText(file) : std::nullopt;
}
}  // namespace

std::string RunLogFile(const std::string& name) { return JoinPath(SkinFolder("Log"), name + ".log"); }

bool StartRun(const std::vector<size_t>& games, RunSource source, int inspectionCheck) {
  CreateFolders(SkinFolder("Log"));
  CreateFolders(SkinFolder("htm\\abc"));
  DateTime now = LocalNow();
  std::string stamp = RunStamp(now);
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GPLAST", stamp);
  bool fromPanel = source == RunSource::PatchPanel;
  bool withRegistry = fromPanel && RegistryBackupOn();
  std::vector<const PatchDescriptor*> sent;
  std::string log;
  const auto& descriptors = TheApp().Patch.descriptors;
  for (size_t index : games) {
    if (index == 0 || index >= descriptors.size()) continue;
    const PatchDescriptor& game = descriptors[index];
    bool inspected = fromPanel && !IsPatchableNow(game.GCode, inspectionCheck);
    if (!inspected) sent.push_back(&game);
    log += RunLogSection(game, withRegistry, inspected ? FormatDateTime(now) : std::string());
  }
  WritePatchJob(sent);
  // Appended, never rewritten: the engine writes into the same file.
  WriteTextFile(RunLogFile(stamp), log, true, false);
  if (sent.empty() && fromPanel) {
    ShowMessageBox("선택한 게임은 현재 정기점검 중입니다!!", MB_OK | MB_ICONINFORMATION);
    return false;
  }
  RemoveFile(JoinPath(SkinFolder("htm\\abc"), stamp + ".txt"));
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPLoc", 0);
  SendToAgent("GPS", kAgentCommand);
  TheApp().LoginPurpose = "S";
  return true;
}

std::string CurrentRunLogFile() {
  std::string name = Trim(RemoveNuls(RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST")));
  return name.empty() ? std::string() : RunLogFile(name);
}

std::vector<RunRecord> LoadRun(const std::string& name) {
  // A run's name is a time stamp: nothing that leads out of the log folder.
  if (name.find_first_of("\\/:") != std::string::npos || name.find("..") != std::string::npos) return {RunRecord{}};
  std::string file = name.empty() ? CurrentRunLogFile() : RunLogFile(name);
  if (file.empty() || !FileExists(file)) return {RunRecord{}};
  return ParseRunLog(ReadLog(file).value_or(""));
}

bool FollowRunFile(const std::string& file, std::vector<RunRecord>& records) {
  auto text = ReadLog(file);
  if (!text) return false;
  std::vector<size_t> failed = FollowRunLog(*text, records);
  if (failed.empty()) return true;
  if (auto again = ReadLog(file)) RereadRunRecords(*again, records, failed);
  return true;
}
