// The skinned layouts in the real program: the banner with its floating buttons and notice, the
// category window a floating button opens, Esc, and layout switches by the agent's "J2".
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "skin/float_row.h"
#include "skin/skinned_menu.h"
#include "store/files.h"
#include "store/registry.h"
#include "ui/twips.h"

namespace {
struct AgentRun {
  DWORD exitCode;
  std::string replies;
};

// Runs the agent simulator with these commands; a command to a missing window fails the run.
AgentRun Agent(const TempFolder& folder, const std::string& commands) {
  static int runs = 0;
  std::string log = folder / ("agent-" + std::to_string(++runs) + ".log");
  DWORD code = Run("\"" AGENT_SIM_EXE "\" --log \"" + log + "\" " + commands);
  return {code, ReadTextFile(log).value_or("")};
}

class SkinnedLayouts : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* value : {"Left2", "Top2", "mBtnCnt", "VdAd", "dwGDoctor"})
      RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, value);
    for (const char* name : {"Skin", "image", "Best", "Action"}) CreateFolders(folder / name);
    WriteTextFile(folder / "Game.mts", "", false, true);  // not a first start
    WriteTextFile(folder / "Skin\\Button.ini", "[1]\r\ntitle=공지\r\nimage=NT\r\nurl=about:blank\r\n", false, false);
    for (const char* name : {"Action\\하나.url", "Action\\둘.url", "Best\\셋.url"})
      WriteTextFile(folder / name, "[InternetShortcut]\r\nURL=about:blank\r\n", false, false);
  }
  void TearDown() override {
    for (const char* value : {"Left2", "Top2", "mBtnCnt"}) RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, value);
  }
  void Env(const std::string& lines) { WriteTextFile(folder / "env.mts", "[ENV]\r\n" + lines, false, false); }
  HWND Window(const char* form, DWORD timeoutMs = 10000) {
    return WaitForWindow(form, program.processId(), timeoutMs);
  }
  static int Items(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
  static RECT PlaceOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
  }

  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
};

void PressEscape(bool down) {
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = VK_ESCAPE;
  key.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &key, sizeof(key));
}
}  // namespace

TEST_F(SkinnedLayouts, LayoutOneLinesUpItsButtonsOpensTheMenuAtTheirCategoryAndHidesItOnEsc) {
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt", 5);
  Env("ltype=1\r\nNOTE1=어서 오세요\r\n");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(20000));
  HWND banner = Window("frmMain2"), menu = Window("frmMain4");
  ASSERT_TRUE(banner && menu);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "hidden after its start-up work";
  ASSERT_NE(Window("F5"), nullptr) << "the first link and five categories";
  EXPECT_EQ(Window("F6", 0), nullptr);
  EXPECT_NE(Window("FrmNotice", 0), nullptr);
  const RECT bar = PlaceOf(banner);
  for (int k = 0; k <= 5; ++k) {
    RECT place = PlaceOf(Window(("F" + std::to_string(k)).c_str(), 0));
    EXPECT_EQ(place.left, TwipsToPixelsX(FloatLeft(PixelsToTwipsX(bar.left), k, 6))) << k;
    EXPECT_EQ(place.bottom, place.top + TwipsToPixelsY(kFloatHeight)) << k;
  }

  AgentRun xy = Agent(folder, "--send frmMain2 3 XY");
  EXPECT_EQ(xy.replies, "3 XY\n");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Left2"), std::to_string(PixelsToTwipsX(bar.left)));

  PostMessageW(Window("F3", 0), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(menu); }));
  HWND first = GetDlgItem(menu, kSkinnedListId), chosen = GetDlgItem(menu, kSkinnedListId + 1);
  EXPECT_TRUE(WaitUntil([&] { return Items(chosen) == 2; })) << "F3 opens the third category, Action";
  EXPECT_EQ(Items(first), 1) << "the first category beside it";

  PressEscape(true);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 3000)) << "Esc hides the menu";
  PressEscape(false);
  EXPECT_TRUE(IsWindowVisible(banner));
  EXPECT_EQ(program.End(), 0u);
}

TEST_F(SkinnedLayouts, LayoutTwoOpensItsMenuAtTheFirstCategoryFromTheSecondButtonAndRunsTheShutdownUpkeep) {
  RegDeleteValue(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardSpeed");
  Env("ltype=2\r\nKeyBoard=1\r\nKeyBoardSpeed=17\r\n");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(20000));
  HWND menu = Window("frmMain3");
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(Window("F1"), nullptr);
  EXPECT_EQ(Window("frmMain4", 0), nullptr);
  EXPECT_EQ(Agent(folder, "--send frmMain2 3 XY").replies, "3 XY\n");
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
  PostMessageW(Window("F1", 0), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(menu); }));
  EXPECT_TRUE(WaitUntil([&] { return Items(GetDlgItem(menu, kSkinnedListId)) == 1; })) << "the first category, Best";

  SendMessageTimeoutW(Window("frmMain2", 0), WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 10000, nullptr);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardSpeed"), "17")
      << "the banner's hook runs the shutdown upkeep";
  EXPECT_EQ(program.End(), 0u);
}

// After every switch exactly one window answers the agent, whichever menu window it asks.
TEST_F(SkinnedLayouts, LayoutSwitchesBackAndForthLeaveOneAnsweringWindow) {
  Env("ltype=0\r\n");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(20000));
  ASSERT_NE(Window("frmMain"), nullptr);
  struct Step {
    int layout;
    const char* answering;
    const char* category;  // the skinned category window of the layout, if any
  };
  const Step steps[] = {{1, "frmMain2", "frmMain4"}, {2, "frmMain2", "frmMain3"}, {0, "frmMain", nullptr},
                        {2, "frmMain2", "frmMain3"}, {1, "frmMain2", "frmMain4"}, {0, "frmMain", nullptr}};
  const char* asking = "frmMain";
  for (const Step& step : steps) {
    Env("LType=" + std::to_string(step.layout) + "\r\n");
    Agent(folder, std::string("--send ") + asking + " 3 J2");
    ASSERT_NE(Window(step.answering), nullptr) << step.layout;
    if (step.category) {
      ASSERT_NE(Window("F0"), nullptr) << step.layout;
    }
    std::string everyone;
    for (const char* form : {"frmMain", "frmMain2", "frmMain3", "frmMain4"})
      everyone += std::string(" --send ") + form + " 3 XY";
    EXPECT_EQ(Agent(folder, everyone).replies, "3 XY\n") << "layout " << step.layout;
    for (std::string form : {"frmMain", "frmMain2", "frmMain3", "frmMain4", "F0"}) {
      bool expected = form == step.answering || (step.category && (form == step.category || form == "F0"));
      EXPECT_EQ(Window(form.c_str(), 0) != nullptr, expected) << form << " in layout " << step.layout;
    }
    asking = step.answering;
  }
  EXPECT_EQ(program.End(), 0u);
}
