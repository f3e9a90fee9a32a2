#include "menu/launcher.h"

#include <gtest/gtest.h>

#include "catalog/shortcuts.h"
#include "menu/cd_key.h"
#include "state/app_state.h"
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
  std::string Shortcut(const std::string& name, const std::string& target, const std::string& workDir = {}) {
    WriteBytes(target, "MZ");
    std::string path = Path("Best\\" + name + ".lnk");
    EXPECT_TRUE(WriteShortcut(path, Path(target), workDir, "", ""));
    return path;
  }
  void CdKeys(const char* autoKey) {
    RegWriteString(HKEY_CURRENT_USER, kCdKeyKey, "AutoKey", autoKey);
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VConnect", "1");
  }
  // What the launches since the last call started: file, arguments and folder.
  std::vector<std::string> Started() {
    std::vector<std::string> started;
    for (const LaunchRequest& r : launches.started) started.push_back(r.file + "|" + r.arguments + "|" + r.folder);
    launches.started.clear();
    return started;
  }
  std::vector<std::string> Only(const std::string& file, const std::string& arguments, const std::string& folder) {
    return {file + "|" + arguments + "|" + folder};
  }
};
}  // namespace

TEST_F(LauncherTest, TitlesServedByTheGameLauncherGoThroughItOnWholeItemsOnly) {
  std::string path = Shortcut("Game B", "Games\\b.exe");
  const auto direct = Only(Path("Games\\b.exe"), "", Path("Games"));
  TheApp().Settings.gameexe = 1;
  for (auto [titles, gubn, state, args] :
       {std::tuple{"Game B", "2", 1, "group2"}, {"Game B", "1", 0, "unused"}, {"Game A,game b", "1", 1, "ab"}}) {
    GameLauncherEntry& entry = TheApp().GameLaunchers.emplace_back();
    entry.ETitle = titles, entry.Gubn = gubn, entry.State = static_cast<short>(state), entry.Args = args;
  }
  OpenBoardLauncher();
  EXPECT_TRUE(Started().empty()) << "no game launcher for the board page";
  WriteBytes("ZuzoRadozevo.exe", "MZ");

  LaunchShortcut(path, "GAME B");
  EXPECT_EQ(Started(), Only(Path("ZuzoRadozevo.exe"), "/ab", folder.path()));
  LaunchShortcut(path, "Game");
  EXPECT_EQ(Started(), direct) << "part of an item is no match";
  OpenBoardLauncher();
  EXPECT_EQ(Started(), Only(Path("ZuzoRadozevo.exe"), "/board", folder.path()));

  TheApp().Settings.gameexe = 0;
  LaunchShortcut(path, "Game B");
  EXPECT_EQ(Started(), direct) << "the game launcher is switched off";
  TheApp().Settings.gameexe = 1;
  RemoveFile(Path("ZuzoRadozevo.exe"));
  LaunchShortcut(path, "Game B");
  EXPECT_EQ(Started(), direct) << "a missing game launcher falls through";
}

TEST_F(LauncherTest, PlainStartsUseTheShortcutsFolderAndFallBackToTheFile) {
  std::string own = Shortcut("b", "Games\\b.exe", Path("Best"));
  launches.result = false;
  LaunchShortcut(own, "b");
  ASSERT_EQ(launches.started.size(), 2u);
  EXPECT_EQ(launches.started[1].verb, "");
  EXPECT_EQ(Started(), (std::vector<std::string>{Path("Games\\b.exe") + "||" + Path("Best"), own + "||"}))
      << "the shortcut itself when the target cannot start";
  launches.result = true;

  LaunchShortcut(own, "마우스");
  LaunchShortcut(own, "키보드");
  EXPECT_EQ(Started(), (std::vector<std::string>{"rundll32.exe|shell32.dll,Control_RunDLL main.cpl @0|",
                                                 "rundll32.exe|shell32.dll,Control_RunDLL main.cpl @1|"}))
      << "the mouse and keyboard icons open their control panel pages";
}

TEST_F(LauncherTest, HandedOutGamesAreLeftToTheAgentOthersStartDirectly) {
  CdKeys("10100");
  LaunchShortcut(Shortcut("StarCraft", "Games\\StarCraft.exe"), "스타크래프트");
  EXPECT_EQ(Started(), Only(Path("Games\\StarCraft.exe"), "", Path("Games"))) << "StarCraft is not handed out";
  std::string warcraft = Shortcut("Warcraft", "Games\\War3\\Warcraft III.exe");
  const auto direct = Only(Path("Games\\War3\\Warcraft III.exe"), "", Path("Games\\War3"));
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_EQ(Started(), direct) << "no war3.exe beside it";

  WriteBytes("Games\\War3\\war3.exe", "MZ");
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_TRUE(Started().empty()) << "the agent starts it";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdKeyKey, "GAME"), Path("Games\\War3\\Warcraft III.exe"));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, "Software\\Blizzard Entertainment\\Warcraft III", "Program"),
            Path("Games\\War3\\Warcraft III.exe"));

  CdKeys("1010");
  LaunchShortcut(warcraft, "워크래프트");
  EXPECT_EQ(Started(), direct) << "four characters: every game starts directly";
}

TEST_F(LauncherTest, InternetShortcutsOpenTheirAddressOrAnEmptyBrowser) {
  WriteTextFile(Path("Best\\site.url"), "[InternetShortcut]\r\nURL= http://site.example/ \r\n", false, false);
  WriteTextFile(Path("Best\\empty.URL"), "[InternetShortcut]\r\n", false, false);
  LaunchShortcut(Path("Best\\site.url"), "마우스");
  LaunchShortcut(Path("Best\\empty.URL"), "site");
  LaunchShortcut(Path("Best\\missing.url"), "site");
  EXPECT_EQ(Started(), (std::vector<std::string>{"http://site.example/||", "IEXPLORE.EXE||", "IEXPLORE.EXE||"}));
}

TEST_F(LauncherTest, CommandLineGamesStartFromTheirRegisteredPath) {
  RegWriteString(HKEY_CURRENT_USER, kCdGameKey, "war3", "C:\\Games\\War3\\war3.exe");
  RegWriteString(HKEY_CURRENT_USER, kCdGameKey, "war3mode", "-window");
  StartGameByArgument("/WAR3/");
  EXPECT_EQ(Started(), Only("C:\\Games\\War3\\war3.exe", "-window", "C:\\Games\\War3"));
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdGameKey, "war3mode", "kept"), "") << "used up";

  WriteBytes("TSLC_Ag.exe", "MZ");
  StartGameByArgument("war3");
  EXPECT_EQ(Started(), (std::vector<std::string>{Path("TSLC_Ag.exe") + "||" + folder.path(),
                                                 "C:\\Games\\War3\\war3.exe||C:\\Games\\War3"}))
      << "the agent is started first";
  StartGameByArgument("unknown");
  EXPECT_TRUE(Started().empty());
}
