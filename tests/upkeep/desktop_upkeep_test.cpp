#include "upkeep/desktop_upkeep.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "catalog/game_entries.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/system_info.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
class DesktopUpkeepTest : public TesselTest {
 protected:
  void Write(const std::string& name, const std::string& text) {
    CreateFolders(Path(name).substr(0, Path(name).rfind('\\')));
    WriteTextFile(Path(name), text, false, false);
  }
};
}  // namespace

// Without the shell's folders the desktops are found from the profile values, which hold Korean
// folder names on the café PCs.
TEST_F(DesktopUpkeepTest, RestoringEmptiesBothDesktopsAndBringsBackTheCapturedOne) {
  OverrideSpecialFolder(25, "");
  OverrideSpecialFolder(16, "");
  ScopedEnvironmentValue allUsers(L"ALLUSERSPROFILE", Path("모든 사용자"));
  ScopedEnvironmentValue profile(L"USERPROFILE", Path("손님"));
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultUserName",
                 "피시방");
  EXPECT_EQ(GetUserDesktopFolder(), Path("피시방\\바탕 화면"));
  const std::string common = "모든 사용자\\바탕 화면\\", user = "피시방\\바탕 화면\\";
  for (auto [name, text] : {std::pair{common + "left.lnk", "x"}, {user + "Customer Folder\\a.txt", "x"},
                            {user + "game.url", "x"}, {"Skin\\RDir\\Owner.url", "owner"},
                            {"Skin\\RDir\\Games\\inner.lnk", "inner"}, {"DFList.MTS", "[DESKTOP]\r\ndesk=1101\r\n"}})
    Write(name, text);

  RestoreDesktop();
  for (const std::string& gone : {common + "left.lnk", user + "Customer Folder", user + "game.url"})
    EXPECT_FALSE(PathExists(Path(gone))) << gone;
  EXPECT_EQ(ReadBytes(user + "Owner.url"), "owner");
  EXPECT_EQ(ReadBytes(user + "Games\\inner.lnk"), "inner");
  EXPECT_TRUE(FileExists(Path("Skin\\RDir\\Owner.url"))) << "the capture stays";
  EXPECT_EQ(ReadDesktopIconState(), "110101") << "1101 read as 110101, in the column of this Windows";
}

TEST_F(DesktopUpkeepTest, IconDigitsComeFromDFListAndGoToTheColumnOfTheWindowsVersion) {
  EXPECT_EQ(DesktopIconDigits(), "000001") << "no file";
  for (auto [value, digits] : {std::pair{"101010", "101010"}, {" 1101 ", "110101"}, {"11011", "000001"},
                               {"1234567", "000001"}, {"", "000001"}}) {
    Write("DFList.MTS", std::string("[DFLST_1]\r\nDFNAME=x\r\n[DESKTOP]\r\nDESK=") + value + "\r\n");
    EXPECT_EQ(DesktopIconDigits(), digits) << value;
  }

  WriteDesktopIconState("111011", true);
  EXPECT_EQ(ReadDesktopIconState(true), "111011");
  EXPECT_EQ(ReadDesktopIconState(false), "010001") << "of the other column only the shared id is set";
  WriteDesktopIconState("011100", false);
  EXPECT_EQ(ReadDesktopIconState(false), "011101") << "digits 5 and 6 read as 01 outside Windows 7";
}

TEST_F(DesktopUpkeepTest, CleaningByModeDeletesAllGamesOrAllButGames) {
  Write("Game.mts", "[1]\r\nTitle=StarCraft\r\n[2]\r\nTitle= 카트 \r\n");
  LoadGameEntries();
  const char* names[] = {"starcraft.lnk", "카트.url", "Notes.txt", "archive.tar.gz"};
  const std::string user = Path("User Desktop");
  CreateFolders(Path("User Desktop\\StarCraft"));
  auto clean = [&](const char* mode) {
    for (const char* name : names) Write(std::string("User Desktop\\") + name, "x");
    CleanDesktop(user, mode);
    std::string left;
    for (const char* name : names)
      if (PathExists(Path(std::string("User Desktop\\") + name))) left += std::string(name) + " ";
    return left;
  };
  EXPECT_EQ(clean("2"), "Notes.txt archive.tar.gz ");
  EXPECT_EQ(clean("3"), "starcraft.lnk 카트.url ");
  EXPECT_EQ(clean("4"), "starcraft.lnk 카트.url Notes.txt archive.tar.gz ") << "not a mode";
  EXPECT_EQ(clean("9"), "");
  EXPECT_TRUE(FolderExists(Path("User Desktop\\StarCraft"))) << "folders are left alone";
  CleanDesktop(Path("Missing"), "1");
}

TEST(DefaultUserDesktop, FollowsTheDefaultUserName) {
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\Guest", "PCRoom"), "C:\\Users\\PCRoom\\바탕 화면");
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\pcroom", "PCRoom"), "C:\\Users\\pcroom\\바탕 화면");
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\Guest", ""), "C:\\Users\\Guest\\바탕 화면");
}
