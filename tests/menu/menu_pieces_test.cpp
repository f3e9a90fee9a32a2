// The classic menu's plain pieces: size rules, skin colours, notice texts and layout.
#include <gtest/gtest.h>

#include "menu/menu_geometry.h"
#include "menu/menu_layout.h"
#include "menu/menu_skin.h"
#include "menu/notice.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
using MenuPiecesTest = TesselTest;

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}
bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != 0;
}
}  // namespace

TEST_F(MenuPiecesTest, SizesStayBetweenTheMinimumAndTheScreen) {
  SIZE huge = ClampMenuSize({3000, 2000}, {1024, 768});
  EXPECT_EQ(std::pair(huge.cx, huge.cy), std::pair(1024L, 768L));
  const std::pair<LONG, LONG> minimum(TwipsToPixelsX(kMenuMinWidthTwips), TwipsToPixelsY(kMenuMinHeightTwips));
  SIZE tiny = ClampMenuSize({100, 900}, {1024, 768});
  EXPECT_EQ(std::pair(tiny.cx, tiny.cy), std::pair(minimum.first, 768L));
  SIZE flat = ClampMenuSize({900, 10}, {1024, 768});
  EXPECT_EQ(std::pair(flat.cx, flat.cy), std::pair(900L, minimum.second));
  SIZE small = ClampMenuSize({3000, 2000}, {640, 480});
  EXPECT_EQ(std::pair(small.cx, small.cy), minimum) << "the minimum wins over a smaller screen";
  POINT corner = KeepOnScreen({900, -40}, {800, 600}, {1024, 768});
  EXPECT_EQ(std::pair(corner.x, corner.y), std::pair(224L, 0L));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "Height", "abc");
  EXPECT_FALSE(StoredTwips("Height")) << "not a number";
}

TEST_F(MenuPiecesTest, SkinColoursAndNoticesComeFromTheirFilesWithBadPartsLeftOut) {
  CreateFolders(Path("Skin\\Default"));
  WriteBytes("Skin\\Default\\Color.ini", "[CONFIG]\r\nR=32\r\nG= 300\r\nB=x\r\nBR=1\r\nBG=2\r\nBB=3\r\n");
  SkinColors colors = ReadSkinColors();
  EXPECT_EQ(colors.list, RGB(32, 255, 0)) << "components clamped";
  EXPECT_EQ(colors.banner, RGB(1, 2, 3));
  EXPECT_EQ(ParseColorTriple(" 10, 20 ,30"), RGB(10, 20, 30));
  EXPECT_FALSE(ParseColorTriple("10,20"));
  EXPECT_FALSE(ParseColorTriple("red,green,blue"));

  TheApp().EnvFile = Path("missing.mts");
  EXPECT_TRUE(ReadNotice().texts.empty());
  TheApp().EnvFile = Path("env.mts");
  WriteTextFile(Path("env.mts"),
                "[ENV]\r\nltype=0\r\nNOTE2=둘째 공지\r\nnote1=첫째 공지\r\nNOTE3=\r\nNOTECOLOR=255,0,0\r\n"
                "NoteLast=셋째\r\nNOTICE=아님\r\nNOT=아님\r\n[OTHER]\r\nNOTE9=다른 절\r\n",
                false, false);
  NoticeTexts notice = ReadNotice();
  EXPECT_EQ(notice.texts, (std::vector<std::string>{"둘째 공지", "첫째 공지", "셋째"}))
      << "the non-empty NOTE keys of [ENV] in file order";
  EXPECT_EQ(notice.color, RGB(255, 0, 0));
}

TEST_F(MenuPiecesTest, LayoutKeepsEveryPartInsideAndApartAtAnySize) {
  for (SIZE client : {SIZE{730, 538}, SIZE{1024, 768}, SIZE{1920, 1080}}) {
    const RECT whole{0, 0, client.cx, client.cy};
    MenuLayout layout = LayOutMenu(client, 8);
    ASSERT_EQ(layout.categories.size(), 8u);
    std::vector<RECT> parts = {layout.list, layout.web11, layout.web13, layout.web14, layout.notice,
                               layout.minimise, layout.web12};
    for (const RECT& button : layout.categories) parts.push_back(button);
    for (const RECT& button : layout.bottomButtons) parts.push_back(button);
    for (size_t i = 0; i < parts.size(); ++i) {
      EXPECT_TRUE(Inside(parts[i], whole)) << "part " << i << " at " << client.cx;
      for (size_t j = i + 1; j < parts.size(); ++j)
        EXPECT_FALSE(Overlap(parts[i], parts[j])) << "parts " << i << " and " << j << " at " << client.cx;
    }
    EXPECT_GT(layout.list.right - layout.list.left, client.cx / 3) << "the icons get most of the room";
  }
}
