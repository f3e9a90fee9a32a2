#include "upkeep/desktop_upkeep.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/app.h"
#include "catalog/game_entries.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/system_info.h"
#include "support/test_env.h"

namespace {
constexpr const char* kClassic =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\ClassicStartMenu";
constexpr const char* kNewPanel = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideDesktopIcons\\NewStartPanel";

class DesktopUpkeepTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    common = Path("Common Desktop");
    user = Path("User Desktop");
    CreateFolders(common);
    CreateFolders(user);
    OverrideSpecialFolder(25, common);
    OverrideSpecialFolder(16, user);
  }
  void TearDown() override {
    OverrideSpecialFolder(25, "");
    OverrideSpecialFolder(16, "");
    TesselTest::TearDown();
  }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  DWORD Hidden(const char* key, const char* id) { return RegReadDword(HKEY_CURRENT_USER, key, id, 77); }

  std::string common, user;
};
}  // namespace

TEST_F(DesktopUpkeepTest, RestoringEmptiesBothDesktopsAndBringsBackTheCapturedOne) {
  Write("Common Desktop\\left.lnk", "x");
  CreateFolders(Path("User Desktop\\Customer Folder"));
  Write("User Desktop\\Customer Folder\\note.txt", "x");
  Write("User Desktop\\game.url", "x");
  CreateFolders(Path("Skin\\RDir\\Games"));
  Write("Skin\\RDir\\Owner.url", "owner");
  Write("Skin\\RDir\\Games\\inner.lnk", "inner");
  Write("DFList.MTS", "[DESKTOP]\r\ndesk=1101\r\n");

  RestoreDesktop();
  EXPECT_FALSE(PathExists(Path("Common Desktop\\left.lnk")));
  EXPECT_FALSE(PathExists(Path("User Desktop\\Customer Folder")));
  EXPECT_FALSE(PathExists(Path("User Desktop\\game.url")));
  EXPECT_EQ(ReadBytes("User Desktop\\Owner.url"), "owner");
  EXPECT_EQ(ReadBytes("User Desktop\\Games\\inner.lnk"), "inner");
  EXPECT_TRUE(FileExists(Path("Skin\\RDir\\Owner.url"))) << "the capture stays";
  // "1101" reads as "110101", written in the column of the Windows this runs on.
  EXPECT_EQ(ReadDesktopIconState(), "110101");
  bool seven = GetWindowsVersionName() == "7";
  EXPECT_EQ(Hidden(kNewPanel, seven ? "{59031a47-3f72-44a7-89c5-5595fe6b30ee}" : "{450D8FBA-AD25-11D0-98A8-0800361B1103}"), 1u);
  EXPECT_EQ(Hidden(kNewPanel, seven ? "{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}" : "{208D2C60-3AEA-1069-A2D7-08002B30309D}"), 0u);
}

TEST_F(DesktopUpkeepTest, TheIconDigitsComeFromDFListWithTheirDefault) {
  EXPECT_EQ(DesktopIconDigits(), "000001") << "no file";
  for (auto [value, digits] : {std::pair{"101010", "101010"}, {" 1101 ", "110101"}, {"11011", "000001"},
                               {"1234567", "000001"}, {"", "000001"}}) {
    Write("DFList.MTS", std::string("[DFLST_1]\r\nDFNAME=x\r\n[DESKTOP]\r\nDESK=") + value + "\r\n");
    EXPECT_EQ(DesktopIconDigits(), digits) << value;
  }
}

TEST_F(DesktopUpkeepTest, IconVisibilityUsesTheColumnOfTheWindowsVersion) {
  WriteDesktopIconState("111011", true);
  EXPECT_EQ(Hidden(kClassic, "{59031a47-3f72-44a7-89c5-5595fe6b30ee}"), 1u);
  EXPECT_EQ(Hidden(kNewPanel, "{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}"), 1u);
  EXPECT_EQ(Hidden(kNewPanel, "{871C5380-42A0-1069-A2EA-08002B30301D}"), 0u);
  EXPECT_EQ(Hidden(kClassic, "{5399E694-6CE5-4D6C-8FCE-1D8870FDCBA0}"), 1u);
  EXPECT_EQ(ReadDesktopIconState(true), "111011");
  EXPECT_EQ(ReadDesktopIconState(false), "010001") << "of the other column only the shared id is set";

  WriteDesktopIconState("011100", false);
  EXPECT_EQ(ReadDesktopIconState(false), "011101") << "digits 5 and 6 read as 01 outside Windows 7";
  EXPECT_EQ(ReadDesktopIconState(), ReadDesktopIconState(GetWindowsVersionName() == "7"));
}

TEST_F(DesktopUpkeepTest, CleaningByModeDeletesAllGamesOrAllButGames) {
  Write("Game.mts", "[1]\r\nTitle=StarCraft\r\n[2]\r\nTitle= 카트 \r\n");
  LoadGameEntries();
  auto fill = [&] {
    for (const char* name : {"starcraft.lnk", "카트.url", "Notes.txt", "archive.tar.gz"})
      Write(std::string("User Desktop\\") + name, "x");
    CreateFolders(Path("User Desktop\\StarCraft"));
  };
  auto left = [&] {
    std::string names;
    for (const char* name : {"starcraft.lnk", "카트.url", "Notes.txt", "archive.tar.gz", "StarCraft"})
      if (PathExists(Path(std::string("User Desktop\\") + name))) names += std::string(name) + " ";
    return names;
  };
  fill();
  CleanDesktop(user, "2");
  EXPECT_EQ(left(), "Notes.txt archive.tar.gz StarCraft ");
  fill();
  CleanDesktop(user, "3");
  EXPECT_EQ(left(), "starcraft.lnk 카트.url StarCraft ");
  fill();
  CleanDesktop(user, "4");
  CleanDesktop(user, "");
  EXPECT_EQ(left(), "starcraft.lnk 카트.url Notes.txt archive.tar.gz StarCraft ");
  CleanDesktop(user, "9");
  EXPECT_EQ(left(), "StarCraft ");
  CleanDesktop(Path("Missing"), "1");
}

TEST_F(DesktopUpkeepTest, TheDefaultUsersDesktopFollowsTheDefaultUserName) {
  EXPECT_EQ(GetUserDesktopFolder(), user);
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\Guest", "PCRoom"), "C:\\Users\\PCRoom\\바탕 화면");
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\pcroom", "PCRoom"), "C:\\Users\\pcroom\\바탕 화면");
  EXPECT_EQ(DefaultUserDesktop("C:\\Users\\Guest", ""), "C:\\Users\\Guest\\바탕 화면");
}
