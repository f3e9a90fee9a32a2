#include "app/menu_hook.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "store/registry.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"

namespace {
class MenuHookTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(menu.Load());
    HookMenuWindow(menu);
  }
  void TearDown() override {
    UnhookMenuWindow();
    TesselTest::TearDown();
  }
  TestMenuWindow menu;
};
}  // namespace

TEST_F(MenuHookTest, ShutdownQueryRunsTheUpkeepAndGoesOn) {
  TheApp().Settings.Mouse = "1";
  TheApp().Settings.MouseSpeed = "12";
  TheApp().Settings.KeyBoard = "1";
  SendMessageW(menu.hwnd(), WM_QUERYENDSESSION, 0, 0);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity"), "12");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardSpeed"), "31");
  EXPECT_EQ(menu.OwnCount(WM_QUERYENDSESSION), 1);
}

TEST_F(MenuHookTest, DisplayChangeResizesTheClassicWindowOrReplacesTheBanner) {
  SendMessageW(menu.hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  ShowWindow(menu.hwnd(), SW_MINIMIZE);
  SendMessageW(menu.hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  TheApp().Settings.ltype = 2;
  SendMessageW(menu.hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
  EXPECT_EQ(menu.calls, (std::vector<std::string>{"Form_Size", "HidePopups", "HideSkinnedWindow",
                                                  "PlaceAtStoredPosition"}));
  EXPECT_EQ(menu.OwnCount(WM_DISPLAYCHANGE), 3);
}

TEST_F(MenuHookTest, ActivationLaysOutTheFloatingButtonsOnlyWhenTheBannerAsks) {
  TheApp().Settings.ltype = 1;
  ShowWindow(menu.hwnd(), SW_SHOW);
  SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  menu.buttonLayoutFlag = true;
  SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  TheApp().Settings.ltype = 0;
  SendMessageW(menu.hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(menu.calls, std::vector<std::string>{"LoadButton(2)"});
}

TEST_F(MenuHookTest, UnhookingGivesTheWindowItsOwnProcedureBack) {
  EXPECT_EQ(HookedMenuWindow(), &menu);
  UnhookMenuWindow();
  EXPECT_EQ(HookedMenuWindow(), nullptr);
  SendMessageW(menu.hwnd(), WM_DISPLAYCHANGE, 32, 0);
  EXPECT_TRUE(menu.calls.empty());

  HookMenuWindow(menu);
  menu.Unload();
  EXPECT_EQ(HookedMenuWindow(), nullptr) << "a destroyed window leaves no hook behind";
}
