#include "menu/cd_key.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
constexpr const char* kStarCraft = "SOFTWARE\\Blizzard Entertainment\\Starcraft";
constexpr const char* kWarcraft3 = "Software\\Blizzard Entertainment\\Warcraft III";

class CdKeyTest : public TesselTest {
 protected:
  void Mode(const char* autoKey, const char* connected) {
    RegWriteString(HKEY_CURRENT_USER, kCdKeyKey, "AutoKey", autoKey);
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", connected);
  }
  std::string War3(const char* name) { return RegReadString(HKEY_CURRENT_USER, kWarcraft3, name); }
};
}  // namespace

TEST_F(CdKeyTest, HandoutNeedsFiveCharactersAConnectionAndOneGame) {
  Mode(" 11x10 ", "1");
  ASSERT_TRUE(ReadCdKeyMode()) << "trimmed to five characters";
  EXPECT_TRUE(CdKeyMode().starCraft);
  EXPECT_FALSE(CdKeyMode().warcraft3) << "a non-digit counts as off";
  EXPECT_TRUE(CdKeyMode().diablo2);

  for (auto [autoKey, connected] : {std::pair{"1000", "1"}, {"01110", "1"}, {"10000", "1"}, {"11110", "0"}}) {
    Mode(autoKey, connected);
    EXPECT_FALSE(ReadCdKeyMode()) << autoKey << " connected " << connected;
  }
  EXPECT_FALSE(CdKeyMode().connected);
}

TEST_F(CdKeyTest, MachineGamesGetTheirProgramOnlyWhenItIsMissing) {
  RegisterGameInstall("SC", "C:\\Games\\SC\\StarCraft.exe");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kStarCraft, "InstallPath"), "C:\\Games\\SC");
  RegWriteString(HKEY_LOCAL_MACHINE, kStarCraft, "InstallPath", "");
  RegisterGameInstall("SC", "D:\\Other\\StarCraft.exe");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kStarCraft, "Program"), "C:\\Games\\SC\\StarCraft.exe");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kStarCraft, "InstallPath"), "D:\\Other");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdKeyKey, "GAME"), "D:\\Other\\StarCraft.exe");
}

TEST_F(CdKeyTest, WarcraftValuesNeedWar3BesideTheGame) {
  const std::string game = Path("War3"), frozenThrone = JoinPath(game, "Frozen Throne.exe");
  CreateFolders(game);
  RegisterGameInstall("FT", frozenThrone);
  EXPECT_EQ(War3("ProgramX"), "") << "no war3.exe yet";

  WriteBytes("War3\\war3.exe", "MZ");
  RegisterGameInstall("FT", frozenThrone);
  EXPECT_EQ(War3("ProgramX"), frozenThrone);
  EXPECT_EQ(War3("Program"), JoinPath(game, "Warcraft III.exe"));
  EXPECT_EQ(War3("InstallPathX"), game);

  RegWriteString(HKEY_CURRENT_USER, kWarcraft3, "InstallPath", "");
  RegisterGameInstall("W3", JoinPath(game, "Warcraft III.exe"));
  EXPECT_EQ(War3("InstallPath"), game) << "Program set: only the missing folder is written";
}
