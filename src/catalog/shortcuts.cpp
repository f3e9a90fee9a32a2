#include "catalog/shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "state/app_state.h"
#include "store/com.h"
#include "store/files.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
bool CreateLink(ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file) {
  return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(link.out()))) &&
         SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out())));
}

// "file,3" into the file and the index; a text without a numeric tail is all file, index 0.
std::pair<std::string, int> SplitIconLocation(const std::string& location) {
  size_t comma = location.rfind(',');
  if (comma != std::string::npos) {
    std::string tail = Trim(location.substr(comma + 1));
    bool numeric = !tail.empty() && tail.find_first_not_of("-0123456789") == std::string::npos;
    if (numeric) return {Trim(location.substr(0, comma)), static_cast<int>(ParseLeadingNumber(tail))};
  }
  return {location, 0};
}

std::string AsText(const wchar_t* buffer) { return Narrow(buffer); }
}  // namespace

ShortcutInfo ReadShortcut(const std::string& path) {
  ShortcutInfo info;
  if (!FileExists(path)) return info;
  EnsureComForThisThread();
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!CreateLink(link, file) || FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return info;
  wchar_t buffer[MAX_PATH * 4] = {};
  int iconIndex = 0;
  const int size = static_cast<int>(std::size(buffer));
  // Installers name targets through %ProgramFiles% and the like; callers test and start real paths.
  if (SUCCEEDED(link->GetPath(buffer, size, nullptr, SLGP_RAWPATH)))
    info.TargetPath = ExpandEnvironmentValues(AsText(buffer));
  buffer[0] = 0;
  if (SUCCEEDED(link->GetArguments(buffer, size))) info.Arguments = AsText(buffer);
  buffer[0] = 0;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, size)))
    info.WorkingDirectory = ExpandEnvironmentValues(AsText(buffer));
  buffer[0] = 0;
  if (SUCCEEDED(link->GetIconLocation(buffer, size, &iconIndex)) && buffer[0])
    info.IconLocation = AsText(buffer) + "," + std::to_string(iconIndex);
  return info;
}

bool WriteShortcut(const std::string& path, const std::string& target, const std::string& workDir,
                   const std::string& args, const std::string& icon) {
  if (path.empty()) return false;
  std::string iconLocation = icon;
  if (icon.empty() && target.empty()) iconLocation = JoinPath(TheApp().ProgramFolder, "Bmp\\Foldesr.ico");
  EnsureComForThisThread();
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!CreateLink(link, file)) return false;
  link->SetPath(Widen(target).c_str());
  link->SetWorkingDirectory(Widen(workDir).c_str());
  link->SetArguments(Widen(args).c_str());
  link->SetHotkey(0);
  if (!iconLocation.empty()) {
    auto [iconFile, index] = SplitIconLocation(iconLocation);
    link->SetIconLocation(Widen(iconFile).c_str(), index);
  }
  return SUCCEEDED(file->Save(Widen(path).c_str(), TRUE));
}

bool WriteUrlFile(const std::string& path, const std::string& address, const std::string& icon) {
  if (path.empty() || address.empty()) return false;
  std::string text = icon.empty()
                         ? "[InternetShortcut]\r\n URL=" + address
                         : "[InternetShortcut]\r\nURL=" + address + "\r\nIconIndex = 0\r\nIconFile=" + icon + "\r\n";
  return WriteTextFile(path, text, false, true);
}

void WriteFolderIcon(const std::string& folder, const std::string& iconFile, const std::string& iconIndex) {
  SetFileAttributesW(Widen(folder).c_str(), FILE_ATTRIBUTE_SYSTEM);
  const std::string desktopIni = JoinPath(folder, "Desktop.ini");
  WriteTextFile(desktopIni, "[.ShellClassInfo]\r\nIconFile=" + iconFile + "\r\nIconIndex=" + iconIndex, true, true);
  SetFileAttributesW(Widen(desktopIni).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}
