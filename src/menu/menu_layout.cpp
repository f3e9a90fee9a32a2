#include "menu/menu_layout.h"

#include <algorithm>

namespace {
constexpr int kGap = 10;
constexpr int kTopHeight = 64;
constexpr int kNoticeHeight = 30;
constexpr int kBottomHeight = 52;
constexpr int kAdWidth = 220;
constexpr int kMinimiseSize = 28;
constexpr int kBottomButtonWidth = 96;
constexpr int kBottomButtonHeight = 40;

RECT Box(int x, int y, int width, int height) { return {x, y, x + std::max(0, width), y + std::max(0, height)}; }
}  // namespace

MenuLayout LayOutMenu(SIZE client, int visibleCategories) {
  const int width = client.cx, height = client.cy, column = kCategoryButtonWidth;
  const int bottomTop = height - kBottomHeight;
  MenuLayout layout{};
  layout.logo = Box(0, 0, column, kTopHeight);
  layout.column = Box(0, kTopHeight, column, bottomTop - kTopHeight);
  layout.topBar = Box(column, 0, width - column, kTopHeight);
  layout.minimise = Box(width - kGap - kMinimiseSize, (kTopHeight - kMinimiseSize) / 2, kMinimiseSize, kMinimiseSize);
  layout.web14 = Box(column + kGap, kGap, layout.minimise.left - 2 * kGap - column, kTopHeight - 2 * kGap);
  layout.bottomBar = Box(0, bottomTop, width, kBottomHeight);

  const int contentLeft = column + kGap, contentTop = kTopHeight + kNoticeHeight + kGap;
  const int adLeft = width - kGap - kAdWidth;
  const int contentHeight = bottomTop - kGap - contentTop;
  layout.notice = Box(contentLeft, kTopHeight, width - contentLeft - kGap, kNoticeHeight);
  layout.list = Box(contentLeft, contentTop, adLeft - kGap - contentLeft, contentHeight);
  const int web11Height = contentHeight * 3 / 5;
  layout.web11 = Box(adLeft, contentTop, kAdWidth, web11Height);
  layout.web13 = Box(adLeft, contentTop + web11Height + kGap, kAdWidth, contentHeight - web11Height - kGap);

  int y = kTopHeight + kGap;
  for (int i = 0; i < visibleCategories; ++i, y += kCategoryButtonHeight)
    layout.categories.push_back(Box(0, y, column, kCategoryButtonHeight));
  layout.web12 = Box(kGap, y + kGap, column - 2 * kGap, bottomTop - kGap - (y + kGap));

  for (int i = 0; i < 4; ++i)
    layout.bottomButtons[i] = Box(column + kGap + i * (kBottomButtonWidth + 4),
                                  bottomTop + (kBottomHeight - kBottomButtonHeight) / 2, kBottomButtonWidth,
                                  kBottomButtonHeight);
  return layout;
}
