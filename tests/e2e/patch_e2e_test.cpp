// A patch run in the real program: the run window is shown by the agent's "GPS", follows a run
// that is over, and retries its failed and stopped games; the agent simulator starts the stand-in
// engine, which patches them while the window follows the new run to its end. And the install
// scan run against the stand-in engine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "patch/descriptor_file.h"
#include "patch/engine_files.h"
#include "patch/frm_patch_log.h"
#include "patch/patch_groups.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/agent_doubles.h"

namespace {
// A list view's cell text in another process: the request and its buffer are placed in that
// process's memory, as the list view reads them there.
std::string RemoteListText(HWND list, int row, int column) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return "?";
  constexpr size_t kChars = 256;
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
  LVITEMW item{};
  item.iSubItem = column;
  item.cchTextMax = kChars;
  item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
  WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
  wchar_t text[kChars] = {};
  ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof(text) - sizeof(wchar_t), nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return Narrow(text);
}

std::string Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

int Rows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string ProfileValue(const std::string& file, const char* section, const char* key) {
  wchar_t value[64] = {};
  GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", value, 64, Widen(file).c_str());
  return Narrow(value);
}

class Process {
 public:
  bool Start(const std::string& commandLine) {
    std::wstring command = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
  }
  ~Process() {
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }

 private:
  PROCESS_INFORMATION info_{};
};

// The program with a packed descriptor of three games and an earlier run of them (lin failed, mx
// patched, kart stopped), the agent simulator running the stand-in engine with the given arguments,
// and the run window opened on the earlier run, which it finds over.
class PatchRunTest : public ::testing::Test {
 protected:
  void Start(const std::string& engineArguments, const std::string& scenario) {
    CreateFolders(folder / "Skin\\htm");
    CreateFolders(folder / "Skin\\Log");
    ASSERT_TRUE(CopyFileW(Widen(PATCH_ENGINE_EXE).c_str(), Widen(folder / "VdGp.exe").c_str(), FALSE));
    WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=0\r\n", false, false);
    // The descriptor as the server side packs it; the program unpacks it with vdCab.dll.
    WriteTextFile(folder / "descriptor.gpi",
                  "[GPI_0]\r\nname=리니지\r\nin_name=lin\r\np_type=1\r\npath1=C:\\Lin\r\n"
                  "[GPI_1]\r\nname=메이플\r\nin_name=mx\r\np_type=1\r\npath1=C:\\Mx\r\n"
                  "[GPI_2]\r\nname=카트\r\nin_name=kart\r\np_type=1\r\npath1=REG/HKLM/kart\r\n",
                  false, false);
    ASSERT_EQ(::Run("\"" TESSEL_PACK_EXE "\" descriptor \"" + (folder / "Skin\\htm\\Ziriv.dll") + "\" \"" +
                    (folder / "descriptor.gpi") + "\""),
              0u);
    for (const char* component : {"vdCab.dll", "VdEnc.dll"})
      ASSERT_TRUE(CopyFileW(Widen(std::string(COMPONENTS_DIR) + "\\" + component).c_str(),
                            Widen(folder / component).c_str(), FALSE));
    RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPD", 0);
    WriteTextFile(folder / "Skin\\Log\\20240101000000.log",
                  "[lin]\r\nGName=리니지\r\nSTime=a\r\nETime=b\r\nSTATE=F\r\n"
                  "[mx]\r\nGName=메이플\r\nSTime=a\r\nETime=b\r\nSTATE=S\r\n"
                  "[kart]\r\nGName=카트\r\nSTime=a\r\nETime=b\r\nSTATE=C\r\n",
                  false, false);
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GPLAST", "20240101000000");
    RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "GPLoc", 0);
    WriteTextFile(folder / "scenario.ini", scenario, false, false);

    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitUntilReady(20000));
    HWND menu = WaitForWindow("frmMain", program.processId(), 0);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(agent.Start("\"" AGENT_SIM_EXE "\" --stay --log \"" + (folder / "agent.log") + "\" --engine \"" +
                            (folder / "VdGp.exe") + "\" --engine-args \"" + engineArguments + " --scenario " +
                            (folder / "scenario.ini") + "\""));
    ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Vendara Agent") != nullptr; }));
    SendCommand(menu, "GPS");  // as the agent reports a run
    window = WaitForWindow("frmPatchLog", program.processId());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Text(Control(FrmPatchLog::lblrst)) == "패치 완료"; })) << "the old run is over";
  }

  HWND Control(int id) const { return GetDlgItem(window, id); }
  std::string CurrentLog() const {
    return folder / ("Skin\\Log\\" + RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST") + ".log");
  }
  // Ticks every failed or stopped game and retries them; true once the window follows the new run.
  bool Retry() {
    SendMessageW(Control(FrmPatchLog::cmdAll), BM_CLICK, 0, 0);
    PostMessageW(Control(FrmPatchLog::cmdOK), BM_CLICK, 0, 0);
    return WaitUntil([&] {
      window = FindWindowW(L"frmPatchLog", nullptr);
      return RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST") != "20240101000000" && window &&
             Rows(Control(FrmPatchLog::lvwLst)) == 2;
    });
  }

  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  Process agent;
  HWND window = nullptr;
};
}  // namespace

TEST_F(PatchRunTest, TheRunWindowRetriesFailedGamesThroughTheAgentAndTheEngine) {
  Start("--pace 300", "[lin]\r\nSTATE=S\r\n[kart]\r\nSTATE=F\r\nhalf=1\r\n");
  HWND games = Control(FrmPatchLog::lvwLst), retry = Control(FrmPatchLog::lvwLst1);
  EXPECT_EQ(RemoteListText(games, 0, 1), "실패");
  EXPECT_EQ(RemoteListText(games, 1, 1), "성공");
  EXPECT_EQ(RemoteListText(games, 2, 1), "패치중지함");
  ASSERT_EQ(Rows(retry), 2);

  // The agent starts the engine and answers "GPS": the window follows the new run.
  ASSERT_TRUE(Retry());
  std::string log = CurrentLog();
  HWND result = Control(FrmPatchLog::lblrst);
  ASSERT_TRUE(WaitUntil([&] { return Text(result) == "패치 완료"; }, 30000)) << "the retry runs to its end";
  EXPECT_EQ(ProfileValue(log, "lin", "STATE"), "S");
  EXPECT_EQ(ProfileValue(log, "kart", "STATE"), "F");
  EXPECT_EQ(ProfileValue(log, "mx", "STATE"), "") << "only the failed and stopped games ran";
  games = Control(FrmPatchLog::lvwLst);
  retry = Control(FrmPatchLog::lvwLst1);
  EXPECT_EQ(RemoteListText(games, 0, 0), "리니지");
  EXPECT_EQ(RemoteListText(games, 0, 1), "성공");
  EXPECT_EQ(RemoteListText(games, 1, 1), "실패");
  ASSERT_EQ(Rows(retry), 1);
  EXPECT_EQ(RemoteListText(retry, 0, 0), "카트");
  EXPECT_EQ(Text(Control(FrmPatchLog::cmdOK)), "패치시작");
  EXPECT_TRUE(FileExists(folder / "Skin\\htm\\Ziriv.dll"));
  EXPECT_FALSE(FileExists(folder / "Skin\\htm\\ziriv.gpi")) << "the plain descriptor is gone after its read";
  std::string agentLog = ReadTextFile(folder / "agent.log").value_or("");
  EXPECT_NE(agentLog.find("3 GPS"), std::string::npos) << agentLog;
}

TEST_F(PatchRunTest, AStoppedEngineMarksTheRestStoppedAndACrashedOneLeavesTheRunOpen) {
  Start("--pace 4000", "");
  ASSERT_TRUE(Retry());
  ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"VdGp") != nullptr; }));
  ASSERT_EQ(Text(Control(FrmPatchLog::cmdOK)), "패치중지");
  PostMessageW(Control(FrmPatchLog::cmdOK), BM_CLICK, 0, 0);  // GPC: the agent closes the engine's window
  ASSERT_TRUE(WaitUntil([&] { return Text(Control(FrmPatchLog::lblrst)) == "패치 완료"; }));
  EXPECT_EQ(ProfileValue(CurrentLog(), "lin", "STATE"), "C");
  EXPECT_EQ(ProfileValue(CurrentLog(), "kart", "STATE"), "C");
  HWND retry = Control(FrmPatchLog::lvwLst1);
  ASSERT_EQ(Rows(retry), 2);
  EXPECT_EQ(RemoteListText(Control(FrmPatchLog::lvwLst), 1, 1), "패치중지함");

  // The engine dies once the second game has begun: the run never counts as over.
  WriteTextFile(folder / "scenario.ini", "[kart]\r\ncrash=1\r\n", false, false);
  std::string stopped = RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST");
  Sleep(1100);  // a new run stamp
  SendMessageW(Control(FrmPatchLog::cmdAll), BM_CLICK, 0, 0);
  PostMessageW(Control(FrmPatchLog::cmdOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return RegReadString(HKEY_CURRENT_USER, kTesselKey, "GPLAST") != stopped; }));
  ASSERT_TRUE(WaitUntil([&] { return ProfileValue(CurrentLog(), "kart", "STime") != ""; }, 20000));
  ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"VdGp") == nullptr; }));
  window = FindWindowW(L"frmPatchLog", nullptr);
  ASSERT_TRUE(WaitUntil([&] { return RemoteListText(Control(FrmPatchLog::lvwLst), 1, 1) == "진행중"; }));
  Sleep(3500);  // two more steps of the window
  EXPECT_EQ(ProfileValue(CurrentLog(), "lin", "STATE"), "S");
  EXPECT_EQ(RemoteListText(Control(FrmPatchLog::lvwLst), 1, 1), "진행중");
  EXPECT_NE(Text(Control(FrmPatchLog::lblrst)), "패치 완료");
  EXPECT_FALSE(IsWindowEnabled(Control(FrmPatchLog::cmdClose)));
}

TEST(PatchEngine, AnswersTheInstallScanWithTheGamesFound) {
  TempFolder folder;
  ResetApp().ProgramFolder = folder.path();
  CreateFolders(folder / "Skin");
  CreateFolders(folder / "Games\\Lin");
  ASSERT_TRUE(CopyFileW(Widen(PATCH_ENGINE_EXE).c_str(), Widen(folder / "VdGp.exe").c_str(), FALSE));
  TheApp().Patch.descriptors = ParseDescriptors(
      "[a]\nin_name=e2e_lin\npath1=" + (folder / "Games\\Lin") + "\n[b]\nin_name=e2e_gone\npath1=" +
      (folder / "Games\\Gone") + "\n");
  RunInstallScan();
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kInstallPathsKey, "e2e_lin"), folder / "Games\\Lin");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kInstallPathsKey, "e2e_gone"), "");
  EXPECT_EQ(RegReadDword(HKEY_LOCAL_MACHINE, kEngineStateKey, "dwState"), 1u) << "the engine has finished";
  auto groups = LoadGroups();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].Data, "e2e_lin,");
  EXPECT_FALSE(FileExists(folder / "gpstate.ini"));
  RegDeleteValue(HKEY_CURRENT_USER, kInstallPathsKey, "e2e_lin");
  RegDeleteValue(HKEY_CURRENT_USER, kTesselKey, "dwGSH");
}
