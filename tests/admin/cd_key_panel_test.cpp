#include "admin/cd_key_panel.h"

#include <gtest/gtest.h>

#include "admin/admin_test_env.h"
#include "admin/env_tabs.h"
#include "admin/frm_env.h"
#include "agent/menu_hook.h"
#include "state/app_state.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/wait.h"
#include "ui/forms.h"

namespace {
class CdKeyPanelTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    menu.Load();
    HookMenuWindow(menu);
  }
  CdKeyPanel& Open() {
    OpenSettingsWindow();
    Click(TheFrmEnv(), Indexed("cmdTBtn", kCdKeyTab));
    return *static_cast<CdKeyPanel*>(TheFrmEnv().Panel(kCdKeyTab));
  }
  std::vector<std::string> Choices(CdKeyPanel& panel) {
    HWND choice = panel.controls()["cboPc"];
    std::vector<std::string> items;
    for (int i = 0; i < SendMessageW(choice, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t text[32] = {};
      SendMessageW(choice, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.push_back(Narrow(text));
    }
    return items;
  }
  TestMenuWindow menu;
};
}  // namespace

TEST_F(CdKeyPanelTest, PreparingOffersThePcsAndUnticksTheGames) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "PCCnt", "3");
  CdKeyPanel& panel = Open();
  EXPECT_EQ(Choices(panel), (std::vector<std::string>{"선택", "01", "02", "03"}));
  EXPECT_EQ(panel.controls().Text("cboPc"), "선택");
  EXPECT_TRUE(IsWindowVisible(panel.controls()["cboPc"]));
  EXPECT_TRUE(IsWindowVisible(panel.controls()["lblPc"]));

  panel.controls().SetChecked(Indexed("chkCD", 4), true);
  Click(TheFrmEnv(), Indexed("cmdTBtn", 0));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "PCCnt", "none");
  Click(TheFrmEnv(), Indexed("cmdTBtn", kCdKeyTab));
  EXPECT_FALSE(panel.controls().Checked(Indexed("chkCD", 4)));
  EXPECT_FALSE(IsWindowVisible(panel.controls()["cboPc"])) << "no PC count, no choice";
}

TEST_F(CdKeyPanelTest, CdKeyRequestsNeedTheServerAndCloseTheSettingsWindow) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "PCCnt", "12");
  CdKeyPanel& panel = Open();
  TheApp().VConnect = false;
  Click(panel, Indexed("CmdCDAuto", 1));
  Click(panel, "cmdCDOK");
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!");
  EXPECT_EQ(menu.calls,
            (std::vector<std::string>{"HideSkinnedWindow", "HidePopups", "HideSkinnedWindow", "HidePopups"}));

  TheApp().VConnect = true;
  Click(panel, "cmdCDOK");
  EXPECT_EQ(boxes.shown.back().text, "시디키 변경 할 항목이 선택 되지 않았습니다!!");
  panel.controls().SetChecked(Indexed("chkCD", 3), true);
  panel.controls().SetChecked(Indexed("chkCD", 0), true);
  SendMessageW(panel.controls()["cboPc"], CB_SETCURSEL, 12, 0);
  Click(panel, "cmdCDOK");
  EXPECT_EQ(Sent(6), std::vector<std::string>{"SCSD|12"});
  DoEvents();
  EXPECT_FALSE(IsFormLoaded("frmEnv"));

  CdKeyPanel& again = Open();
  again.controls().SetChecked(Indexed("chkCD", 2), true);
  Click(again, "cmdCDOK");
  DoEvents();
  Click(Open(), Indexed("CmdCDAuto", 2));
  DoEvents();
  EXPECT_EQ(Sent(6), (std::vector<std::string>{"SCSD|12", "SF"})) << "선택 adds no PC";
  EXPECT_EQ(Sent(3), std::vector<std::string>{"ACD"});
  EXPECT_FALSE(IsFormLoaded("frmEnv"));
}
