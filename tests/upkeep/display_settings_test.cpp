#include "upkeep/display_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "support/test_env.h"

namespace {
// Switches this process's shutdown privilege on or off when asked; whether it is on.
bool ShutdownPrivilege(std::optional<bool> switchOn = std::nullopt) {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  LUID id{};
  LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &id);
  TOKEN_PRIVILEGES change{1, {{id, switchOn.value_or(false) ? static_cast<DWORD>(SE_PRIVILEGE_ENABLED) : 0u}}};
  if (switchOn) AdjustTokenPrivileges(token, FALSE, &change, 0, nullptr, nullptr);
  PRIVILEGE_SET asked{1, PRIVILEGE_SET_ALL_NECESSARY, {{id, 0}}};
  BOOL on = FALSE;
  PrivilegeCheck(token, &asked, &on);
  CloseHandle(token);
  return on;
}

class DisplaySettingsTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    SetDisplaySystem({[this](const DisplayMode& mode) {
                        changes.push_back(mode.text);
                        return answer;
                      },
                      [this] { ++restarts; }});
  }
  void TearDown() override {
    SetDisplaySystem({});
    TesselTest::TearDown();
  }
  long answer = 0;
  int restarts = 0;
  std::vector<std::string> changes;
};
}  // namespace

TEST(DisplayModeText, OnlyLargeTrueColourModesOfAtLeast60HzAreListed) {
  EXPECT_EQ(ListedModeText(800, 600, 32, 60), "800×600,32bit,60Hz");
  EXPECT_EQ(ListedModeText(1024, 768, 16, 60), std::nullopt);
  EXPECT_EQ(ListedModeText(1024, 768, 32, 59), std::nullopt);
  EXPECT_EQ(ListedModeText(799, 768, 32, 60), std::nullopt);
  EXPECT_EQ(ListedModeText(1024, 599, 32, 60), std::nullopt);
}

TEST_F(DisplaySettingsTest, OnlyAListedWantedModeIsAppliedAndARestartIsAskedFor) {
  TheApp().Settings.Display = "800×600,32bit,60Hz";
  ApplyDisplayIfWanted();
  EXPECT_FALSE(TheApp().DisplayModesFilled) << "DisplayOption is off";
  TheApp().Settings.DisplayOption = "1";
  ApplyDisplayIfWanted();
  ASSERT_TRUE(TheApp().DisplayModesFilled);
  TheApp().DisplayModes = {{800, 600, 32, 60, "800×600,32bit,60Hz"}};
  ApplyDisplayIfWanted();
  EXPECT_EQ(TheApp().DisplayModes.size(), 1u) << "the tables are filled once";
  EXPECT_EQ(changes.back(), "800×600,32bit,60Hz");
  const size_t applied = changes.size();
  TheApp().Settings.Display = "640×480,32bit,60Hz";
  ApplyDisplayIfWanted();
  EXPECT_EQ(changes.size(), applied) << "an unlisted mode is never applied";
  EXPECT_TRUE(boxes.shown.empty());

  TheApp().Settings.Display = "800×600,32bit,60Hz";
  answer = DISP_CHANGE_RESTART;
  boxes.answers = {IDNO, IDYES};
  ApplyDisplaySettings();
  ApplyDisplaySettings();
  EXPECT_EQ(restarts, 1);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].flags & MB_YESNO, static_cast<unsigned>(MB_YESNO));
  answer = DISP_CHANGE_BADMODE;
  ApplyDisplaySettings();
  EXPECT_EQ(boxes.shown.back().text, "ERROR -> -2");
}

// Windows refuses to restart for a program whose shutdown privilege is not switched on.
TEST_F(DisplaySettingsTest, TheRestartAfterAModeChangeHasTheShutdownPrivilegeSwitchedOn) {
  ASSERT_FALSE(ShutdownPrivilege(false));
  bool onAtRestart = false;
  SetDisplaySystem({[](const DisplayMode&) { return static_cast<long>(DISP_CHANGE_RESTART); },
                    [&] { onAtRestart = ShutdownPrivilege(); }});
  TheApp().Settings.Display = "800×600,32bit,60Hz";
  TheApp().DisplayModes = {{800, 600, 32, 60, "800×600,32bit,60Hz"}};
  boxes.answers = {IDYES};
  ApplyDisplaySettings();
  EXPECT_TRUE(onAtRestart);
}
