#include "state/game_data_folder.h"
#include "store/system_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"

using SystemInfoTest = TesselTest;

TEST_F(SystemInfoTest, GameDataFolderIsTheRegisteredFolderOnlyWhenGameMtsIsThere) {
  TempFolder data;
  RegWriteString(HKEY_CURRENT_USER, "Software\\Harrow\\Game", "szPath", "  " + data.path() + " ");
  EXPECT_EQ(GetGameDataFolder(), folder.path()) << "no Game.mts there yet";
  CreateDirectoryW(Widen(data / "Game.mts").c_str(), nullptr);
  EXPECT_EQ(GetGameDataFolder(), folder.path()) << "a folder named Game.mts is no file";
  RemoveDirectoryW(Widen(data / "Game.mts").c_str());
  WriteTextFile(data / "Game.mts", "", false, true);
  EXPECT_EQ(GetGameDataFolder(), data.path()) << "trimmed";

  EXPECT_EQ(GetSpecialFolder(0x7ff0), "") << "no such special folder";
  OverrideSpecialFolder(25, "C:\\stand-in");
  EXPECT_EQ(GetSpecialFolder(25), "C:\\stand-in");
  OverrideSpecialFolder(37, "");
  EXPECT_EQ(GetSpecialFolder(37), "") << "a folder the system does not have";
  ClearSpecialFolderStandIns();
  EXPECT_NE(GetSpecialFolder(25), "C:\\stand-in") << "the stand-ins are removed";
  EXPECT_NE(GetSpecialFolder(37), "");
}
