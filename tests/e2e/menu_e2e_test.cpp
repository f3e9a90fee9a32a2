// The classic menu in the real program: icons from Game.mts, a start through the launcher that the
// recorder proves, the size rule, and the agent's commands that reach the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "e2e/e2e_support.h"
#include "menu/frm_main.h"
#include "menu/menu_geometry.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "ui/twips.h"

namespace {
const std::string kRecorder = RECORDER_EXE;
const std::string kAgentSim = AGENT_SIM_EXE;

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

std::string Text(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return Trim(Narrow(text));
}

DWORD RunAgent(const std::string& arguments) {
  std::wstring commandLine = L"\"" + Widen(kAgentSim) + L"\" " + Widen(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return 99;
  WaitForSingleObject(process.hProcess, 20000);
  DWORD code = 98;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

class ClassicMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    const TempFolder& folder = program.folder();
    log = folder / "recorder.log";
    SetEnvironmentVariableW(L"TESSEL_RECORDER_LOG", Widen(log).c_str());
    for (const char* name : {"SOFTWARE\\Orbix\\Tessel"}) {
      for (const char* value : {"Left", "Top", "Width", "Height", "VdAd"}) RegDeleteValue(HKEY_CURRENT_USER, name, value);
    }
    CreateFolders(folder / "Etc");
    WriteTextFile(folder / "Etc\\문서 사이트.url", "[InternetShortcut]\r\nURL=about:blank\r\n", false, false);
    WriteTextFile(folder / "Game.mts",
                  "[rec]\r\nTitle=기록 게임\r\nGName=기록 게임.lnk\r\nTargetPath=" + kRecorder +
                      "\r\nWorkDir=\r\nArgs=-level 3\r\nGroup=best\r\nGubn=LNK\r\nIcon=" + kRecorder + "\r\n",
                  false, false);
    WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=0\r\nNOTE1=첫 공지\r\n", false, false);
    ASSERT_TRUE(program.Start());
    menu = WaitForWindow("frmMain", program.processId(), 20000);
    ASSERT_NE(menu, nullptr);
    list = FindWindowExW(menu, nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Items() == 1; }))
        << "the Game.mts entry as the first category's icon; items: " << Items();
  }
  void TearDown() override {
    program.End();
    SetEnvironmentVariableW(L"TESSEL_RECORDER_LOG", nullptr);
  }
  int Items() { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
  int VisibleCategories() {
    int count = 0;
    for (int i = 0; i < 20; ++i) count += IsWindowVisible(GetDlgItem(menu, kCategoryButtonId + i)) ? 1 : 0;
    return count;
  }
  std::string Agent(const std::string& commands) {
    std::string agentLog = program.folder() / ("agent-" + std::to_string(++agentRuns) + ".log");
    EXPECT_EQ(RunAgent("--log \"" + agentLog + "\" " + commands), 0u);
    return ReadTextFile(agentLog).value_or("");
  }
  SIZE Size() {
    RECT place;
    GetWindowRect(menu, &place);
    return {place.right - place.left, place.bottom - place.top};
  }

  ProgramUnderTest program;
  std::string log;
  HWND menu = nullptr, list = nullptr;
  int agentRuns = 0;
};
}  // namespace

TEST_F(ClassicMenu, ActivatingTheIconStartsItsTargetInTheTargetsFolder) {
  PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(WaitUntil([&] { return FileExists(log); }));
  std::string line = ReadTextFile(log).value_or("");
  std::string folder = kRecorder.substr(0, kRecorder.find_last_of('\\'));
  EXPECT_EQ(line.substr(0, line.find('\t')), folder);
  EXPECT_NE(line.find("-level 3"), std::string::npos) << line;
}

TEST_F(ClassicMenu, CategoryClicksAndResizingAct) {
  PostMessageW(menu, WM_COMMAND, MAKEWPARAM(kCategoryButtonId + 7, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return Items() == 1 && FileExists(program.folder() / "Best\\기록 게임.lnk"); }));

  SetWindowPos(menu, nullptr, 0, 0, TwipsToPixelsX(8000), TwipsToPixelsY(6000), SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Size().cx, TwipsToPixelsX(kMenuMinWidthTwips));
  EXPECT_EQ(Size().cy, TwipsToPixelsY(kMenuMinHeightTwips));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Width"), std::to_string(kMenuMinWidthTwips));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Height"), std::to_string(kMenuMinHeightTwips));
}

TEST_F(ClassicMenu, TheAgentsCommandsMoveSizeAndRefillTheWindow) {
  SetWindowPos(menu, nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);  // snaps to the minimum
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "Left", std::to_string(PixelsToTwipsX(40)));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "Top", std::to_string(PixelsToTwipsY(30)));
  EXPECT_EQ(Agent("--send frmMain 3 MV"), "3 MV\n");
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_EQ(place.left, 40);
  EXPECT_EQ(place.top, 30);

  EXPECT_EQ(Agent("--send frmMain 3 B2 --send frmMain 3 WH"), "3 HF\n3 B2\n3 HF\n");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Width"), std::to_string(PixelsToTwipsX(Size().cx)));

  HWND notice = nullptr;
  for (HWND child = FindWindowExW(menu, nullptr, L"STATIC", nullptr); child && !notice;
       child = FindWindowExW(menu, child, L"STATIC", nullptr))
    if (Text(child) == "첫 공지") notice = child;
  ASSERT_NE(notice, nullptr);
  WriteTextFile(program.folder() / "env.mts", "[ENV]\r\nltype=0\r\nNOTE1=새 공지\r\n", false, false);
  Agent("--send frmMain 3 NB");
  EXPECT_EQ(Text(notice), "새 공지");

  ASSERT_EQ(VisibleCategories(), 8);
  std::string table = ReadTextFile(program.folder() / "Skin\\Vdcate.ini").value_or("");
  size_t hidden = table.find("State=1", table.find("[메신저]"));
  table.replace(hidden, 7, "State=0");
  WriteTextFile(program.folder() / "Skin\\Vdcate.ini", table, false, false);
  EXPECT_EQ(Agent("--send frmMain 3 A1"), "3 A1\n");
  EXPECT_EQ(VisibleCategories(), 7);
  EXPECT_TRUE(WaitUntil([&] { return Items() == 1; })) << "the first category is shown again";
}
