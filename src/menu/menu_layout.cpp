#include "menu/menu_layout.h"

#include <algorithm>

namespace {
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

RECT Box(int x, int y, int width, int height) { return {x, y, x + std::max(0, width), y + std::max(0, height)}; }
RECT Inset(const RECT& area, int dx, int dy) {
  return Box(area.left + dx, area.top + dy, area.right - area.left - 2 * dx, area.bottom - area.top - 2 * dy);
}
}  // namespace

MenuLayout LayOutMenu(SIZE client, int visibleCategories) {
  const int left = kMenuOutline, top = kMenuOutline;
  const int right = client.cx - kMenuOutline, bottom = client.cy - kMenuOutline;
  const int column = kCategoryButtonWidth, columnRight = left + column;
  const int bottomTop = bottom - kBottomHeight;
  MenuLayout layout{};
  layout.logo = Box(left, top, column, kTopHeight);
  layout.column = Box(left, top + kTopHeight, column, bottomTop - top - kTopHeight);
  layout.topBar = Box(columnRight, top, right - columnRight, kTopHeight);
  layout.minimise = Box(right - kGap - kMinimiseSize, top + (kTopHeight - kMinimiseSize) / 2, kMinimiseSize, kMinimiseSize);
  layout.web14 = Box(columnRight + kGap, top + kGap, layout.minimise.left - 2 * kGap - columnRight, kTopHeight - 2 * kGap);
  layout.bottomBar = Box(left, bottomTop, right - left, kBottomHeight);

  const int contentLeft = columnRight + kGap;
  layout.noticeBar = Box(contentLeft, top + kTopHeight + kGap, right - kGap - contentLeft, kNoticeHeight);
  layout.notice = Inset(layout.noticeBar, kNoticeHeight / 2, 3);
  const int contentTop = layout.noticeBar.bottom + kGap, contentHeight = bottomTop - kGap - contentTop;
  const int adLeft = right - kGap - kAdWidth;
  layout.listPanel = Box(contentLeft, contentTop, adLeft - kGap - contentLeft, contentHeight);
  layout.list = Inset(layout.listPanel, kPad, kPad);
  layout.adPanel = Box(adLeft, contentTop, kAdWidth, contentHeight);
  const RECT ads = Inset(layout.adPanel, kPad, kPad);
  const int web11Height = (ads.bottom - ads.top) * 3 / 5;
  layout.web11 = Box(ads.left, ads.top, ads.right - ads.left, web11Height);
  layout.web13 = Box(ads.left, layout.web11.bottom + kPad, ads.right - ads.left, ads.bottom - layout.web11.bottom - kPad);

  layout.columnHead = Box(left, layout.column.top + kGap, column, kHeadHeight);
  int y = layout.columnHead.bottom;
  for (int i = 0; i < visibleCategories; ++i, y += kCategoryButtonHeight)
    layout.categories.push_back(Box(left, y, column, kCategoryButtonHeight));
  layout.web12 = Box(left + kGap, y + kGap, column - 2 * kGap, bottomTop - kGap - (y + kGap));

  for (int i = 0; i < 4; ++i)
    layout.bottomButtons[i] = Box(contentLeft + i * (kBottomButtonWidth + 4),
                                  bottomTop + (kBottomHeight - kBottomButtonHeight) / 2, kBottomButtonWidth,
                                  kBottomButtonHeight);
  return layout;
}
