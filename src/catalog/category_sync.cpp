#include "catalog/category_sync.h"

#include "catalog/download.h"
#include "catalog/menu_list.h"
#include "catalog/shortcuts.h"
#include "catalog/title_set.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/path_names.h"
#include "store/text_util.h"

namespace {
bool ContainsHttp(const std::string& text) { return ToUpperAscii(text).find("HTTP") != std::string::npos; }

void CreateShortcutFile(const GameEntry& entry, const std::string& path) {
  if (EqualsIgnoreCaseAscii(entry.Gubn, "LNK")) {
    WriteShortcut(path, entry.TargetPath, entry.WorkDir, entry.Args, entry.Icon);
    return;
  }
  std::string icon = Trim(entry.Icon);
  if (!icon.empty() && (ContainsHttp(icon) || FileExists(icon))) WriteUrlFile(path, entry.TargetPath, icon);
}

// Group, GName and Title become names in the program folder (the category folder, the shortcut,
// the cached pictures): an entry whose names would lead elsewhere is passed over.
bool HasSafeNames(const GameEntry& entry) {
  return IsSafePathElement(entry.Group) && IsSafePathElement(entry.GName) && IsSafePathElement(entry.Title);
}

// The list picture: the cached bitmap, else the entry's icon (fetched first when it is an address).
std::string ListPicture(const GameEntry& entry) {
  const std::string& folder = TheApp().ProgramFolder;
  std::string bitmap = JoinPath(folder, "Bmp\\" + entry.Title + ".BMP");
  if (FileExists(bitmap)) return bitmap;
  std::string icon = Trim(entry.Icon);
  if (ContainsHttp(icon)) {
    std::string fetched = JoinPath(folder, "Tmp\\" + entry.Title + ".Ico");
    CreateFolders(JoinPath(folder, "Tmp"));
    return DownloadUrl(icon, fetched) ? fetched : std::string();
  }
  return FileExists(icon) ? icon : std::string();
}
}  // namespace

void SyncCategoryFolder(MenuList& window, const std::string& tag) {
  const auto& entries = TheApp().GameEntries;
  for (size_t i = 1; i < entries.size(); ++i) {
    const GameEntry& entry = entries[i];
    if (ToUpperAscii(entry.Group) != tag || !HasSafeNames(entry) || IsTitleListed(entry.Title)) continue;
    std::string path = JoinPath(JoinPath(TheApp().ProgramFolder, entry.Group), entry.GName);
    if (!FileExists(path)) {
      CreateFolders(JoinPath(TheApp().ProgramFolder, entry.Group));
      CreateShortcutFile(entry, path);
    }
    if (!FileExists(path)) continue;
    ListTitle(entry.Title);
    window.AddIcon(path, entry.Title, ListPicture(entry));
  }
}
