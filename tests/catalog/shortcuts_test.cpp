#include "catalog/shortcuts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"

using ShortcutsTest = TesselTest;

// Round trips with Korean targets are part of the desktop capture's test.
TEST_F(ShortcutsTest, AShortcutWithoutTargetAndIconGetsTheFolderIconAndBrokenOnesReadAsEmpty) {
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

TEST_F(ShortcutsTest, InternetShortcutsAndFolderIconsAreTheFilesTheShellReads) {
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
