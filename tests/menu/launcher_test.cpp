#include "menu/launcher.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "catalog/shortcuts.h"
#include "menu/cd_key.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
// A shortcut as installers leave them, its target and working folder named through an environment
// value: the shell link binary format with a location block holding the target as written (read
// back as it stands, the way Windows reads a target from the environment block) and the working
// folder as its one string.
void WriteInstallerShortcut(const std::string& path, const std::string& target, const std::string& workDir) {
  std::string bytes;
  auto put32 = [&](uint32_t value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
  auto put16 = [&](uint16_t value) { bytes.append(reinterpret_cast<const char*>(&value), 2); };
  put32(0x4C);
  bytes.append("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16);  // CLSID_ShellLink
  put32(0x02 | 0x10 | 0x80);  // HasLinkInfo, HasWorkingDir, IsUnicode
  bytes.append(0x4C - bytes.size() - 16, '\0');
  put32(1);  // shown normally
  bytes.append(12, '\0');
  const std::string volume = std::string("\x11\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x10\x00\x00\x00\x00", 17);
  const uint32_t header = 0x1C, basePath = header + static_cast<uint32_t>(volume.size());
  const uint32_t suffix = basePath + static_cast<uint32_t>(target.size()) + 1;
  for (uint32_t value : {suffix + 1, header, 1u, header, basePath, 0u, suffix}) put32(value);
  bytes += volume + target + '\0' + '\0';
  std::wstring folder = Widen(workDir);
  put16(static_cast<uint16_t>(folder.size()));
  bytes.append(reinterpret_cast<const char*>(folder.data()), folder.size() * 2);
  put32(0);
  ReplaceFileBytes(path, bytes);
}

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

// Installers name targets through %ProgramFiles%: the CD-key road tests and starts the real path.
TEST_F(LauncherTest, TargetsNamedThroughEnvironmentValuesAreExpandedBeforeTheyAreTested) {
  ScopedEnvironmentValue games(L"TESSEL_GAMES", folder.path());
  WriteBytes("Games\\War3\\Warcraft III.exe", "MZ");
  WriteBytes("Games\\War3\\war3.exe", "MZ");
  const std::string link = Path("Best\\Warcraft.lnk");
  WriteInstallerShortcut(link, "%TESSEL_GAMES%\\Games\\War3\\Warcraft III.exe", "%TESSEL_GAMES%\\Games\\War3");
  ShortcutInfo info = ReadShortcut(link);
  EXPECT_EQ(info.TargetPath, Path("Games\\War3\\Warcraft III.exe"));
  EXPECT_EQ(info.WorkingDirectory, Path("Games\\War3"));

  CdKeys("10100");
  LaunchShortcut(link, "워크래프트");
  EXPECT_TRUE(Started().empty()) << "the agent starts it";
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kCdKeyKey, "GAME"), Path("Games\\War3\\Warcraft III.exe"));
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
