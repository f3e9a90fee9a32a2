#pragma once
// Where the parts of the two skinned category windows go, in twips from the window's top-left
// corner, matching the panels their background pictures draw: layout 1 (frmMain4, 18000 x 12000:
// a scrolling strip of menu buttons on top, the first category's title and list at the left, a
// column of category buttons beside the chosen category's list) and layout 2 (frmMain3, 9780 x
// 9600 or more: a column of category buttons beside one list, menu buttons in rows of seven below).
// Category button i-1 stands for category i; from category 2 on each has its slot in the column,
// shown or not, so hidden categories leave gaps.
#include <windows.h>

#include <vector>

// Picture sizes the window stretches its pictures to, in twips (15 twips make a pixel at 96 DPI):
// category buttons and the title 2460 x 600 in layout 1 and 2100 x 540 in layout 2, menu buttons
// 1290 x 1290 in layout 1 and 1140 x 1140 in layout 2, the close button 480 x 480 and 420 x 420.
inline constexpr int kMenuButtonPitch = 1355;  // layout 1 strip, also its scrolling step
inline constexpr int kMenuButtonSize = 1290;

struct SkinnedPlaces {
  SIZE window{};
  RECT close{};
  RECT title{};                  // layout 1 only
  RECT frame{}, cmdLeft{}, cmdRight{};  // layout 1 only: the strip's frame and its scroll buttons
  std::vector<RECT> lists;       // two in layout 1, one in layout 2
  std::vector<RECT> categories;  // by button index from 1 (category 2) on; slot 0 is never shown
};

// categoryButtons: the category count; menuButtons: the launcher entries in use.
SkinnedPlaces PlaceSkinnedMenu(int layout, int categoryButtons, int menuButtons);

// Menu button k: layout 1 inside its strip, layout 2 in the window.
RECT MenuButtonPlace(int layout, int k);
// Layout 1: the strip holding `buttons` menu buttons is as wide as the last one's left + 1355.
int StripWidth(int buttons);
// cmdLeft and cmdRight: the strip's new left edge (0 or less) inside a frame of frameWidth.
int StripLeftAfterLeft(int left, int stripWidth, int frameWidth);
int StripLeftAfterRight(int left, int stripWidth, int frameWidth);

// A rectangle in twips as window pixels.
RECT TwipsToPixels(const RECT& twips);
// Moves a child window to a rectangle given in twips.
void MoveToTwips(HWND control, const RECT& twips);
