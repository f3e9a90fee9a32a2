#include "agent/menu_hook.h"

#include <gtest/gtest.h>

#include "state/app_state.h"
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
  void Send(UINT msg, LPARAM lParam = 0) {
    SendMessageW(menu.hwnd(), msg, msg == WM_ACTIVATE ? WA_ACTIVE : 0, lParam);
  }
  TestMenuWindow menu;
};
}  // namespace

TEST_F(MenuHookTest, ShutdownQueryRunsTheUpkeepAndGoesOn) {
  TheApp().Settings.KeyBoard = "1";
  Send(WM_QUERYENDSESSION);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardSpeed"), "31");
  EXPECT_EQ(menu.OwnCount(WM_QUERYENDSESSION), 1);
}

TEST_F(MenuHookTest, DisplayChangesAndActivationsFollowTheLayout) {
  Send(WM_DISPLAYCHANGE, MAKELPARAM(1024, 768));
  ShowWindow(menu.hwnd(), SW_MINIMIZE);
  Send(WM_DISPLAYCHANGE, MAKELPARAM(1024, 768));  // a minimised classic window keeps its size
  TheApp().Settings.ltype = 2;
  Send(WM_DISPLAYCHANGE, MAKELPARAM(1024, 768));
  EXPECT_EQ(menu.calls, (std::vector<std::string>{"Form_Size", "HidePopups", "HideSkinnedWindow",
                                                  "PlaceAtStoredPosition"}));
  EXPECT_EQ(menu.OwnCount(WM_DISPLAYCHANGE), 3);

  menu.calls.clear();
  ShowWindow(menu.hwnd(), SW_RESTORE);
  Send(WM_ACTIVATE);
  menu.buttonLayoutFlag = true;
  Send(WM_ACTIVATE);
  TheApp().Settings.ltype = 0;
  Send(WM_ACTIVATE);
  EXPECT_EQ(menu.calls, std::vector<std::string>{"LoadButton(2)"}) << "only a skinned layout that asks for it";
}

TEST_F(MenuHookTest, UnhookingGivesTheWindowItsOwnProcedureBack) {
  UnhookMenuWindow();
  EXPECT_EQ(HookedMenuWindow(), nullptr);
  Send(WM_DISPLAYCHANGE);
  EXPECT_TRUE(menu.calls.empty());

  HookMenuWindow(menu);
  menu.Unload();
  EXPECT_EQ(HookedMenuWindow(), nullptr) << "a destroyed window leaves no hook behind";
}
