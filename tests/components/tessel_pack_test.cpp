#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "archive_passwords.h"
#include "e2e/e2e_support.h"
#include "host_shell.h"
#include "pack/cafe_description.h"
#include "store/archive.h"
#include "store/cipher.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"
#include "support/test_env.h"
#include "vdcab/vdcab.h"

namespace {
std::string Cafe(const std::string& top, const std::string& dns, const std::string& ip) {
  return top + "\r\n[DNS]\r\n" + dns + "\r\n[IP]\r\n" + ip + "\r\n";
}
const std::string kDns = "pc=PC\r\nsm=255.255.255.0\r\ngw=192.168.0.1\r\ndns1=168.126.63.1\r\ndns2=168.126.63.2";

TEST(CafeDescription, CountIsTheHighestPcNumberUnlessGiven) {
  std::string error;
  auto count = [&](const std::string& dns, const std::string& ip) {
    return ReadCafeDescription(Cafe("password=1", dns, ip), error).value_or(CafeSettings{}).count;
  };
  EXPECT_EQ(count(kDns.substr(0, kDns.find("\r\ndns2")), "7=10.0.0.7\r\n2=10.0.0.2"), 7) << "no dns2; " << error;
  EXPECT_EQ(count(kDns + "\r\ncnt=60", "1=10.0.0.1"), 60) << error;
}

TEST(CafeDescription, RefusesWhatThePcsCouldNotUse) {
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {Cafe("", kDns, "1=10.0.0.1"), "no password"},
      {Cafe("password=a<b", kDns, "1=10.0.0.1"), "may not contain \"<\""},
      {Cafe("password=1", "sm=255.255.255.0\r\ngw=1.1.1.1\r\ndns1=1.1.1.1", "1=10.0.0.1"), "no computer name prefix"},
      {Cafe("password=1", "pc=PC\r\nsm=255.255.256.0\r\ngw=1.1.1.1\r\ndns1=1.1.1.1", "1=10.0.0.1"),
       "sm \"255.255.256.0\" is not an IP address"},
      {Cafe("password=1", "pc=PC\r\nsm=255.255.255.0\r\ngw=1.1.1.1", "1=10.0.0.1"), "dns1 \"\" is not"},
      {Cafe("password=1", kDns + "\r\ndns3=1.1.1.1", "1=10.0.0.1"), "unknown key \"dns3\" in [DNS]"},
      {Cafe("password=1", kDns + "\r\ncnt=2", "3=10.0.0.3"), "cnt \"2\" is not a number of at least 3"},
      {Cafe("password=1", kDns, ""), "[IP]: no PC"},
      {Cafe("password=1", kDns, "0=10.0.0.1"), "\"0\" is not a PC number"},
      {Cafe("password=1", kDns, "PC1=10.0.0.1"), "\"pc1\" is not a PC number"},
      {Cafe("password=1", kDns, "1=10.0.0.1\r\n01=10.0.0.2"), "PC 1 given twice"},
      {Cafe("password=1", kDns, "1=10.0.0.1,a,b,c,d,e,f"), "more than an address and five CD keys"},
      {Cafe("password=1", kDns, "1=10.0.0,a"), "\"10.0.0\" is not an IP address"},
      {Cafe("password=1", kDns, "1=10.0.0.1") + "[Keys]\r\n", "unknown section [Keys]"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ReadCafeDescription(c.text, error)) << c.error;
    EXPECT_NE(error.find(c.error), std::string::npos) << "expected \"" << c.error << "\", got \"" << error << "\"";
  }
}

// The cipher and archive components as the client reaches them, from beside the test program.
class TesselPackTest : public ::testing::Test {
 protected:
  static RunOutput Pack(const std::string& arguments) { return RunReading("\"" TESSEL_PACK_EXE "\" " + arguments); }
  // What 7-Zip extracts from the archive with the password, or "" when it cannot.
  std::string SevenZipExtract(const std::string& archive, const char* password, const std::string& entry) const {
    const std::string out = "seven-" + std::to_string(++sevenRuns_);
    if (RunOnHost(std::string(SEVEN_ZIP) + " x -tzip -p" + password + " -o" + out + " '" + archive + "' >/dev/null",
                  folder.path()) != 0)
      return "";
    return ReadFileBytes(JoinPath(folder / out, entry)).value_or("");
  }

  TempFolder folder;
  mutable int sevenRuns_ = 0;
};

TEST_F(TesselPackTest, CipherTextsGoBothWaysWithTheCipherComponent) {
  const std::string korean = "관리자 비번 7";
  const RunOutput enciphered = Pack("encipher \"" + korean + "\"");
  ASSERT_EQ(enciphered.code, 0u) << enciphered.err;
  ASSERT_TRUE(EndsWith(enciphered.out, "\r\n"));
  const std::string text = enciphered.out.substr(0, enciphered.out.size() - 2);
  EXPECT_EQ(DecipherText(text), korean) << "in the ANSI code page";

  const RunOutput deciphered = Pack("decipher " + EncipherText(korean));
  EXPECT_EQ(deciphered.code, 0u) << deciphered.err;
  EXPECT_EQ(deciphered.out, Utf8ToAnsi(korean) + "\r\n");

  const RunOutput refused = Pack("decipher " + text.substr(4));
  EXPECT_EQ(refused.code, 1u);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("not a text enciphered with the program's key"), std::string::npos) << refused.err;
}

// The description as owners write it: UTF-8 with a byte order mark (the PCs get the ANSI code
// page all the same), keys in any case, blanks and comments, CD keys left out, PCs in any order.
TEST_F(TesselPackTest, SettingsArchiveHoldsWhatTheImportReads) {
  const std::string description =
      "\xEF\xBB\xBF; the owner's\r\n Password = 암호 1\r\n" +
      Cafe("", "PC=피시\r\nSm = 255.255.255.0\r\ngw=192.168.0.1\r\ndns1=168.126.63.1\r\nDNS2 =168.126.63.2",
           "# number = address, five CD keys\r\n7=192.168.0.107, SC-7 ,WC-7,FT-7,D2-7,D2X-7\r\n"
           "2=192.168.0.102,,,,,\r\n3=192.168.0.103,,,,,D2X-3\r\n5=192.168.0.105,SC-5");
  ASSERT_TRUE(ReplaceFileBytes(folder / "cafe.txt", description));
  const RunOutput made = Pack("pwk \"" + (folder / "Tessel.Pwk") + "\" \"" + (folder / "cafe.txt") + "\"");
  ASSERT_EQ(made.code, 0u) << made.err;

  ASSERT_EQ(DeCab(folder / "htm", folder / "Tessel.Pwk", kSettingsArchivePassword), 1);
  const std::string file = ReadFileBytes(folder / "htm\\info.ini").value_or("");
  std::vector<std::string> lines = SplitLines(AnsiToUtf8(file));
  ASSERT_GE(lines.size(), 13u) << file;
  lines[0] = DecipherText(lines[0]);
  for (size_t i = 9; i < lines.size(); ++i) {
    std::vector<std::string> fields = Split(lines[i], ',');
    lines[i] = fields[0];
    for (size_t k = 1; k < fields.size(); ++k)
      lines[i] += "," + (fields[k].empty() ? "" : "{" + DecipherText(fields[k]) + "}");
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"<암호 1", "[DNS]", "cnt=7", "pc=피시", "sm=255.255.255.0",
                                             "gw=192.168.0.1", "dns1=168.126.63.1", "dns2=168.126.63.2", "[IP]",
                                             "2=192.168.0.102,,,,,", "3=192.168.0.103,,,,,{D2X-3}",
                                             "5=192.168.0.105,{SC-5},,,,",
                                             "7=192.168.0.107,{SC-7},{WC-7},{FT-7},{D2-7},{D2X-7}"}));
  EXPECT_TRUE(EndsWith(file, "\r\n"));
  if (UnderWine()) {
    EXPECT_EQ(SevenZipExtract("Tessel.Pwk", kSettingsArchivePassword, "info.ini"), file);
  }
}

TEST_F(TesselPackTest, DescriptorArchiveHoldsTheDescriptor) {
  const std::string descriptor = Utf8ToAnsi("[GPI]\r\nname=게임\r\nin_name=game\r\npath1=REG/x\r\n");
  ASSERT_TRUE(ReplaceFileBytes(folder / "any name.gpi", descriptor));
  const RunOutput made = Pack("descriptor \"" + (folder / "Ziriv.dll") + "\" \"" + (folder / "any name.gpi") + "\"");
  ASSERT_EQ(made.code, 0u) << made.err;
  EXPECT_EQ(DeCab(folder / "htm", folder / "Ziriv.dll", kDescriptorArchivePassword), 1);
  EXPECT_EQ(ReadFileBytes(folder / "htm\\ziriv.gpi"), descriptor);
  EXPECT_EQ(DeCab(folder / "htm", folder / "Ziriv.dll", kSettingsArchivePassword), DECAB_WRONG_PASSWORD);
  if (UnderWine()) {
    EXPECT_EQ(SevenZipExtract("Ziriv.dll", kDescriptorArchivePassword, "ziriv.gpi"), descriptor);
  }
}

TEST_F(TesselPackTest, MistakesAreToldAndWriteNothing) {
  const RunOutput usage = Pack("pwk only-one-argument");
  EXPECT_EQ(usage.code, 2u);
  EXPECT_TRUE(StartsWith(usage.err, "usage: tessel-pack")) << usage.err;

  ASSERT_TRUE(ReplaceFileBytes(folder / "cafe.txt", Cafe("password=1", kDns, "1=10.0.0.1,a,b,c,d,e,f")));
  const RunOutput refused = Pack("pwk \"" + (folder / "Tessel.Pwk") + "\" \"" + (folder / "cafe.txt") + "\"");
  EXPECT_EQ(refused.code, 1u);
  EXPECT_NE(refused.err.find("cafe.txt: [IP] PC 1: more than an address and five CD keys"), std::string::npos)
      << refused.err;
  EXPECT_FALSE(FileExists(folder / "Tessel.Pwk"));

  const RunOutput missing = Pack("descriptor \"" + (folder / "Ziriv.dll") + "\" \"" + (folder / "none.gpi") + "\"");
  EXPECT_EQ(missing.code, 1u);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
  EXPECT_FALSE(FileExists(folder / "Ziriv.dll"));
}
}  // namespace
