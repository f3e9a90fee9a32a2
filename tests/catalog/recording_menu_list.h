#pragma once
// A menu list that only remembers what the catalog added to it.
#include <string>
#include <vector>

#include "catalog/menu_list.h"

struct RecordingMenuList : MenuList {
  struct Icon {
    std::string path, title, picture;
  };
  std::vector<Icon> added;
  void AddIcon(const std::string& path, const std::string& title, const std::string& picture) override {
    added.push_back({path, title, picture});
  }
};
