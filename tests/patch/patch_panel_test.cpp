#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "patch/patch_data.h"
#include "patch/patch_groups.h"
#include "patch/patch_list.h"
#include "patch/patch_panel_actions.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"

namespace {
const char* kDescriptor =
    "[GPI_0]\r\nname=리니지\r\nin_name=lin\r\np_type=2\r\npath1=C:\\Games\\Lin\r\npath2=C:\\Games\\Lin2\r\nsync=1\r\n"
    "[GPI_1]\r\nname=MX\r\nin_name=mx\r\np_type=1\r\npath1=REG/HKLM/mx\r\n"
    "[GPI_2]\r\nname=Kart\r\nin_name=kart\r\np_type=1\r\npath1=C:\\Games\\Kart\r\nsync=2\r\n";

// A window with the panel's list on it.
class ListHost : public Window {
 public:
  ListHost() : Window("PatchListHost") {}
  ReportList list;

 protected:
  void OnLoad() override {
    list.Create(hwnd(), 100, {0, 0, 600, 300}, LVS_EX_CHECKBOXES);
    CreatePatchListColumns(list, PatchColumns::Account);
  }
};

class PatchPanelTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin\\htm"));
    WriteTextFile(Path("Skin\\htm\\ziriv.gpi"), kDescriptor, false, false);
    WriteTextFile(Path("Skin\\GP_Mod.ini"), "[LIN]\r\nID=owner\r\nPath1=D:\\Games\\Lin\r\n", false, false);
    LoadPatchData();
    agent.Load();
  }
  void TearDown() override {
    agent.Unload();
    TesselTest::TearDown();
  }
  std::string Text(const std::string& name) { return AnsiToUtf8(ReadBytes(name)); }
  TestAgent agent;
};
}  // namespace

TEST_F(PatchPanelTest, TheListShowsTheGamesOfTheTabWithTheOwnersSettings) {
  ListHost host;
  host.Load();
  FillPatchList(host.list, {}, PatchColumns::Account, false);
  ASSERT_EQ(host.list.Count(), 2) << "sync 2 is not listed outside the synchronisation mode";
  EXPECT_EQ(host.list.Text(0, 0), "리니지");
  EXPECT_EQ(host.list.Text(0, 1), "D:\\Games\\Lin");
  EXPECT_EQ(host.list.Text(0, 2), "owner");
  EXPECT_EQ(host.list.Text(1, 1), "자동경로");
  EXPECT_EQ(host.list.Text(1, 2), "비로그인");
  EXPECT_EQ(RowRecord(host.list, 1), 2u);
  FillPatchList(host.list, {PatchTab::Kind::Group, "kart,mx,"}, PatchColumns::Limits, true);
  ASSERT_EQ(host.list.Count(), 1);
  EXPECT_EQ(host.list.Text(0, 0), "Kart");
  EXPECT_EQ(host.list.Text(0, 3), "인기게임");
  host.Unload();
}

TEST_F(PatchPanelTest, GroupsGainAndLoseTickedGames) {
  std::string section = CreateGroup("주말");
  AddGamesToGroup(section, {1, 3});
  AddGamesToGroup(section, {3, 2});
  EXPECT_EQ(LoadGroups()[0].Data, "lin,kart,mx,");
  RemoveGamesFromGroup(section, {3});
  EXPECT_EQ(LoadGroups()[0].Data, "lin,mx,");
}

TEST_F(PatchPanelTest, PathEditorsChangeManualPathsOnly) {
  ReplaceInInstallPaths({1, 2, 3}, "c:\\games", "E:\\Play");
  auto& games = TheApp().Patch.descriptors;
  EXPECT_EQ(games[1].path1, "D:\\Games\\Lin") << "the owner's path has no C:\\Games";
  EXPECT_EQ(games[1].path2, "E:\\Play\\Lin2");
  EXPECT_EQ(games[2].path1, "자동경로");
  EXPECT_EQ(games[3].path1, "E:\\Play\\Kart");
  EXPECT_EQ(Text("Skin\\GP_Mod.ini"),
            "[LIN]\r\nID=owner\r\nPath1=D:\\Games\\Lin\r\nPath2=E:\\Play\\Lin2\r\n"
            "[kart]\r\nPath1=E:\\Play\\Kart\r\nPath2=\r\n");
  RestoreDescriptorPaths({1});
  EXPECT_EQ(games[1].path1, "C:\\Games\\Lin");
  EXPECT_EQ(ClsINI(Path("Skin\\GP_Mod.ini"), "LIN").OpenINI("Path1"), "C:\\Games\\Lin");
}

TEST_F(PatchPanelTest, AGameSyncNeedsTheServerAChosenSyncServerAndGames) {
  EXPECT_FALSE(StartGameSync(false, 1, "03", 0, {1}));
  EXPECT_FALSE(StartGameSync(true, 0, "Sync서버", 0, {1}));
  EXPECT_FALSE(StartGameSync(true, 1, "03", 0, {}));
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, "서버와 연결이 되어 있지 않아 작업을 진행 할수 없습니다!!");
  EXPECT_EQ(boxes.shown[1].text, "Sync서버가 선택되지 않았습니다!!");
  EXPECT_EQ(boxes.shown[2].text, "게임Sync할 게임이 지정되지 않았습니다!!");
  EXPECT_TRUE(agent.Texts().empty());

  EXPECT_TRUE(StartGameSync(true, 2, "12", 1, {3, 1}));
  EXPECT_EQ(Text("skin\\csync.log"),
            "[12*2]\r\nkart^C:\\Games\\Kart^^^Kart^|Best^^0^^^#\r\n"
            "lin^D:\\Games\\Lin^^^리니지^|Best^^0^C:\\Games\\Lin2^^#\r\n");
  EXPECT_EQ(agent.Texts(), std::vector<std::string>{"GPSC"});

  AskForDescriptorArchive();
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 7), 0u);
  EXPECT_EQ(agent.Texts().back(), "GPD");
}
