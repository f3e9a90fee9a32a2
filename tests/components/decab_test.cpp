#include "vdcab/vdcab.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "../skin/png_builder.h"
#include "archive_builder.h"
#include "component_library.h"
#include "host_shell.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "zip/zip_format.h"

namespace {
using Tree = std::map<std::string, std::string>;

// The same bytes every run: compressible text, bytes that do not compress, nothing at all, a
// Korean name and a Korean text in the code page, folders with and without files.
Tree SampleTree() {
  std::string noise(100000, '\0');
  uint32_t state = 12345;
  for (char& c : noise) c = static_cast<char>((state = state * 1103515245 + 12345) >> 24);
  std::string lines;
  for (int i = 0; i < 8000; ++i) lines += "line " + std::to_string(i % 97) + " of the patch descriptor\r\n";
  return {{"a.txt", "hello world\r\n"}, {"empty.bin", ""}, {"emptydir", "<folder>"}, {"sub", "<folder>"},
          {"sub\\deeper", "<folder>"}, {"sub\\deeper\\noise.bin", noise}, {"sub\\lines.txt", lines},
          {"sub\\한글 이름.txt", Utf8ToAnsi("게임 패치 설명")}};
}

void Lay(const TempFolder& folder, const std::string& at, const Tree& tree) {
  for (const auto& [name, bytes] : tree) {
    const std::string path = JoinPath(folder / at, name);
    if (bytes == "<folder>") ASSERT_TRUE(CreateFolders(path)) << path;
    else ASSERT_TRUE(CreateFolders(path.substr(0, path.find_last_of('\\'))) && ReplaceFileBytes(path, bytes)) << path;
  }
}

class DeCabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(library.loaded()) << "vdCab.dll beside the test program";
    deCab = library.Function<VdCabDeCabFunction>("DeCab");
    ASSERT_TRUE(deCab) << "the DeCab export";
  }
  // DeCab as the client calls it: ANSI paths.
  int Unpack(const std::string& target, const std::string& archive, const std::string& password) const {
    return deCab(Utf8ToAnsi(target).c_str(), Utf8ToAnsi(archive).c_str(), password.c_str());
  }
  // Writes the archive and unpacks it into a fresh folder "out".
  int UnpackBytes(const std::string& archive, const std::string& password = "pw") const {
    const std::string path = folder / "test.zip";
    std::ofstream(std::filesystem::path(Widen(path)), std::ios::binary) << archive;
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(Widen(folder / "out")), ignored);
    return Unpack(folder / "out", path, password);
  }
  Tree Out() const { return TreeOf(folder / "out"); }

  TempFolder folder;
  ComponentLibrary library{L"vdCab.dll"};
  VdCabDeCabFunction deCab = nullptr;
};

TEST_F(DeCabTest, ExtractsWhat7ZipWritesWithEveryMethodAndStrength) {
  if (!UnderWine()) GTEST_SKIP() << "7-Zip runs on the Linux host";
  const Tree tree = SampleTree();
  Lay(folder, "src", tree);
  const char* options[] = {"-mm=Copy -mem=AES256", "-mm=Deflate -mem=AES256", "-mm=Deflate64 -mem=AES128",
                           "-mm=Deflate -mx=9 -mem=AES192"};
  int round = 0;
  for (const char* option : options) {
    const std::string name = "7z-" + std::to_string(++round);
    const std::string add = std::string(SEVEN_ZIP) + " a -tzip " + option + " '-pfolder pass' ../" + name + ".zip .";
    ASSERT_EQ(RunOnHost(add + " >/dev/null", folder / "src"), 0) << option;
    EXPECT_EQ(Unpack(folder / name, folder / (name + ".zip"), "folder pass"), 5) << option;
    EXPECT_EQ(TreeOf(folder / name), tree) << option;
  }
}

// Names without the UTF-8 flag are in the OEM code page, as archivers that write it leave them.
TEST_F(DeCabTest, ReplacesFilesAndCreatesFoldersUnderAKoreanTarget) {
  const std::string target = folder / "대상 폴더";
  ASSERT_TRUE(CreateFolders(target + "\\htm") && ReplaceFileBytes(target + "\\htm\\ziriv.gpi", "old"));
  std::string archive = Archive({StoredRecord("htm/ziriv.gpi", "[GP]\r\nname=new\r\n", "pw"),
                                 StoredRecord(Utf8ToAnsi("htm/새 폴더/설명.txt"), Utf8ToAnsi("설명"), "pw")});
  ClearUtf8Flags(archive);
  ASSERT_TRUE(ReplaceFileBytes(folder / "a.zip", archive));
  EXPECT_EQ(Unpack(target, folder / "a.zip", "pw"), 2);
  EXPECT_EQ(TreeOf(target), (Tree{{"htm", "<folder>"},
                                  {"htm\\ziriv.gpi", "[GP]\r\nname=new\r\n"},
                                  {"htm\\새 폴더", "<folder>"},
                                  {"htm\\새 폴더\\설명.txt", Utf8ToAnsi("설명")}}));
}

TEST_F(DeCabTest, WrongPasswordIsToldApartFromDamageAndWritesNothing) {
  const std::string good = Archive({StoredRecord("one.txt", "first file", "pw"),
                                    StoredRecord("two.txt", "second file, a little longer", "pw")});
  // The second entry's data: salt (16), verifier (2), body, authentication code (10).
  const size_t second = good.find("two.txt") + 7 + 11;
  const struct {
    size_t at;
    const char* password;
    int code;
    const char* why;
  } cases[] = {
      {std::string::npos, "PW", DECAB_WRONG_PASSWORD, "another password"},
      {std::string::npos, "pw ", DECAB_WRONG_PASSWORD, "a blank more"},
      {second + 16, "pw", DECAB_WRONG_PASSWORD, "verifier changed"},
      {second + 18, "pw", DECAB_DAMAGED, "first byte of the body changed"},
      {second + 18 + 27, "pw", DECAB_DAMAGED, "last byte of the body changed"},
      {second + 18 + 28 + 9, "pw", DECAB_DAMAGED, "authentication code changed"},
  };
  for (const auto& c : cases) {
    std::string archive = good;
    if (c.at != std::string::npos) archive[c.at] = static_cast<char>(archive[c.at] ^ 0x01);
    EXPECT_EQ(UnpackBytes(archive, c.password), c.code) << c.why;
    EXPECT_EQ(Out(), Tree{}) << c.why << ": the first file is not written either";
  }
  EXPECT_EQ(UnpackBytes(good), 2);
}

TEST_F(DeCabTest, CutShortOrGarbledArchivesAreDamagedAndWriteNothing) {
  const std::string good = Archive({StoredRecord("one.txt", "first file", "pw"),
                                    DeflatedRecord("two.txt", DeflateRun('\0', 1000), 1000, "pw")});
  for (size_t size = 0; size < good.size(); ++size)
    ASSERT_EQ(UnpackBytes(good.substr(0, size)), DECAB_DAMAGED) << "cut to " << size << " bytes";
  EXPECT_EQ(UnpackBytes("PK\5\6" + std::string(18, '\0') + "trailing"), 0) << "an empty archive writes no file";
  EXPECT_EQ(UnpackBytes(std::string(5000, 'P')), DECAB_DAMAGED);
  // Every byte of the headers changed in turn (the sealed data have their own test): refused
  // with nothing written, or unpacked whole (a time stamp, an attribute), never a crash.
  const size_t local = zip::kLocalSize + 7 + 4 + zip::kAesExtraSize, second = good.find("PK\3\4", 1);
  for (size_t at = 0; at < good.size(); ++at) {
    if ((at >= local && at < second) || (at >= second + local && at < good.find("PK\1\2"))) continue;
    std::string archive = good;
    archive[at] = static_cast<char>(archive[at] ^ 0x5A);
    const int result = UnpackBytes(archive);
    if (result < 0) EXPECT_EQ(Out(), Tree{}) << "byte " << at << " gave " << result;
    else EXPECT_EQ(result, 2) << "byte " << at;
  }
}

TEST_F(DeCabTest, NamesThatLeaveTheFolderOrNameADeviceAreRefusedBeforeAnyWrite) {
  const char* refused[] = {"../evil.txt", "sub/../../evil.txt", "..\\evil.txt", "/root.txt", "\\root.txt",
                           "\\\\server\\share\\x.txt", "//server/share/x.txt", "C:/x.txt", "C:x.txt",
                           "file.txt:stream", "CON", "con.txt", "sub/NUL", "LPT1.log", "com9", "aux .txt",
                           "CONIN$", "COM\xC2\xB9", "dir./x.txt", "trailing ", "a//b.txt", "./a.txt", "",
                           "tab\there.txt", "what?.txt", "pipe|.txt", "<tag>.txt"};
  for (const char* name : refused) {
    EXPECT_EQ(UnpackBytes(Archive({StoredRecord("fine.txt", "fine", "pw"), StoredRecord(name, "x", "pw")})),
              DECAB_UNSAFE_NAME) << name;
    EXPECT_EQ(Out(), Tree{}) << name;
  }
  const char* accepted[] = {"CONFIG.SYS", "com10.txt", "..hidden", "a.b.c", "nul-not.txt", "게임/파일.txt"};
  for (const char* name : accepted) {
    EXPECT_EQ(UnpackBytes(Archive({StoredRecord(name, "x", "pw")})), 1) << name;
    EXPECT_EQ(Out().count(std::string(name) == "게임/파일.txt" ? "게임\\파일.txt" : name), 1u) << name;
  }
}

TEST_F(DeCabTest, BombsAreRefusedBeforeTheyAreWritten) {
  constexpr uint32_t kMiB = 1 << 20;
  const std::string bomb = DeflateRun('\0', 65 * kMiB);
  EXPECT_EQ(UnpackBytes(Archive({StoredRecord("first.txt", "x", "pw"), DeflatedRecord("bomb", bomb, 65 * kMiB, "pw")})),
            DECAB_TOO_LARGE) << "one entry over the cap";
  std::vector<ZipRecord> many;
  const std::string tenMiB = DeflateRun('\0', 10 * kMiB);
  for (int i = 0; i < 7; ++i) many.push_back(DeflatedRecord("part" + std::to_string(i), tenMiB, 10 * kMiB, "pw"));
  EXPECT_EQ(UnpackBytes(Archive(many)), DECAB_TOO_LARGE) << "seven entries of 10 MiB";
  EXPECT_EQ(UnpackBytes(Archive({DeflatedRecord("liar", bomb, 1000, "pw")})), DECAB_DAMAGED)
      << "a stream that makes more than its entry claims";
  EXPECT_EQ(UnpackBytes(Archive({DeflatedRecord("short", DeflateRun('\0', 999), 1000, "pw")})), DECAB_DAMAGED)
      << "a stream that makes less";
  EXPECT_EQ(UnpackBytes(Archive({DeflatedRecord("absurd", DeflateRun('\0', 10), 1000000, "pw")})), DECAB_DAMAGED)
      << "more than its stream can ever make";
  std::vector<ZipRecord> crowd(1025, StoredRecord("same.txt", "x", "pw"));
  EXPECT_EQ(UnpackBytes(Archive(crowd)), DECAB_TOO_LARGE) << "more than 1024 entries";
  EXPECT_EQ(Out(), Tree{});

  // An archive file beyond 96 MiB is not even read.
  HANDLE big = CreateFileW(Widen(folder / "big.zip").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  LARGE_INTEGER size{};
  size.QuadPart = 97LL * kMiB;
  ASSERT_TRUE(SetFilePointerEx(big, size, nullptr, FILE_BEGIN) && SetEndOfFile(big));
  CloseHandle(big);
  EXPECT_EQ(Unpack(folder / "out", folder / "big.zip", "pw"), DECAB_TOO_LARGE);
}

TEST_F(DeCabTest, OnlyWinZipAesFilesInKnownMethodsAreTaken) {
  if (UnderWine()) {
    ASSERT_TRUE(CreateFolders(folder / "src") && ReplaceFileBytes(folder / "src\\plain.txt", "plain"));
    ASSERT_EQ(RunOnHost(std::string(SEVEN_ZIP) + " a -tzip ../open.zip plain.txt >/dev/null", folder / "src"), 0);
    ASSERT_EQ(RunOnHost(std::string(SEVEN_ZIP) + " a -tzip -pCrypto ../zipcrypto.zip plain.txt >/dev/null",
                        folder / "src"), 0);
    EXPECT_EQ(Unpack(folder / "out", folder / "open.zip", "pw"), DECAB_UNSUPPORTED) << "no password at all";
    EXPECT_EQ(Unpack(folder / "out", folder / "zipcrypto.zip", "Crypto"), DECAB_UNSUPPORTED) << "ZipCrypto";
  }
  ZipRecord lzma = StoredRecord("x.txt", "x", "pw");
  lzma.method = 14;
  EXPECT_EQ(UnpackBytes(Archive({lzma})), DECAB_UNSUPPORTED) << "LZMA inside AES";
  std::string strength4 = Archive({StoredRecord("x.txt", "x", "pw")});
  for (size_t at = strength4.find("\x01\x99\x07\0", 0, 4); at != std::string::npos;
       at = strength4.find("\x01\x99\x07\0", at + 1, 4))
    strength4[at + 8] = 4;
  EXPECT_EQ(UnpackBytes(strength4), DECAB_UNSUPPORTED) << "an AES strength that does not exist";
  EXPECT_EQ(Out(), Tree{});
}

TEST_F(DeCabTest, AnAe1EntryMustMatchItsCrc) {
  ZipRecord record = StoredRecord("crc.txt", "checked by CRC too", "pw");
  record.aesVersion = 1;
  EXPECT_EQ(UnpackBytes(Archive({record})), 1);
  record.crc ^= 1;
  EXPECT_EQ(UnpackBytes(Archive({record})), DECAB_DAMAGED);
}

TEST_F(DeCabTest, BadCallsAndUnwritableTargetsAreRefused) {
  const std::string archive = folder / "a.zip";
  ASSERT_TRUE(ReplaceFileBytes(archive, Archive({StoredRecord("x.txt", "x", "pw")})));
  const std::string target = Utf8ToAnsi(folder / "out");
  EXPECT_EQ(deCab(nullptr, archive.c_str(), "pw"), DECAB_BAD_ARGUMENT);
  EXPECT_EQ(deCab(target.c_str(), nullptr, "pw"), DECAB_BAD_ARGUMENT);
  EXPECT_EQ(deCab(target.c_str(), archive.c_str(), nullptr), DECAB_BAD_ARGUMENT);
  EXPECT_EQ(deCab("", archive.c_str(), "pw"), DECAB_BAD_ARGUMENT);
  EXPECT_EQ(deCab(target.c_str(), archive.c_str(), ""), DECAB_BAD_ARGUMENT);
  EXPECT_EQ(Unpack(folder / "out", folder / "missing.zip", "pw"), DECAB_NO_ARCHIVE);
  EXPECT_EQ(Unpack(folder / "out", folder.path(), "pw"), DECAB_NO_ARCHIVE) << "a folder is no archive";
  ASSERT_TRUE(ReplaceFileBytes(folder / "file", "a file where the folder should be"));
  EXPECT_EQ(Unpack(folder / "file", archive, "pw"), DECAB_WRITE_FAILED);
  ASSERT_TRUE(CreateFolders(folder / "out\\x.txt"));
  EXPECT_EQ(Unpack(folder / "out", archive, "pw"), DECAB_WRITE_FAILED) << "a folder where the file should be";
}
}  // namespace
