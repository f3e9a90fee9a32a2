#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/e2e_support.h"
#include "store/registry.h"
#include "store/text_codec.h"

namespace {
constexpr const char* kCdGame = "SOFTWARE\\Harrow\\CDGame";

size_t FilesIn(const TempFolder& folder) {
  size_t count = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(Widen(folder.path()))) ++count;
  return count;
}
}  // namespace

TEST(Startup, RunsAsAHiddenTrayAgentUntilTheTrayUnloads) {
  RegDeleteValue(HKEY_CURRENT_USER, kCdGame, "szDir");
  RegDeleteValue(HKEY_CURRENT_USER, kCdGame, "szFile");
  ProgramUnderTest program;
  ASSERT_TRUE(program.Start());
  HWND tray = WaitForWindow("FrmTray", program.processId());
  ASSERT_NE(tray, nullptr);
  EXPECT_EQ(GetParent(tray), nullptr);
  EXPECT_FALSE(IsWindowVisible(tray));

  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szDir"), program.folder().path());
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGame, "szFile"), "TSLC.exe");

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
  EXPECT_EQ(FilesIn(second.folder()), 1u) << "nothing but tslc.exe in the second program folder";

  EXPECT_EQ(first.WaitForExit(0), static_cast<DWORD>(STILL_ACTIVE)) << "the first instance is undisturbed";
  EXPECT_NE(WaitForWindow("FrmTray", first.processId(), 0), nullptr);
  EXPECT_EQ(first.End(), 0u);
}
