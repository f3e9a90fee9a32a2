// The skinned category windows frmMain4 (layout 1) and frmMain3 (layout 2) as real windows.
#include "skin/skinned_menu.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "catalog/categories.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/wait.h"
#include "support/test_env.h"
#include "ui/twips.h"

namespace {
class SkinnedMenuTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    for (const char* name : {"Skin", "image", "Best", "Online", "Cd", "VdAd"}) CreateFolders(Path(name));
    LoadCategories();
    TheApp().Categories[3].State = "0";  // 액션/FPS: its slot stays empty
    AddLaunchers({"abc", "def"});
    TheApp().GameLaunchers.push_back({});  // not in use
  }
  void TearDown() override {
    menu1.Unload();
    menu2.Unload();
    TesselTest::TearDown();
  }
  static void AddLaunchers(std::initializer_list<std::string> args) {
    for (const std::string& arg : args) {
      GameLauncherEntry entry;
      entry.State = 1;
      entry.Args = arg;
      TheApp().GameLaunchers.push_back(entry);
    }
  }
  void Url(const std::string& name, const std::string& address) {
    WriteTextFile(Path(name), "[InternetShortcut]\r\nURL=" + address + "\r\n", false, false);
  }
  static void Open(SkinnedMenu& menu) {
    ASSERT_TRUE(menu.Load());
    menu.CateMain(true);
  }
  static void Command(const SkinnedMenu& menu, int id) {
    SendMessageW(menu.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }
  static std::vector<std::string> Titles(SkinnedMenu& menu, int list) {
    std::vector<std::string> titles;
    for (const IconItem& item : menu.lvwMain(list).Items()) titles.push_back(item.title);
    return titles;
  }
  // Selects the first item of the list and double-clicks it.
  static void DoubleClickFirst(SkinnedMenu& menu, int list) {
    HWND control = menu.lvwMain(list).hwnd();
    ListView_SetItemState(control, 0, LVIS_SELECTED, LVIS_SELECTED);
    NMHDR header{control, static_cast<UINT_PTR>(kSkinnedListId + list), static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(menu.hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  // Shown within the window, whether the window itself is shown or not.
  static bool Visible(const SkinnedMenu& menu, int id) {
    return GetWindowLongPtrW(GetDlgItem(menu.hwnd(), id), GWL_STYLE) & WS_VISIBLE;
  }

  SkinnedMenu menu1{1}, menu2{2};
};

RECT ClientPlace(const SkinnedMenu& menu, int id) {
  RECT place{};
  GetWindowRect(GetDlgItem(menu.hwnd(), id), &place);
  MapWindowPoints(nullptr, menu.hwnd(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}
}  // namespace

TEST_F(SkinnedMenuTest, LayoutOneListsTheFirstCategoryBesideTheChosenOne) {
  Url("Best\\포털.url", "http://portal.example/");
  Url("VdAd\\광고.url", "http://ad.example/");
  Url("Online\\온라인.url", "http://online.example/");
  Open(menu1);
  EXPECT_EQ(menu1.FormName(), "frmMain4");
  EXPECT_EQ(Titles(menu1, 0), (std::vector<std::string>{"광고", "포털"})) << "sponsored icons first";
  EXPECT_TRUE(Titles(menu1, 1).empty()) << "nothing chosen yet";
  // The first category is the title, not a button; the third is hidden and leaves its slot empty.
  for (int button : {0, 1, 2, 3}) EXPECT_EQ(Visible(menu1, kSkinnedCategoryId + button), button % 2 == 1) << button;
  EXPECT_EQ(ClientPlace(menu1, kSkinnedCategoryId + 3).top, TwipsToPixelsY(2880 + 2 * 660));

  Command(menu1, kSkinnedCategoryId + 1);
  EXPECT_EQ(menu1.CurrentCategory(), 1);
  EXPECT_EQ(Titles(menu1, 1), std::vector<std::string>{"온라인"});
  Url("Online\\새 게임.url", "http://new.example/");
  Command(menu1, kSkinnedCategoryId + 1);
  EXPECT_EQ(Titles(menu1, 1).size(), 1u) << "the shown category is not listed again";
  menu1.cmdBtn_Click(9);
  EXPECT_EQ(menu1.CurrentCategory(), 9);
  EXPECT_EQ(Titles(menu1, 1).size(), 1u) << "from the tenth category on, nothing is listed";

  DoubleClickFirst(menu1, 0);
  DoubleClickFirst(menu1, 1);
  EXPECT_EQ(launches.Commands(), (std::vector<std::string>{"http://ad.example/", "http://online.example/"}));
}

TEST_F(SkinnedMenuTest, LayoutTwoListsSponsoredIconsWithTheChosenCategoryAndRoundsItsCorners) {
  WriteTextFile(Path("Skin\\VdAd.ini"),
                "[ad1]\r\nTitle=후원 게임\r\nGubn=URL\r\nGName=후원 게임.url\r\nTargetPath=http://sponsor.example/\r\n",
                false, false);
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VdAd", "1");
  Url("Best\\포털.url", "http://portal.example/");
  ASSERT_TRUE(menu2.Load());
  EXPECT_EQ(menu2.FormName(), "frmMain3");
  ShowWindow(menu2.hwnd(), SW_SHOW);
  SendMessageW(menu2.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  // Messages run until the window hides itself after its start-up work, for up to a second.
  for (int i = 0; i < 40 && IsWindowVisible(menu2.hwnd()); ++i) WaitMilliseconds(25);
  EXPECT_FALSE(IsWindowVisible(menu2.hwnd()));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(menu2.hwnd(), region), ERROR) << "rounded after the start-up work";
  DeleteObject(region);

  menu2.CateMain(true);
  EXPECT_TRUE(Titles(menu2, 0).empty()) << "layout 2 lists a category only when it is chosen";
  menu2.cmdBtn_Click(0);
  EXPECT_EQ(Titles(menu2, 0), (std::vector<std::string>{"후원 게임", "포털"}));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VdAd"), "0");
  EXPECT_EQ(ClientPlace(menu2, kSkinnedMenuButtonId + 1).left, TwipsToPixelsX(300 + 1340)) << "in rows below the list";
  EXPECT_EQ(ClientPlace(menu2, kSkinnedMenuButtonId + 1).top, TwipsToPixelsY(6790));
}

TEST_F(SkinnedMenuTest, MenuButtonsRestartTheGameLauncherWithTheirEntrysArguments) {
  WriteTextFile(Path("ZuzoRadozevo.exe"), "", false, false);
  Open(menu1);
  EXPECT_TRUE(Visible(menu1, kSkinnedMenuButtonId + 1));
  EXPECT_FALSE(IsWindow(GetDlgItem(menu1.hwnd(), kSkinnedMenuButtonId + 2))) << "an entry not in use";
  EXPECT_FALSE(Visible(menu1, kSkinnedLeftId)) << "two buttons need no scrolling";
  Command(menu1, kSkinnedMenuButtonId + 1);
  EXPECT_EQ(launches.Commands(), std::vector<std::string>{Path("ZuzoRadozevo.exe") + " /def"});
  RemoveFile(Path("ZuzoRadozevo.exe"));
  Command(menu1, kSkinnedMenuButtonId);
  EXPECT_EQ(launches.started.size(), 1u) << "nothing to start without the launcher";
}

TEST_F(SkinnedMenuTest, TheStripOfManyMenuButtonsScrollsAndShowsWholeButtonsOnly) {
  AddLaunchers({"g0", "g1", "g2", "g3", "g4", "g5", "g6", "g7", "g8", "g9", "g10", "g11", "g12"});
  Open(menu1);  // fifteen buttons, twelve fit
  const int first = kSkinnedMenuButtonId, last = kSkinnedMenuButtonId + 14;
  EXPECT_TRUE(Visible(menu1, kSkinnedLeftId));
  EXPECT_TRUE(Visible(menu1, first));
  EXPECT_FALSE(Visible(menu1, last));
  for (int i = 0; i < 5; ++i) Command(menu1, kSkinnedLeftId);
  EXPECT_EQ(menu1.StripLeft(), -3 * 1355) << "stops with the last button in sight";
  EXPECT_FALSE(Visible(menu1, first));
  EXPECT_TRUE(Visible(menu1, last));
  EXPECT_EQ(ClientPlace(menu1, last).left, TwipsToPixelsX(720 - 3 * 1355 + 14 * 1355 + 205));
  for (int i = 0; i < 5; ++i) Command(menu1, kSkinnedRightId);
  EXPECT_EQ(menu1.StripLeft(), 0);
  EXPECT_TRUE(Visible(menu1, first));
}

TEST_F(SkinnedMenuTest, ButtonsHoverWhileTheyHoldTheCaptureAndTheCloseButtonHides) {
  Open(menu1);
  ShowWindow(menu1.hwnd(), SW_SHOW);
  HWND button = GetDlgItem(menu1.hwnd(), kSkinnedCategoryId + 1);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), button);
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 5));
  EXPECT_NE(GetCapture(), button) << "let go outside";
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(menu1.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  EXPECT_NE(GetCapture(), button) << "the window's own move restores the buttons";

  EXPECT_TRUE(menu1.EscPollRunning());
  Command(menu1, kSkinnedCloseId);
  EXPECT_FALSE(IsWindowVisible(menu1.hwnd()));
  EXPECT_FALSE(menu1.EscPollRunning());
  SendMessageW(menu1.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(menu1.IsLoaded()) << "hidden, never closed by the customer";

  menu1.LoginNotice(2);
  EXPECT_FALSE(IsWindowVisible(menu1.hwnd()));
  menu1.LoginNotice(1);
  EXPECT_TRUE(IsWindowVisible(menu1.hwnd())) << "a refused login gives the menu back";
  EXPECT_TRUE(menu1.EscPollRunning());
}
