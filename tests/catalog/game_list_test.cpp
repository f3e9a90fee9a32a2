#include "catalog/game_list.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "catalog/clock.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/http_test_server.h"
#include "support/test_env.h"

namespace {
class GameListTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin"));
    SetClock([this] { return now; });
  }
  void TearDown() override {
    SetClock(nullptr);
    TesselTest::TearDown();
  }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  std::string Reg(const char* name) { return RegReadString(HKEY_CURRENT_USER, kTesselKey, name); }
  void UseHost(const std::string& baseUrl) { RegWriteString(HKEY_CURRENT_USER, kTesselKey, "UpdateHost", baseUrl); }
  const std::vector<GameEntry>& Entries() {
    LoadGameEntries();
    return TheApp().GameEntries;
  }

  DateTime now{2026, 3, 5, 23, 58, 0};
};
}  // namespace

TEST_F(GameListTest, TheGameListIsFetchedAfreshOncePerCalendarDayAndOnlyAWholeAnswerReplacesIt) {
  HttpTestServer server;
  const std::string remote = "/AutoUpdateorbix/GameLst.ini";
  UseHost(" " + server.BaseUrl().substr(7) + "/ ");  // without "http://", as owners type it
  server.Serve(remote, HttpTestServer::Ok("[new]"));
  Write("Skin\\GameLst.ini", "[old]");
  UpdateGameList();
  EXPECT_EQ(ReadBytes("Skin\\GameLst.ini"), "[new]");
  EXPECT_FALSE(FileExists(Path("Skin\\Tmp_GameLst.ini")));
  now.minute = 59;
  UpdateGameList();
  EXPECT_EQ(server.Requests().size(), 1u) << "same day";
  ++now.day;
  server.Serve(remote, HttpTestServer::Ok("[newer]\r\n"));
  UpdateGameList();
  EXPECT_EQ(ReadBytes("Skin\\GameLst.ini"), "[newer]\r\n") << "not a cached copy";

  for (auto failing : {HttpTestServer::NotFound(), HttpTestServer::Truncated("[cut")}) {
    ++now.day;
    server.Serve(remote, failing);
    UpdateGameList();
    EXPECT_EQ(Reg("GLTime").substr(0, 10), FormatDate(now)) << "the next try is tomorrow";
  }
  for (auto host : {HttpTestServer::RefusingBaseUrl(), std::string()}) {
    ++now.day;
    UseHost(host);
    UpdateGameList();
  }
  EXPECT_EQ(ReadBytes("Skin\\GameLst.ini"), "[newer]\r\n");
  EXPECT_FALSE(FileExists(Path("Skin\\Tmp_GameLst.ini"))) << "no partial download left behind";
  EXPECT_EQ(server.Requests().size(), 4u);

  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "GLTime", "2026-03-10 오후 11:00:00");  // as the system wrote it
  UseHost(server.BaseUrl());
  UpdateGameList();
  EXPECT_EQ(server.Requests().size(), 4u);
}

TEST_F(GameListTest, TheShortcutAddressListIsFetchedAtMostEveryThreeMinutes) {
  HttpTestServer server;
  UseHost(server.BaseUrl());
  server.Serve("/AutoUpdateorbix/eList.ini", HttpTestServer::Ok("[A.LNK]\r\nTargetURL=http://a\r\n"));
  UpdateShortcutUrlList();
  now = {2026, 3, 6, 0, 0, 59};  // two minutes later, across midnight
  UpdateShortcutUrlList();
  EXPECT_EQ(server.Requests().size(), 1u);
  now.minute = 1;
  server.Serve("/AutoUpdateorbix/eList.ini", HttpTestServer::NotFound());
  UpdateShortcutUrlList();
  EXPECT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(ReadBytes("list"), "[A.LNK]\r\nTargetURL=http://a\r\n");
  EXPECT_FALSE(FileExists(Path("Tmp_eList.ini")));
}

TEST_F(GameListTest, TheFullScanAppendsAnEntryForEveryInstalledGame) {
  for (const char* name : {"Star\\StarCraft.exe", "Star\\star.ico", "Web\\launch.exe", "Cart\\Cart.exe"}) {
    CreateFolders(Path(name).substr(0, Path(name).rfind('\\')));
    Write(name, "x");
  }
  Write("cart.ini", "[Setup]\r\nDir=" + Path("Cart\\Cart.exe") + "\r\n");
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Blizzard\\Star", "InstallPath", Path("Star") + "\\");
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Gone", "Path", Path("Gone"));
  RegWriteString(HKEY_CURRENT_USER, "SOFTWARE\\Portal", "Dir", Path("Web"));
  Write("Skin\\GameLst.ini",
        "[1]\r\ntitle=스타크래프트\r\nganre=Best\r\nprocess=StarCraft.exe\r\ntype=LNK\r\nargs=-x\r\nicon=a.ico, star.ico\r\n"
        "inschk=HKLM|SOFTWARE\\Blizzard\\Star|InstallPath\r\n"
        "[2]\r\ntitle=WebGame\r\nganre=Online\r\nprocess=launch.exe\r\ntype=URL\r\nurl=http://web.example\r\n"
        "inschk=HKCU|SOFTWARE\\Portal|Dir\r\n"
        "[3]\r\nTitle = 카트\r\nganre=Sport\r\nprocess=other.exe\r\ntype=LNK\r\n"
        "inschk=INI|" + Path("cart.ini") + "|Setup|Dir\r\n"
        "[4]\r\ntitle=ByPath\r\nganre=Fps\r\nprocess=launch.exe\r\ntype=URL\r\nurl=http://bypath\r\npath=" + Path("Web") + "\r\n"
        "[5]\r\ntitle=OneField\r\nprocess=StarCraft.exe\r\ninschk=HKLM\r\npath=" + Path("Star") + "\r\ntype=LNK\r\n"
        "icon=a.ico,b.ico,star.ico\r\n"
        "[6]\r\ntitle=MissingIni\r\nprocess=x.exe\r\ninschk=INI|" + Path("none.ini") + "|S|K\r\n"
        "[7]\r\ntitle=Uninstalled\r\nprocess=StarCraft.exe\r\ninschk=HKLM|SOFTWARE\\Gone|Path\r\npath=" + Path("Star") + "\r\n"
        "[8]\r\nganre=Best\r\nprocess=StarCraft.exe\r\npath=" + Path("Star") + "\r\n"
        "[9]\r\n\x01\x02\xff garbage without equals\r\n");

  ScanInstalledGames(true);
  EXPECT_NE(ReadTextFile(Path("Game.mts")).value_or("").find(
                "[스타크래프트-Best]\r\nTitle=스타크래프트\r\nGName=스타크래프트.LNK\r\nTargetPath=" + Path("Star\\StarCraft.exe") +
                "\r\nWorkDir=" + Path("Star") + "\r\nArgs=-x\r\nGroup=Best\r\nGubn=LNK\r\nIcon=" + Path("Star\\star.ico") + "\r\n"),
            std::string::npos);
  const auto& entries = Entries();
  ASSERT_EQ(entries.size(), 6u) << "no entry for a missing INI, a check naming a missing folder, or no title";
  EXPECT_EQ(entries[2].TargetPath, "http://web.example");
  EXPECT_EQ(entries[2].WorkDir, "");
  EXPECT_EQ(entries[3].TargetPath, Path("Cart\\Cart.exe")) << "the file the INI value names";
  EXPECT_EQ(entries[3].Icon, Path("Cart\\Cart.exe"));
  EXPECT_EQ(entries[4].TargetPath, "http://bypath") << "found through path, not a LNK";
  EXPECT_EQ(entries[5].Key, "OneField-");
  EXPECT_EQ(entries[5].TargetPath, Path("Star\\StarCraft.exe")) << "a check without key falls back to path";
  EXPECT_EQ(entries[5].Icon, Path("Star\\StarCraft.exe")) << "two icon candidates at most";
  EXPECT_EQ(Reg("iconDdate"), "2026-03-05");
}

TEST_F(GameListTest, AGameListedOnCIsFoundOnD) {
  if (!FolderExists("D:\\")) GTEST_SKIP() << "this machine has no D: drive";
  // A folder name of this test's own, so the same path on C: holds nothing.
  std::string games = "Tessel" + folder.path().substr(folder.path().rfind('\\') + 1);
  std::string onD = "D:\\" + games + "\\Cart";
  ASSERT_TRUE(CreateFolders(onD));
  WriteTextFile(onD + "\\Cart.exe", "x", false, false);
  Write("Skin\\GameLst.ini", "[1]\r\ntitle=Cart\r\nprocess=Cart.exe\r\ntype=LNK\r\npath=c:\\" + games + "\\Cart\r\n");
  ScanInstalledGames(true);
  std::filesystem::remove_all(Widen("D:\\" + games));
  ASSERT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Entries()[1].TargetPath, onD + "\\Cart.exe");
  EXPECT_EQ(Entries()[1].WorkDir, onD);
}

TEST_F(GameListTest, TheUpdateScanExaminesOnlyRecordsFromTheLastScanDayOnAndUpdatesInPlace) {
  ScanInstalledGames(false);
  EXPECT_EQ(ReadBytes("Game.mts"), "\r\n") << "without a game list Game.mts is still made";
  EXPECT_EQ(Reg("iconDdate"), "") << "and no scan is noted";

  CreateFolders(Path("G"));
  Write("G\\a.exe", "x");
  auto record = [&](const char* title, const char* date) {
    return std::string("[") + title + "]\r\ntitle=" + title + "\r\nganre=Best\r\nprocess=a.exe\r\ntype=LNK\r\npath=" +
           Path("G") + "\r\ndate=" + date + "\r\n";
  };
  Write("Skin\\GameLst.ini", record("Before", "2026-03-01") + record("OnTheDay", "2026/3/2") + record("After", "2026-03-04") +
                                 record("Undated", ""));
  Write("Game.mts", "[After-Best]\r\nTitle=After\r\nTargetPath=old\r\n");
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "iconDdate", "2026-03-02");
  ScanInstalledGames(false);
  const auto& entries = Entries();
  std::vector<std::string> keys;
  for (size_t i = 1; i < entries.size(); ++i) keys.push_back(entries[i].Key);
  EXPECT_EQ(keys, (std::vector<std::string>{"After-Best", "OnTheDay-Best", "Undated-Best"}));
  EXPECT_EQ(entries[1].TargetPath, Path("G\\a.exe")) << "updated in place";
  EXPECT_EQ(Reg("iconDdate"), "2026-03-05");
}

TEST_F(GameListTest, ClearingIconFoldersEmptiesOnlyTheIconFolders) {
  for (const char* name : {"Bmp\\a.bmp", "Best\\a.lnk", "Multi\\b.url", "Movie2\\sub\\c.lnk", "Skin\\keep.ini"}) {
    CreateFolders(Path(name).substr(0, Path(name).rfind('\\')));
    Write(name, "x");
  }
  ClearIconFolders();
  for (const char* gone : {"Bmp\\a.bmp", "Best\\a.lnk", "Multi\\b.url", "Movie2\\sub"}) EXPECT_FALSE(PathExists(Path(gone))) << gone;
  EXPECT_TRUE(FolderExists(Path("Best")));
  EXPECT_TRUE(FileExists(Path("Skin\\keep.ini")));
}

TEST_F(GameListTest, TheFirstDownloadMakesTheSkinFolderItKeepsTheListIn) {
  HttpTestServer server;
  UseHost(server.BaseUrl());
  server.Serve("/AutoUpdateorbix/GameLst.ini", HttpTestServer::Ok("[1]\r\ntitle=x\r\n"));
  ASSERT_TRUE(RemoveDirectoryW(Widen(Path("Skin")).c_str()));
  UpdateGameList();
  EXPECT_EQ(ReadBytes("Skin\\GameLst.ini"), "[1]\r\ntitle=x\r\n") << "the day's list is not lost";
}

TEST_F(GameListTest, TheKindIsComparedWithoutRegardToCase) {
  CreateFolders(Path("G"));
  Write("G\\a.exe", "x");
  Write("Skin\\GameLst.ini", "[1]\r\ntitle=Lower\r\nganre=Best\r\nprocess=a.exe\r\ntype=lnk\r\nurl=http://no\r\npath=" +
                                 Path("G") + "\r\n");
  ScanInstalledGames(true);
  ASSERT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Entries()[1].TargetPath, Path("G\\a.exe")) << "a program shortcut, not a web entry";
  EXPECT_EQ(Entries()[1].WorkDir, Path("G"));
  EXPECT_EQ(Entries()[1].GName, "Lower.lnk");
}

// GameLst.ini comes over plain HTTP: its names become file names in the category folders.
TEST_F(GameListTest, GamesWhoseNamesWouldLeadOutOfTheirFolderAreNotEntered) {
  CreateFolders(Path("G"));
  Write("G\\a.exe", "x");
  std::string records;
  for (auto [title, ganre, type] : {std::tuple{"Good", "Best", "LNK"}, {"..\\..\\Up", "Best", "LNK"},
                                    {"Side", "..\\Best", "LNK"}, {"Kind", "Best", "LNK\\..\\..\\x"},
                                    {"StarCraft: Brood War", "Best", "LNK"}, {"Dot.", "Best", "LNK"},
                                    {"Rooted", "C:\\Best", "LNK"}, {"NUL", "Best", "LNK"}})
    records += std::string("[") + title + "]\r\ntitle=" + title + "\r\nganre=" + ganre + "\r\ntype=" + type +
               "\r\nprocess=a.exe\r\npath=" + Path("G") + "\r\n";
  Write("Skin\\GameLst.ini", records);
  ScanInstalledGames(true);
  std::vector<std::string> keys;
  for (size_t i = 1; i < Entries().size(); ++i) keys.push_back(Entries()[i].Key);
  EXPECT_EQ(keys, (std::vector<std::string>{"Good-Best"}));
}

// A game list can name shares and device paths; the scan looks only at paths from a drive letter,
// so a list never makes this PC reach out to another machine.
TEST_F(GameListTest, PathsThatAreNotOnADriveAreNeverExamined) {
  // The game in this test's folder, seen through a long-path prefix and through the share that
  // the test prefix maps to a local folder (tests/catalog/CMakeLists.txt), each holding G\a.exe and
  // an INI file whose value names the local copy.
  TempFolder onShare("\\\\tessel-share\\games");
  ASSERT_TRUE(FolderExists(onShare.path())) << "the test share is missing";
  for (const std::string& root : {folder.path(), onShare.path()}) {
    CreateFolders(root + "\\G");
    WriteTextFile(root + "\\G\\a.exe", "x", false, false);
    WriteTextFile(root + "\\where.ini", "[S]\r\nK=" + Path("G") + "\r\n", false, false);
  }
  Write("G\\a.ico", "x");
  std::string records;
  int n = 0;
  auto record = [&](const std::string& fields) {
    ++n;
    records += "[" + std::to_string(n) + "]\r\ntitle=T" + std::to_string(n) +
               "\r\nganre=Best\r\ntype=LNK\r\nprocess=a.exe\r\n" + fields + "\r\n";
  };
  for (const std::string& root : {"\\\\?\\" + folder.path(), onShare.path()}) {
    record("path=" + root + "\\G");
    std::string key = "SOFTWARE\\Remote" + std::to_string(n);
    RegWriteString(HKEY_LOCAL_MACHINE, key, "Dir", root + "\\G");
    record("inschk=HKLM|" + key + "|Dir");
    record("inschk=INI|" + root + "\\where.ini|S|K");
  }
  record("path=" + Path("G") + "\r\nicon=\\\\?\\" + Path("G\\a.ico"));
  Write("Skin\\GameLst.ini", records);
  ScanInstalledGames(true);
  ASSERT_EQ(Entries().size(), 2u) << "only the game on a drive";
  EXPECT_EQ(Entries()[1].Title, "T" + std::to_string(n));
  EXPECT_EQ(Entries()[1].Icon, Path("G\\a.exe")) << "the icon behind a device path is passed over";
}
