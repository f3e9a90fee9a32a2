// The classic menu in the real program: a first start turns the game list into an icon, which
// starts its game through the launcher (the recorder proves it), and the agent's commands reach
// the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "menu/frm_main.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "ui/twips.h"

namespace {
const std::string kRecorder = RECORDER_EXE;

// Runs the agent simulator with these commands; returns the replies it logged.
std::string Agent(const TempFolder& folder, const std::string& commands) {
  static int runs = 0;
  std::string log = folder / ("agent-" + std::to_string(++runs) + ".log");
  EXPECT_EQ(Run("\"" AGENT_SIM_EXE "\" --log \"" + log + "\" " + commands), 0u) << commands;
  return ReadTextFile(log).value_or("");
}
}  // namespace

TEST(ClassicMenu, ListsTheInstalledGameStartsItAndFollowsTheAgent) {
  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  std::string started = folder / "recorder.log";
  SetEnvironmentVariableW(L"TESSEL_RECORDER_LOG", Widen(started).c_str());
  for (const char* value : {"Left", "Top", "Width", "Height", "VdAd"}) RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, value);
  CreateFolders(folder / "Skin");
  WriteTextFile(folder / "Skin\\GameLst.ini",
                "[1]\r\ntitle=기록 게임\r\nganre=Best\r\nprocess=recorder.exe\r\ntype=LNK\r\nargs=-level 3\r\npath=" +
                    kRecorder.substr(0, kRecorder.rfind('\\')) + "\r\n",
                false, false);
  WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=0\r\nNOTE1=첫 공지\r\n", false, false);
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(20000));
  HWND menu = WaitForWindow("frmMain", program.processId(), 0);
  ASSERT_NE(menu, nullptr);
  HWND list = FindWindowExW(menu, nullptr, WC_LISTVIEWW, nullptr);
  auto items = [&] { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); };
  ASSERT_TRUE(WaitUntil([&] { return items() == 1; }, 30000)) << "the installed game as the first category's icon";

  PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitUntil([&] { return FileExists(started); }, 30000));
  std::string line = ReadTextFile(started).value_or("");
  EXPECT_EQ(line.substr(0, line.find('\t')), kRecorder.substr(0, kRecorder.rfind('\\'))) << "started in its folder";
  EXPECT_NE(line.find("-level 3"), std::string::npos) << line;

  SetWindowPos(menu, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);  // snaps to the minimum
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "Left", std::to_string(PixelsToTwipsX(40)));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "Top", std::to_string(PixelsToTwipsY(30)));
  EXPECT_EQ(Agent(folder, "--send frmMain 3 MV"), "3 MV\n");
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_EQ(place.left, 40);
  EXPECT_EQ(place.top, 30);
  EXPECT_EQ(Agent(folder, "--send frmMain 3 B2 --send frmMain 3 WH"), "3 HF\n3 B2\n3 HF\n");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Width"), std::to_string(PixelsToTwipsX(place.right - place.left)))
      << "the classic window stores its size and answers HF";

  HWND notice = FindWindowExW(menu, nullptr, L"STATIC", L"  첫 공지");
  ASSERT_NE(notice, nullptr);
  WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=0\r\nNOTE1=새 공지\r\n", false, false);
  Agent(folder, "--send frmMain 3 NB");
  EXPECT_EQ(FindWindowExW(menu, nullptr, L"STATIC", L"  새 공지"), notice);

  auto visibleCategories = [&] {
    int count = 0;
    for (int i = 0; i < 20; ++i) count += IsWindowVisible(GetDlgItem(menu, kCategoryButtonId + i)) ? 1 : 0;
    return count;
  };
  ASSERT_EQ(visibleCategories(), 8);
  std::string table = ReadTextFile(folder / "Skin\\Vdcate.ini").value_or("");
  table.replace(table.find("State=1", table.find("[메신저]")), 7, "State=0");
  WriteTextFile(folder / "Skin\\Vdcate.ini", table, false, false);
  EXPECT_EQ(Agent(folder, "--send frmMain 3 A1"), "3 A1\n");
  EXPECT_EQ(visibleCategories(), 7);
  EXPECT_TRUE(WaitUntil([&] { return items() == 1; }, 30000)) << "the first category is shown again";
  EXPECT_EQ(program.End(), 0u);
}
