#include "menu/launcher.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "catalog/shortcuts.h"
#include "menu/cd_key.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/test_env.h"

namespace {
class LauncherTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Games\\War3"));
    CreateFolders(Path("Best"));
  }
  // A shortcut in Best to a file of the program folder, which is created.
  std::string Shortcut(const std::string& name, const std::string& target, const std::string& workDir = {},
                       const std::string& args = {}) {
    WriteBytes(target, "MZ");
    std::string path = Path("Best\\" + name + ".lnk");
    EXPECT_TRUE(WriteShortcut(path, Path(target), workDir, args, ""));
    return path;
  }
  void AddLauncher(const std::string& titles, const std::string& gubn, short state, const std::string& args) {
    GameLauncherEntry entry;
    entry.ETitle = titles;
    entry.Gubn = gubn;
    entry.State = state;
    entry.Args = args;
    TheApp().GameLaunchers.push_back(entry);
  }
  void CdKeys(const char* autoKey) {
    RegWriteString(HKEY_CURRENT_USER, kCdKeyKey, "AutoKey", autoKey);
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "1");
  }
  const LaunchRequest& Only() {
    EXPECT_EQ(launches.started.size(), 1u);
    static LaunchRequest none;
    return launches.started.empty() ? none : launches.started.back();
  }
};
}  // namespace

TEST_F(LauncherTest, TitlesServedByTheGameLauncherGoThroughItOnWholeItemsOnly) {
  std::string path = Shortcut("Game B", "Games\\b.exe");
  TheApp().Settings.gameexe = 1;
  AddLauncher("Game B", "2", 1, "group2");
  AddLauncher("Game B", "1", 0, "unused");
  AddLauncher("Game A,game b", "1", 1, "ab");
  WriteBytes("ZuzoRadozevo.exe", "MZ");

  LaunchShortcut(path, "GAME B");
  EXPECT_EQ(Only().file, Path("ZuzoRadozevo.exe"));
  EXPECT_EQ(Only().arguments, "/ab");
  EXPECT_EQ(Only().folder, folder.path());

  launches.started.clear();
  LaunchShortcut(path, "Game");
  EXPECT_EQ(Only().file, Path("Games\\b.exe")) << "part of an item is no match";

  launches.started.clear();
  TheApp().Settings.gameexe = 0;
  LaunchShortcut(path, "Game B");
  EXPECT_EQ(Only().file, Path("Games\\b.exe")) << "the game launcher is switched off";

  launches.started.clear();
  TheApp().Settings.gameexe = 1;
  RemoveFile(Path("ZuzoRadozevo.exe"));
  LaunchShortcut(path, "Game B");
  EXPECT_EQ(Only().file, Path("Games\\b.exe")) << "a missing game launcher falls through";
}

TEST_F(LauncherTest, PlainStartsUseTheShortcutsFolderOrTheTargetsAndFallBackToTheFile) {
  std::string inTarget = Shortcut("a", "Games\\a.exe", "", "-window -mode=full");
  LaunchShortcut(inTarget, "a");
  EXPECT_EQ(Only().file, Path("Games\\a.exe"));
  EXPECT_EQ(Only().arguments, "-window -mode=full");
  EXPECT_EQ(Only().folder, Path("Games")) << "empty working folder: the target's";

  launches.started.clear();
  std::string own = Shortcut("b", "Games\\b.exe", Path("Best"));
  LaunchShortcut(own, "b");
  EXPECT_EQ(Only().folder, Path("Best"));

  launches.started.clear();
  launches.result = false;
  LaunchShortcut(own, "b");
  ASSERT_EQ(launches.started.size(), 2u);
  EXPECT_EQ(launches.started[1].file, own);
  EXPECT_EQ(launches.started[1].verb, "");
  EXPECT_EQ(launches.started[1].folder, "");
}

TEST_F(LauncherTest, MouseAndKeyboardIconsOpenTheirControlPanelPages) {
  std::string path = Shortcut("x", "Games\\x.exe");
  LaunchShortcut(path, "마우스");
  LaunchShortcut(path, "키보드");
  ASSERT_EQ(launches.started.size(), 2u);
  EXPECT_EQ(launches.started[0].file, "rundll32.exe");
  EXPECT_EQ(launches.started[0].arguments, "shell32.dll,Control_RunDLL main.cpl @0");
  EXPECT_EQ(launches.started[1].arguments, "shell32.dll,Control_RunDLL main.cpl @1");
}

TEST_F(LauncherTest, HandedOutGamesAreLeftToTheAgentOthersStartDirectly) {
  CdKeys("10100");
  std::string starcraft = Shortcut("StarCraft", "Games\\StarCraft.exe");
  LaunchShortcut(starcraft, "스타크래프트");
  EXPECT_EQ(Only().file, Path("Games\\StarCraft.exe")) << "StarCraft is not handed out";

  launches.started.clear();
  std::string warcraft = Shortcut("Warcraft", "Games\\War3\\Warcraft III.exe");
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_EQ(Only().file, Path("Games\\War3\\Warcraft III.exe")) << "no war3.exe beside it";

  launches.started.clear();
  WriteBytes("Games\\War3\\war3.exe", "MZ");
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_TRUE(launches.started.empty()) << "the agent starts it";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdKeyKey, "GAME"), Path("Games\\War3\\Warcraft III.exe"));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Software\\Blizzard Entertainment\\Warcraft III", "Program"),
            Path("Games\\War3\\Warcraft III.exe"));

  CdKeys("1010");
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_EQ(Only().file, Path("Games\\War3\\Warcraft III.exe")) << "four characters: every game starts directly";
}

TEST_F(LauncherTest, InternetShortcutsOpenTheirAddressOrAnEmptyBrowser) {
  WriteTextFile(Path("Best\\site.url"), "[InternetShortcut]\r\nURL= http://site.example/ \r\n", false, false);
  WriteTextFile(Path("Best\\empty.URL"), "[InternetShortcut]\r\n", false, false);
  LaunchShortcut(Path("Best\\site.url"), "마우스");
  LaunchShortcut(Path("Best\\empty.URL"), "site");
  LaunchShortcut(Path("Best\\missing.url"), "site");
  ASSERT_EQ(launches.started.size(), 3u);
  EXPECT_EQ(launches.started[0].file, "http://site.example/");
  EXPECT_EQ(launches.started[1].file, "IEXPLORE.EXE");
  EXPECT_EQ(launches.started[1].arguments, "");
  EXPECT_EQ(launches.started[2].file, "IEXPLORE.EXE");
}

TEST_F(LauncherTest, CommandLineGamesStartFromTheirRegisteredPath) {
  RegWriteString(HKEY_CURRENT_USER, kCdGameKey, "war3", "C:\\Games\\War3\\war3.exe");
  RegWriteString(HKEY_CURRENT_USER, kCdGameKey, "war3mode", "-window");
  StartGameByArgument("/WAR3/");
  EXPECT_EQ(Only().file, "C:\\Games\\War3\\war3.exe");
  EXPECT_EQ(Only().arguments, "-window");
  EXPECT_EQ(Only().folder, "C:\\Games\\War3");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGameKey, "war3mode", "kept"), "");

  launches.started.clear();
  WriteBytes("TSLC_Ag.exe", "MZ");
  StartGameByArgument("war3");
  ASSERT_EQ(launches.started.size(), 2u) << "the agent is started first";
  EXPECT_EQ(launches.started[0].file, Path("TSLC_Ag.exe"));
  EXPECT_EQ(launches.started[1].arguments, "") << "war3mode was used up";

  launches.started.clear();
  StartGameByArgument("unknown");
  EXPECT_TRUE(launches.started.empty());
}

TEST_F(LauncherTest, TheBoardPageNeedsTheGameLauncher) {
  OpenBoardLauncher();
  EXPECT_TRUE(launches.started.empty());
  WriteBytes("ZuzoRadozevo.exe", "MZ");
  OpenBoardLauncher();
  EXPECT_EQ(Only().arguments, "/board");
}
