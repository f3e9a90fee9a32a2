#include "store/path_names.h"

#include <gtest/gtest.h>

#include <string>

TEST(PathNames, OnlyPlainNamesStandAsOneElementOfAPath) {
  for (const char* name : {"Best", "스타크래프트.LNK", "Half-Life 2.url", " leading blank", "a..b", "CONSOLE.lnk",
                           "COM10", "LPT", "nul-game.lnk", "..a", "x.BMP"})
    EXPECT_TRUE(IsSafePathElement(name)) << name;
  for (const char* name : {"", ".", "..", "..\\..\\x", "a\\b", "a/b", "C:", "C:x.lnk", "game.lnk:stream", "\\\\server",
                           "a*", "a?", "a|b", "a<b>", "\"a\"", "tab\tname", "line\r\n", "Best.", "Best ", "name. . ",
                           "CON", "con.lnk", "Nul .txt", "AUX", "prn.BMP", "COM1", "lpt9.url", "COM0", "CONIN$",
                           "COM\xC2\xB9", "lpt\xC2\xB3.lnk"})
    EXPECT_FALSE(IsSafePathElement(name)) << name;
  EXPECT_FALSE(IsSafePathElement(std::string("a\0b", 3))) << "a NUL inside";
  EXPECT_TRUE(IsSafePathElement(std::string(255, 'x')));
  EXPECT_FALSE(IsSafePathElement(std::string(256, 'x')));
  std::string korean;
  for (int i = 0; i < 255; ++i) korean += "가";
  EXPECT_TRUE(IsSafePathElement(korean)) << "255 characters in 765 bytes";
  EXPECT_FALSE(IsSafePathElement(korean + "가"));
}

TEST(PathNames, OnlyPathsFromADriveLetterAreDrivePaths) {
  for (const char* path : {"C:\\Games", "d:/games", "Z:\\"}) EXPECT_TRUE(IsDrivePath(path)) << path;
  for (const char* path : {"\\\\server\\share\\game", "//server/share", "\\\\?\\C:\\Games", "\\\\?\\UNC\\server\\s",
                           "\\\\.\\pipe\\x", "\\??\\UNC\\server\\s", "\\Games", "Games\\Star", "C:Games", "C:", "",
                           "1:\\x", "가:\\x"})
    EXPECT_FALSE(IsDrivePath(path)) << path;
}
