#include "menu/menu_layout.h"

#include <algorithm>

#include "ui/twips.h"

namespace {
// Lengths at 100 %; the skin's pictures are drawn for them.
constexpr int kGap = 10;
constexpr int kPad = 6;  // a panel's rim around what it holds
constexpr int kTopHeight = 64;
constexpr int kHeadHeight = 32;
constexpr int kNoticeHeight = 28;
constexpr int kBottomHeight = 52;
constexpr int kAdWidth = 220;
constexpr int kMinimiseSize = 28;
constexpr int kBottomButtonWidth = 96;
constexpr int kBottomButtonHeight = 40;
constexpr int kBottomButtonStep = kBottomButtonWidth + 4;

RECT Box(int x, int y, int width, int height) { return {x, y, x + std::max(0, width), y + std::max(0, height)}; }
RECT Inset(const RECT& area, int dx, int dy) {
  return Box(area.left + dx, area.top + dy, area.right - area.left - 2 * dx, area.bottom - area.top - 2 * dy);
}
}  // namespace

MenuLayout LayOutMenu(SIZE client, int visibleCategories) {
  const int outline = ScaledPixels(kMenuOutline), gap = ScaledPixels(kGap), pad = ScaledPixels(kPad);
  const int topHeight = ScaledPixels(kTopHeight), headHeight = ScaledPixels(kHeadHeight);
  const int noticeHeight = ScaledPixels(kNoticeHeight), bottomHeight = ScaledPixels(kBottomHeight);
  const int adWidth = ScaledPixels(kAdWidth), minimise = ScaledPixels(kMinimiseSize);
  const int column = ScaledPixels(kCategoryButtonWidth), buttonHeight = ScaledPixels(kCategoryButtonHeight);
  const int left = outline, top = outline;
  const int right = client.cx - outline, bottom = client.cy - outline;
  const int columnRight = left + column;
  const int bottomTop = bottom - bottomHeight;
  MenuLayout layout{};
  layout.logo = Box(left, top, column, topHeight);
  layout.column = Box(left, top + topHeight, column, bottomTop - top - topHeight);
  layout.topBar = Box(columnRight, top, right - columnRight, topHeight);
  layout.minimise = Box(right - gap - minimise, top + (topHeight - minimise) / 2, minimise, minimise);
  layout.web14 = Box(columnRight + gap, top + gap, layout.minimise.left - 2 * gap - columnRight, topHeight - 2 * gap);
  layout.bottomBar = Box(left, bottomTop, right - left, bottomHeight);

  const int contentLeft = columnRight + gap;
  layout.noticeBar = Box(contentLeft, top + topHeight + gap, right - gap - contentLeft, noticeHeight);
  layout.notice = Inset(layout.noticeBar, noticeHeight / 2, ScaledPixels(3));
  const int contentTop = layout.noticeBar.bottom + gap, contentHeight = bottomTop - gap - contentTop;
  const int adLeft = right - gap - adWidth;
  layout.listPanel = Box(contentLeft, contentTop, adLeft - gap - contentLeft, contentHeight);
  layout.list = Inset(layout.listPanel, pad, pad);
  layout.adPanel = Box(adLeft, contentTop, adWidth, contentHeight);
  const RECT ads = Inset(layout.adPanel, pad, pad);
  const int web11Height = (ads.bottom - ads.top) * 3 / 5;
  layout.web11 = Box(ads.left, ads.top, ads.right - ads.left, web11Height);
  layout.web13 = Box(ads.left, layout.web11.bottom + pad, ads.right - ads.left, ads.bottom - layout.web11.bottom - pad);

  layout.columnHead = Box(left, layout.column.top + gap, column, headHeight);
  int y = layout.columnHead.bottom;
  for (int i = 0; i < visibleCategories; ++i, y += buttonHeight)
    layout.categories.push_back(Box(left, y, column, buttonHeight));
  layout.web12 = Box(left + gap, y + gap, column - 2 * gap, bottomTop - gap - (y + gap));

  const int bottomButtonHeight = ScaledPixels(kBottomButtonHeight);
  for (int i = 0; i < 4; ++i)
    layout.bottomButtons[i] = Box(contentLeft + ScaledPixels(i * kBottomButtonStep),
                                  bottomTop + (bottomHeight - bottomButtonHeight) / 2,
                                  ScaledPixels(kBottomButtonWidth), bottomButtonHeight);
  return layout;
}
