#include "upkeep/desktop_upkeep.h"

#include <set>

#include "state/app_state.h"
#include "store/files.h"
#include "store/folder_entries.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/shell_files.h"
#include "store/system_info.h"
#include "store/text_util.h"

namespace {
constexpr int kCommonDesktop = 25, kUserDesktop = 16;
constexpr const char* kDesktopWord = "바탕 화면";
constexpr std::string_view kHideIcons = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\";

struct IconIds {
  const char* windows7;
  const char* other;
};

constexpr IconIds kIcons[] = {
    {"{59031a47-3f72-44a7-89c5-5595fe6b30ee}", "{450D8FBA-AD25-11D0-98A8-0800361B1103}"},
    {"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}", "{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
    {"{871C5380-42A0-1069-A2EA-08002B30301D}", "{871C5380-42A0-1069-A2EA-08002B30309D}"},
    {"{645FF040-5081-101B-9F08-00AA002F954E}", "{645FF040-5081-101B-9F08-00AA002F954E}"},
    {"{5399E694-6CE5-4D6C-8FCE-1D8870FDCBA0}", "{5399E694-6CE5-4D6C-8FCE-1D8870FDCBA0}"},
};

bool IsWindows7() { return ParseLeadingNumber(GetWindowsVersionName()) == 7; }
const char* IconId(size_t position, bool windows7) {
  return windows7 ? kIcons[position].windows7 : kIcons[position].other;
}

std::string CommonDesktopFolder() {
  std::string folder = GetSpecialFolder(kCommonDesktop);
  if (!folder.empty()) return folder;
  std::string allUsers = EnvironmentValue("ALLUSERSPROFILE");
  return allUsers.empty() ? std::string() : JoinPath(allUsers, kDesktopWord);
}

// Never "\*.*" of a drive's root: an unknown folder is left alone.
void EmptyFolder(const std::string& folder) {
  if (FolderExists(folder)) DeleteFiles(JoinPath(folder, "*.*"));
}

std::set<std::string> GameTitles() {
  std::set<std::string> titles;
  const auto& entries = TheApp().GameEntries;
  for (size_t i = 1; i < entries.size(); ++i) titles.insert(ToUpperAscii(Trim(entries[i].Title)));
  return titles;
}
}  // namespace

void RestoreDesktop() {
  EmptyFolder(CommonDesktopFolder());
  std::string userDesktop = GetUserDesktopFolder();
  EmptyFolder(userDesktop);
  std::string digits = DesktopIconDigits();
  if (digits.size() >= 4) WriteDesktopIconState(digits, IsWindows7());
  std::string captured = JoinPath(TheApp().ProgramFolder, "Skin\\RDir");
  if (FolderExists(captured) && FolderExists(userDesktop)) CopyFiles(JoinPath(captured, "*.*"), userDesktop);
}

void CleanDesktop(const std::string& folder, const std::string& mode) {
  if (mode != "1" && mode != "9" && mode != "2" && mode != "3") return;
  if (!FolderExists(folder)) return;
  std::set<std::string> titles;
  if (mode == "2" || mode == "3") titles = GameTitles();
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (entry.IsFolder()) continue;
    std::string base = ToUpperAscii(Trim(entry.name.substr(0, entry.name.rfind('.'))));
    bool isGame = titles.contains(base);
    bool remove = mode == "1" || mode == "9" || (mode == "2" && isGame) || (mode == "3" && !isGame);
    if (remove) RemoveFile(JoinPath(folder, entry.name));
  }
}

std::string DefaultUserDesktop(const std::string& userProfile, const std::string& defaultUserName) {
  std::string profile = userProfile;
  size_t cut = profile.rfind('\\');
  std::string last = cut == std::string::npos ? profile : profile.substr(cut + 1);
  if (!defaultUserName.empty() && ToLowerAscii(last) != ToLowerAscii(defaultUserName))
    profile = (cut == std::string::npos ? std::string() : profile.substr(0, cut + 1)) + defaultUserName;
  return JoinPath(profile, kDesktopWord);
}

std::string GetUserDesktopFolder() {
  std::string folder = GetSpecialFolder(kUserDesktop);
  if (!folder.empty()) return folder;
  std::string defaultUser = Trim(RegReadString(HKEY_LOCAL_MACHINE,
                                               "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                                               "DefaultUserName"));
  std::string profile = EnvironmentValue("USERPROFILE");
  if (profile.empty()) return {};
  return DefaultUserDesktop(profile, defaultUser);
}

std::string ReadDesktopIconState() { return ReadDesktopIconState(IsWindows7()); }

std::string ReadDesktopIconState(bool windows7) {
  const std::string key = std::string(kHideIcons) + "ClassicStartMenu";
  std::string digits;
  size_t positions = windows7 ? 6 : 4;
  for (size_t i = 0; i < positions; ++i)
    digits += std::to_string(RegReadDword(HKEY_CURRENT_USER, key, IconId(i, windows7)));
  if (!windows7) digits += "01";
  if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
  return digits;
}

void WriteDesktopIconState(const std::string& digits, bool windows7) {
  for (const char* panel : {"ClassicStartMenu", "NewStartPanel"}) {
    const std::string key = std::string(kHideIcons) + panel;
    for (size_t i = 0; i < digits.size() && i < std::size(kIcons); ++i)
      RegWriteDword(HKEY_CURRENT_USER, key, IconId(i, windows7),
                    static_cast<DWORD>(ParseLeadingNumber(digits.substr(i, 1))));
  }
}

std::string DesktopIconDigits() {
  std::string value = Trim(RemoveNuls(ClsINI(JoinPath(TheApp().ProgramFolder, "DFList.MTS"), "DESKTOP").OpenINI("Desk")));
  if (value.size() == 6) return value;
  if (value.size() == 4) return value + "01";
  return "000001";
}
