#pragma once
// The icon list of a menu window, as the catalog fills it. The classic and skinned menu windows
// implement it for their list controls.
#include <string>

class MenuList {
 public:
  virtual ~MenuList() = default;
  // One icon file with the title shown under it; picture is a .BMP or .Ico to show, or "" for the
  // icon file's own picture.
  virtual void AddIcon(const std::string& path, const std::string& title, const std::string& picture) = 0;
  // False for a list that takes no pictures from the catalog: none is looked for (or fetched).
  virtual bool TakesPictures() const { return true; }
};
