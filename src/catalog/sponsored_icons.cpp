#include "catalog/sponsored_icons.h"

#include "catalog/menu_list.h"
#include "catalog/shortcuts.h"
#include "catalog/title_set.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/path_names.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
std::string Read(ClsINI& ini, const char* key) { return Trim(RemoveNuls(ini.OpenINI(key))); }

std::string FindInstallFolder(ClsINI& ini) {
  std::string folder = ResolveInstallFolder(Read(ini, "Path1"));
  if (folder == "F") folder = ResolveInstallFolder(Read(ini, "Path2"));
  if (folder != "F") return folder;
  std::string hive = ToUpperAscii(Read(ini, "RegGubn"));
  if (hive != "HKLM" && hive != "HKCU") return {};
  std::string location = Trim(RemoveNuls(RegReadString(hive == "HKLM" ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                                                       Read(ini, "RegPath"), Read(ini, "Value"))));
  if (location.empty()) return {};
  folder = ResolveInstallFolder(location);
  return folder == "F" ? std::string() : folder;
}

// Writes the icon's file in \VdAd; returns its path, or "" when nothing was written (also when
// the file name would lead out of \VdAd).
std::string CreateSponsoredIcon(ClsINI& ini, const std::string& title, const std::string& vdAd) {
  std::string icon = JoinPath(TheApp().ProgramFolder, "Skin\\Ico\\" + title + ".Ico");
  std::string gname = Read(ini, "GName");
  if (ToUpperAscii(Read(ini, "Gubn")) == "URL") {
    if (!IsSafePathElement(gname)) return {};
    std::string path = JoinPath(vdAd, gname);
    return WriteUrlFile(path, Read(ini, "TargetPath"), icon) ? path : std::string();
  }
  std::string folder = FindInstallFolder(ini);
  if (folder.empty()) {
    std::string path = JoinPath(vdAd, title + ".URL");
    return WriteUrlFile(path, Read(ini, "URL"), icon) ? path : std::string();
  }
  if (!EndsWith(folder, "\\")) folder += '\\';
  if (!IsSafePathElement(gname)) return {};
  std::string workDir = Read(ini, "WorkDir");
  std::string path = JoinPath(vdAd, gname);
  return WriteShortcut(path, folder + Read(ini, "TargetPath"), workDir.empty() ? folder : workDir, "", icon)
             ? path
             : std::string();
}
}  // namespace

std::string ResolveInstallFolder(const std::string& candidate) {
  // Only places on a drive are looked at: the file must not make this PC reach out to a share.
  if (!IsDrivePath(candidate)) return "F";
  if (candidate.find('.') == std::string::npos) return FolderExists(candidate) ? candidate : "F";
  if (!FileExists(candidate)) return "F";
  return candidate.substr(0, candidate.rfind('\\') + 1);
}

void LoadSponsoredIcons(MenuList& menu) {
  ClsINI ini(JoinPath(TheApp().ProgramFolder, "Skin\\VdAd.ini"));
  auto sections = ini.SectionList();
  if (!sections) return;
  const std::string vdAd = JoinPath(TheApp().ProgramFolder, "VdAd");
  CreateFolders(vdAd);
  for (const auto& section : *sections) {
    ini.section = section;
    std::string title = Read(ini, "Title");
    // The title names the icon's files in \VdAd and Skin\Ico.
    if (!IsSafePathElement(title)) continue;
    if (FileExists(JoinPath(vdAd, title + ".LNK")) || FileExists(JoinPath(vdAd, title + ".URL"))) continue;
    std::string path = CreateSponsoredIcon(ini, title, vdAd);
    if (path.empty() || IsTitleListed(title)) continue;
    ListTitle(title);
    menu.AddIcon(path, title, {});
  }
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VdAd", "0");
}
