// The banner window frmMain2 with its floating buttons and the notice, as real windows.
#include "skin/frm_main2.h"

#include <gtest/gtest.h>

#include "agent/menu_hook.h"
#include "catalog/categories.h"
#include "skin/float_row.h"
#include "skin/frm_notice.h"
#include "skin/skinned_menu.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
class BannerTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    for (const char* name : {"Skin", "image", "Best", "Online", "Cd"}) CreateFolders(Path(name));
    LoadCategories();
    TheApp().Settings.ltype = 1;
    WriteTextFile(Path("Skin\\Button.ini"),
                  "[1]\r\ntitle=공지\r\nimage=NT\r\nurl=http://cafe.example/\r\n[2]\r\ntitle=카페\r\nurl=\r\n", false,
                  false);
    WriteTextFile(Path("env.mts"), "[ENV]\r\nNOTE1=첫 공지\r\nNOTECOLOR=1,2,3\r\nNOTE2=둘째 공지\r\n", false, false);
  }
  void TearDown() override {
    for (Window* window : {static_cast<Window*>(&TheFrmMain2()), static_cast<Window*>(&TheFrmMain4()),
                           static_cast<Window*>(&TheFrmMain3()), static_cast<Window*>(&TheFrmNotice())})
      window->Unload();
    OverrideSpecialFolder(36, "");
    TesselTest::TearDown();
  }
  // Loads and shows the banner and runs its start-up work at once.
  void Open() {
    ASSERT_TRUE(banner.Load());
    ShowWindow(banner.hwnd(), SW_SHOWNA);
    SendMessageW(banner.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageW(banner.hwnd(), WM_TIMER, kBannerStartTimer, 0);
  }
  void Click(int index) {
    FrmFloat* button = banner.FloatButton(index);
    ASSERT_NE(button, nullptr) << index;
    SendMessageW(button->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  FrmMain2& banner = TheFrmMain2();
};

RECT PlaceOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  return place;
}
}  // namespace

TEST_F(BannerTest, FloatingButtonsStandInARowAboveTheBannerOnePerItem) {
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt", 5);
  Open();
  EXPECT_EQ(HookedMenuWindow(), &banner);
  EXPECT_TRUE(TheApp().MenuReady);
  ASSERT_EQ(banner.Items().size(), 7u) << "the first link, five categories, the second link";
  const RECT place = PlaceOf(banner.hwnd());
  for (int k = 0; k < 7; ++k) {
    FrmFloat* button = banner.FloatButton(k);
    ASSERT_NE(button, nullptr) << k;
    EXPECT_EQ(button->FormName(), "F" + std::to_string(k));
    EXPECT_TRUE(IsWindowVisible(button->hwnd()));
    RECT at = PlaceOf(button->hwnd());
    EXPECT_EQ(at.left, TwipsToPixelsX(FloatLeft(PixelsToTwipsX(place.left), k, 7))) << k;
    EXPECT_EQ(at.top, TwipsToPixelsY(FloatTop(PixelsToTwipsY(place.top)))) << k;
    EXPECT_EQ(at.right - at.left, 110);
  }
  EXPECT_EQ(banner.FloatButton(7), nullptr);

  std::string table = ReadTextFile(Path("Skin\\Vdcate.ini")).value_or("");
  table.replace(table.find("State=1", table.find("[온라인게임]")), 7, "State=0");
  WriteTextFile(Path("Skin\\Vdcate.ini"), table, false, false);
  WriteTextFile(Path("Skin\\Button.ini"), "[1]\r\ntitle=공지\r\n", false, false);
  SendCommand(banner.hwnd(), "A1");
  EXPECT_EQ(banner.Items().size(), 6u) << "the table was read again: one category less shown, one link less";
  EXPECT_EQ(banner.FloatButton(6), nullptr) << "unloaded with its item";
  EXPECT_EQ(PlaceOf(banner.FloatButton(5)->hwnd()).left, TwipsToPixelsX(FloatLeft(PixelsToTwipsX(place.left), 5, 6)));

  SendMessageW(banner.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(banner.IsLoaded()) << "the customer cannot close the banner";
}

TEST_F(BannerTest, ACategoryButtonOpensTheLayoutsMenuAtItsCategoryAboveTheRow) {
  Open();
  Click(3);
  SkinnedMenu& menu = TheFrmMain4();
  ASSERT_TRUE(menu.IsLoaded());
  EXPECT_TRUE(IsWindowVisible(menu.hwnd()));
  EXPECT_EQ(menu.CurrentCategory(), 2) << "F3 presses button 2 in layout 1";
  EXPECT_GE(PlaceOf(menu.hwnd()).top, 0) << "kept on the screen";
  Click(1);
  EXPECT_EQ(menu.CurrentCategory(), 1) << "F1 presses button 1 in layout 1: the first category is always listed";

  menu.HideMenu();
  TheApp().Settings.ltype = 2;
  banner.PressFloatingButton(1);
  EXPECT_TRUE(IsWindowVisible(TheFrmMain3().hwnd()));
  EXPECT_EQ(TheFrmMain3().CurrentCategory(), 0) << "F1 presses button 0 in layout 2";
  EXPECT_FALSE(IsWindowVisible(menu.hwnd()));

  banner.cmdMini_Click();
  EXPECT_FALSE(IsWindowVisible(TheFrmMain3().hwnd()));
  EXPECT_FALSE(IsWindowVisible(banner.FloatButton(1)->hwnd()));
  SendMessageW(banner.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(IsWindowVisible(banner.FloatButton(1)->hwnd())) << "a click on the banner brings them back";

  banner.LoginNotice(1);
  EXPECT_TRUE(IsWindowVisible(TheFrmMain3().hwnd())) << "the layout's menu hears of a refused login";
}

TEST_F(BannerTest, LinksOpenInTheBrowserOrTheDefaultHandlerAndTheDoctorTakesCategoryButtons) {
  Open();
  Click(0);
  launches.result = false;
  Click(0);
  Click(static_cast<int>(banner.Items().size()) - 1);  // a link without an address
  const std::string browser = "IEXPLORE.EXE http://cafe.example/";
  EXPECT_EQ(launches.Commands(), (std::vector<std::string>{browser, browser, "http://cafe.example/"}));
  launches.result = true;
  launches.started.clear();

  TempFolder windows;
  OverrideSpecialFolder(36, windows.path());
  CreateFolders(windows / "GDL");
  WriteTextFile(windows / "GDL\\L3.gdl", "", false, false);
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "dwGDoctor", 5);
  Click(3);
  Click(2);
  ASSERT_EQ(launches.started.size(), 1u);
  EXPECT_EQ(launches.started[0].file, windows / "GDL\\L3.gdl");
  EXPECT_EQ(launches.started[0].folder, windows / "GDL");
  EXPECT_EQ(TheFrmMain4().CurrentCategory(), 1) << "F2 has no file of its own and opens the menu";
}

TEST_F(BannerTest, TheNoticeShowsTheNoteLinesAndComesBackWhenTheAgentAsks) {
  Open();
  FrmNotice& notice = TheFrmNotice();
  ASSERT_TRUE(notice.IsLoaded());
  EXPECT_EQ(notice.Lines(), (std::vector<std::string>{"첫 공지", "둘째 공지", "", "", ""}));
  SendMessageW(notice.hwnd(), WM_COMMAND, MAKEWPARAM(kNoticeCloseId, BN_CLICKED), 0);
  EXPECT_FALSE(notice.IsLoaded());

  WriteTextFile(Path("env.mts"), "[ENV]\r\nnote7=새 공지\r\n", false, false);
  SendCommand(banner.hwnd(), "NB");
  ASSERT_TRUE(notice.IsLoaded());
  EXPECT_EQ(notice.Lines()[0], "새 공지");
}

TEST_F(BannerTest, PanesFallBackLocallyAndReloadingBringsThemBack) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AdHost", "ads.example");
  Open();
  const std::string banner11 = "http://ads.example/tslc/tsls_banner_20110408.html";
  EXPECT_EQ(banner.Web11().CurrentPage(), banner11);
  EXPECT_EQ(banner.Web22().CurrentPage(), "http://ads.example/tslc/tslc_center_ad.html");
  banner.Web11().NavigationFailed();
  banner.Web22().NavigationFailed();
  EXPECT_EQ(banner.Web11().CurrentPage(), Path("Skin\\htm\\err_pw_banner.html"));
  EXPECT_EQ(banner.Web22().CurrentPage(), Path("Skin\\htm\\err_pw_ad.html"));
  EXPECT_TRUE(banner.Web11().NewWindowRequested("http://elsewhere.example/")) << "the banner opens no windows";
  banner.WebReload();
  EXPECT_EQ(banner.Web11().CurrentPage(), banner11);
  EXPECT_EQ(banner.Web22().CurrentPage(), "http://ads.example/tslc/tslc_center_ad.html");
  EXPECT_TRUE(boxes.shown.empty());
}
