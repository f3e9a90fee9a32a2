#include "catalog/shortcuts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "catalog/shell_files.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"

using ShortcutsTest = TesselTest;

TEST_F(ShortcutsTest, ShortcutsRoundTripThroughTheShellLinkObjects) {
  WriteTextFile(Path("게임.exe"), "program", false, false);
  ASSERT_TRUE(WriteShortcut(Path("게임.LNK"), Path("게임.exe"), folder.path(), "-mode=full /x", Path("게임.exe") + ",2"));
  ShortcutInfo info = ReadShortcut(Path("게임.LNK"));
  EXPECT_EQ(info.TargetPath, Path("게임.exe"));
  EXPECT_EQ(info.WorkingDirectory, folder.path());
  EXPECT_EQ(info.Arguments, "-mode=full /x");
  EXPECT_EQ(info.IconLocation, Path("게임.exe") + ",2");

  ASSERT_TRUE(WriteShortcut(Path("게임.LNK"), Path("게임.exe"), "", "", ""));  // overwritten
  EXPECT_EQ(ReadShortcut(Path("게임.LNK")).Arguments, "");
}

TEST_F(ShortcutsTest, AShortcutWithoutTargetAndIconGetsTheFolderIcon) {
  ASSERT_TRUE(WriteShortcut(Path("empty.lnk"), "", "", "", ""));
  ShortcutInfo info = ReadShortcut(Path("empty.lnk"));
  EXPECT_EQ(info.TargetPath, "");
  EXPECT_EQ(info.IconLocation, Path("Bmp\\Foldesr.ico") + ",0");
}

TEST_F(ShortcutsTest, MissingAndCorruptShortcutsReadAsEmpty) {
  WriteBytes("broken.lnk", std::string("L\0\0\0garbage that is no shell link", 36));
  WriteBytes("text.lnk", "[InternetShortcut]\r\nURL=http://x\r\n");
  for (const char* name : {"broken.lnk", "text.lnk", "missing.lnk"}) {
    ShortcutInfo info = ReadShortcut(Path(name));
    EXPECT_EQ(info.TargetPath + info.Arguments + info.WorkingDirectory + info.IconLocation, "") << name;
  }
  EXPECT_EQ(ReadBytes("broken.lnk").size(), 36u) << "reading leaves the file alone";
}

TEST_F(ShortcutsTest, InternetShortcutsFollowTheirTwoTemplates) {
  EXPECT_TRUE(WriteUrlFile(Path("a.url"), "http://game.example/?a=1", "C:\\icons\\게임.ico"));
  EXPECT_EQ(ReadBytes("a.url"), Utf8ToAnsi("[InternetShortcut]\r\nURL=http://game.example/?a=1\r\nIconIndex = 0\r\n"
                                           "IconFile=C:\\icons\\게임.ico\r\n\r\n"));
  EXPECT_TRUE(WriteUrlFile(Path("a.url"), "http://plain.example", ""));
  EXPECT_EQ(ReadBytes("a.url"), "[InternetShortcut]\r\n URL=http://plain.example\r\n");

  EXPECT_FALSE(WriteUrlFile(Path("b.url"), "", "icon.ico"));
  EXPECT_FALSE(WriteUrlFile("", "http://x", ""));
  EXPECT_FALSE(FileExists(Path("b.url")));
}

TEST_F(ShortcutsTest, FolderIconsAreAppendedToAHiddenDesktopIni) {
  CreateFolders(Path("Games"));
  WriteFolderIcon(Path("Games"), "C:\\a.ico", "0");
  WriteFolderIcon(Path("Games"), "C:\\b.ico", "3");
  EXPECT_EQ(ReadBytes("Games\\Desktop.ini"),
            "[.ShellClassInfo]\r\nIconFile=C:\\a.ico\r\nIconIndex=0\r\n[.ShellClassInfo]\r\nIconFile=C:\\b.ico\r\nIconIndex=3\r\n");
  DWORD ini = GetFileAttributesW(Widen(Path("Games\\Desktop.ini")).c_str());
  EXPECT_TRUE((ini & FILE_ATTRIBUTE_HIDDEN) && (ini & FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(GetFileAttributesW(Widen(Path("Games")).c_str()) & FILE_ATTRIBUTE_SYSTEM);
}

TEST_F(ShortcutsTest, ShellOperationsCopyAndDeleteWithoutAsking) {
  CreateFolders(Path("from\\sub"));
  CreateFolders(Path("to"));
  WriteTextFile(Path("from\\a.txt"), "a", false, false);
  WriteTextFile(Path("from\\sub\\b.txt"), "b", false, false);
  CopyFiles(Path("from\\*.*"), Path("to"));
  EXPECT_EQ(ReadBytes("to\\a.txt"), "a");
  EXPECT_EQ(ReadBytes("to\\sub\\b.txt"), "b");

  EXPECT_TRUE(DeleteFiles(Path("from\\*.*")));
  EXPECT_FALSE(PathExists(Path("from\\a.txt")));
  EXPECT_FALSE(PathExists(Path("from\\sub")));
  EXPECT_TRUE(FolderExists(Path("from")));
  EXPECT_TRUE(DeleteFiles(Path("nowhere\\*.*")));
  EXPECT_EQ(boxes.shown.size(), 0u);
}
