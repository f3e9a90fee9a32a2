#include "bench_folder.h"

#include <string>

#include "catalog/categories.h"
#include "catalog/shortcuts.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/system_info.h"

namespace {
// The default table's codes and folders, every category shown.
constexpr const char* kCategories[kBenchCategories][3] = {
    {"인기게임", "BG", "Best"},      {"온라인게임", "OG", "Online"}, {"액션/FPS", "AF", "Action"},
    {"CD게임", "CD", "CD"},          {"스포츠/레이싱", "SR", "Sport"}, {"포커/고스톱", "PG", "Board"},
    {"메신저", "ME", "Messenger"},   {"문서/유틸", "DM", "Etc"},     {"기타", "ET", "EtcGame"},
    {"보드/캐쥬얼", "BC", "Casual"}, {"플래시게임", "FG", "Flash"},  {"MMORPG", "MR", "Mmorpg"},
    {"FPS", "FP", "Fps"},            {"영화/음악", "MM", "Movie"},   {"인터넷게임", "IG", "Internet"},
    {"오락실 게임", "AC", "Acade"},  {"영화", "M2", "Movie2"},       {"게임 실행기", "GE", "Exe"},
    {"TV시청", "TV", "TV"},          {"멀티미디어", "MU", "Multi"}};

const char* const kTargets[] = {"notepad.exe", "winemine.exe", "clock.exe", "winefile.exe", "cmd.exe",
                                "taskmgr.exe", "control.exe", "winver.exe", "write.exe", "progman.exe"};

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
}  // namespace

void PrepareBenchFolder(const std::string& folder) {
  TheApp().ProgramFolder = folder;
  std::string table;
  for (int i = 0; i < kBenchCategories; ++i)
    table += std::string("[") + kCategories[i][0] + "]\r\nCode=" + kCategories[i][1] + "\r\nTag=" + kCategories[i][2] +
             "\r\nRank=" + Two(i + 1) + "\r\nState=1\r\n\r\n";
  CreateFolders(JoinPath(folder, "Skin"));
  WriteTextFile(JoinPath(folder, "Skin\\Vdcate.ini"), table, false, false);

  std::string system = GetSpecialFolder(37);
  std::string entries;
  for (int i = 0; i < kBenchEntries; ++i) {
    const char* tag = i < kBenchShortcuts ? "Best" : kCategories[1 + i % (kBenchCategories - 1)][2];
    std::string title = "게임 " + std::to_string(i + 1);
    std::string target = JoinPath(system, kTargets[i % std::size(kTargets)]);
    entries += "[game" + std::to_string(i + 1) + "]\r\nTitle=" + title + "\r\nGName=" + title + ".lnk\r\nTargetPath=" +
               target + "\r\nWorkDir=" + system + "\r\nArgs=\r\nGroup=" + tag + "\r\nGubn=LNK\r\nIcon=" + target + "\r\n";
    if (i < kBenchShortcuts) {
      CreateFolders(JoinPath(folder, tag));
      WriteShortcut(JoinPath(JoinPath(folder, tag), title + ".lnk"), target, system, "", target);
    }
  }
  WriteTextFile(JoinPath(folder, "Game.mts"), entries, false, false);
}
