#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/e2e_support.h"
#include "store/files.h"
#include "store/text_util.h"

namespace {
size_t SectionsIn(const std::string& path) {
  size_t count = 0;
  for (const auto& line : ReadTextLines(path).value_or(std::vector<std::string>{})) count += StartsWith(line, "[");
  return count;
}
}  // namespace

TEST(CatalogStartup, AFirstStartBuildsTheCatalogFromTheGameListOnDisk) {
  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  CreateFolders(folder / "Skin");
  CreateFolders(folder / "Games\\Cart");
  WriteTextFile(folder / "Games\\Cart\\Cart.exe", "x", false, false);
  WriteTextFile(folder / "Skin\\GameLst.ini",
                "[1]\r\ntitle=카트\r\nganre=Sport\r\nprocess=Cart.exe\r\ntype=LNK\r\npath=" + (folder / "Games\\Cart") + "\r\n",
                false, false);
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady());

  EXPECT_EQ(SectionsIn(folder / "Skin\\Vdcate.ini"), 20u);
  auto game = ReadTextFile(folder / "Game.mts");
  ASSERT_TRUE(game.has_value());
  EXPECT_NE(game->find("[카트-Sport]\r\nTitle=카트\r\nGName=카트.LNK\r\nTargetPath=" + (folder / "Games\\Cart\\Cart.exe")),
            std::string::npos);
  EXPECT_EQ(program.End(), 0u);
}

TEST(CatalogStartup, AStartWithAnOlderCategoryFileUpgradesIt) {
  ProgramUnderTest program;
  const TempFolder& folder = program.folder();
  CreateFolders(folder / "Skin");
  WriteTextFile(folder / "Game.mts", "", false, true);
  const std::string old = "[인기게임]\r\nCode=BG\r\nTag=Best\r\nRank=01\r\nState=1\r\n\r\n";
  WriteTextFile(folder / "Skin\\Vdcate.ini", old, false, false);
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.WaitUntilReady());

  auto text = ReadTextFile(folder / "Skin\\Vdcate.ini").value_or("");
  EXPECT_TRUE(text.starts_with(old)) << "kept, not replaced by the defaults";
  EXPECT_EQ(SectionsIn(folder / "Skin\\Vdcate.ini"), 6u);
  EXPECT_EQ(program.End(), 0u);
}
