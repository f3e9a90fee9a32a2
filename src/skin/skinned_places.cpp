#include "skin/skinned_places.h"

#include <algorithm>

#include "ui/twips.h"

namespace {
RECT Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct CategoryGrid {
  int left, top, width, height, pitchX, pitchY, perRow;
};
constexpr CategoryGrid kGrid1{6480, 2340, 2160, 600, 2280, 690, 5};
constexpr CategoryGrid kGrid2{210, 690, 2250, 510, 2340, 600, 4};

// Rows of the grid down to the last shown button.
int Rows(const CategoryGrid& grid, int lastShownButton) {
  return lastShownButton < 1 ? 0 : (lastShownButton - 1) / grid.perRow + 1;
}

std::vector<RECT> CategorySlots(const CategoryGrid& grid, int buttons) {
  std::vector<RECT> slots(std::max(buttons, 1));
  for (int button = 1; button < buttons; ++button) {
    int slot = button - 1;
    slots[button] = Box(grid.left + slot % grid.perRow * grid.pitchX, grid.top + slot / grid.perRow * grid.pitchY,
                        grid.width, grid.height);
  }
  return slots;
}

SkinnedPlaces PlaceLayout1(int categoryButtons, int lastShownButton) {
  SkinnedPlaces places;
  places.window = {18000, 12000};
  places.close = Box(17400, 180, 420, 420);
  places.frame = Box(540, 660, 16920, 1560);
  places.cmdLeft = Box(120, 795, 360, kMenuButtonSize);
  places.cmdRight = Box(17520, 795, 360, kMenuButtonSize);
  places.title = Box(240, 2340, kGrid1.width, kGrid1.height);
  const int bottom = 11760;
  places.lists.push_back({240, 3030, 6240, bottom});
  int listTop = kGrid1.top + Rows(kGrid1, lastShownButton) * kGrid1.pitchY;
  places.lists.push_back({kGrid1.left, listTop, 17760, bottom});
  places.categories = CategorySlots(kGrid1, categoryButtons);
  return places;
}

SkinnedPlaces PlaceLayout2(int categoryButtons, int lastShownButton, int menuButtons) {
  SkinnedPlaces places;
  int menuRows = std::max(1, (menuButtons + 6) / 7);
  places.window = {9780, MenuButtonPlace(2, (menuRows - 1) * 7).bottom + 165};
  places.close = Box(9180, 150, 420, 420);
  int listTop = kGrid2.top + Rows(kGrid2, lastShownButton) * kGrid2.pitchY + 90;
  places.lists.push_back({210, listTop, 9570, 6600});
  places.categories = CategorySlots(kGrid2, categoryButtons);
  return places;
}
}  // namespace

SkinnedPlaces PlaceSkinnedMenu(int layout, int categoryButtons, int lastShownButton, int menuButtons) {
  return layout == 1 ? PlaceLayout1(categoryButtons, lastShownButton)
                     : PlaceLayout2(categoryButtons, lastShownButton, menuButtons);
}

RECT MenuButtonPlace(int layout, int k) {
  if (layout == 1) return Box(k * kMenuButtonPitch + 205, 135, kMenuButtonSize, kMenuButtonSize);
  return Box(300 + k % 7 * 1340, 6790 + k / 7 * 1355, kMenuButtonSize, kMenuButtonSize);
}

int StripWidth(int buttons) { return buttons < 1 ? 0 : MenuButtonPlace(1, buttons - 1).left + kMenuButtonPitch; }

int StripLeftAfterLeft(int left, int stripWidth, int frameWidth) {
  if (stripWidth <= frameWidth) return left;
  int moved = left - kMenuButtonPitch;
  return moved + stripWidth + kMenuButtonPitch < frameWidth ? left : moved;
}

int StripLeftAfterRight(int left, int stripWidth, int frameWidth) {
  if (stripWidth <= frameWidth) return left;
  int moved = left + kMenuButtonPitch;
  return moved < 1 ? moved : left;
}

RECT TwipsToPixels(const RECT& twips) {
  return {TwipsToPixelsX(twips.left), TwipsToPixelsY(twips.top), TwipsToPixelsX(twips.right),
          TwipsToPixelsY(twips.bottom)};
}

void MoveToTwips(HWND control, const RECT& twips) {
  RECT pixels = TwipsToPixels(twips);
  if (control) MoveWindow(control, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, TRUE);
}
