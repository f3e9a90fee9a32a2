#include "menu/menu_layout.h"

#include <algorithm>

#include "ui/twips.h"

namespace {
// Lengths at 100 %; the skin's pictures are drawn for them.
constexpr int kGap = 10;
constexpr int kTopHeight = 64;
constexpr int kNoticeHeight = 30;
constexpr int kBottomHeight = 52;
constexpr int kAdWidth = 220;
constexpr int kMinimiseSize = 28;
constexpr int kBottomButtonWidth = 96;
constexpr int kBottomButtonHeight = 40;
constexpr int kBottomButtonStep = kBottomButtonWidth + 4;

RECT Box(int x, int y, int width, int height) { return {x, y, x + std::max(0, width), y + std::max(0, height)}; }
}  // namespace

MenuLayout LayOutMenu(SIZE client, int visibleCategories) {
  const int width = client.cx, height = client.cy;
  const int gap = ScaledPixels(kGap), topHeight = ScaledPixels(kTopHeight), column = ScaledPixels(kCategoryButtonWidth);
  const int bottomHeight = ScaledPixels(kBottomHeight), minimise = ScaledPixels(kMinimiseSize);
  const int adWidth = ScaledPixels(kAdWidth), buttonHeight = ScaledPixels(kCategoryButtonHeight);
  const int bottomTop = height - bottomHeight;
  MenuLayout layout{};
  layout.logo = Box(0, 0, column, topHeight);
  layout.column = Box(0, topHeight, column, bottomTop - topHeight);
  layout.topBar = Box(column, 0, width - column, topHeight);
  layout.minimise = Box(width - gap - minimise, (topHeight - minimise) / 2, minimise, minimise);
  layout.web14 = Box(column + gap, gap, layout.minimise.left - 2 * gap - column, topHeight - 2 * gap);
  layout.bottomBar = Box(0, bottomTop, width, bottomHeight);

  const int contentLeft = column + gap, contentTop = topHeight + ScaledPixels(kNoticeHeight) + gap;
  const int adLeft = width - gap - adWidth;
  const int contentHeight = bottomTop - gap - contentTop;
  layout.notice = Box(contentLeft, topHeight, width - contentLeft - gap, ScaledPixels(kNoticeHeight));
  layout.list = Box(contentLeft, contentTop, adLeft - gap - contentLeft, contentHeight);
  const int web11Height = contentHeight * 3 / 5;
  layout.web11 = Box(adLeft, contentTop, adWidth, web11Height);
  layout.web13 = Box(adLeft, contentTop + web11Height + gap, adWidth, contentHeight - web11Height - gap);

  int y = topHeight + gap;
  for (int i = 0; i < visibleCategories; ++i, y += buttonHeight)
    layout.categories.push_back(Box(0, y, column, buttonHeight));
  layout.web12 = Box(gap, y + gap, column - 2 * gap, bottomTop - gap - (y + gap));

  const int bottomButtonHeight = ScaledPixels(kBottomButtonHeight);
  for (int i = 0; i < 4; ++i)
    layout.bottomButtons[i] = Box(column + gap + ScaledPixels(i * kBottomButtonStep),
                                  bottomTop + (bottomHeight - bottomButtonHeight) / 2,
                                  ScaledPixels(kBottomButtonWidth), bottomButtonHeight);
  return layout;
}
