#include "catalog/desktop_capture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "catalog/shortcuts.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
class DesktopCaptureTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Desktop"));
  }
  void Write(const std::string& name, const std::string& text) { WriteTextFile(Path(name), text, false, false); }
  // Walks the desktop and returns DFList.MTS.
  std::string Capture(bool buildList = true) {
    FolderWalk walk;
    walk.folder = walk.root = Path("Desktop");
    WalkFolder(walk, buildList);
    seen = walk.count;
    return ReadTextFile(Path("DFList.MTS")).value_or("");
  }
  std::set<std::string> Numbers() {
    std::set<std::string> numbers;
    for (const auto& line : ReadTextLines(Path("DFList.MTS")).value_or(std::vector<std::string>{}))
      if (line.starts_with("[DFLST_")) numbers.insert(line.substr(7, line.size() - 8));
    return numbers;
  }
  long seen = 0;
};
}  // namespace

TEST_F(DesktopCaptureTest, ShortcutsInternetShortcutsAndFoldersAreListedAndCopied) {
  Write("게임.exe", "x");
  Write("Desktop\\Dummy.txt", "not a shortcut");
  WriteShortcut(Path("Desktop\\게임.lnk"), Path("게임.exe"), folder.path(), "-a /x", Path("게임.exe") + ",1");
  WriteShortcut(Path("Desktop\\Hidden.lnk"), Path("game.exe"), "", "", "");
  SetFileAttributesW(Widen(Path("Desktop\\Hidden.lnk")).c_str(), FILE_ATTRIBUTE_HIDDEN);
  WriteUrlFile(Path("Desktop\\Portal.url"), "http://www.gamenara.co.kr/start.asp?from=pcroom|desktop", "C:\\p.ico");
  CreateFolders(Path("Desktop\\Games\\Deeper"));
  WriteFolderIcon(Path("Desktop\\Games"), "C:\\folder.ico", "2");
  WriteShortcut(Path("Desktop\\Games\\Deeper\\Inner.lnk"), Path("game.exe"), "", "", "");
  CreateFolders(Path("Desktop\\.svn"));
  WriteShortcut(Path("Desktop\\.svn\\Skipped.lnk"), Path("game.exe"), "", "", "");
  Write("DFList.MTS", "[DESKTOP]\r\nDesk=000001\r\n[DFLST_7]\r\nDFNAME=Earlier\r\n");

  std::string list = Capture();
  EXPECT_EQ(Numbers(), (std::set<std::string>{"7", "8", "9", "10", "11", "12", "13"}))
      << "after Earlier: 게임, Portal, Games, Deeper, Inner and .svn, which is not entered\n" << list;
  EXPECT_EQ(list.find("Skipped"), std::string::npos);
  EXPECT_EQ(list.find("Hidden"), std::string::npos);
  EXPECT_NE(list.find("DFNAME=게임.lnk\r\nGUBN=F/0\r\nTARGETPATH=" + Path("게임.exe") + "\r\nWORKDIR=" + folder.path() +
                      "\r\nARGS=-a /x\r\nICON=" + Path("게임.exe") + ",1\r\nFPATH=게임.lnk\r\n"),
            std::string::npos)
      << "every field of the shortcut, read through the shell link objects";
  EXPECT_NE(list.find("DFNAME=Portal.url\r\nGUBN=F/0\r\nTARGETPATH=http://www.gamenara.co.kr/\r\nWORKDIR=\r\nARGS=\r\n"
                      "ICON=C:\\p.ico\r\nFPATH=Portal.url\r\n"),
            std::string::npos)
      << "the portal's start page as its plain address";
  EXPECT_NE(list.find("DFNAME=Games\r\nGUBN=D/0\r\nTARGETPATH=\r\nWORKDIR=\r\nARGS=\r\nICON=C:\\folder.ico\r\nFPATH=Games\r\n"),
            std::string::npos);
  EXPECT_NE(list.find("GUBN=D/1\r\nTARGETPATH=\r\nWORKDIR=\r\nARGS=\r\nICON=\r\nDR=Deeper\r\nFPATH=Games\\Deeper\r\n"),
            std::string::npos);
  EXPECT_NE(list.find("DFNAME=Inner.lnk\r\nGUBN=F/2\r\nTARGETPATH=" + Path("game.exe") +
                      "\r\nWORKDIR=\r\nARGS=\r\nICON=\r\nDR=Deeper\r\nFPATH=Games\\Deeper\\Inner.lnk\r\n"),
            std::string::npos)
      << "DR names the second folder of the path";
  EXPECT_EQ(seen, 9) << "entries seen in the three folders walked";

  EXPECT_EQ(ReadShortcut(Path("Skin\\RDir\\게임.lnk")).Arguments, "-a /x");
  EXPECT_NE(ReadBytes("Skin\\RDir\\Portal.url").find("URL=http://www.gamenara.co.kr/\r\n"), std::string::npos);
  EXPECT_NE(ReadBytes("Skin\\RDir\\Games\\Desktop.ini").find("IconIndex=2"), std::string::npos);
  EXPECT_TRUE(FileExists(Path("Skin\\RDir\\Games\\Deeper\\Inner.lnk")));

  EXPECT_NE(Capture().find("[DFLST_19]"), std::string::npos) << "a second capture continues after the last section";
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

  std::string list = Capture();
  EXPECT_EQ(Numbers().size(), 3u) << "the unknown target-less shortcut is skipped\n" << list;
  EXPECT_NE(list.find("DFNAME=Word.lnk\r\nGUBN=F/0\r\nTARGETPATH=" + Path("Office14\\WINWORD.EXE") + "\r\n"),
            std::string::npos);
  EXPECT_NE(list.find("TARGETPATH=C:\\Windows\\Installer\\{X}\\xlicons.exe\r\n"), std::string::npos)
      << "not installed: kept";
  EXPECT_NE(list.find("DFNAME=Portal.URL\r\nGUBN=F/0\r\nTARGETPATH=http://portal.example\r\nWORKDIR=\r\nARGS=\r\n"
                      "ICON=C:\\portal.ico\r\nFPATH=Portal.URL\r\n"),
            std::string::npos);
  EXPECT_NE(ReadBytes("Skin\\RDir\\Portal.URL").find("URL=http://portal.example"), std::string::npos);
}

TEST_F(DesktopCaptureTest, TheFileListNamesShortcutFilesWithTheirSizes) {
  Write("Desktop\\a.lnk", std::string(3 * 1024 * 1024, 'x'));
  Write("Desktop\\b.txt", "x");
  CreateFolders(Path("Desktop\\Sub"));
  Write("Desktop\\Sub\\c.URL", "x");
  Capture(false);
  std::string list = ReadTextFile(Path("flist.txt")).value_or("");
  EXPECT_NE(list.find("경로:" + Path("Desktop") + "\r\n파일명:a.lnk\r\n파일사이즈:3.00 MB\r\n"), std::string::npos) << list;
  EXPECT_NE(list.find("파일명:c.URL"), std::string::npos);
  EXPECT_EQ(list.find("b.txt"), std::string::npos);

  FolderWalk walk;
  walk.folder = walk.root = Path("Missing");
  WalkFolder(walk, true);
  EXPECT_EQ(walk.count, 0) << "a folder that cannot be listed ends quietly";
}

TEST_F(DesktopCaptureTest, AShortcutWithoutTargetAndIconGetsTheFolderIconAndBrokenOnesReadAsEmpty) {
  ASSERT_TRUE(WriteShortcut(Path("empty.lnk"), "", "", "", ""));
  ShortcutInfo info = ReadShortcut(Path("empty.lnk"));
  EXPECT_EQ(info.TargetPath, "");
  EXPECT_EQ(info.IconLocation, Path("Bmp\\Foldesr.ico") + ",0");

  WriteBytes("broken.lnk", std::string("L\0\0\0garbage that is no shell link", 36));
  WriteBytes("text.lnk", "[InternetShortcut]\r\nURL=http://x\r\n");
  for (const char* name : {"broken.lnk", "text.lnk", "missing.lnk"}) {
    info = ReadShortcut(Path(name));
    EXPECT_EQ(info.TargetPath + info.Arguments + info.WorkingDirectory + info.IconLocation, "") << name;
  }
  EXPECT_EQ(ReadBytes("broken.lnk").size(), 36u) << "reading leaves the file alone";
}

TEST_F(DesktopCaptureTest, InternetShortcutsAndFolderIconsAreTheFilesTheShellReads) {
  EXPECT_TRUE(WriteUrlFile(Path("a.url"), "http://game.example/?a=1", "C:\\icons\\게임.ico"));
  EXPECT_EQ(ReadBytes("a.url"), Utf8ToAnsi("[InternetShortcut]\r\nURL=http://game.example/?a=1\r\nIconIndex = 0\r\n"
                                           "IconFile=C:\\icons\\게임.ico\r\n\r\n"));
  EXPECT_TRUE(WriteUrlFile(Path("a.url"), "http://plain.example", ""));
  EXPECT_EQ(ReadBytes("a.url"), "[InternetShortcut]\r\n URL=http://plain.example\r\n");
  EXPECT_FALSE(WriteUrlFile(Path("b.url"), "", "icon.ico"));
  EXPECT_FALSE(WriteUrlFile("", "http://x", ""));
  EXPECT_FALSE(FileExists(Path("b.url")));

  CreateFolders(Path("Games"));
  WriteFolderIcon(Path("Games"), "C:\\a.ico", "0");
  WriteFolderIcon(Path("Games"), "C:\\b.ico", "3");
  EXPECT_EQ(ReadBytes("Games\\Desktop.ini"),
            "[.ShellClassInfo]\r\nIconFile=C:\\a.ico\r\nIconIndex=0\r\n[.ShellClassInfo]\r\nIconFile=C:\\b.ico\r\nIconIndex=3\r\n");
  DWORD ini = GetFileAttributesW(Widen(Path("Games\\Desktop.ini")).c_str());
  EXPECT_TRUE((ini & FILE_ATTRIBUTE_HIDDEN) && (ini & FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(GetFileAttributesW(Widen(Path("Games")).c_str()) & FILE_ATTRIBUTE_SYSTEM);
}
