#include "menu/folder_listing.h"

#include "catalog/title_set.h"
#include "menu/icon_list.h"
#include "menu/launcher.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/folder_entries.h"
#include "store/text_util.h"

namespace {
std::string ProgramSubfolder(const std::string& name) { return JoinPath(TheApp().ProgramFolder, name); }

bool IsIconFile(const std::string& name) {
  size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string extension = ToLowerAscii(name.substr(dot + 1));
  return extension == "lnk" || extension == "url" || extension == "pif";
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }
std::string FolderOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}
std::string WithoutExtension(const std::string& name) { return name.substr(0, name.find_last_of('.')); }

IconItem ItemFor(const std::string& name, const std::string& title, IconMark mark) {
  switch (mark) {
    case IconMark::Browser: return {"IE", title, name};
    case IconMark::Sponsored: return {name, title, "M"};
    case IconMark::Category: break;
  }
  return {name, title, ""};
}
}  // namespace

IconMark MarkOfFile(const std::string& path) {
  std::string folder = FolderOf(path);
  if (EqualsIgnoreCaseAscii(folder, ProgramSubfolder("VdAd"))) return IconMark::Sponsored;
  if (EqualsIgnoreCaseAscii(folder, ProgramSubfolder("Skin\\IE"))) return IconMark::Browser;
  return IconMark::Category;
}

void AddIconFile(IconList& list, const std::string& path, const std::string& title, IconMark mark,
                 const std::string& picture) {
  ListTitle(title);
  list.Add(ItemFor(FileName(path), title, mark), {path, picture});
}

void AddFolder(IconList& list, const std::string& folder, IconMark mark) {
  for (const FolderEntry& entry : ListFolder(folder, "*.*")) {
    if (entry.IsFolder() || !IsIconFile(entry.name)) continue;
    AddIconFile(list, JoinPath(folder, entry.name), WithoutExtension(entry.name), mark);
  }
}

void ListFolders(IconList& list, std::initializer_list<ListedFolder> folders) {
  ClearListedTitles();
  list.SetRedraw(false);
  list.Clear();
  for (const ListedFolder& folder : folders) AddFolder(list, ProgramSubfolder(folder.name), folder.mark);
  list.SetRedraw(true);
}

void FillCategoryList(IconList& list, const Category& category, int buttonIndex) {
  if (EqualsIgnoreCaseAscii(Trim(category.Code), "pg")) OpenBoardLauncher();
  const ListedFolder browser{"Skin\\IE", IconMark::Browser}, own{category.Tag, IconMark::Category};
  if (buttonIndex == 0) return ListFolders(list, {browser, {"VdAd", IconMark::Sponsored}, own});
  ListFolders(list, {browser, own});
}
