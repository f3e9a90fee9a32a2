#include "catalog/game_launchers.h"

#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/text_util.h"

namespace {
constexpr const char* kSwitches[] = {"GameTalk", "NCTalk",        "TalkOn",       "VoiceTalk",
                                     "FastPing", "GameGrabber",   "VirtualDrive", "NoFolderView"};

std::string Clean(const std::string& value) { return Trim(RemoveNuls(value)); }

std::string JoinedSwitches(ClsINI& ini) {
  std::string joined;
  for (const char* name : kSwitches) {
    if (name != kSwitches[0]) joined += '|';
    joined += Clean(ini.OpenINI(name));
  }
  return joined;
}

GameLauncherEntry ReadEntry(ClsINI& ini) {
  GameLauncherEntry entry;
  entry.Name = ini.section;
  entry.Args = Clean(ini.OpenINI("Args"));
  entry.Gubn = Clean(ini.OpenINI("Gubn"));
  entry.Path = Clean(ini.OpenINI("Path"));
  entry.TestPath = Clean(ini.OpenINI("TestPath"));
  entry.ETitle = Clean(ini.OpenINI("ETitle"));
  entry.URL = Clean(ini.OpenINI("URL"));
  entry.Rank = static_cast<short>(ParseLeadingNumber(Clean(ini.OpenINI("Rank"))));
  entry.State = static_cast<short>(ParseLeadingNumber(Clean(ini.OpenINI("state"))));
  return entry;
}
}  // namespace

void LoadGameLaunchers() {
  auto& list = TheApp().GameLaunchers;
  list.assign(1, GameLauncherEntry{});
  ClsINI ini(JoinPath(TheApp().ProgramFolder, "GameExe.ini"));
  auto sections = ini.SectionList();
  list[0].Name = "ENV";
  list[0].Path = "||||||";
  if (!sections) return;
  for (const auto& section : *sections) {
    ini.section = section;
    if (ToLowerAscii(section) == "env")
      list[0].Path = JoinedSwitches(ini);
    else
      list.push_back(ReadEntry(ini));
  }
}
