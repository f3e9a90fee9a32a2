#include "upkeep/pc_upkeep.h"

#include <gtest/gtest.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
constexpr const char* kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

class PcUpkeepTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    OverrideSpecialFolder(36, windows.path());
    CreateDirectoryW(Widen(Path("Skin")).c_str(), nullptr);
    WriteTextFile(Path("Skin\\Dstartfix.exe"), "fix-up", false, false);
  }
  std::string RunOnceValue() { return RegReadString(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix", "none"); }

  TempFolder windows;
};
}  // namespace

TEST_F(PcUpkeepTest, StartupFixArmsTheFixUpProgramOnlyForAManagedFixedDesktop) {
  RegWriteString(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix", "old");
  TheApp().DstartfixActive = true;
  TheApp().Settings.DeskFix = "1";
  StartupFix();
  EXPECT_EQ(RunOnceValue(), "none") << "CltMgr is not 1";
  EXPECT_FALSE(TheApp().DstartfixActive);
  EXPECT_FALSE(FileExists(windows / "Dstartfix.exe"));

  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "CltMgr", "1");
  TheApp().Settings.DeskFix = "0";
  TheApp().Settings.DelOption = "3";
  WriteTextFile(windows / "Dstartfix.exe", "installed", false, false);
  StartupFix();
  EXPECT_EQ(RunOnceValue(), (windows / "Dstartfix.exe") + " /DESKCR") << "a desktop cleaned at shutdown";
  EXPECT_EQ(ReadTextFile(windows / "Dstartfix.exe"), "installed") << "an installed copy is kept";
  EXPECT_TRUE(TheApp().DstartfixActive);
}

TEST_F(PcUpkeepTest, ShutdownDropsTheProfileTimeoutAndRunningNetworkToolsHandTheDesktopToTheFixUp) {
  const char* policies = "SOFTWARE\\Policies\\Microsoft\\Windows\\System";
  RegWriteString(HKEY_LOCAL_MACHINE, policies, "ProfileUnloadTimeout", "60");
  ApplyShutdownTimeouts();
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, policies, "ProfileUnloadTimeout", "gone"), "gone");
  EXPECT_EQ(RunOnceValue(), "none") << "no network tool running";

  // Any long-running program will do as the tool; the agent simulator waits until it is ended.
  std::string tool = folder / "NETCMDSYS.EXE";
  CopyFileW(Widen(AGENT_SIM_EXE).c_str(), Widen(tool).c_str(), FALSE);
  std::wstring commandLine = L"\"" + Widen(tool) + L"\" --stay";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &process));
  NetworkToolCheck();
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "CltMgr"), "1");
  EXPECT_EQ(RunOnceValue(), (windows / "Dstartfix.exe") + " /DESKCR");
  EXPECT_EQ(ReadTextFile(windows / "Dstartfix.exe"), "fix-up") << "the shipped copy is installed";
  EXPECT_TRUE(TheApp().DstartfixActive);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "SOFTWARE\\KELP", "Path"), folder.path());
}

TEST_F(PcUpkeepTest, InputValuesAreWrittenOnlyWhenSwitchedOn) {
  TheApp().Settings.KeyBoardDelay = "2";
  TheApp().Settings.MouseSpeed = "12";
  ApplyInputSettings();
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay", "none"), "none");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity", "none"), "none");

  // The mouse speed really changes through the system: it is put back afterwards.
  UINT speed = 10;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0));
  TheApp().Settings.KeyBoard = TheApp().Settings.Mouse = "1";
  ApplyInputSettings();
  SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)), 0);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay"), "2");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity"), "12");
}
