#include "admin/recovery_control.h"

#include <gtest/gtest.h>

#include "admin/admin_test_env.h"
#include "admin/cd_key_panel.h"
#include "admin/env_tabs.h"
#include "admin/frm_env.h"
#include "admin/frm_rsetrec.h"
#include "agent/menu_hook.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "ui/modal.h"

namespace {
using Enabled = std::array<bool, kRecoveryButtons>;

class RecoveryTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "1");
  }
  // The mode dialog as the owner leaves it: an option (or none), a day count, OK or close.
  void DriveModeDialog(int option, int days, bool ok) {
    SetModalDriver([=, this](Window& form) {
      auto& dialog = static_cast<FrmRSetRec&>(form);
      preselected.clear();
      for (int i = 0; i < 4; ++i)
        if (dialog.controls().Checked(Indexed("Option1", i))) preselected += std::to_string(i);
      preselectedDays = dialog.controls().Text("cboDay");
      for (int i = 0; i < 4; ++i) dialog.controls().SetChecked(Indexed("Option1", i), i == option);
      SendMessageW(dialog.controls()["cboDay"], CB_SETCURSEL, static_cast<WPARAM>(days - 1), 0);
      Click(dialog, ok ? "cmdGAdd" : "CButton1");
    });
  }
  std::string preselected, preselectedDays;
};
}  // namespace

TEST_F(RecoveryTest, TheButtonsFollowWhichModuleIsInstalled) {
  EXPECT_EQ(RecoveryButtonStates(), (Enabled{false, false, false, false, false, true, false})) << "only install";
  InstallRecoveryLibrary("VdRcvrp2", "IsInstalled=1");
  EXPECT_EQ(RecoveryButtonStates(), (Enabled{true, true, true, false, false, false, true}));
  InstallRecoveryLibrary("VdRcv", "IsInstalled=1\r\nIsSuperMode=0");
  EXPECT_EQ(RecoveryButtonStates(), (Enabled{true, true, true, true, false, true, true})) << "protected: stop";
  WriteTextFile(Path("recovery-double.ini"), "[VdRcv]\r\nIsInstalled=1\r\nIsSuperMode=1\r\n", false, true);
  EXPECT_EQ(RecoveryButtonStates(), (Enabled{true, true, true, false, true, true, true})) << "suspended: start";
  WriteTextFile(Path("recovery-double.ini"), "[VdRcv]\r\nIsInstalled=2\r\n", false, true);
  EXPECT_EQ(RecoveryButtonStates(), (Enabled{false, false, false, false, false, true, false})) << "2 is not installed";

  OpenSettingsWindow();
  auto* panel = static_cast<CdKeyPanel*>(TheFrmEnv().Panel(kCdKeyTab));
  EXPECT_FALSE(panel->controls().Enabled(Indexed("cmdR", 0)));
  EXPECT_TRUE(panel->controls().Enabled(Indexed("cmdR", 5)));
}

TEST_F(RecoveryTest, EachButtonSendsItsCommandOnceConfirmed) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "0");
  RecoveryCommand(0, nullptr);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Tessel: 서버와 연결이 되지 않았습니다!!\r\n서버와 연결이 되어야 사용이 가능합니다!!"});
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "1");
  boxes.shown.clear();

  boxes.defaultAnswer = IDYES;
  for (int index : {0, 1, 3, 4, 6}) RecoveryCommand(index, nullptr);
  EXPECT_TRUE(Sent().empty()) << "no module: nothing but the install is sent";
  boxes.answers = {IDCANCEL, IDOK};
  RecoveryCommand(5, nullptr);
  RecoveryCommand(5, nullptr);
  EXPECT_EQ(Sent(), std::vector<std::string>{"K0"});
  EXPECT_EQ(boxes.shown.back().text,
            "복구 모듈을 설치 하겠습니까?\r\n\r\n※바르넬 복구 모듈을 제거한 후에 설치 할 경우 반드시 디스크 검사를 하시길 바랍니다.");
  EXPECT_EQ(boxes.shown.back().flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));

  InstallRecoveryLibrary("lsrecn", "IsInstalled=1");
  boxes.shown.clear();
  boxes.answers = {IDNO};
  for (int index : {0, 0, 1, 3, 4, 6}) RecoveryCommand(index, nullptr);
  EXPECT_EQ(Sent(), (std::vector<std::string>{"K0", "K3", "K2", "K1"})) << "stop and start need VdRcv";
  std::vector<std::string> questions;
  for (const auto& box : boxes.shown) questions.push_back(box.text);
  EXPECT_EQ(questions, (std::vector<std::string>{"시스템을 복구 하겠습니까?", "시스템을 복구 하겠습니까?",
                                                 "시스템을 현재 상태로 저장하겠습니까?", "시스템보호를 중지 하겠습니까?",
                                                 "시스템보호를 시작 하겠습니까?", "복구 제거 하겠습니까?"}));
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));

  InstallRecoveryLibrary("VdRcv", "IsInstalled=1");
  RecoveryCommand(3, nullptr);
  RecoveryCommand(4, nullptr);
  EXPECT_EQ(Sent().back(), "K6");
  EXPECT_EQ(Sent()[Sent().size() - 2], "K5");
}

TEST_F(RecoveryTest, TheModeDialogPreselectsTheStateAndItsCodeGoesOutAsKindSeven) {
  InstallRecoveryLibrary("VdRcvrp", "IsInstalled=1\r\nRecMod1=1");
  DriveModeDialog(3, 7, true);
  RecoveryCommand(2, nullptr);
  EXPECT_EQ(preselected, "1") << "VdRcvrp mode 1 is every boot";
  EXPECT_EQ(preselectedDays, "2");
  EXPECT_EQ(TheApp().RecoveryModeCode, "107");
  EXPECT_EQ(Sent(7), std::vector<std::string>{"107"});

  InstallRecoveryLibrary("lsrecn", "IsInstalled=1\r\nRecMod1=0\r\nRecMod2=112");
  DriveModeDialog(1, 2, false);
  RecoveryCommand(2, nullptr);
  EXPECT_EQ(preselected, "3") << "lsrecn first, its code 112";
  EXPECT_EQ(preselectedDays, "12");
  EXPECT_EQ(TheApp().RecoveryModeCode, "") << "closed without a choice";
  EXPECT_EQ(Sent(7).size(), 1u);

  InstallRecoveryLibrary("VdRcv", "IsInstalled=1");
  DriveModeDialog(1, 2, true);
  RecoveryCommand(2, nullptr);
  DriveModeDialog(-1, 2, true);
  RecoveryCommand(2, nullptr);
  EXPECT_EQ(Sent(7), (std::vector<std::string>{"107", "1", "0"})) << "every boot is 1 for VdRcv; no option is manual";
  EXPECT_TRUE(Sent(3).empty());
}

TEST(RecoveryModes, StatesMapOntoOptionsAndOptionsOntoCodes) {
  struct Case {
    const char* state;
    int option, days;
  } cases[] = {{"1|100", 1, 2}, {"0|000", 0, 2}, {"7|", 0, 2}, {"1|", 1, 2}, {"2|101", 2, 2},
               {"0|107", 3, 7}, {"0|130", 3, 30}, {"0|131", 0, 2}, {"", 0, 2}, {"x|y|z", 0, 2}};
  for (const Case& c : cases) {
    RecoveryMode mode = RecoveryModeOfState(c.state);
    EXPECT_EQ(mode.option, c.option) << c.state;
    EXPECT_EQ(mode.days, c.days) << c.state;
  }
  EXPECT_EQ(RecoveryModeCode({0, 9}), "0");
  EXPECT_EQ(RecoveryModeCode({1, 9}), "100");
  EXPECT_EQ(RecoveryModeCode({2, 9}), "101");
  EXPECT_EQ(RecoveryModeCode({3, 9}), "109");
}
