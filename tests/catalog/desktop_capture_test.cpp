#include "catalog/desktop_capture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "catalog/shortcuts.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
using Section = std::map<std::string, std::string>;

class DesktopCaptureTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    root = Path("Desktop");
    CreateFolders(root);
  }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }

  void Capture() {
    FolderWalk walk;
    walk.folder = walk.root = root;
    WalkFolder(walk, true);
    seen = walk.count;
  }

  // DFList.MTS by DFNAME; each section also keeps its header under "[]" and its key order under "keys".
  std::map<std::string, Section> Captured() {
    std::map<std::string, Section> byName;
    Section current;
    auto keep = [&] {
      if (current.contains("DFNAME")) byName[current["DFNAME"]] = current;
    };
    for (const auto& line : ReadTextLines(Path("DFList.MTS")).value_or(std::vector<std::string>{})) {
      if (line.starts_with("[")) {
        keep();
        current = {{"[]", line}};
        continue;
      }
      std::string key = line.substr(0, line.find('='));
      current[key] = line.substr(line.find('=') + 1);
      current["keys"] += key + " ";
    }
    keep();
    return byName;
  }

  std::string root;
  long seen = 0;
};
}  // namespace

TEST_F(DesktopCaptureTest, ShortcutsInternetShortcutsAndFoldersAreListedAndCopied) {
  Write("game.exe", "x");
  Write("Desktop\\Dummy.txt", "not a shortcut");
  WriteShortcut(Path("Desktop\\게임.lnk"), Path("game.exe"), folder.path(), "-a", Path("game.exe") + ",1");
  WriteShortcut(Path("Desktop\\Hidden.lnk"), Path("game.exe"), "", "", "");
  SetFileAttributesW(Widen(Path("Desktop\\Hidden.lnk")).c_str(), FILE_ATTRIBUTE_HIDDEN);
  WriteUrlFile(Path("Desktop\\Portal.url"), "http://www.gamenara.co.kr/start.asp?from=pcroom|desktop", "C:\\p.ico");
  CreateFolders(Path("Desktop\\Games\\Deeper"));
  WriteFolderIcon(Path("Desktop\\Games"), "C:\\folder.ico", "2");
  WriteShortcut(Path("Desktop\\Games\\Deeper\\Inner.lnk"), Path("game.exe"), "", "", "");
  CreateFolders(Path("Desktop\\.svn"));
  WriteShortcut(Path("Desktop\\.svn\\Skipped.lnk"), Path("game.exe"), "", "", "");
  Write("DFList.MTS", "[DESKTOP]\r\nDesk=000001\r\n[DFLST_7]\r\nDFNAME=Earlier\r\n");

  Capture();
  auto items = Captured();
  ASSERT_EQ(items.size(), 7u) << "Earlier, 게임, Portal, Games, Deeper, Inner and .svn, which is not entered";
  EXPECT_FALSE(items.contains("Skipped.lnk"));

  Section link = items["게임.lnk"];
  EXPECT_EQ(link["keys"], "DFNAME GUBN TARGETPATH WORKDIR ARGS ICON FPATH ");
  EXPECT_EQ(link["GUBN"], "F/0");
  EXPECT_EQ(link["TARGETPATH"], Path("game.exe"));
  EXPECT_EQ(link["ARGS"], "-a");
  EXPECT_EQ(link["ICON"], Path("game.exe") + ",1");
  EXPECT_EQ(ReadShortcut(Path("Skin\\RDir\\게임.lnk")).Arguments, "-a");

  EXPECT_EQ(items["Portal.url"]["TARGETPATH"], "http://www.gamenara.co.kr/");
  EXPECT_EQ(items["Portal.url"]["ICON"], "C:\\p.ico");
  EXPECT_NE(ReadBytes("Skin\\RDir\\Portal.url").find("URL=http://www.gamenara.co.kr/\r\n"), std::string::npos);

  EXPECT_EQ(items["Games"]["GUBN"], "D/0");
  EXPECT_EQ(items["Games"]["ICON"], "C:\\folder.ico");
  EXPECT_FALSE(items["Games"].contains("DR"));
  EXPECT_NE(ReadBytes("Skin\\RDir\\Games\\Desktop.ini").find("IconIndex=2"), std::string::npos);
  EXPECT_EQ(items["Deeper"]["GUBN"], "D/1");
  EXPECT_EQ(items["Deeper"]["DR"], "Deeper");
  Section inner = items["Inner.lnk"];
  EXPECT_EQ(inner["GUBN"], "F/2");
  EXPECT_EQ(inner["DR"], "Deeper");
  EXPECT_EQ(inner["FPATH"], "Games\\Deeper\\Inner.lnk");
  EXPECT_EQ(inner["keys"], "DFNAME GUBN TARGETPATH WORKDIR ARGS ICON DR FPATH ");
  EXPECT_TRUE(FileExists(Path("Skin\\RDir\\Games\\Deeper\\Inner.lnk")));

  std::set<std::string> numbers;
  for (auto& [name, section] : items) numbers.insert(section["[]"]);
  EXPECT_EQ(numbers, (std::set<std::string>{"[DFLST_7]", "[DFLST_8]", "[DFLST_9]", "[DFLST_10]", "[DFLST_11]", "[DFLST_12]",
                                          "[DFLST_13]"}));
  EXPECT_EQ(seen, 9) << "entries seen in the three folders walked";

  Capture();  // a second capture continues after the last section
  EXPECT_NE(ReadBytes("DFList.MTS").find("[DFLST_19]"), std::string::npos);
}

TEST_F(DesktopCaptureTest, TargetlessShortcutsAreLookedUpAndInstallerStubsReplaced) {
  CreateFolders(Path("Office14"));
  Write("Office14\\WINWORD.EXE", "x");
  RegWriteString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Office\\14.0\\Common\\InstallRoot", "Path", Path("Office14"));
  WriteShortcut(Path("Desktop\\Word.lnk"), "C:\\Windows\\Installer\\{X}\\wordicon.exe", "C:\\", "", "C:\\w.ico,0");
  WriteShortcut(Path("Desktop\\Excel.lnk"), "C:\\Windows\\Installer\\{X}\\xlicons.exe", "", "", "");
  WriteShortcut(Path("Desktop\\Portal.lnk"), "", "", "", "C:\\portal.ico,0");
  WriteShortcut(Path("Desktop\\Unknown.lnk"), "", "", "", "");
  Write("list", "[PORTAL.LNK]\r\nTargetURL= http://portal.example \r\n");

  Capture();
  auto items = Captured();
  ASSERT_EQ(items.size(), 3u) << "the unknown target-less shortcut is skipped";
  EXPECT_EQ(items["Word.lnk"]["TARGETPATH"], Path("Office14\\WINWORD.EXE"));
  EXPECT_EQ(items["Excel.lnk"]["TARGETPATH"], "C:\\Windows\\Installer\\{X}\\xlicons.exe") << "not installed: kept";
  Section portal = items["Portal.URL"];
  EXPECT_EQ(portal["TARGETPATH"], "http://portal.example");
  EXPECT_EQ(portal["ICON"], "C:\\portal.ico");
  EXPECT_EQ(portal["FPATH"], "Portal.URL");
  EXPECT_NE(ReadBytes("Skin\\RDir\\Portal.URL").find("URL=http://portal.example"), std::string::npos);
}

TEST_F(DesktopCaptureTest, TheFileListNamesShortcutFilesWithTheirSizes) {
  Write("Desktop\\a.lnk", std::string(3 * 1024 * 1024, 'x'));
  Write("Desktop\\b.txt", "x");
  CreateFolders(Path("Desktop\\Sub"));
  Write("Desktop\\Sub\\c.URL", "x");
  FolderWalk walk;
  walk.folder = walk.root = root;
  WalkFolder(walk, false);
  std::string list = ReadTextFile(Path("flist.txt")).value_or("");
  EXPECT_NE(list.find("경로:" + root + "\r\n파일명:a.lnk\r\n파일사이즈:3.00 MB\r\n"), std::string::npos) << list;
  EXPECT_NE(list.find("파일명:c.URL"), std::string::npos);
  EXPECT_EQ(list.find("b.txt"), std::string::npos);

  walk.folder = Path("Missing");
  walk.count = 0;
  WalkFolder(walk, true);
  EXPECT_EQ(walk.count, 0);
}
