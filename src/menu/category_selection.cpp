#include "menu/category_selection.h"

#include "catalog/category_sync.h"
#include "catalog/menu_list.h"
#include "catalog/sponsored_icons.h"
#include "store/registry.h"
#include "store/text_util.h"

void CategorySelection::Reset() {
  listed_ = false;
  synced_.fill(false);
}

void CategorySelection::SyncFolderOnce(int index, const Category& category) {
  if (index < 0 || index >= static_cast<int>(synced_.size()) || synced_[index]) return;
  SyncCategoryFiles(category);
  synced_[index] = true;
}

void SyncCategoryFiles(const Category& category) {
  // The folder is listed whole right after, so the icons the sync adds are shown from there.
  struct FilesOnly : MenuList {
    void AddIcon(const std::string&, const std::string&, const std::string&) override {}
  } filesOnly;
  SyncCategoryFolder(filesOnly, ToUpperAscii(Trim(category.Tag)));
}

void LoadSponsoredIconsWhenAsked(MenuList& list) {
  if (Trim(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VdAd")) == "1") LoadSponsoredIcons(list);
}
