#pragma once
// Where the classic menu's parts go for a client area: the category column with the logo at the
// left, the notice line and top banner pane above the icon list, the ad panes at the right and in
// the column, the bottom bar with its buttons. Everything follows the window size; the skin's
// pictures are made for 100 %, and the fixed lengths grow with the screen's scale.
#include <windows.h>

#include <vector>

struct MenuLayout {
  RECT logo, column, topBar, minimise, notice, list, bottomBar;
  RECT web11, web12, web13, web14;
  std::vector<RECT> categories;  // by visible slot
  RECT bottomButtons[4];
};

// At 100 %.
inline constexpr int kCategoryButtonWidth = 180;
inline constexpr int kCategoryButtonHeight = 44;

MenuLayout LayOutMenu(SIZE client, int visibleCategories);
