#include "upkeep/pc_upkeep.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/game_entries.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/folder_entries.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "upkeep/client_settings_file.h"
#include "upkeep/display_settings.h"

namespace {
constexpr const char* kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
constexpr const char* kPolicies = "SOFTWARE\\Policies\\Microsoft\\Windows\\System";

class PcUpkeepTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    OverrideSpecialFolder(36, windows.path());
    CreateFolders(Path("Skin"));
    WriteTextFile(Path("Skin\\Dstartfix.exe"), "fix-up", false, false);
    RegWriteString(HKEY_LOCAL_MACHINE, kPolicies, "ProfileUnloadTimeout", "60");
  }
  std::string RunOnceValue() { return RegReadString(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix", "none"); }
  std::string Value(HKEY hive, const char* key, const char* name) { return RegReadString(hive, key, name, "none"); }

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
  ApplyShutdownTimeouts();
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kPolicies, "ProfileUnloadTimeout"), "none");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout"), "5000");
  EXPECT_EQ(RunOnceValue(), "none") << "no network tool running";

  // Any long-running program will do as the tool; the agent simulator waits until it is ended.
  const std::string tool = folder / "NETCMDSYS.EXE";
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
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay"), "none");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity"), "none");

  // The mouse speed really changes through the system: it is put back afterwards.
  UINT speed = 10;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0));
  TheApp().Settings.KeyBoard = TheApp().Settings.Mouse = "1";
  ApplyInputSettings();
  SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)), 0);
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay"), "2");
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Mouse", "MouseSensitivity"), "12");
}

TEST_F(PcUpkeepTest, ReadingAFixedDesktopFromTheSettingsFileWritesTheHangTimeouts) {
  WriteTextFile(Path("env.mts"), "[ENV]\r\nDeskFix=0\r\n", false, false);
  LoadClientSettings();
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout"), "none");

  WriteTextFile(Path("env.mts"), "[ENV]\r\n deskfix = 1 \r\nDeskFix=0\r\n", false, false);
  LoadClientSettings();
  EXPECT_EQ(TheApp().Settings.DeskFix, "0") << "a later line wins";
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout"), "5000") << "but 1 was read";
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout"), "10000");
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kPolicies, "ProfileUnloadTimeout"), "60") << "left to the shutdown time-outs";
  EXPECT_EQ(RunOnceValue(), "none") << "and so is the network-tool check";
}

TEST_F(PcUpkeepTest, ShutdownUpkeepRestoresOrCleansTheDesktopsAndAppliesTheOwnersSettings) {
  TempFolder common, user;
  OverrideSpecialFolder(25, common.path());
  OverrideSpecialFolder(16, user.path());
  CreateFolders(Path("Skin\\RDir"));
  WriteTextFile(Path("Skin\\RDir\\Owner.url"), "owner", false, false);
  WriteTextFile(Path("Game.mts"), "[1]\r\nTitle=Game\r\n", false, false);
  LoadGameEntries();
  std::vector<std::string> modes;
  SetDisplaySystem({[&](const DisplayMode& mode) { return modes.push_back(mode.text), 0L; }, [] {}});
  TheApp().DisplayModesFilled = true;
  TheApp().DisplayModes = {{800, 600, 32, 60, "800×600,32bit,60Hz"}};
  ClientSettings& settings = TheApp().Settings;
  settings.Display = "800×600,32bit,60Hz";

  auto left = [](const TempFolder& desktop) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListFolder(desktop.path())) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) text += name + " ";
    return text;
  };
  // A fixed desktop is restored unless the fix-up program does it; another is cleaned by the
  // delete option.
  const struct { const char *deskFix, *delOption; bool fixUpArmed; const char *commonLeft, *userLeft; } cases[] = {
      {"1", "0", false, "", "Owner.url "}, {"1", "1", true, "Game.lnk Notes.txt ", "Game.lnk Notes.txt "},
      {"0", "2", false, "Notes.txt ", "Notes.txt "}, {"0", "3", false, "Game.lnk ", "Game.lnk "},
      {"0", "9", false, "Game.lnk Notes.txt ", "Game.lnk Notes.txt "}};
  for (const auto& c : cases) {
    for (const TempFolder* desktop : {&common, &user}) {
      for (const FolderEntry& entry : ListFolder(desktop->path())) RemoveFile(*desktop / entry.name);
      for (const char* name : {"Game.lnk", "Notes.txt"}) WriteTextFile(*desktop / name, "x", false, false);
    }
    settings.DeskFix = c.deskFix;
    settings.DelOption = c.delOption;
    TheApp().DstartfixActive = c.fixUpArmed;
    ShutdownUpkeep();
    EXPECT_EQ(left(common), c.commonLeft) << c.deskFix << c.delOption << c.fixUpArmed;
    EXPECT_EQ(left(user), c.userLeft) << c.deskFix << c.delOption << c.fixUpArmed;
  }
  EXPECT_TRUE(modes.empty()) << "DisplayOption is off";

  const char* run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  RegWriteString(HKEY_LOCAL_MACHINE, run, "Stray", "stray.exe");
  settings.DeskFix = settings.DelOption = "0";
  settings.DisplayOption = settings.KeyBoard = "1";
  settings.KeyBoardDelay = "3";
  ShutdownUpkeep();
  EXPECT_EQ(modes, std::vector<std::string>{"800×600,32bit,60Hz"});
  EXPECT_EQ(Value(HKEY_CURRENT_USER, "Control Panel\\Keyboard", "KeyboardDelay"), "3");
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, run, "Stray"), "stray.exe") << "start-up lists only with Start 2";

  settings.Start = "2";
  ShutdownUpkeep();
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, run, "Stray"), "none");
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, run, "Tessel"), Path("TSLC_Ag.exe"));
  SetDisplaySystem({});
}
