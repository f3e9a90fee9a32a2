#include "admin/frm_env.h"

#include <gtest/gtest.h>

#include "admin/admin_test_env.h"
#include "admin/env_tabs.h"
#include "admin/ip_table_panel.h"
#include "agent/agent_link.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/twips.h"

namespace {
constexpr const char* kNoServer = "Tessel: 서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!";

class FrmEnvTest : public AdminTest {
 protected:
  FrmEnv& Open() {
    OpenSettingsWindow();
    return TheFrmEnv();
  }
  void Press(int tab) { Click(TheFrmEnv(), Indexed("cmdTBtn", tab)); }
  bool TabPictured(int tab) {
    PictureButton* button = TheFrmEnv().controls().Picture(Indexed("cmdTBtn", tab));
    return button && static_cast<bool>(button->PictureFor(PictureButton::State::Normal));
  }
  int ClientWidth() {
    RECT client;
    GetClientRect(TheFrmEnv().hwnd(), &client);
    return client.right;
  }
};
}  // namespace

TEST_F(FrmEnvTest, OpensOnTheIpTableWithOnePanelPerTabAndSelectedPictures) {
  CreateFolders(Path("image"));
  for (const char* name : {"e00S.jpg", "e01N.jpg"})
    CopyFileW(Widen(std::string(TESSEL_IMAGE_DATA) + "\\solid.jpg").c_str(), Widen(Path("image\\") + name).c_str(),
              FALSE);
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "dwGPTest", 1);
  FrmEnv& env = Open();
  EXPECT_EQ(env.CurrentTab(), kIpTableTab);
  EXPECT_TRUE(TabPictured(0)) << "the chosen tab shows its S picture";
  EXPECT_TRUE(TabPictured(1));
  EXPECT_FALSE(TabPictured(2)) << "no picture: the caption is drawn";
  EXPECT_EQ(env.controls().Text(Indexed("cmdTBtn", 2)), "바탕화면");
  std::vector<std::string> names;
  for (int i = 0; i < static_cast<int>(EnvTabs().size()); ++i)
    names.push_back(env.Panel(i) ? env.Panel(i)->FormName() : "-");
  EXPECT_EQ(names, (std::vector<std::string>{"pnlIpTable", "pnlStartProgram", "pnlDesktop", "pnlIcons", "pnlPatch",
                                             "pnlCdKey", "pnlSync", "-", "pnlLauncher"}));
  EXPECT_TRUE(IsWindowVisible(env.Panel(0)->hwnd()));
  EXPECT_FALSE(IsWindowVisible(env.Panel(5)->hwnd()));
  EXPECT_FALSE(env.Panel(4)->context().inspectionShown) << "dwGPTest non-zero hides the inspection box";
  EXPECT_EQ(env.Panel(4)->context().paths.ipIni, Path("ip.ini"));

  Press(1);
  EXPECT_FALSE(TabPictured(0)) << "back to its N picture, which is missing";
  EXPECT_FALSE(TabPictured(1)) << "its S picture is missing";
  EXPECT_FALSE(IsWindowVisible(env.Panel(0)->hwnd()));
  EXPECT_TRUE(IsWindowVisible(env.Panel(1)->hwnd()));
}

TEST_F(FrmEnvTest, TheSyncAndMirroringTabsNeedTheServer) {
  FrmEnv& env = Open();
  TheApp().VConnect = false;
  Press(6);
  Press(7);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kNoServer, kNoServer}));
  EXPECT_EQ(env.CurrentTab(), 0);
  TheApp().VConnect = true;
  Press(6);
  EXPECT_EQ(env.CurrentTab(), 6);
  Press(6);
  EXPECT_EQ(Sent(), std::vector<std::string>{"PS"}) << "sent when the tab is chosen, not again for the same tab";
}

TEST_F(FrmEnvTest, TheMirroringTabStartsTheModuleAndTellsTheAgentWhichPcs) {
  TheApp().VConnect = true;
  FrmEnv& env = Open();
  Press(7);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Tessel: 폴더 미러링 모듈이 존재하지 않습니다!!"});
  EXPECT_TRUE(launches.started.empty());

  CreateFolders(Path("Skin"));
  WriteTextFile(Path("Skin\\vized.exe"), "", false, false);
  HWND vized = CreateWindowExW(0, L"STATIC", L"vized", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  boxes.shown.clear();
  boxes.answers = {IDYES, IDNO};
  Press(7);
  Press(7);
  DestroyWindow(vized);
  EXPECT_EQ(Sent(), (std::vector<std::string>{"MP", "ML"}));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "손님 사용중으로 표시된 PC도 연결을 하겠습니까?");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  ASSERT_EQ(launches.started.size(), 2u);
  EXPECT_EQ(launches.started[0].file, Path("Skin\\vized.exe"));
  EXPECT_EQ(launches.started[0].arguments, "-fmstrt");
  EXPECT_EQ(launches.started[0].verb, "open");
  EXPECT_EQ(env.CurrentTab(), 0) << "the mirroring tab opens no panel";
  EXPECT_TRUE(env.controls().Enabled(Indexed("cmdTBtn", 7)));

  Press(7);  // the module shows no window: ten looks, then nothing is sent
  EXPECT_EQ(Sent().size(), 2u);
  EXPECT_TRUE(env.controls().Enabled(Indexed("cmdTBtn", 7)));
}

TEST_F(FrmEnvTest, TheFramesButtonsAskTheAgent) {
  FrmEnv& env = Open();
  TheApp().VConnect = false;
  Click(env, "cmdPinfo");
  Click(env, "cmdIconSvr");
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Tessel: 서버와 연결이 되어야 사용이 가능합니다!!", kNoServer}));
  TheApp().VConnect = true;
  boxes.shown.clear();
  boxes.answers = {IDCANCEL, IDOK, IDCANCEL, IDOK, IDOK};
  Click(env, "cmdPinfo");
  Click(env, "cmdSr");
  Click(env, "cmdUpGrade");
  Click(env, "cmdUpGrade");
  Click(env, "cmdIconSvr");
  Click(env, "cmdIconSvr");
  env.controls().SetChecked(Indexed("OptIc", 0), false);
  env.controls().SetChecked(Indexed("OptIc", 1), true);
  Click(env, "cmdIconSvr");
  EXPECT_EQ(Sent(), (std::vector<std::string>{"GF", "PS", "UP", "GS", "GSN"}));
  ASSERT_EQ(boxes.shown.size(), 5u);
  EXPECT_EQ(boxes.shown[0].text, "클라이언트를 업그레이드 하겠습니까?");
  for (const MessageBoxRequest& box : boxes.shown) {
    EXPECT_TRUE(EndsWith(box.text, " 하겠습니까?")) << box.text;
    EXPECT_EQ(box.flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));
  }
}

TEST_F(FrmEnvTest, TheWideOptionWidensTheWindowAndItsPanels) {
  RegWriteDword(HKEY_CURRENT_USER, "SOFTWARE\\Harrow\\Wide", "dwWide", 1);
  FrmEnv& env = Open();
  EXPECT_EQ(ClientWidth(), TwipsToPixelsX(15000));
  EXPECT_TRUE(env.controls().Checked("chkWide"));
  RECT panel;
  GetClientRect(env.Panel(0)->hwnd(), &panel);
  int wide = panel.right;
  env.controls().SetChecked("chkWide", false);
  Click(env, "chkWide");
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, "SOFTWARE\\Harrow\\Wide", "dwWide", 7), 0u);
  EXPECT_EQ(ClientWidth(), TwipsToPixelsX(12000));
  GetClientRect(env.Panel(0)->hwnd(), &panel);
  EXPECT_EQ(wide - panel.right, TwipsToPixelsX(2550 + 9300 + 3000) - TwipsToPixelsX(2550 + 9300));
}

TEST_F(FrmEnvTest, AgentCommandsReachThePanelsOnlyWhileTheWindowIsVisible) {
  WriteTextFile(Path("ip.ini"), "[GROUP]\r\nGP01=1-2,10.0.0.1\r\n", false, true);
  FrmEnv& env = Open();
  auto* table = static_cast<IpTablePanel*>(env.Panel(0));
  ASSERT_EQ(table->Groups().size(), 1u);
  WriteTextFile(Path("ip.ini"), "[GROUP]\r\nGP01=1-2,10.0.0.1\r\nGP02=3-4,10.0.0.3\r\n", false, true);
  ShowWindow(env.hwnd(), SW_HIDE);
  RunAgentCommand("IPS");
  EXPECT_EQ(table->Groups().size(), 1u);
  ShowWindow(env.hwnd(), SW_SHOW);
  RunAgentCommand("IPS");
  EXPECT_EQ(table->Groups().size(), 2u);
}
