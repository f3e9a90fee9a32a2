#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"

namespace {
constexpr const char* kCdGame = "SOFTWARE\\Harrow\\CDGame";
}  // namespace

// The start-up fix that the tray's load runs is left to the tray's and the upkeep's own tests.
TEST(Startup, ALaterStartInATrayOnlyLayoutRunsOnlyTheTrayAndKeepsTheCategoryFile) {
  RegDeleteValue(HKEY_CURRENT_USER, kCdGame, "szFile");

  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  CreateFolders(folder / "Skin");
  WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=3\r\n", false, false);
  WriteTextFile(folder / "Game.mts", "", false, true);  // not a first start
  const std::string owners = "[인기게임]\r\nCode=BG\r\nTag=Best\r\nRank=07\r\nState=1\r\n\r\n";
  WriteTextFile(folder / "Skin\\Vdcate.ini", owners, false, false);
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady());

  HWND tray = WaitForWindow("FrmTray", program.processId(), 0);
  ASSERT_NE(tray, nullptr);
  EXPECT_FALSE(IsWindowVisible(tray));
  for (const char* form : {"frmMain", "frmMain2", "frmMain3", "frmMain4"})
    EXPECT_EQ(WaitForWindow(form, program.processId(), 0), nullptr) << "layout 3 has no " << form;
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szDir"), folder.path());
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szFile"), "TSLC.exe");
  std::string categories = ReadTextFile(folder / "Skin\\Vdcate.ini").value_or("");
  EXPECT_TRUE(categories.starts_with(owners)) << "kept, not replaced by the defaults";
  EXPECT_NE(categories.find("[멀티미디어]"), std::string::npos) << "and upgraded";
  EXPECT_EQ(program.End(), 0u);
}

TEST(Startup, ASecondStartWithoutCommandLineLeavesAtOnceAndTouchesOnlyCdGame) {
  ProgramUnderTest first;
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(first.WaitUntilReady());

  ProgramUnderTest second;
  ASSERT_TRUE(second.Start("   "));
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szDir"), second.folder().path());
  std::set<std::string> files;
  for (auto& entry : std::filesystem::directory_iterator(Widen(second.folder().path())))
    files.insert(Narrow(entry.path().filename().wstring()));
  EXPECT_EQ(files, (std::set<std::string>{"VdEnc.dll", "tslc.exe", "vdCab.dll"}))
      << "nothing but the program in the second program folder";

  EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE)) << "the first instance is undisturbed";
  EXPECT_NE(WaitForWindow("FrmTray", first.processId(), 0), nullptr);
  EXPECT_EQ(first.End(), 0u);
}

// A file that makes a start-up step fail (here a Game.mts of 64 MiB of "[") ends that step only:
// the program still starts and runs its tray.
TEST(Startup, AFailingStartupStepNeverEndsTheProgram) {
  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  CreateFolders(folder / "Skin");
  WriteTextFile(folder / "env.mts", "[ENV]\r\nltype=1\r\n", false, false);
  {
    std::ofstream corrupt(std::filesystem::path(Widen(folder / "Game.mts")), std::ios::binary);
    const std::string block(1 << 20, '[');
    for (int i = 0; i < 64; ++i) corrupt << block;
  }
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady(120000)) << "exit code " << program.WaitForExit(0);
  EXPECT_NE(WaitForWindow("FrmTray", program.processId(), 0), nullptr);
  EXPECT_EQ(program.End(), 0u);
}
