#include "upkeep/startup_programs.h"

#include <gtest/gtest.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
constexpr const char* kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupProgramsTest : public TesselTest {
 protected:
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  std::vector<std::string> Names(const std::vector<StartupEntry>& list) {
    std::vector<std::string> names;
    for (const auto& entry : list) names.push_back(entry.name + "=" + entry.command);
    return names;
  }
};
}  // namespace

TEST_F(StartupProgramsTest, ListsComeFromStartNWithTheAgentLeadingTheMachineList) {
  const std::string agent = "Tessel=" + Path("TSLC_Ag.exe");
  BuildStartupList("HKCU");
  EXPECT_TRUE(TheApp().UserStartup.empty()) << "no StartN.mts";

  Write("StartN.mts", "[START]\r\nV3=C:\\v3\\v3.exe /s \r\nOldAgent=C:\\Tessel\\TSLC_Ag.exe\r\n");
  BuildStartupList("HKLM");
  EXPECT_EQ(Names(TheApp().MachineStartup), (std::vector<std::string>{agent, "V3=C:\\v3\\v3.exe /s"}));

  CreateFolders(Path("Skin"));
  Write("Skin\\StartN.mts", "[OTHER]\r\nX=y\r\n[START]\r\nMessenger=C:\\m.exe\r\n");
  BuildStartupList("HKCU");
  BuildStartupList("HKCU");
  EXPECT_EQ(Names(TheApp().UserStartup), std::vector<std::string>{"Messenger=C:\\m.exe"}) << "Skin's copy first, afresh";
}

TEST_F(StartupProgramsTest, WritingAndPruningLeaveOnlyTheOwnersMachineEntries) {
  RegWriteString(HKEY_LOCAL_MACHINE, kRun, "Customer Toy", "C:\\toy.exe");
  RegWriteString(HKEY_LOCAL_MACHINE, kRun, "v3", "C:\\old\\v3.exe");
  RegWriteString(HKEY_CURRENT_USER, kRun, "UserThing", "C:\\u.exe");
  Write("StartN.mts", "[START]\r\nV3=C:\\v3\\v3.exe\r\n");
  BuildStartupList("HKLM");
  BuildStartupList("HKCU");
  WriteStartupLists();
  PruneMachineStartup();

  std::vector<std::string> machine;
  for (const auto& value : RegListValues(HKEY_LOCAL_MACHINE, kRun))
    machine.push_back(value.name + "=" + RegReadString(HKEY_LOCAL_MACHINE, kRun, value.name));
  std::sort(machine.begin(), machine.end());
  EXPECT_EQ(machine, (std::vector<std::string>{"Tessel=" + Path("TSLC_Ag.exe"), "v3=C:\\v3\\v3.exe"}))
      << "names compared without regard to case";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kRun, "V3"), "C:\\v3\\v3.exe");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kRun, "UserThing"), "C:\\u.exe") << "the user key is not pruned";
}
