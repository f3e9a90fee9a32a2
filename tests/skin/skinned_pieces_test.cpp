// What the skinned windows are built from: Button.ini, the floating buttons' items and row, the
// places of the category windows and the scrolling of layout 1's strip.
#include <gtest/gtest.h>

#include "catalog/categories.h"
#include "skin/float_items.h"
#include "skin/float_row.h"
#include "skin/image_files.h"
#include "skin/skinned_places.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
using SkinnedPiecesTest = TesselTest;
using Strings = std::vector<std::string>;

Category Shown(const std::string& name, const std::string& state = "1") {
  Category category;
  category.Name = name;
  category.Code = name + "C";
  category.Tag = name + "Tag";
  category.State = state;
  return category;
}

Strings Captions(const std::vector<FloatItem>& items) {
  Strings captions;
  for (const FloatItem& item : items) captions.push_back((item.isLink ? "link:" : "") + item.caption);
  return captions;
}
}  // namespace

TEST(ButtonLinks, RecordsOpenAtBracketsAndKeysAreTrimmedAndLowerCased) {
  std::vector<ButtonLink> links = ParseButtonLinks({"title=before any record", " [first] ", "  Image = notice  ",
                                                    "TITLE=공지", "url=http://cafe.example/=x", "no equals sign",
                                                    "colour=red", "", "[second]", "url = http://two.example/"});
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].title + "|" + links[0].image + "|" + links[0].url, "공지|notice|http://cafe.example/=x");
  EXPECT_EQ(links[1].title + "|" + links[1].url, "|http://two.example/");
}

TEST_F(SkinnedPiecesTest, FloatingItemsAreTheFirstLinkThenShownCategoriesThenTheOtherLinks) {
  std::vector<Category> categories{{}, Shown("인기"), Shown("숨김", "0")};
  for (int i = 0; i < 8; ++i) categories.push_back(Shown("c" + std::to_string(i)));
  std::vector<ButtonLink> links{{"공지", "NT", false, "http://one/"}, {"카페", "CF", false, "http://two/"}};

  std::vector<FloatItem> items = BuildFloatItems(categories, links, 9);
  EXPECT_EQ(Captions(items), (Strings{"link:공지", "인기", "c0", "c1", "c2", "c3", "c4", "c5", "link:카페"}))
      << "seven categories at the most, the hidden one skipped";
  EXPECT_EQ(items[1].image + " " + items[1].target, "인기C 인기Tag");
  EXPECT_EQ(Captions(BuildFloatItems(categories, {}, 2)), (Strings{"link:", "인기", "c0"}))
      << "at most the button count; without Button.ini item 0 is an empty link";

  CreateFolders(Path("Skin"));
  WriteTextFile(Path("Skin\\Button.ini"), "[1]\r\ntitle=공지\r\n", false, false);
  EXPECT_EQ(ReadButtonLinks().size(), 1u);
}

TEST_F(SkinnedPiecesTest, ButtonCountBelowFiveOrMissingIsSeven) {
  EXPECT_EQ(ReadFloatButtonCount(), 7);
  for (auto [stored, count] : {std::pair<DWORD, int>{4, 7}, {5, 5}, {9, 9}}) {
    RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt", stored);
    EXPECT_EQ(ReadFloatButtonCount(), count) << stored;
  }
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt", "6");
  EXPECT_EQ(ReadFloatButtonCount(), 6) << "kept as text by some tools";
}

TEST_F(SkinnedPiecesTest, PictureNamesStayInsideTheImageFolder) {
  EXPECT_EQ(ImageFile("a..b_N.png"), Path("image\\a..b_N.png"));
  for (const char* hostile : {"..\\..\\Windows\\win.ini", "../up_N.png", "sub\\x_N.png", "C:x_N.png", "..", ""})
    EXPECT_EQ(ImageFile(hostile), "") << hostile;
}

TEST(FloatRow, ButtonsShareTheRowWithEqualGaps) {
  EXPECT_EQ(FloatLeft(1000, 1, 4), 1000 + 185 + 2 * 1551 + 1905) << "gaps rounded down";
  EXPECT_EQ(FloatTop(20000), 18100);
  for (int n = 1; n <= 8; ++n) {
    const int gap = FloatLeft(0, 0, n) - 185;
    EXPECT_EQ(FloatLeft(0, n - 1, n) - FloatLeft(0, 0, n), (n - 1) * (gap + 1905)) << n;
    EXPECT_LE(FloatLeft(0, n - 1, n) + 1905 + gap, 185 + 15375) << "the last of " << n << " ends a gap before the end";
  }
}

TEST(SkinnedPlaces, MenuButtonsGoInAStripInLayoutOneAndInRowsOfSevenInLayoutTwo) {
  const struct { int layout, k; LONG left, top; } cases[] = {
      {1, 0, 205, 135}, {1, 3, 3 * 1355 + 205, 135}, {2, 6, 300 + 6 * 1340, 6790}, {2, 15, 300 + 1340, 6790 + 2 * 1355}};
  for (const auto& c : cases) {
    const RECT place = MenuButtonPlace(c.layout, c.k);
    EXPECT_EQ(place.left, c.left) << c.layout << "/" << c.k;
    EXPECT_EQ(place.top, c.top) << c.layout << "/" << c.k;
  }
  EXPECT_EQ(StripWidth(0), 0);
  EXPECT_EQ(StripWidth(3), 3 * 1355 + 205);
}

TEST(SkinnedPlaces, LayoutTwoGrowsWithItsThirdMenuRowAndCategorySlotsFollowEachOther) {
  const SkinnedPlaces one = PlaceSkinnedMenu(2, 20, 7), two = PlaceSkinnedMenu(2, 20, 14);
  const SkinnedPlaces three = PlaceSkinnedMenu(2, 20, 15), first = PlaceSkinnedMenu(1, 20, 0);
  EXPECT_EQ(one.window.cx, 9780);
  EXPECT_EQ(one.window.cy, two.window.cy);
  EXPECT_GE(two.window.cy, MenuButtonPlace(2, 13).bottom);
  EXPECT_GE(three.window.cy, MenuButtonPlace(2, 14).bottom) << "a third row makes the window taller";
  EXPECT_LE(one.lists[0].bottom, MenuButtonPlace(2, 0).top) << "the list ends above the menu buttons";
  for (const SkinnedPlaces& places : {one, first}) {
    ASSERT_EQ(places.categories.size(), 20u);
    for (size_t button = 2; button < 20; ++button) {
      EXPECT_EQ(places.categories[button].left, places.categories[1].left) << "one column";
      EXPECT_GE(places.categories[button].top, places.categories[button - 1].bottom) << button;
    }
  }
  EXPECT_EQ(first.window.cx, 18000);
  EXPECT_EQ(first.window.cy, 12000);
  ASSERT_EQ(first.lists.size(), 2u);
  EXPECT_LE(first.categories[1].right, first.lists[1].left) << "the column stands beside the chosen list";
  EXPECT_LE(first.title.bottom, first.lists[0].top) << "the title above the first list";
}

TEST(SkinnedPlaces, TheStripScrollsOneButtonAtATimeAndNeverPastItsEnds) {
  const int frame = 16920, wide = StripWidth(20), narrow = StripWidth(5);
  EXPECT_EQ(StripLeftAfterLeft(0, narrow, frame), 0) << "a strip that fits does not move";
  EXPECT_EQ(StripLeftAfterRight(-1355, narrow, frame), -1355);
  EXPECT_EQ(StripLeftAfterRight(0, wide, frame), 0) << "never starts right of the frame";
  int left = 0, moves = 0;
  for (int next; (next = StripLeftAfterLeft(left, wide, frame)) != left; left = next) ++moves;
  EXPECT_EQ(left, -moves * 1355);
  EXPECT_GE(left + wide + 1355, frame) << "stops before running short";
  EXPECT_LT(left - 1355 + wide + 1355, frame);
  EXPECT_EQ(StripLeftAfterRight(left, wide, frame), left + 1355);
}
