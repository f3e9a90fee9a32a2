#include "catalog/game_list.h"

#include <windows.h>

#include <cstdlib>

#include "catalog/clock.h"
#include "catalog/download.h"
#include "catalog/section_reader.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/path_names.h"
#include "store/registry.h"
#include "store/shell_files.h"
#include "store/text_util.h"

namespace {
std::string InProgramFolder(const std::string& name) { return JoinPath(TheApp().ProgramFolder, name); }

// Downloads to a file of its own, then moves it over the kept copy: a failure leaves the old one.
void Refresh(const std::string& remotePath, const std::string& temporary, const std::string& kept) {
  if (!DownloadFromUpdateHost(remotePath, temporary)) return;
  MoveFileOver(temporary, kept);
}

std::optional<DateTime> ReadTime(const char* name) {
  return ParseDateTime(Trim(RemoveNuls(RegReadString(HKEY_CURRENT_USER, kTesselKey, name))));
}

std::string* ListField(GameEntry& record, std::string_view key) {
  if (key == "title") return &record.Title;
  if (key == "ganre") return &record.Group;
  if (key == "process") return &record.Process;
  if (key == "type") return &record.Gubn;
  if (key == "path") return &record.WorkDir;
  if (key == "args") return &record.Args;
  if (key == "icon") return &record.Icon;
  if (key == "inschk") return &record.InsChk;
  if (key == "url") return &record.Url;
  if (key == "date") return &record.Date;
  return nullptr;
}

// The title, genre and kind become the names of the entry's category folder and shortcut file.
bool HasSafeNames(const GameEntry& record) {
  return IsSafePathElement(record.Title) && (record.Group.empty() || IsSafePathElement(record.Group)) &&
         IsSafePathElement(record.Title + "." + record.Gubn);
}

// Where the install check says the game lives: a registry string or an INI value; "" for none.
// Only files on a drive are read: the list must not make this PC reach out to a share.
std::string InstallLocation(const std::string& insChk) {
  std::vector<std::string> fields = Split(insChk, '|');
  auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::string(); };
  if (fields[0] == "HKLM" || fields[0] == "HKCU")
    return RegReadString(fields[0] == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, field(1), field(2));
  if (fields[0] == "INI" && fields.size() >= 4 && IsDrivePath(fields[1]) && FileExists(fields[1]))
    return Trim(RemoveNuls(ClsINI(fields[1], fields[2]).OpenINI(fields[3])));
  return {};
}

struct Found {
  std::string folder, program, file;
  bool throughCheck = false;
};

std::optional<Found> Locate(const GameEntry& record) {
  std::string location = InstallLocation(record.InsChk);
  if (!location.empty()) {
    if (!IsDrivePath(location)) return std::nullopt;
    auto [folder, file] = SplitFolderAndFile(location);
    if (folder.empty()) return std::nullopt;
    for (const std::string& name : {record.Process, file})
      if (!name.empty() && FileExists(JoinPath(folder, name))) return Found{folder, JoinPath(folder, name), file, true};
    return std::nullopt;
  }
  // A folder on a drive only: anything else is relative to whatever the current folder is, or a share.
  std::string folder = record.WorkDir;
  if (!IsDrivePath(folder) || record.Process.empty()) return std::nullopt;
  if (FileExists(JoinPath(folder, record.Process))) return Found{folder, JoinPath(folder, record.Process), {}, false};
  bool onC = false;
  for (size_t at; (at = ToUpperAscii(folder).find("C:")) != std::string::npos; onC = true) folder.replace(at, 2, "D:");
  if (onC && FileExists(JoinPath(folder, record.Process))) return Found{folder, JoinPath(folder, record.Process), {}, false};
  return std::nullopt;
}

void WriteFound(const GameEntry& record, const Found& found, bool all) {
  std::string target = found.program, workDir = found.folder;
  bool web = found.throughCheck ? EqualsIgnoreCaseAscii(record.Gubn, "URL") : !EqualsIgnoreCaseAscii(record.Gubn, "LNK");
  if (web) {
    target = record.Url;
    workDir.clear();
  }
  WriteGameEntry(record.Title + "-" + record.Group, record.Title, record.Title + "." + record.Gubn, target, workDir,
                 record.Args, record.Group, record.Gubn,
                 ResolveIcon(found.folder, record.Icon, record.Process, found.file), all);
}

bool OlderThanLastScan(const GameEntry& record, const std::optional<DateTime>& lastScan) {
  if (!lastScan) return false;
  auto added = ParseDateTime(record.Date);
  return added && DaysBetween(*lastScan, *added) < 0;
}
}  // namespace

void UpdateGameList() {
  DateTime now = LocalNow();
  if (auto last = ReadTime("GLTime"); last && DaysBetween(*last, now) == 0) return;
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GLTime", FormatDateTime(now));
  // A first start may come before the Skin folder exists; the day's list must still land.
  CreateFolders(InProgramFolder("Skin"));
  Refresh("/AutoUpdateorbix/GameLst.ini", InProgramFolder("Skin\\Tmp_GameLst.ini"), InProgramFolder("Skin\\GameLst.ini"));
}

void UpdateShortcutUrlList() {
  DateTime now = LocalNow();
  if (auto last = ReadTime("GELTime"); last && std::llabs(MinutesBetween(*last, now)) < 3) return;
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GELTime", FormatDateTime(now));
  Refresh("/AutoUpdateorbix/eList.ini", InProgramFolder("Tmp_eList.ini"), InProgramFolder("list"));
}

std::vector<GameEntry> ReadGameList(const std::string& path) {
  std::vector<GameEntry> records;
  auto text = ReadTextFile(path);
  if (!text) return records;
  GameEntry unused;  // key lines before the first section
  SectionReader reader{
      [&](std::string name) { records.emplace_back().Key = std::move(name); },
      [&](std::string_view key, std::string_view value) {
        if (std::string* field = ListField(records.empty() ? unused : records.back(), key)) field->assign(value);
      }};
  reader.Read(*text);
  std::erase_if(records, [](const GameEntry& record) { return record.Title.empty(); });
  return records;
}

void ScanInstalledGames(bool all) {
  if (!FileExists(GameEntryFile())) WriteTextFile(GameEntryFile(), "", true, true);
  std::vector<GameEntry> records = ReadGameList(InProgramFolder("Skin\\GameLst.ini"));
  if (records.empty()) return;
  std::optional<DateTime> lastScan;
  if (!all) lastScan = ParseDateTime(Trim(RemoveNuls(RegReadString(HKEY_CURRENT_USER, kTesselKey, "iconDdate"))));
  for (GameEntry& record : records) {
    if (record.InsChk.empty()) record.InsChk = '|';
    if (!HasSafeNames(record) || OlderThanLastScan(record, lastScan)) continue;
    if (auto found = Locate(record)) WriteFound(record, *found, all);
  }
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "iconDdate", FormatDate(LocalNow()));
}

std::pair<std::string, std::string> SplitFolderAndFile(const std::string& path) {
  if (FolderExists(path)) {
    std::string folder = path;
    while (folder.size() > 3 && EndsWith(folder, "\\")) folder.pop_back();
    return {folder, {}};
  }
  if (!FileExists(path)) return {};
  size_t cut = path.rfind('\\');
  if (cut == std::string::npos) return {};
  return {path.substr(0, cut), path.substr(cut + 1)};
}

std::string ResolveIcon(const std::string& folder, const std::string& iconList, const std::string& process,
                        const std::string& file) {
  if (!iconList.empty()) {
    std::vector<std::string> candidates = Split(iconList, ',');
    for (size_t i = 0; i < candidates.size() && i < 2; ++i) {
      std::string candidate = Trim(candidates[i]);
      if (candidate.empty()) continue;
      bool absolute = candidate.find(':') != std::string::npos;
      if (absolute && !IsDrivePath(candidate)) continue;
      std::string path = absolute ? candidate : JoinPath(folder, candidate);
      if (FileExists(path)) return path;
    }
  }
  return JoinPath(folder, file.empty() ? process : file);
}

void ClearIconFolders() {
  static constexpr const char* kFolders[] = {"Bmp",    "Best",   "Internet", "Online", "Messenger", "etc",   "Board",
                                             "Action", "Cd",     "EtcGame",  "Flash",  "Movie",     "Casual", "Sport",
                                             "Mmorpg", "Fps",    "TV",       "Exe",    "Acade",     "Movie2", "Multi"};
  for (const char* folder : kFolders) {
    std::string path = InProgramFolder(folder);
    if (FolderExists(path)) DeleteFiles(JoinPath(path, "*.*"));
  }
}
