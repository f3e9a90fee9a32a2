#include <windows.h>

#include <gtest/gtest.h>

#include "agent/menu_hook.h"
#include "catalog/clock.h"
#include "patch/frm_patch_log.h"
#include "patch/patch_data.h"
#include "patch/patch_run.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "store/wait.h"
#include "support/agent_doubles.h"
#include "support/test_env.h"
#include "ui/forms.h"

namespace {
const char* kDescriptor =
    "[GPI_0]\r\nname=리니지\r\nin_name=lin\r\ncmpy=NC\r\np_type=2\r\npath1=C:\\Lin\r\ninfo=x/y/L01\r\nsync_reg1=R1\r\n"
    "[GPI_1]\r\nname=MX\r\nin_name=mx\r\np_type=1\r\npath1=REG/HKLM/mx\r\ninfo=x/y/M02\r\n"
    "[GPI_2]\r\nname=Kart\r\nin_name=kart\r\np_type=1\r\npath1=C:\\Kart\r\ninfo=x/y/K03\r\n";

class PatchRunTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin\\htm"));
    CreateFolders(Path("system"));
    OverrideSpecialFolder(37, Path("system"));
    SetClock([this] { return now; });
    agent.Load();
    WriteTextFile(Path("Skin\\htm\\ziriv.gpi"), kDescriptor, false, false);
    LoadPatchData();
  }
  void TearDown() override {
    UnloadFormByName("frmPatchLog");
    agent.Unload();
    SetClock(nullptr);
    OverrideSpecialFolder(37, "");
    TesselTest::TearDown();
  }
  std::string Text(const std::string& name) { return AnsiToUtf8(ReadBytes(name)); }
  std::string RunLog() { return Text("Skin\\Log\\20240109100000.log"); }
  // As the engine writes: into the game's section through the profile functions.
  void EngineWrites(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                               Widen(Path("Skin\\Log\\20240109100000.log")).c_str());
  }

  DateTime now{2024, 1, 9, 10, 0, 0};
  TestAgent agent;
};

// Engine window stand-in: a top-level window captioned "VdGp".
class EngineWindow : public Window {
 public:
  EngineWindow() : Window("TestVdGp") {}

 protected:
  WindowOptions Options() const override { return {.caption = "VdGp", .style = WS_OVERLAPPED}; }
};
}  // namespace

TEST_F(PatchRunTest, APanelRunWritesJobAndLogAndAsksTheAgent) {
  WriteTextFile(Path("env.mts"), "[ENV]\r\nGPIRR=1\r\n", false, false);
  TheApp().Patch.inspection = {"M02"};
  ASSERT_TRUE(StartRun({1, 2, 3}, RunSource::PatchPanel, 1));

  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST"), "20240109100000");
  std::string job = Text("system\\ziriv.gpi");
  EXPECT_NE(job.find("[GPI_0]\r\nname=리니지\r\nin_name=lin\r\n"), std::string::npos);
  EXPECT_NE(job.find("[GPI_1]\r\nname=Kart\r\n"), std::string::npos) << "the inspected game is not sent";
  EXPECT_EQ(job.find("in_name=mx"), std::string::npos);
  EXPECT_EQ(RunLog(),
            "[lin]\r\nGName=리니지\r\ncmpy=NC\r\np_type=2\r\nGCode=L01\r\nreg1=R1\r\nreg2=\r\n"
            "[mx]\r\nGName=MX\r\ncmpy=\r\np_type=1\r\nGCode=M02\r\nreg1=\r\nreg2=\r\n"
            "STime=2024-01-09 10:00:00\r\nETime=2024-01-09 10:00:00\r\nSTATE=T\r\n"
            "[kart]\r\nGName=Kart\r\ncmpy=\r\np_type=1\r\nGCode=K03\r\nreg1=\r\nreg2=\r\n");
  EXPECT_TRUE(FolderExists(Path("Skin\\htm\\abc")));
  EXPECT_EQ(agent.Texts(), std::vector<std::string>{"GPS"});
  EXPECT_EQ(TheApp().LoginPurpose, "S");

  // A retry from the run window in the same second appends to the same log, without registry lines.
  ASSERT_TRUE(StartRun({3}, RunSource::RunWindow));
  EXPECT_TRUE(RunLog().ends_with("reg2=\r\n[kart]\r\nGName=Kart\r\ncmpy=\r\np_type=1\r\nGCode=K03\r\n"));
  EXPECT_EQ(Text("system\\ziriv.gpi").find("[GPI_1]"), std::string::npos);
}

TEST_F(PatchRunTest, NothingIsSentWhenEveryGameIsUnderInspection) {
  TheApp().Patch.inspection = {"L01", "K03"};
  EXPECT_FALSE(StartRun({1, 3}, RunSource::PatchPanel, 1));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "선택한 게임은 현재 정기점검 중입니다!!");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));
  EXPECT_TRUE(agent.Texts().empty());
  EXPECT_TRUE(StartRun({1, 3}, RunSource::PatchPanel, 0)) << "with the inspection box off every game goes";
}

TEST_F(PatchRunTest, TheLiveWindowFollowsTheRunUntilTheEngineHasEnded) {
  ASSERT_TRUE(StartRun({1, 2, 3}, RunSource::RunWindow));
  EngineWindow engine;
  engine.Load();
  ShowPatchLog("");
  FrmPatchLog* window = OpenPatchLog();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->Live());
  EXPECT_EQ(window->ButtonTag(), "STOP");
  EXPECT_EQ(window->Games().Count(), 3);

  EngineWrites("lin", "STime", "10:00:01");
  window->FollowRun();
  EXPECT_EQ(window->Games().Text(0, 1), "진행중");
  EXPECT_EQ(window->Games().SelectedRow(), 0) << "the game being patched is scrolled to";

  EngineWrites("lin", "STATE", "F");
  EngineWrites("mx", "ETime", "10:00:05");
  EngineWrites("mx", "STATE", "S");
  EngineWrites("kart", "STATE", "C");
  window->FollowRun();
  EXPECT_EQ(window->Games().Text(0, 1), "실패");
  EXPECT_EQ(window->Games().Text(1, 1), "성공");
  EXPECT_EQ(window->Games().Text(1, 2), "10:00:05");
  EXPECT_EQ(window->Games().Text(2, 1), "패치중지함");
  ASSERT_EQ(window->RetryList().Count(), 2);
  EXPECT_EQ(window->RetryList().Text(1, 0), "Kart");
  EXPECT_EQ(window->ButtonTag(), "STOP") << "not finished while the engine's window is up";
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window->hwnd(), FrmPatchLog::cmdClose)));

  window->cmdOK_Click();
  EXPECT_EQ(agent.Texts(), (std::vector<std::string>{"GPS", "GPC"}));

  engine.Unload();
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPLoc", 1);
  window->FollowRun();
  EXPECT_EQ(window->ButtonTag(), "STRT");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window->hwnd(), FrmPatchLog::cmdClose)));
  EXPECT_TRUE(IsFormLoaded("frmPatchLog")) << "a failed game keeps the window open even with GPLoc 1";

  // A retry with nothing ticked, then of the ticked failure only.
  window->cmdOK_Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "패치 할 게임이 지정되지 않았습니다!!");
  window->RetryList().SetChecked(0, true);
  now.second = 30;
  window->cmdOK_Click();
  EXPECT_FALSE(IsFormLoaded("frmPatchLog"));
  std::string job = Text("system\\ziriv.gpi");
  EXPECT_NE(job.find("in_name=lin"), std::string::npos);
  EXPECT_EQ(job.find("[GPI_1]"), std::string::npos);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST"), "20240109100030");
}

TEST_F(PatchRunTest, AFinishedRunWithoutFailuresClosesItselfWhenAskedTo) {
  ASSERT_TRUE(StartRun({2}, RunSource::RunWindow));
  EngineWrites("mx", "STATE", "N");
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPLoc", 1);
  ShowPatchLog("");
  OpenPatchLog()->FollowRun();
  EXPECT_FALSE(IsFormLoaded("frmPatchLog"));
}

TEST_F(PatchRunTest, TheViewerShowsANamedRunAndTheAgentReopensTheLiveWindow) {
  CreateFolders(Path("Skin\\Log"));
  WriteTextFile(Path("Skin\\Log\\old.log"), "[a]\r\nGName=A\r\nSTime=s\r\nETime=e\r\nSTATE=X\r\n", false, false);
  ShowPatchLog("old");
  FrmPatchLog* window = OpenPatchLog();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->Live());
  EXPECT_EQ(window->ButtonTag(), "STRT");
  EXPECT_EQ(window->Games().Text(0, 1), "설치안됨");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window->hwnd(), FrmPatchLog::cmdClose)));
  window->cmdOK_Click();
  EXPECT_TRUE(boxes.shown.empty()) << "an empty retry list does nothing";

  ShowPatchLog("..\\..\\env");
  EXPECT_EQ(OpenPatchLog()->Games().Count(), 0) << "a run's name never leads out of the log folder";

  ASSERT_TRUE(StartRun({1}, RunSource::RunWindow));
  TestMenuWindow menu;
  menu.Load();
  HookMenuWindow(menu);
  SendCommand(menu.hwnd(), "GPS");  // as the agent answers once the engine runs
  UnhookMenuWindow();

  ASSERT_NE(OpenPatchLog(), nullptr);
  EXPECT_TRUE(OpenPatchLog()->Live());
  EXPECT_EQ(OpenPatchLog()->Games().Text(0, 0), "리니지");
}
