#pragma once
// Pop-up menus (the tray icon's right-click menu). Tests install an answerer that records the
// items and picks one, since a real menu waits for the user.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct PopupMenuItem {
  int id = 0;
  std::string caption;  // "-" is a separator
};

// Shows the menu at the cursor on behalf of owner; returns the chosen item's id, 0 for none.
int ShowPopupMenu(HWND owner, const std::vector<PopupMenuItem>& items);

using PopupMenuAnswerer = std::function<int(const std::vector<PopupMenuItem>&)>;
void SetPopupMenuAnswerer(PopupMenuAnswerer answerer);
