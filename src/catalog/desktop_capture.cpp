#include "catalog/desktop_capture.h"

#include <windows.h>

#include <cstdio>

#include "catalog/shortcuts.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/folder_entries.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
struct Item {
  std::string name, gubn, target, workDir, args, icon, fpath;
};

struct Stub {
  const char* iconProgram;
  const char* program;
  const char* key;    // "" for the Office install roots of versions 11 to 16
  const char* value;
};

constexpr Stub kInstallerStubs[] = {
    {"accicons.exe", "MSACCESS.EXE", "", "Path"},
    {"xlicons.exe", "EXCEL.EXE", "", "Path"},
    {"outicon.exe", "OUTLOOK.EXE", "", "Path"},
    {"pptico.exe", "POWERPNT.EXE", "", "Path"},
    {"wordicon.exe", "WINWORD.EXE", "", "Path"},
    {"wrdvicon.exe", "WORDVIEW.EXE", "SOFTWARE\\Microsoft\\Office\\11.0\\Wordview\\InstallRoot", "Path"},
    {"xlvwicon.exe", "XLVIEW.EXE", "SOFTWARE\\Microsoft\\Office\\12.0\\Common\\InstallRoot", "Path"},
    {"ppvwicon.exe", "PPTVIEW.EXE", "SOFTWARE\\Microsoft\\Office\\14.0\\Common\\InstallRoot", "Path"},
    {"skypeicon.exe", "Skype.exe", "SOFTWARE\\Skype\\Phone", "SkypeFolder"},
};

struct PortalPage {
  const char* startPage;
  const char* plainAddress;
};

constexpr PortalPage kPortalPages[] = {
    {"http://www.gamenara.co.kr/start.asp?from=pcroom|desktop", "http://www.gamenara.co.kr/"},
};

constexpr unsigned long kCapturedAttributes[] = {
    0,
    FILE_ATTRIBUTE_NORMAL,
    FILE_ATTRIBUTE_READONLY,
    FILE_ATTRIBUTE_ARCHIVE,
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY,
    FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ARCHIVE,
    FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY,
};

std::string InProgramFolder(const std::string& name) { return JoinPath(TheApp().ProgramFolder, name); }
std::string FixListFile() { return InProgramFolder("DFList.MTS"); }
std::string CopyOf(const std::string& fpath) { return JoinPath(InProgramFolder("Skin\\RDir"), fpath); }

std::string Extension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : ToLowerAscii(name.substr(dot + 1));
}

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.rfind('.')); }

bool IsCapturedFile(unsigned long attributes) {
  for (unsigned long allowed : kCapturedAttributes)
    if (attributes == allowed) return true;
  return false;
}

long LastFixListNumber() {
  auto sections = ClsINI(FixListFile()).SectionList();
  if (!sections || sections->empty()) return 0;
  std::string last = Trim(RemoveNuls(sections->back()));
  return static_cast<long>(ParseLeadingNumber(last.substr(last.rfind('_') + 1)));
}

std::string RelativePath(const FolderWalk& walk, const std::string& fullPath) {
  std::string base = walk.root;
  if (walk.keepRootName) base = base.substr(0, base.rfind('\\'));
  if (!StartsWith(fullPath, base)) return fullPath;
  std::string relative = fullPath.substr(base.size());
  while (StartsWith(relative, "\\")) relative.erase(0, 1);
  return relative;
}

void AppendSection(long n, const Item& item) {
  std::vector<std::string> parts = Split(item.fpath, '\\');
  size_t depth = parts.size() - 1;
  std::string text = "[DFLST_" + std::to_string(n) + "]\r\nDFNAME=" + item.name + "\r\nGUBN=" + item.gubn + "/" +
                     std::to_string(depth) + "\r\nTARGETPATH=" + item.target + "\r\nWORKDIR=" + item.workDir +
                     "\r\nARGS=" + item.args + "\r\nICON=" + item.icon + "\r\n";
  if (depth > 0) text += "DR=" + parts[1] + "\r\n";
  text += "FPATH=" + item.fpath + "\r\n";
  WriteTextFile(FixListFile(), text, true, false);
}

// The real program behind an installer icon stub, when it is installed; else the target as given.
std::string RealProgram(const std::string& target) {
  std::string stubName = ToLowerAscii(target.substr(target.rfind('\\') + 1));
  for (const Stub& stub : kInstallerStubs) {
    if (stubName != stub.iconProgram) continue;
    std::vector<std::string> keys;
    if (*stub.key)
      keys.push_back(stub.key);
    else
      for (int version = 11; version <= 16; ++version)
        keys.push_back("SOFTWARE\\Microsoft\\Office\\" + std::to_string(version) + ".0\\Common\\InstallRoot");
    for (const auto& key : keys) {
      std::string folder = Trim(RegReadString(HKEY_LOCAL_MACHINE, key, stub.value));
      if (FolderExists(folder) && FileExists(JoinPath(folder, stub.program))) return JoinPath(folder, stub.program);
    }
  }
  return target;
}

void CaptureUrl(long& n, const std::string& fullPath, Item item) {
  ClsINI ini(fullPath, "InternetShortcut");
  item.gubn = 'F';
  item.target = PlainPortalAddress(RemoveNuls(ini.OpenINI("URL")));
  item.icon = ini.OpenINI("IconFile");
  AppendSection(++n, item);
  WriteUrlFile(CopyOf(item.fpath), item.target, item.icon);
}

void CaptureShortcut(long& n, const std::string& fullPath, Item item) {
  ShortcutInfo link = ReadShortcut(fullPath);
  item.gubn = 'F';
  if (Trim(link.TargetPath).empty()) {
    std::string address = Trim(RemoveNuls(ClsINI(InProgramFolder("list"), ToUpperAscii(item.name)).OpenINI("TargetURL")));
    if (address.empty()) return;
    std::string urlName = WithoutExtension(item.name) + ".URL";
    item.fpath = item.fpath.substr(0, item.fpath.size() - item.name.size()) + urlName;
    item.name = urlName;
    item.target = address;
    item.icon = link.IconLocation;
    for (size_t at; (at = item.icon.find(",0")) != std::string::npos;) item.icon.erase(at, 2);
    AppendSection(++n, item);
    WriteUrlFile(CopyOf(item.fpath), item.target, item.icon);
    return;
  }
  item.target = RealProgram(link.TargetPath);
  item.workDir = link.WorkingDirectory;
  item.args = link.Arguments;
  item.icon = link.IconLocation;
  AppendSection(++n, item);
  WriteShortcut(CopyOf(item.fpath), item.target, item.workDir, item.args, item.icon);
}

void CaptureFolder(long& n, const std::string& fullPath, Item item) {
  std::string copy = CopyOf(item.fpath);
  CreateFolders(copy);
  item.gubn = 'D';
  std::string desktopIni = JoinPath(fullPath, "Desktop.ini");
  if (FileExists(desktopIni)) {
    ClsINI ini(desktopIni, ".ShellClassInfo");
    item.icon = ini.OpenINI("IconFile");
    WriteFolderIcon(copy, item.icon, ini.OpenINI("IconIndex"));
  }
  AppendSection(++n, item);
}

std::string SizeText(std::uint64_t bytes) {
  constexpr double kMB = 1024.0 * 1024.0, kGB = kMB * 1024.0;
  char text[32];
  if (bytes >= kGB)
    std::snprintf(text, sizeof(text), "%.2f GB", bytes / kGB);
  else
    std::snprintf(text, sizeof(text), "%.2f MB", bytes / kMB);
  return text;
}
}  // namespace

std::string PlainPortalAddress(const std::string& address) {
  for (const auto& page : kPortalPages)
    if (EqualsIgnoreCaseAscii(Trim(address), page.startPage)) return page.plainAddress;
  return address;
}

void BuildDesktopFixList(FolderWalk& walk) {
  long n = LastFixListNumber();
  CreateFolders(InProgramFolder("Skin\\RDir"));
  for (const FolderEntry& entry : ListFolder(walk.folder, walk.pattern)) {
    ++walk.count;
    std::string fullPath = JoinPath(walk.folder, entry.name);
    Item item{entry.name, "", "", "", "", "", RelativePath(walk, fullPath)};
    if (entry.IsFolder()) {
      CaptureFolder(n, fullPath, item);
      continue;
    }
    if (!IsCapturedFile(entry.attributes)) continue;
    std::string extension = Extension(entry.name);
    if (extension == "url") CaptureUrl(n, fullPath, item);
    if (extension == "lnk") CaptureShortcut(n, fullPath, item);
  }
}

void WriteFileList(FolderWalk& walk) {
  std::string text;
  for (const FolderEntry& entry : ListFolder(walk.folder, walk.pattern)) {
    ++walk.count;
    std::string extension = Extension(entry.name);
    if (entry.IsFolder() || (extension != "lnk" && extension != "url")) continue;
    text += "경로:" + walk.folder + "\r\n파일명:" + entry.name + "\r\n파일사이즈:" + SizeText(entry.size) + "\r\n";
  }
  if (!text.empty()) WriteTextFile(InProgramFolder("flist.txt"), text, true, false);
}

void WalkFolder(FolderWalk& walk, bool buildList) {
  if (buildList)
    BuildDesktopFixList(walk);
  else
    WriteFileList(walk);
  if (!walk.recurse) return;
  const std::string folder = walk.folder;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if (!entry.IsFolder() || StartsWith(entry.name, ".")) continue;
    walk.folder = JoinPath(folder, entry.name);
    WalkFolder(walk, buildList);
  }
  walk.folder = folder;
}
