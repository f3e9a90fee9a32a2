#pragma once
// The icon list of a menu: a list view in icon mode with the columns Name and Rank. An item has a
// key (the icon file's name; "IE" for a browser shortcut), the title shown under its picture, and
// a mark in the Rank column ("M" for a sponsored icon, the file name for a browser shortcut).
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "catalog/menu_list.h"
#include "images/picture.h"

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
  // Off while many items are added at once; on again repaints the whole list.
  void SetRedraw(bool on);
  // An empty picture leaves the item without one.
  void Add(const IconItem& item, const Picture& picture);
  // The catalog's door: an icon file marked by the folder it lies in.
  void AddIcon(const std::string& path, const std::string& title, const std::string& picture) override;
  const std::vector<IconItem>& Items() const { return items_; }
  // The selected item, or nothing when none is.
  std::optional<IconItem> Chosen() const;
  // The item of a list-view item index, as notifications name them.
  std::optional<IconItem> ItemAt(int index) const;

  void SetColors(COLORREF background, std::optional<COLORREF> text);
  // A tiled background picture; an empty one goes back to the plain colour.
  void SetBackPicture(Picture picture);

 private:
  HWND hwnd_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::vector<IconItem> items_;
  Picture backPicture_;
};
