// The owner's side in the real program, driven from outside through its windows: the tray's
// settings item opens the login, the administrator password made by tessel-pack opens the settings
// window, the IP table is edited and saved, the recovery buttons reach the agent simulator, and a
// settings file made by tessel-pack is imported for PC 7.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
constexpr UINT kTrayCallback = WM_USER + 100;
constexpr const char* kComputerName = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";

// A message box of the process with this caption, once it is shown; null when none comes.
HWND WaitForBox(DWORD processId, const std::string& caption) {
  HWND box = nullptr;
  std::wstring wanted = Widen(caption);
  WaitUntil([&] {
    for (box = FindWindowExW(nullptr, nullptr, L"#32770", wanted.c_str()); box;
         box = FindWindowExW(nullptr, box, L"#32770", wanted.c_str())) {
      DWORD owner = 0;
      GetWindowThreadProcessId(box, &owner);
      if (owner == processId && IsWindowVisible(box)) return true;
    }
    return false;
  });
  return box;
}

std::string Text(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return Narrow(text);
}

// The message of a box: its static texts.
std::string BoxText(HWND box) {
  std::string text;
  for (HWND child = FindWindowExW(box, nullptr, L"Static", nullptr); child;
       child = FindWindowExW(box, child, L"Static", nullptr))
    text += Text(child);
  return text;
}

// A window of the process once it is loaded and shown: its controls are all there.
HWND WaitForShown(const std::string& className, DWORD processId) {
  HWND window = WaitForWindow(className, processId);
  return window && WaitUntil([&] { return IsWindowVisible(window) != FALSE; }) ? window : nullptr;
}

// Presses a button of the box and waits for it to go.
void Answer(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  WaitUntil([&] { return !IsWindow(box); });
}

// The box's message, answered with the button; "" when no box came.
std::string Reply(DWORD processId, const std::string& caption, int button = IDOK) {
  HWND box = WaitForBox(processId, caption);
  if (!box) return "";
  std::string text = BoxText(box);
  Answer(box, button);
  return text;
}

void SetText(HWND window, int id, const std::string& text) {
  SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

// Posted: the press may open a modal window.
void Press(HWND window, int id) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void PressEnter(HWND control) {
  PostMessageW(control, WM_KEYDOWN, VK_RETURN, 0);
  PostMessageW(control, WM_KEYUP, VK_RETURN, 0);
}

// The agent simulator, listening until the test ends.
class Agent {
 public:
  explicit Agent(const std::string& log) : log_(log) {
    std::wstring command = Widen("\"" AGENT_SIM_EXE "\" --stay --log \"" + log + "\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
    WaitUntil([] { return FindWindowW(nullptr, L"Vendara Agent") != nullptr; });
  }
  ~Agent() {
    PostMessageW(FindWindowW(nullptr, L"Vendara Agent"), WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  std::string Received() const { return ReadTextFile(log_).value_or(""); }

 private:
  std::string log_;
  PROCESS_INFORMATION process_{};
};

// Registry values the test changes in the prefix, put back afterwards.
class SavedValues {
 public:
  SavedValues() {
    for (const Value& value : values_) saved_.push_back(RegReadString(value.hive, value.key, value.name, "\x01"));
  }
  ~SavedValues() {
    for (size_t i = 0; i < values_.size(); ++i) {
      if (saved_[i] == "\x01")
        RegDeleteValue(values_[i].hive, values_[i].key, values_[i].name);
      else
        RegWriteString(values_[i].hive, values_[i].key, values_[i].name, saved_[i]);
    }
  }

 private:
  struct Value {
    HKEY hive;
    std::string key, name;
  };
  std::vector<Value> values_ = {
      {HKEY_CURRENT_USER, std::string(kTesselKey), "AutoPatch"},
      {HKEY_CURRENT_USER, std::string(kTesselKey), "VConnect"},
      {HKEY_CURRENT_USER, std::string(kTesselKey), "PcNum"},
      {HKEY_LOCAL_MACHINE, kComputerName, "ComputerName"},
      {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName", "ComputerName"},
      {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters", "NV Hostname"},
      {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters", "srvcomment"},
  };
  std::vector<std::string> saved_;
};

std::string TesselPack(const std::string& arguments) {
  RunOutput output = RunReading("\"" TESSEL_PACK_EXE "\" " + arguments);
  EXPECT_EQ(output.code, 0u) << output.err;
  std::string text = AnsiToUtf8(output.out);
  std::erase(text, '\r');
  std::erase(text, '\n');
  return text;
}
}  // namespace

TEST(OwnersSide, LoginIpTableRecoveryAndImportThroughTheRealWindows) {
  SavedValues restored;
  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AutoPatch", TesselPack("encipher 사장7"));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "1");
  WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=0\r\n", false, false);
  CopyFileW(Widen(RECOVERY_DOUBLES "\\VdRcv.dll").c_str(), Widen(folder / "VdRcv.dll").c_str(), FALSE);
  WriteTextFile(folder / "recovery-double.ini", "[VdRcv]\r\nIsInstalled=1\r\nIsSuperMode=0\r\n", false, true);
  WriteTextFile(folder / "cafe.txt",
                "password=파일암호\r\n[DNS]\r\npc=PC\r\nsm=255.255.255.0\r\ngw=192.168.0.1\r\ndns1=168.126.63.1\r\n"
                "dns2=168.126.63.2\r\ncnt=20\r\n[IP]\r\n7=192.168.0.17,STAR-7\r\n",
                false, false);
  TesselPack("pwk \"" + (folder / "Tessel.Pwk") + "\" \"" + (folder / "cafe.txt") + "\"");

  Agent agent(folder / "agent.log");
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(30000));
  DWORD pid = program.processId();
  ASSERT_NE(WaitForWindow("frmMain", pid), nullptr);
  HWND tray = WaitForWindow("FrmTray", pid);

  // The tray's settings item: the first item of the icon's menu.
  PostMessageW(tray, kTrayCallback, 0, WM_RBUTTONUP);
  HWND menu = WaitForWindow("#32768", pid);
  ASSERT_NE(menu, nullptr) << "the tray menu";
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  HWND login = WaitForShown("frmPass", pid);
  ASSERT_NE(login, nullptr);
  EXPECT_EQ(Text(GetDlgItem(login, 100)), "관리자 로그인");

  SetText(login, 102, "사장");
  PressEnter(GetDlgItem(login, 102));
  EXPECT_EQ(Reply(pid, "인증실패"), "비밀번호가 일치하지 않습니다.\r\n다시 입력하세요");
  EXPECT_TRUE(IsWindow(login)) << "a wrong password leaves the login open";
  EXPECT_EQ(Text(GetDlgItem(login, 102)), "");
  SetText(login, 102, "사장7");
  PressEnter(GetDlgItem(login, 102));
  HWND settings = WaitForShown("frmEnv", pid);
  ASSERT_NE(settings, nullptr) << "the right password opens the settings window";
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(login); }));

  // The IP table: one group added, an overlapping one refused, the plan saved.
  HWND table = FindWindowExW(settings, nullptr, L"pnlIpTable", nullptr);
  ASSERT_NE(table, nullptr);
  SetText(table, 202, "1");
  SetText(table, 204, "40");
  SetText(table, 206, "192.168.0.1");
  Press(table, 207);
  HWND addresses = GetDlgItem(table, 210);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(addresses, LVM_GETITEMCOUNT, 0, 0) == 40; }));
  SetText(table, 202, "20");
  SetText(table, 204, "30");
  SetText(table, 206, "10.0.0.1");
  Press(table, 207);
  EXPECT_EQ(Reply(pid, "Tessel"), "시작 PC번호가 현재 등록된 그룹에 포함되어 있습니다!!\r\n다시 입력해주세요!!");
  Press(table, 233);
  EXPECT_EQ(Reply(pid, "Tessel"), "IP 설정 저장 완료!!");
  EXPECT_EQ(ClsINI(folder / "ip.ini", "GROUP").OpenINI("GP01"), "1-40,192.168.0.1");
  EXPECT_EQ(ClsINI(folder / "ip.ini", "IP").OpenINI("40"), "192.168.0.40");

  // Recovery: restore and stop protection confirmed, removal declined, then every third day.
  Press(settings, 105);
  HWND cdKeys = FindWindowExW(settings, nullptr, L"pnlCdKey", nullptr);
  ASSERT_NE(cdKeys, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(cdKeys) != FALSE; }));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(cdKeys, 754))) << "protection runs: no start button";
  Press(cdKeys, 750);
  EXPECT_EQ(Reply(pid, "Tessel", IDYES), "시스템을 복구 하겠습니까?");
  Press(cdKeys, 753);
  EXPECT_EQ(Reply(pid, "Tessel", IDYES), "시스템보호를 중지 하겠습니까?");
  Press(cdKeys, 756);
  EXPECT_EQ(Reply(pid, "Tessel", IDNO), "복구 제거 하겠습니까?");
  Press(cdKeys, 752);
  HWND mode = WaitForShown("frmRSetRec", pid);
  ASSERT_NE(mode, nullptr);
  SendMessageW(GetDlgItem(mode, 104), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(mode, 105), CB_SETCURSEL, 2, 0);
  Press(mode, 107);
  EXPECT_TRUE(WaitUntil([&] { return agent.Received().find("7 103") != std::string::npos; }));
  EXPECT_EQ(agent.Received(), "3 K3\n3 K5\n7 103\n");

  // The import of PC 7 from the settings file.
  Press(settings, 100);
  HWND ipPage = FindWindowExW(settings, nullptr, L"pnlIpTable", nullptr);
  Press(ipPage, 242);
  HWND import = WaitForShown("frmFileSet", pid);
  ASSERT_NE(import, nullptr);
  SetText(import, 101, "7");
  Press(import, 123);
  HWND password = WaitForShown("frmPass", pid);
  ASSERT_NE(password, nullptr);
  EXPECT_EQ(Text(GetDlgItem(password, 100)), "클라이언트 설정파일 비밀번호");
  SetText(password, 102, "파일암호");
  PressEnter(GetDlgItem(password, 102));
  EXPECT_TRUE(
      WaitUntil([&] { return RegReadString(HKEY_LOCAL_MACHINE, kComputerName, "ComputerName") == "PC07"; }, 30000));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "PcNum"), "7");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(import, 123)) != FALSE; }, 60000))
      << "the run ends once the batch has";
  std::string batch = ReadTextFile(folder / "ipSet.bat").value_or("");
  EXPECT_NE(batch.find("addr=192.168.0.17 mask=255.255.255.0 gateway=192.168.0.1"), std::string::npos) << batch;
  EXPECT_NE(batch.find("addr=168.126.63.2 index=2"), std::string::npos);
  HWND results = GetDlgItem(import, 122);
  std::vector<std::string> lines;
  for (int i = 0; i < SendMessageW(results, LB_GETCOUNT, 0, 0); ++i) {
    wchar_t line[128] = {};
    SendMessageW(results, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
    lines.push_back(Narrow(line));
  }
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "스타크래프트 레지스트리 경로 설정안됨!") << "no StarCraft installed in the prefix";
  Press(import, 124);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(import); }));
  EXPECT_EQ(program.End(), 0u);
}
