#include "store/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
class FilesTest : public TesselTest {
 protected:
  // Entries of the program folder: a replaced file must leave no temporary file behind.
  long Entries() const { return std::distance(std::filesystem::directory_iterator(Widen(folder.path())), {}); }
};
}  // namespace

TEST_F(FilesTest, ExistenceTellsFilesFromFoldersWhateverTheirAttributesAndSwallowsBadPaths) {
  WriteBytes("hidden.txt", "x");
  const std::wstring hidden = Widen(Path("hidden.txt"));
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  CreateDirectoryW(Widen(Path("Skin")).c_str(), nullptr);

  EXPECT_TRUE(FileExists(Path("hidden.txt")));
  EXPECT_FALSE(FolderExists(Path("hidden.txt")));
  EXPECT_FALSE(FileExists(Path("Skin")));
  EXPECT_TRUE(FolderExists(Path("Skin")));
  EXPECT_TRUE(PathExists(Path("Skin")));
  for (const std::string& bad : {std::string(), Path("missing.txt"), Path("a<b>|\"c.txt"), std::string(5000, 'a')}) {
    EXPECT_FALSE(FileExists(bad)) << bad;
    EXPECT_FALSE(FolderExists(bad)) << bad;
  }
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FilesTest, TextIsAppendedOrReplacedInTheAnsiCodePage) {
  ASSERT_TRUE(WriteTextFile(Path("log.txt"), "첫 줄", true, true));
  ASSERT_TRUE(WriteTextFile(Path("log.txt"), "둘", true, false));
  ASSERT_TRUE(WriteTextFile(Path("log.txt"), "!", true, true));
  EXPECT_EQ(ReadBytes("log.txt"), "\xC3\xB9 \xC1\xD9\r\n\xB5\xD1!\r\n");
  EXPECT_EQ(ReadTextLines(Path("log.txt")), (std::vector<std::string>{"첫 줄", "둘!"}));

  ASSERT_TRUE(WriteTextFile(Path("log.txt"), "new", false, false));
  EXPECT_EQ(ReadBytes("log.txt"), "new");
  EXPECT_EQ(Entries(), 1);
  ASSERT_TRUE(ReplaceFileBytes(Path("log.txt"), "cache", false));
  EXPECT_EQ(ReadBytes("log.txt"), "cache") << "replaced in place, shorter as well";
  EXPECT_EQ(Entries(), 1);
}

TEST_F(FilesTest, FailedWritesAndReadsReportAndKeepTheOldFile) {
  WriteBytes("keep.txt", "old");
  HANDLE locked = CreateFileW(Widen(Path("keep.txt")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteTextFile(Path("keep.txt"), "new", true, true));
  EXPECT_FALSE(WriteTextFile(Path("keep.txt"), "new", false, true));
  CloseHandle(locked);
  EXPECT_EQ(ReadBytes("keep.txt"), "old");
  EXPECT_EQ(Entries(), 1);
  EXPECT_FALSE(WriteTextFile(Path("no\\such\\folder\\x.txt"), "x", false, true));
  EXPECT_FALSE(ReadTextLines(Path("missing.txt")).has_value());
  EXPECT_FALSE(ReadTextFile("").has_value());

  EXPECT_EQ(JoinPath("C:\\", "env.mts"), "C:\\env.mts") << "no doubled backslash";
  EXPECT_EQ(JoinPath("", "env.mts"), "env.mts");
}
