#include "admin/patch_panel.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "admin/admin_test_env.h"
#include "admin/frm_env.h"
#include "admin/env_tabs.h"
#include "catalog/clock.h"
#include "patch/patch_groups.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "store/wait.h"
#include "ui/forms.h"

namespace {
const char* kDescriptor =
    "[GPI_0]\r\nname=리니지\r\nin_name=lin\r\np_type=2\r\npath1=C:\\Lin\r\ninfo=1/2/L01\r\n"
    "[GPI_1]\r\nname=MX\r\nin_name=mx\r\np_type=1\r\npath1=REG/HKLM/mx\r\ninfo=1/2/M02\r\n"
    "[GPI_2]\r\nname=Kart\r\nin_name=kart\r\np_type=1\r\npath1=C:\\Kart\r\ninfo=1/2/K03\r\n"
    "[GPI_3]\r\nname=Sync only\r\nin_name=so\r\np_type=1\r\npath1=C:\\So\r\nsync=2\r\n";

class PatchPanelTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    CreateFolders(Path("Skin\\htm"));
    CreateFolders(Path("system"));
    OverrideSpecialFolder(37, Path("system"));
    // No archive component reads this stand-in, so the plain descriptor beside it is what loads.
    WriteTextFile(Path("Skin\\htm\\Ziriv.dll"), "not an archive", false, false);
    WriteTextFile(Path("Skin\\htm\\ziriv.gpi"), kDescriptor, false, false);
    RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "dwGSH", 1);
    SetClock([] { return DateTime{2024, 1, 13, 10, 0, 0}; });  // a Saturday
  }
  void TearDown() override {
    UnloadFormByName("frmPatchLog");
    SetClock(nullptr);
    OverrideSpecialFolder(37, "");
    AdminTest::TearDown();
  }
  // The settings window on the tab, the agent's archive reported at the first tick.
  PatchPanel& Open(int tab = 4) {
    OpenSettingsWindow();
    TheFrmEnv().cmdTBtn_Click(tab);
    auto& panel = *static_cast<PatchPanel*>(TheFrmEnv().Panel(tab));
    RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 1);
    if (!panel.SyncMode()) Tick(panel);
    return panel;
  }
  static void Tick(PatchPanel& panel) { SendMessageW(panel.hwnd(), WM_TIMER, PatchPanel::kTimer1, 0); }
  static std::vector<std::string> Names(PatchPanel& panel) {
    std::vector<std::string> names;
    for (int row = 0; row < panel.List().Count(); ++row) names.push_back(panel.List().Text(row, 0));
    return names;
  }
  static void TickRows(PatchPanel& panel, std::initializer_list<int> rows) {
    panel.List().CheckAll(false);
    for (int row : rows) panel.List().SetChecked(row, true);
  }
};
}  // namespace

TEST_F(PatchPanelTest, OpeningWaitsForTheAgentsArchiveThenLists) {
  OpenSettingsWindow();
  TheFrmEnv().cmdTBtn_Click(4);
  auto& panel = *static_cast<PatchPanel*>(TheFrmEnv().Panel(4));
  EXPECT_EQ(Sent(), std::vector<std::string>{"GPD"});
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 9), 0u);
  Tick(panel);
  EXPECT_EQ(panel.List().Count(), 0) << "still waiting";
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 2);
  Tick(panel);
  EXPECT_EQ(Names(panel), (std::vector<std::string>{"리니지", "MX", "Kart"}));
  EXPECT_FALSE(FileExists(Path("Skin\\htm\\ziriv.gpi")));

  // Without the archive the fourth tick gives up.
  RemoveFile(Path("Skin\\htm\\Ziriv.dll"));
  TheFrmEnv().cmdTBtn_Click(0);
  TheFrmEnv().cmdTBtn_Click(4);
  for (int tick = 0; tick < 4; ++tick) Tick(panel);
  EXPECT_EQ(Boxes().back(), "Tessel: 게임패치 목록을 로드 하는데 실패 하였습니다.");
}

TEST_F(PatchPanelTest, TodaysDueGamesAreTickedAndStartedWithTheChecks) {
  PatchPanel& panel = Open();
  auto& schedule = TheApp().Patch.schedule;
  schedule[6] = {"2024-01-12", {"K03", "L01"}};
  schedule[2] = {"2024-01-08", {"M02"}};
  panel.cmdTodayS_Click();  // Saturday: Friday's box
  EXPECT_TRUE(panel.controls().Checked("chkDate(6)"));
  EXPECT_TRUE(panel.List().Checked(0));
  EXPECT_FALSE(panel.List().Checked(1));
  EXPECT_TRUE(panel.List().Checked(2));
  EXPECT_EQ(panel.List().Text(2, 9), "1");

  panel.cmdStart_Click();
  EXPECT_TRUE(Boxes().back().starts_with("Tessel: 로그인이 필요한 게임이 선택되었습니다.\n"));
  TickRows(panel, {});
  panel.cmdStart_Click();
  EXPECT_EQ(Boxes().back(), "Tessel: 패치 할 게임이 지정되지 않았습니다!!");
  EXPECT_EQ(Sent(), std::vector<std::string>{"GPD"});

  TickRows(panel, {1, 2});
  panel.cmdStart_Click();
  EXPECT_EQ(Sent().back(), "GPS");
  std::string job = AnsiToUtf8(ReadBytes("system\\ziriv.gpi"));
  EXPECT_NE(job.find("in_name=mx"), std::string::npos);
  EXPECT_NE(job.find("in_name=kart"), std::string::npos);
  DoEvents();
  EXPECT_FALSE(IsFormLoaded("frmEnv")) << "the settings window closes once the run is asked for";
}

TEST_F(PatchPanelTest, GroupsBecomeTabsAndGainAndLoseGames) {
  CreateGroup("주말");
  PatchPanel& panel = Open();
  EXPECT_EQ(TabCtrl_GetItemCount(panel.controls()["TabSGP"]), 4);
  panel.cmdMr_Click();
  EXPECT_EQ(Boxes().back(), "Tessel: My패치 등록 할 게임이 선택되지 않았습니다!!");
  TickRows(panel, {0, 2});
  panel.cmdMr_Click();
  EXPECT_TRUE(IsWindowVisible(panel.controls()["List1"]));
  SendMessageW(panel.controls()["List1"], LB_SETCURSEL, 0, 0);
  panel.List1_Click();
  EXPECT_EQ(LoadGroups()[0].Data, "lin,kart,");
  panel.SelectTab(3);
  EXPECT_EQ(Names(panel), (std::vector<std::string>{"리니지", "Kart"}));
  TickRows(panel, {0});
  panel.cmdMd_Click();
  EXPECT_EQ(LoadGroups()[0].Data, "kart,");
  EXPECT_EQ(Names(panel), std::vector<std::string>{"Kart"});
}

TEST_F(PatchPanelTest, TheSyncPanelListsSyncGamesAndHandsThemToAServer) {
  TheApp().VConnect = true;
  PatchPanel& panel = Open(6);
  EXPECT_EQ(Names(panel), std::vector<std::string>{"Sync only"}) << "games without sync are not synchronised";
  panel.OnSettingsText("3-PC3,12-PC12");
  HWND servers = panel.controls()["lstSync"];
  EXPECT_EQ(SendMessageW(servers, CB_GETCOUNT, 0, 0), 3);
  TickRows(panel, {0});
  panel.cmdSync_Click();
  EXPECT_EQ(Boxes().back(), "Tessel: Sync서버가 선택되지 않았습니다!!");
  SendMessageW(servers, CB_SETCURSEL, 2, 0);
  panel.controls().SetChecked("OptSync(0)", false);
  panel.controls().SetChecked("OptSync(2)", true);
  panel.cmdSync_Click();
  EXPECT_EQ(AnsiToUtf8(ReadBytes("skin\\csync.log")), "[12*1]\r\nso^C:\\So^^^Sync only^|Best^^0^^^#\r\n");
  EXPECT_EQ(Sent().back(), "GPSC");
}
