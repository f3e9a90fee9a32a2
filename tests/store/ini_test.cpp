#include "store/ini.h"

#include <gtest/gtest.h>

#include "support/test_env.h"

namespace {
using Strings = std::vector<std::string>;

struct Event {
  std::string filename, section, key, value;
};

class IniTest : public TesselTest {
 protected:
  ClsINI Ini(const std::string& section = "Main") { return ClsINI(Path("test.ini"), section); }
};
}  // namespace

TEST_F(IniTest, OpenOnMissingFileGivesEmptyEvenWithDefaultAndRaisesNothing) {
  ClsINI ini = Ini();
  bool raised = false;
  ini.DataRead = [&](auto&&...) { raised = true; };
  EXPECT_EQ(ini.OpenINI("key", "fallback"), "");
  EXPECT_FALSE(raised);
  EXPECT_FALSE(ini.SectionList().has_value());
  EXPECT_FALSE(ini.KeyList().has_value());
}

TEST_F(IniTest, MissingKeySectionOrEmptyValueGiveTheDefault) {
  WriteBytes("test.ini", "[Main]\r\nempty=\r\nset=1\r\n");
  ClsINI ini = Ini();
  std::vector<Event> reads;
  ini.DataRead = [&](auto& f, auto& s, auto& k, auto& v) { reads.push_back({f, s, k, v}); };
  EXPECT_EQ(ini.OpenINI("missing", "d"), "d");
  EXPECT_EQ(ini.OpenINI("empty", "d"), "d");
  EXPECT_EQ(ini.OpenINI("set", "d"), "1");
  ini.section = "Other";
  EXPECT_EQ(ini.OpenINI("set", "d"), "d");
  ASSERT_EQ(reads.size(), 4u);
  EXPECT_EQ(reads[0].value, "d");
  EXPECT_EQ(reads[2].key, "set");
  EXPECT_EQ(reads[3].section, "Other");
  EXPECT_EQ(reads[3].filename, Path("test.ini"));
}

TEST_F(IniTest, ProfileReaderStripsBlanksAndOneQuotePairAndCutsLongValues) {
  std::string longValue(1500, 'x');
  WriteBytes("test.ini", "[Main]\r\nquoted = \"  padded  \" \r\nlong=" + longValue + "\r\n");
  ClsINI ini = Ini();
  EXPECT_EQ(ini.OpenINI("quoted"), "  padded  ");
  EXPECT_EQ(ini.OpenINI("long"), std::string(1023, 'x'));
}

TEST_F(IniTest, SaveWritesThroughTheProfileFunctionsAndRaisesDataWritten) {
  ClsINI ini = Ini();
  std::vector<Event> writes;
  ini.DataWritten = [&](auto& f, auto& s, auto& k, auto& v) { writes.push_back({f, s, k, v}); };
  ini.SaveINI("a", "1");
  ini.SaveINI("a", "2");
  ini.section = "Second";
  ini.SaveINI("b", "x=y");
  std::string bytes = ReadBytes("test.ini");
  EXPECT_EQ(bytes.find("[Main]\r\na=2\r\n"), 0u) << bytes;
  EXPECT_NE(bytes.find("[Second]\r\nb=x=y\r\n"), std::string::npos) << bytes;
  ASSERT_EQ(writes.size(), 3u);
  EXPECT_EQ(writes[2].section, "Second");
  EXPECT_EQ(writes[2].value, "x=y");
  EXPECT_EQ(ini.OpenINI("b"), "x=y");
}

TEST_F(IniTest, KoreanSectionsKeysAndValuesSurviveInTheAnsiCodePage) {
  ClsINI ini = Ini("게임");
  ini.SaveINI("이름", "스타크래프트");
  EXPECT_NE(ReadBytes("test.ini").find("[\xB0\xD4\xC0\xD3]"), std::string::npos);
  EXPECT_EQ(ini.OpenINI("이름"), "스타크래프트");
  EXPECT_EQ(ini.SectionList(), Strings{"게임"});
  EXPECT_EQ(ini.KeyList(), Strings{"이름"});
}

TEST_F(IniTest, SectionListKeepsOrderDuplicatesAndBlanks) {
  WriteBytes("test.ini", "[B]\r\nx=1\r\n[ A ]\r\n[B]\r\n [C]\r\n[D] \r\n[]\r\n");
  EXPECT_EQ(Ini().SectionList(), (Strings{"B", " A ", "B", ""}));
}

TEST_F(IniTest, KeyListReadsTheFirstOccurrenceOnlyAndSkipsOddLines) {
  WriteBytes("test.ini",
             "top=0\r\n[main]\r\nno=0\r\n[Main]\r\n k1 =1\r\nbare line\r\n=nokey\r\n\r\n[x=1\r\ny]=2\r\n"
             "k2=a=b\r\n[Other]\r\nk3=3\r\n[Main]\r\nk4=4\r\n");
  EXPECT_EQ(Ini().KeyList(), (Strings{" k1 ", "bare line", "k2"}));
  EXPECT_EQ(Ini("Missing").KeyList(), Strings{});
}

TEST_F(IniTest, DeleteSectionAndKey) {
  ClsINI ini = Ini();
  ini.SaveINI("a", "1");
  ini.SaveINI("b", "2");
  ini.section = "Gone";
  ini.SaveINI("c", "3");
  ini.section = "Main";
  ini.DeleteKey("a");
  ini.DeleteSection("Gone");
  EXPECT_EQ(ini.SectionList(), Strings{"Main"});
  EXPECT_EQ(ini.KeyList(), Strings{"b"});
}

TEST_F(IniTest, EmptyFileNameDoesNothing) {
  ClsINI ini;
  bool raised = false;
  ini.DataWritten = [&](auto&&...) { raised = true; };
  ini.SaveINI("a", "1");
  ini.DeleteKey("a");
  ini.DeleteSection("Main");
  EXPECT_FALSE(raised);
  EXPECT_EQ(ini.OpenINI("a", "d"), "");
}

TEST_F(IniTest, BadFilesAndPathsGiveDefaultsWithoutCrashing) {
  WriteBytes("empty.ini", "");
  ClsINI empty(Path("empty.ini"), "Main");
  EXPECT_EQ(empty.OpenINI("a", "d"), "d");
  EXPECT_EQ(empty.SectionList(), Strings{});

  std::string garbage = "[\xB0\xFF]\r\n\xB0=\xFF\xFE\r\n" + std::string(200000, 'k') + "=v\r\n";
  WriteBytes("garbage.ini", garbage);
  ClsINI bad(Path("garbage.ini"), "Main");
  ASSERT_TRUE(bad.SectionList().has_value());
  EXPECT_EQ(bad.SectionList()->size(), 1u);
  EXPECT_EQ(bad.OpenINI("missing", "d"), "d");

  ClsINI illegal(Path("a<b>|c?.ini"), "Main");
  bool raised = false;
  illegal.DataWritten = [&](auto&&...) { raised = true; };
  illegal.SaveINI("a", "1");
  EXPECT_FALSE(raised);
  EXPECT_EQ(illegal.OpenINI("a", "d"), "");
}
