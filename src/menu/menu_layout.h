#pragma once
// Where the classic menu's parts go for a client area: inside the window's outline, the category
// column with the logo and a heading at the left, the notice bar and top banner pane above the
// icon list panel, the ad panel at the right and a pane in the column, the bottom bar with its
// buttons. Everything follows the window size; the skin's pictures are made for 100 %, and the
// fixed lengths grow with the screen's scale.
#include <windows.h>

#include <vector>

struct MenuLayout {
  RECT logo, column, columnHead, topBar, minimise, bottomBar;
  RECT noticeBar, notice;  // the notice line lies inside its bar
  RECT listPanel, list;    // the icon list inside its panel
  RECT adPanel;            // around web11 and web13
  RECT web11, web12, web13, web14;
  std::vector<RECT> categories;  // by visible slot
  RECT bottomButtons[4];
};

// At 100 %.
inline constexpr int kMenuOutline = 4;  // the outline's width on every side
inline constexpr int kCategoryButtonWidth = 180;
inline constexpr int kCategoryButtonHeight = 44;

MenuLayout LayOutMenu(SIZE client, int visibleCategories);
