#pragma once
// The icon list of a menu: a list view in icon mode with the columns Name and Rank. An item has a
// key (the icon file's name; "IE" for a browser shortcut), the title shown under its picture, and
// a mark in the Rank column ("M" for a sponsored icon, the file name for a browser shortcut).
// The control holds no items of its own: it asks for texts and pictures of the items it draws, so
// a category of hundreds of icons is listed at once and only the pictures in sight are loaded.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "catalog/menu_list.h"
#include "images/picture.h"
#include "menu/icon_pictures.h"

struct IconItem {
  std::string key, title, mark;
};

class IconList : public MenuList {
 public:
  IconList() = default;
  ~IconList() override;
  IconList(const IconList&) = delete;
  IconList& operator=(const IconList&) = delete;

  bool Create(HWND parent, int id);
  void Destroy();
  HWND hwnd() const { return hwnd_; }

  void Clear();
  // Off while many items are added at once; on again shows them all.
  void SetRedraw(bool on);
  // The picture is loaded when the item is first drawn.
  void Add(const IconItem& item, IconSource picture);
  // The catalog's door: an icon file marked by the folder it lies in.
  void AddIcon(const std::string& path, const std::string& title, const std::string& picture) override;
  const std::vector<IconItem>& Items() const { return items_; }
  // The selected item, or nothing when none is.
  std::optional<IconItem> Chosen() const;
  // The item of a list-view item index, as notifications name them.
  std::optional<IconItem> ItemAt(int index) const;
  // The control's questions, which reach its parent as WM_NOTIFY; the answer when it was one.
  std::optional<LRESULT> OnNotify(NMHDR& header);

  void SetColors(COLORREF background, std::optional<COLORREF> text);
  // A tiled background picture; an empty one goes back to the plain colour.
  void SetBackPicture(Picture picture);

 private:
  void ShowCount();
  void Describe(LVITEMW& row);
  int ImageOf(size_t index);
  int FindByTitle(const NMLVFINDITEMW& find) const;

  HWND hwnd_ = nullptr;
  HIMAGELIST images_ = nullptr;
  bool batching_ = false;
  struct ItemPicture {
    IconSource source;
    int image;  // kImageNotLoaded until first drawn
  };
  std::vector<IconItem> items_;
  std::vector<ItemPicture> pictures_;  // one per item
  Picture backPicture_;
};
