#include "skin/skinned_places.h"

#include <algorithm>

#include "ui/twips.h"

namespace {
RECT Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

struct CategoryColumn {
  int left, top, width, height, pitch;
};
constexpr CategoryColumn kColumn1{7500, 2880, 2460, 600, 660};
constexpr CategoryColumn kColumn2{180, 900, 2100, 540, 600};

std::vector<RECT> CategorySlots(const CategoryColumn& column, int buttons) {
  std::vector<RECT> slots(std::max(buttons, 1));
  for (int button = 1; button < buttons; ++button)
    slots[button] = Box(column.left, column.top + (button - 1) * column.pitch, column.width, column.height);
  return slots;
}

SkinnedPlaces PlaceLayout1(int categoryButtons) {
  SkinnedPlaces places;
  places.window = {18000, 12000};
  places.close = Box(17280, 210, 480, 480);
  places.frame = {720, 960, 17280, 2505};
  places.cmdLeft = Box(330, 1140, 330, 1200);
  places.cmdRight = Box(17340, 1140, 330, 1200);
  places.title = Box(480, 2880, kColumn1.width, kColumn1.height);
  places.lists = {{480, 3720, 6945, 11505}, {10140, 2880, 17505, 11505}};
  places.categories = CategorySlots(kColumn1, categoryButtons);
  return places;
}

SkinnedPlaces PlaceLayout2(int categoryButtons, int menuButtons) {
  SkinnedPlaces places;
  int menuRows = std::max(1, (menuButtons + 6) / 7);
  places.window = {9780, std::max<LONG>(9600, MenuButtonPlace(2, (menuRows - 1) * 7).bottom + 165)};
  places.close = Box(9180, 180, 420, 420);
  places.lists = {{2460, 900, 9585, 6465}};
  places.categories = CategorySlots(kColumn2, categoryButtons);
  return places;
}
}  // namespace

SkinnedPlaces PlaceSkinnedMenu(int layout, int categoryButtons, int menuButtons) {
  return layout == 1 ? PlaceLayout1(categoryButtons) : PlaceLayout2(categoryButtons, menuButtons);
}

RECT MenuButtonPlace(int layout, int k) {
  if (layout == 1) return Box(k * kMenuButtonPitch + 205, 135, kMenuButtonSize, kMenuButtonSize);
  return Box(300 + k % 7 * 1340, 6790 + k / 7 * 1355, 1140, 1140);
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
