#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "store/text_codec.h"

namespace {
constexpr const char* kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

void WriteEnv(const ProgramUnderTest& program, const std::string& text) {
  WriteTextFile(program.folder() / "env.mts", text, false, false);
}

bool AnyMenuWindow(DWORD processId) {
  for (const char* form : {"frmMain", "frmMain2", "frmMain3", "frmMain4"})
    if (WaitForWindow(form, processId, 0)) return true;
  return false;
}
}  // namespace

TEST(TrayAgent, LayoutsWithoutAMenuWindowLeaveOnlyTheTray) {
  for (const char* ltype : {"3", "9x"}) {
    ProgramUnderTest program;
    WriteEnv(program, std::string("[ENV]\r\nltype=") + ltype + "\r\n");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitUntilReady()) << "ltype=" << ltype;
    EXPECT_NE(WaitForWindow("FrmTray", program.processId(), 0), nullptr);
    EXPECT_FALSE(AnyMenuWindow(program.processId()));
    EXPECT_EQ(program.End(), 0u);
  }
}

TEST(TrayAgent, TheStartupFixArmsTheFixUpProgramForAFixedDesktop) {
  std::string installed = JoinPath(GetSpecialFolder(36), "Dstartfix.exe");
  DeleteFileW(Widen(installed).c_str());
  std::string oldCltMgr = RegReadString(HKEY_CURRENT_USER, kTesselKey, "CltMgr");
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "CltMgr", "1");

  ProgramUnderTest program;
  WriteEnv(program, "[ENV]\r\nDeskFix=1\r\n");
  CreateDirectoryW(Widen(program.folder() / "Skin").c_str(), nullptr);
  WriteTextFile(program.folder() / "Skin\\Dstartfix.exe", "fix-up", false, false);
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady());

  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "SOFTWARE\\KELP", "Path"), program.folder().path());
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "SOFTWARE\\Harrow\\CDGame", "szDir"), program.folder().path());
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix"), installed + " /DESKCR");
  EXPECT_EQ(ReadTextFile(installed), "fix-up");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "HungAppTimeout"), "5000");
  EXPECT_EQ(program.End(), 0u);

  RegDeleteValue(HKEY_LOCAL_MACHINE, kRunOnce, "dStartfix");
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "CltMgr", oldCltMgr);
  DeleteFileW(Widen(installed).c_str());
}
