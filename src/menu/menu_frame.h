#pragma once
// The classic menu's drawn frame: the pictures of Skin\Default that lie behind its controls. Each
// missing picture leaves its place to the ones beneath it (at the bottom, the skin's colours).
#include <windows.h>

#include <array>

#include "images/picture.h"
#include "menu/menu_layout.h"
#include "menu/menu_skin.h"

struct MenuFrame {
  Picture back;                     // Out_01, the whole window
  std::array<Picture, 8> outline;   // Out_02 to Out_09: corners and edges clockwise from the top left
  Picture listPanel;                // Out_10, nine pieces around the icon list
  Picture noticeBar;                // Out_11, nine pieces behind the notice line
  Picture adPanel;                  // Out_12, nine pieces around the right ad panes
  std::array<Picture, 3> logoBack;  // LogoBack01 to 03: under the logo, the top bar, its right end
  std::array<Picture, 3> bottomBack;  // BottomBack01 to 03: under the column, the bar, its right end
  Picture menuTop, menuMid, menuBot;  // the category column: top end, stretched middle, bottom end
  Picture columnHead;               // SCG_btn, above the category buttons
  Picture paneBack;                 // iwback, nine pieces in each ad pane's place
};

MenuFrame LoadMenuFrame();

// Draws the frame for the client size; the notice bar only while a notice shows.
void DrawMenuFrame(HDC dc, const MenuFrame& frame, const MenuLayout& layout, SIZE client, const SkinColors& colors,
                   bool notice);
