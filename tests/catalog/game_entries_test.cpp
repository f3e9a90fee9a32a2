#include "catalog/game_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalog/category_sync.h"
#include "catalog/game_launchers.h"
#include "catalog/menu_list.h"
#include "catalog/shortcuts.h"
#include "catalog/sponsored_icons.h"
#include "catalog/title_set.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

namespace {
struct RecordingMenuList : MenuList {
  struct Icon {
    std::string path, title, picture;
  };
  std::vector<Icon> added;
  void AddIcon(const std::string& path, const std::string& title, const std::string& picture) override {
    added.push_back({path, title, picture});
  }
};

class GameEntriesTest : public TesselTest {
 protected:
  const std::vector<GameEntry>& Entries() { return TheApp().GameEntries; }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  // The files under this test's folder, relative to it.
  std::vector<std::string> FilesWritten() {
    std::vector<std::string> files;
    const std::filesystem::path root(Widen(folder.path()));
    for (const auto& item : std::filesystem::recursive_directory_iterator(root))
      if (item.is_regular_file()) files.push_back(Narrow(item.path().lexically_relative(root).wstring()));
    std::sort(files.begin(), files.end());
    return files;
  }
};
}  // namespace

// Writing entries is proven through the scans that write them.
TEST_F(GameEntriesTest, EntriesAreReadAsOtherWritersLeaveThem) {
  LoadGameEntries();
  EXPECT_EQ(Entries().size(), 1u) << "no Game.mts: slot 0 only";
  Write("Game.mts", "Title=stray\r\n[K]\r\n  TARGETPATH = C:\\a b.exe \r\n");
  LoadGameEntries();
  ASSERT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Entries()[0].Title, "stray") << "a line before any section";
  EXPECT_EQ(Entries()[1].TargetPath, "C:\\a b.exe");
}

TEST_F(GameEntriesTest, TheLauncherTableKeepsItsSwitchesInSlotZero) {
  LoadGameLaunchers();
  ASSERT_EQ(TheApp().GameLaunchers.size(), 1u);
  EXPECT_EQ(TheApp().GameLaunchers[0].Path, "||||||") << "no GameExe.ini";

  Write("GameExe.ini",
        "[Zuzo]\r\nPath= C:\\z\\z.exe \r\nstate=1\r\nRank=2x\r\n[env]\r\nGameTalk=1\r\nNCTalk=0\r\nNoFolderView=1\r\n[Other]\r\n");
  LoadGameLaunchers();
  const auto& list = TheApp().GameLaunchers;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Path, "1|0||||||1");
  EXPECT_EQ(list[1].Path, "C:\\z\\z.exe");
  EXPECT_EQ(list[1].Rank, 2);
  EXPECT_EQ(list[1].State, 1);
  EXPECT_EQ(list[2].Name, "Other");
  EXPECT_EQ(list[2].State, 0);
}

TEST_F(GameEntriesTest, SyncingACategoryCreatesOnlyTheMissingShortcutsOfThatCategory) {
  HttpTestServer server;
  server.Serve("/web.ico", HttpTestServer::Ok("ICON"));
  CreateFolders(Path("Bmp"));
  CreateFolders(Path("Best"));
  Write("game.exe", "program");
  Write("web.ico", "icon");
  Write("Bmp\\Web.BMP", "bitmap");
  Write("Best\\Kept.LNK", "not rewritten");
  auto entry = [](const std::string& title, const std::string& rest) {
    return "[" + title + "]\r\nTitle=" + title + "\r\n" + rest + "\r\n";
  };
  Write("Game.mts",
        entry("Prog", "GName=Prog.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nArgs=-a\r\nGroup=best\r\nGubn=lnk") +
            entry("Web", "GName=Web.url\r\nTargetPath=http://web\r\nGroup=Best\r\nGubn=URL\r\nIcon=" + Path("web.ico")) +
            entry("NoIcon", "GName=NoIcon.url\r\nTargetPath=http://x\r\nGroup=Best\r\nGubn=URL") +
            entry("Kept", "GName=Kept.LNK\r\nGroup=Best\r\nGubn=LNK") +
            entry("Fetched", "GName=Fetched.url\r\nTargetPath=http://f\r\nGroup=Best\r\nGubn=URL\r\nIcon=" +
                                 server.BaseUrl() + "/web.ico") +
            entry("Listed", "GName=Listed.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nGroup=Best\r\nGubn=LNK") +
            entry("Other", "GName=Other.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nGroup=Online\r\nGubn=LNK"));
  LoadGameEntries();
  ListTitle("LISTED");
  RecordingMenuList menu;
  SyncCategoryFolder(menu, "BEST");

  EXPECT_EQ(ReadShortcut(Path("Best\\Prog.LNK")).Arguments, "-a");
  EXPECT_NE(ReadBytes("Best\\Web.url").find("URL=http://web"), std::string::npos);
  EXPECT_FALSE(FileExists(Path("Best\\NoIcon.url"))) << "a URL entry needs an icon";
  EXPECT_EQ(ReadBytes("Best\\Kept.LNK"), "not rewritten");
  EXPECT_FALSE(FileExists(Path("Best\\Listed.LNK"))) << "already listed, whatever the case";
  EXPECT_FALSE(FileExists(Path("Online\\Other.LNK")));
  ASSERT_EQ(menu.added.size(), 4u);
  EXPECT_EQ(menu.added[0].path, Path("best\\Prog.LNK"));
  EXPECT_EQ(menu.added[1].picture, Path("Bmp\\Web.BMP")) << "the cached bitmap before the icon";
  EXPECT_EQ(menu.added[2].title, "Kept");
  EXPECT_EQ(menu.added[3].picture, Path("Tmp\\Fetched.Ico")) << "a web icon is fetched";
  EXPECT_EQ(ReadBytes("Tmp\\Fetched.Ico"), "ICON");

  SyncCategoryFolder(menu, "BEST");
  EXPECT_EQ(menu.added.size(), 4u) << "titles listed once";
  ClearListedTitles();  // the menu emptied its list
  SyncCategoryFolder(menu, "BEST");
  EXPECT_EQ(menu.added.size(), 9u) << "all five with a file, Listed now created too";
  EXPECT_TRUE(FileExists(Path("Best\\Listed.LNK")));
}

TEST_F(GameEntriesTest, SponsoredIconsBecomeShortcutsOrWebIconsOnce) {
  CreateFolders(Path("Skin"));
  CreateFolders(Path("Installed\\Bin"));
  Write("Installed\\setup.dat", "x");
  Write("Installed\\Bin\\play.exe", "x");
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vendor\\Reg", "Dir", Path("Installed"));
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "VdAd", "1");
  Write("Skin\\VdAd.ini",
        "[1]\r\nTitle=ByPath\r\nGubn=EXE\r\nGName=ByPath.LNK\r\nTargetPath=Bin\\play.exe\r\nPath1=" + Path("Missing\\a.exe") +
            "\r\nPath2=" + Path("Installed\\setup.dat") + "\r\n"
        "[2]\r\nTitle=ByRegistry\r\nGName=ByRegistry.LNK\r\nTargetPath=Bin\\play.exe\r\nWorkDir=C:\\work\r\n"
            "RegGubn=hklm\r\nRegPath=SOFTWARE\\Vendor\\Reg\r\nValue=Dir\r\n"
        "[3]\r\nTitle=NotInstalled\r\nGName=NotInstalled.LNK\r\nPath1=" + Path("Missing") + "\r\nURL=http://fallback\r\n"
        "[4]\r\nTitle=Web\r\nGubn=url\r\nGName=Web.url\r\nTargetPath=http://web\r\n"
        "[5]\r\nTitle=Shown\r\nGubn=URL\r\nGName=Shown.url\r\nTargetPath=http://shown\r\n");
  ListTitle("shown");
  RecordingMenuList menu;
  LoadSponsoredIcons(menu);

  ShortcutInfo byPath = ReadShortcut(Path("VdAd\\ByPath.LNK"));
  EXPECT_EQ(byPath.TargetPath, Path("Installed\\Bin\\play.exe")) << "a missing Path1 falls back to Path2's folder";
  EXPECT_EQ(byPath.WorkingDirectory, Path("Installed\\"));
  EXPECT_EQ(byPath.IconLocation, Path("Skin\\Ico\\ByPath.Ico") + ",0");
  ShortcutInfo byRegistry = ReadShortcut(Path("VdAd\\ByRegistry.LNK"));
  EXPECT_EQ(byRegistry.TargetPath, Path("Installed\\Bin\\play.exe"));
  EXPECT_EQ(byRegistry.WorkingDirectory, "C:\\work");
  EXPECT_NE(ReadBytes("VdAd\\NotInstalled.URL").find("URL=http://fallback"), std::string::npos);
  EXPECT_NE(ReadBytes("VdAd\\Web.url").find("URL=http://web"), std::string::npos);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "VdAd"), "0");
  std::vector<std::string> titles;
  for (const auto& icon : menu.added) titles.push_back(icon.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"ByPath", "ByRegistry", "NotInstalled", "Web"}));

  // Present as <Title>.LNK or <Title>.URL: skipped however the file changed.
  Write("Skin\\VdAd.ini", "[1]\r\nTitle=ByPath\r\nGubn=URL\r\nGName=Other.url\r\nTargetPath=http://other\r\n");
  LoadSponsoredIcons(menu);
  EXPECT_FALSE(FileExists(Path("VdAd\\Other.url")));
  EXPECT_EQ(menu.added.size(), 4u);
}

TEST_F(GameEntriesTest, AppendingAnEntryNeverGluesItToAnUnendedLastLine) {
  Write("Game.mts", "[First]\r\nTitle=First");
  WriteGameEntry("Second", "Second", "Second.LNK", "C:\\s.exe", "", "", "Best", "LNK", "", true);
  LoadGameEntries();
  ASSERT_EQ(Entries().size(), 3u);
  EXPECT_EQ(Entries()[1].Title, "First");
  EXPECT_EQ(Entries()[2].Title, "Second");
  EXPECT_EQ(Entries()[2].Group, "Best");
}

// Game.mts and VdAd.ini come from the agent and the service: their names become files only inside
// the folder meant for them, and a record whose names would lead elsewhere is skipped.
TEST_F(GameEntriesTest, NamesFromTheCatalogFilesNeverLeadOutOfTheirFolder) {
  HttpTestServer server;
  server.Serve("/icon.ico", HttpTestServer::Ok("ICON"));
  // The program folder one level down: an escape would land in this test's folder.
  TheApp().ProgramFolder = Path("Program");
  CreateFolders(Path("Program\\Skin"));
  Write("game.exe", "program");
  auto entry = [&](const std::string& title, const std::string& gname, const std::string& group,
                   const std::string& icon = "") {
    return "[" + title + "]\r\nTitle=" + title + "\r\nGName=" + gname + "\r\nTargetPath=" + Path("game.exe") +
           "\r\nGroup=" + group + "\r\nGubn=LNK\r\nIcon=" + icon + "\r\n";
  };
  Write("Program\\Game.mts", entry("Fine", "Fine.LNK", "Best") + entry("Up", "..\\..\\Up.LNK", "Best") +
                                  entry("Rooted", Path("Rooted.LNK"), "Best") +
                                  entry("..\\..\\Pictured", "Pictured.LNK", "Best", server.BaseUrl() + "/icon.ico") +
                                  entry("Side", "Side.LNK", "..\\Best") + entry("Dot", "Dot.LNK", "Best."));
  Write("Program\\Skin\\VdAd.ini",
        "[1]\r\nTitle=..\\..\\Sponsor\r\nGubn=EXE\r\nPath1=" + Path("Missing") + "\r\nURL=http://fallback\r\n"
        "[2]\r\nTitle=Named\r\nGubn=URL\r\nGName=..\\..\\Named.url\r\nTargetPath=http://named\r\n"
        "[3]\r\nTitle=Good\r\nGubn=URL\r\nGName=Good.url\r\nTargetPath=http://good\r\n");
  LoadGameEntries();
  RecordingMenuList menu;
  for (const char* tag : {"BEST", "..\\BEST", "BEST."}) SyncCategoryFolder(menu, tag);
  LoadSponsoredIcons(menu);

  std::vector<std::string> titles;
  for (const auto& icon : menu.added) titles.push_back(icon.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Fine", "Good"}));
  EXPECT_EQ(FilesWritten(), (std::vector<std::string>{"Program\\Best\\Fine.LNK", "Program\\Game.mts",
                                                      "Program\\Skin\\VdAd.ini", "Program\\VdAd\\Good.url",
                                                      "game.exe"}));
}

TEST_F(GameEntriesTest, SponsoredInstallPlacesOffADriveAreNeverLookedAt) {
  CreateFolders(Path("Skin"));
  CreateFolders(Path("Installed"));
  const std::string devicePath = "\\\\?\\" + Path("Installed");
  ASSERT_EQ(devicePath.find('.'), std::string::npos) << "taken as a folder";
  Write("Skin\\VdAd.ini", "[1]\r\nTitle=Far\r\nGubn=EXE\r\nGName=Far.LNK\r\nTargetPath=play.exe\r\nPath1=" + devicePath +
                              "\r\nURL=http://far\r\n");
  RecordingMenuList menu;
  LoadSponsoredIcons(menu);
  EXPECT_FALSE(FileExists(Path("VdAd\\Far.LNK")));
  EXPECT_NE(ReadBytes("VdAd\\Far.URL").find("URL=http://far"), std::string::npos) << "as if not installed";
}
