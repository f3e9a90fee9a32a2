#pragma once
// Filling an icon list from icon files: shortcuts (.LNK), internet shortcuts (.URL) and .PIF files.
// Shared by every menu window that shows a category as a list of icons.
#include <initializer_list>
#include <string>

#include "catalog/categories.h"

class IconList;

// Where a listed file comes from: the category's folder, \VdAd (sponsored) or Skin\IE (browser).
enum class IconMark { Category = 0, Sponsored = 1, Browser = 2 };

// One icon file. picture: a .BMP or .Ico to show, or "" for the file's own icon through the \Bmp cache.
void AddIconFile(IconList& list, const std::string& path, const std::string& title, IconMark mark,
                 const std::string& picture = {});
// The icon files of a folder, in listing order; a missing folder adds nothing.
void AddFolder(IconList& list, const std::string& folder, IconMark mark);
// The mark of a file by the folder it lies in.
IconMark MarkOfFile(const std::string& path);

// A folder of the program folder and the mark its files get.
struct ListedFolder {
  std::string name;  // under the program folder: VdAd, Skin\IE, a category's Tag
  IconMark mark;
};
// Replaces what the list shows by the icon files of these folders, in this order.
void ListFolders(IconList& list, std::initializer_list<ListedFolder> folders);

// The classic window's list of a category: browser shortcuts, the sponsored icons in the first
// category, the board page of the game-launcher program for code PG, then the category's folder.
void FillCategoryList(IconList& list, const Category& category, int buttonIndex);
