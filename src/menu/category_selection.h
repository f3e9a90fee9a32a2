#pragma once
// The category a menu window has selected with its buttons, whether a list shows it, and which
// category folders it has brought up to date with the game entries: the first nine, once each
// until the selection is reset. Shared by the classic and the skinned menu windows.
#include <array>

#include "state/catalog_records.h"

class MenuList;

class CategorySelection {
 public:
  int Current() const { return current_; }
  // Pressing the selected button again changes nothing once its list is filled.
  bool IsRepeat(int index) const { return listed_ && index == current_; }
  void Select(int index) { current_ = index; }
  void MarkListed() { listed_ = true; }
  bool Listed() const { return listed_; }
  // Nothing listed, every folder to be brought up to date again.
  void Reset();
  // Makes the missing shortcut files of the category at button index (below nine, once each).
  void SyncFolderOnce(int index, const Category& category);

 private:
  int current_ = 0;
  bool listed_ = false;
  std::array<bool, 9> synced_{};
};

// Makes the category's missing shortcut files; the caller lists its folder whole afterwards.
void SyncCategoryFiles(const Category& category);

// The sponsored icons of Skin\VdAd.ini into the list, when the registry value VdAd asks for them.
void LoadSponsoredIconsWhenAsked(MenuList& list);
