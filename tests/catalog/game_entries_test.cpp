#include "catalog/game_entries.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "catalog/category_sync.h"
#include "catalog/recording_menu_list.h"
#include "catalog/shortcuts.h"
#include "catalog/sponsored_icons.h"
#include "catalog/title_set.h"
#include "store/files.h"
#include "store/registry.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

namespace {
class GameEntriesTest : public TesselTest {
 protected:
  const std::vector<GameEntry>& Entries() { return TheApp().GameEntries; }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
};
}  // namespace

TEST_F(GameEntriesTest, EntriesAreReadByKeyWithoutRegardToCaseOrBlanks) {
  LoadGameEntries();
  EXPECT_EQ(Entries().size(), 1u) << "no Game.mts: slot 0 only";

  Write("Game.mts",
        "Title=stray\r\n"
        "[스타크래프트-Best]\r\n"
        "  TITLE = 스타크래프트 \r\n"
        "TARGETPATH = C:\\Games\\Star\\star.exe\r\n"
        "Args=-mode=full\r\n"
        "Group=best\r\n"
        "no equals sign\r\n"
        "Colour=red\r\n"
        "\r\n"
        "[Naver]\nGubn=URL\rGName=Naver.Url\r\n");
  LoadGameEntries();
  ASSERT_EQ(Entries().size(), 3u);
  EXPECT_EQ(Entries()[0].Title, "stray");
  EXPECT_EQ(Entries()[1].Key, "스타크래프트-Best");
  EXPECT_EQ(Entries()[1].Title, "스타크래프트");
  EXPECT_EQ(Entries()[1].TargetPath, "C:\\Games\\Star\\star.exe");
  EXPECT_EQ(Entries()[1].Args, "-mode=full");
  EXPECT_EQ(Entries()[2].GName, "Naver.Url");
}

TEST_F(GameEntriesTest, WrittenEntriesAreAppendedOrUpdatedInPlaceAndReadBack) {
  WriteGameEntry("A-Best", "A", "A.LNK", "C:\\a\\a.exe", "C:\\a", "-x", "Best", "LNK", "C:\\a\\a.ico", true);
  WriteGameEntry("B-Online", "B", "B.URL", "http://b", "", "", "Online", "URL", "", true);
  EXPECT_EQ(ReadBytes("Game.mts"),
            "[A-Best]\r\nTitle=A\r\nGName=A.LNK\r\nTargetPath=C:\\a\\a.exe\r\nWorkDir=C:\\a\r\nArgs=-x\r\nGroup=Best\r\n"
            "Gubn=LNK\r\nIcon=C:\\a\\a.ico\r\n[B-Online]\r\nTitle=B\r\nGName=B.URL\r\nTargetPath=http://b\r\nWorkDir=\r\n"
            "Args=\r\nGroup=Online\r\nGubn=URL\r\nIcon=\r\n");

  WriteGameEntry("A-Best", "A", "A.LNK", "D:\\a\\a.exe", "D:\\a", "", "Best", "LNK", "", false);
  WriteGameEntry("C-Fps", "C", "C.LNK", "C:\\c.exe", "", "", "Fps", "LNK", "", false);
  LoadGameEntries();
  ASSERT_EQ(Entries().size(), 4u);
  EXPECT_EQ(Entries()[1].TargetPath, "D:\\a\\a.exe");
  EXPECT_EQ(Entries()[2].Key, "B-Online");
  EXPECT_EQ(Entries()[3].Group, "Fps");
}

TEST_F(GameEntriesTest, TheLauncherTableKeepsItsSwitchesInSlotZero) {
  LoadGameLaunchers();
  ASSERT_EQ(TheApp().GameLaunchers.size(), 1u);
  EXPECT_EQ(TheApp().GameLaunchers[0].Name, "ENV");
  EXPECT_EQ(TheApp().GameLaunchers[0].Path, "||||||");

  Write("GameExe.ini",
        "[Zuzo]\r\nPath= C:\\z\\z.exe \r\nTestPath=C:\\z\r\nETitle=Star,War\r\nstate=1\r\nRank=2x\r\nGubn=1\r\nArgs=s\r\n"
        "URL=http://z\r\n[env]\r\nGameTalk=1\r\nNCTalk=0\r\nNoFolderView=1\r\n[Other]\r\n");
  LoadGameLaunchers();
  const auto& list = TheApp().GameLaunchers;
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Path, "1|0||||||1");
  EXPECT_EQ(list[1].Name, "Zuzo");
  EXPECT_EQ(list[1].Path, "C:\\z\\z.exe");
  EXPECT_EQ(list[1].ETitle, "Star,War");
  EXPECT_EQ(list[1].Rank, 2);
  EXPECT_EQ(list[1].State, 1);
  EXPECT_EQ(list[2].Name, "Other");
  EXPECT_EQ(list[2].State, 0);

  Write("GameExe.ini", "[Zuzo]\r\nPath=x\r\n");
  LoadGameLaunchers();
  EXPECT_EQ(TheApp().GameLaunchers[0].Path, "||||||") << "no [ENV] section";
}

TEST_F(GameEntriesTest, SyncingACategoryCreatesOnlyTheMissingShortcutsOfThatCategory) {
  CreateFolders(Path("Bmp"));
  CreateFolders(Path("Best"));
  Write("game.exe", "program");
  Write("web.ico", "icon");
  Write("Bmp\\Web.BMP", "bitmap");
  Write("Best\\Kept.LNK", "not rewritten");
  Write("Game.mts",
        "[Prog]\r\nTitle=Prog\r\nGName=Prog.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nArgs=-a\r\nGroup=best\r\nGubn=lnk\r\n"
        "[Web]\r\nTitle=Web\r\nGName=Web.url\r\nTargetPath=http://web\r\nGroup=Best\r\nGubn=URL\r\nIcon=" + Path("web.ico") + "\r\n"
        "[NoIcon]\r\nTitle=NoIcon\r\nGName=NoIcon.url\r\nTargetPath=http://x\r\nGroup=Best\r\nGubn=URL\r\n"
        "[Kept]\r\nTitle=Kept\r\nGName=Kept.LNK\r\nGroup=Best\r\nGubn=LNK\r\n"
        "[Listed]\r\nTitle= listed \r\nGName=Listed.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nGroup=Best\r\nGubn=LNK\r\n"
        "[Other]\r\nTitle=Other\r\nGName=Other.LNK\r\nTargetPath=" + Path("game.exe") + "\r\nGroup=Online\r\nGubn=LNK\r\n");
  LoadGameEntries();
  ListTitle("LISTED");
  RecordingMenuList menu;
  SyncCategoryFolder(menu, "BEST");

  EXPECT_EQ(ReadShortcut(Path("Best\\Prog.LNK")).Arguments, "-a");
  EXPECT_NE(ReadBytes("Best\\Web.url").find("URL=http://web"), std::string::npos);
  EXPECT_FALSE(FileExists(Path("Best\\NoIcon.url")));
  EXPECT_EQ(ReadBytes("Best\\Kept.LNK"), "not rewritten");
  EXPECT_FALSE(FileExists(Path("Best\\Listed.LNK")));
  EXPECT_FALSE(FileExists(Path("Online\\Other.LNK")));

  ASSERT_EQ(menu.added.size(), 3u);
  EXPECT_EQ(menu.added[0].path, Path("best\\Prog.LNK"));
  EXPECT_EQ(menu.added[1].picture, Path("Bmp\\Web.BMP"));
  EXPECT_EQ(menu.added[2].title, "Kept");

  SyncCategoryFolder(menu, "BEST");
  EXPECT_EQ(menu.added.size(), 3u) << "titles listed once";
  ClearListedTitles();  // the menu emptied its list
  SyncCategoryFolder(menu, "BEST");
  EXPECT_EQ(menu.added.size(), 7u) << "all four with a file, Listed now created too";
  EXPECT_TRUE(FileExists(Path("Best\\Listed.LNK")));
}

TEST_F(GameEntriesTest, AWebIconIsFetchedForTheListPicture) {
  HttpTestServer server;
  server.Serve("/web.ico", HttpTestServer::Ok("ICON"));
  Write("Game.mts", "[W]\r\nTitle=W\r\nGName=W.url\r\nTargetPath=http://w\r\nGroup=Fps\r\nGubn=URL\r\nIcon=" +
                        server.BaseUrl() + "/web.ico\r\n");
  LoadGameEntries();
  RecordingMenuList menu;
  SyncCategoryFolder(menu, "FPS");
  ASSERT_EQ(menu.added.size(), 1u);
  EXPECT_EQ(menu.added[0].picture, Path("Tmp\\W.Ico"));
  EXPECT_EQ(ReadBytes("Tmp\\W.Ico"), "ICON");
}

TEST_F(GameEntriesTest, InstallFoldersResolveFromFoldersAndFiles) {
  CreateFolders(Path("Game Folder"));
  Write("Game Folder\\run.exe", "x");
  EXPECT_EQ(ResolveInstallFolder(Path("Game Folder")), Path("Game Folder"));
  EXPECT_EQ(ResolveInstallFolder(Path("Game Folder\\run.exe")), Path("Game Folder\\"));
  EXPECT_EQ(ResolveInstallFolder(Path("Game Folder\\gone.exe")), "F");
  EXPECT_EQ(ResolveInstallFolder(Path("Nowhere")), "F");
  EXPECT_EQ(ResolveInstallFolder(""), "F");
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
  EXPECT_EQ(byPath.TargetPath, Path("Installed\\Bin\\play.exe"));
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
