#include "upkeep/display_settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace {
class DisplaySettingsTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    SetDisplaySystem({[this](const DisplayMode& mode) {
                        changes.push_back(mode.text);
                        return answer;
                      },
                      [this] { ++restarts; }});
    TheApp().DisplayModes = {{800, 600, 32, 60, "800×600,32bit,60Hz"}, {1280, 1024, 32, 75, "1280×1024,32bit,75Hz"}};
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

TEST_F(DisplaySettingsTest, OnlyAListedModeIsAppliedAndARestartIsAskedFor) {
  TheApp().Settings.Display = "640×480,32bit,60Hz";
  ApplyDisplaySettings();
  EXPECT_TRUE(changes.empty()) << "an unlisted mode is never applied";
  TheApp().Settings.Display = "1280×1024,32bit,75Hz";
  ApplyDisplaySettings();
  EXPECT_EQ(changes, std::vector<std::string>{"1280×1024,32bit,75Hz"});
  EXPECT_TRUE(boxes.shown.empty());

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

TEST_F(DisplaySettingsTest, TheWantedModeIsAppliedWithTablesFilledOnce) {
  TheApp().DisplayModes.clear();
  TheApp().Settings.Display = "800×600,32bit,60Hz";
  ApplyDisplayIfWanted();
  EXPECT_FALSE(TheApp().DisplayModesFilled) << "DisplayOption is off";
  EnumerateDisplayModes();
  for (const DisplayMode& mode : TheApp().DisplayModes)
    EXPECT_EQ(ListedModeText(mode.width, mode.height, mode.depth, mode.frequency), mode.text);
  TheApp().DisplayModes = {{800, 600, 32, 60, "800×600,32bit,60Hz"}};
  TheApp().Settings.DisplayOption = "1";
  ApplyDisplayIfWanted();
  EXPECT_EQ(changes, std::vector<std::string>{"800×600,32bit,60Hz"});
  EXPECT_EQ(TheApp().DisplayModes.size(), 1u) << "the filled tables are not read again";
}
