#include "store/ini.h"

#include <gtest/gtest.h>

#include "store/files.h"
#include "support/test_env.h"

namespace {
using Strings = std::vector<std::string>;

class IniTest : public TesselTest {
 protected:
  ClsINI Ini(const std::string& section = "Main") { return ClsINI(Path("test.ini"), section); }
};
}  // namespace

TEST_F(IniTest, ReadsGiveTheDefaultForMissingOrEmptyValuesAndNothingWithoutAFile) {
  ClsINI missing = Ini(), unnamed, illegal(Path("a<b>|c?.ini"), "Main");
  unnamed.SaveINI("a", "1");
  illegal.SaveINI("a", "1");
  for (ClsINI* ini : {&missing, &unnamed, &illegal}) {
    EXPECT_EQ(ini->OpenINI("a", "fallback"), "") << ini->filename << ": even with a default";
    EXPECT_FALSE(ini->SectionList().has_value()) << ini->filename;
    EXPECT_FALSE(ini->KeyList().has_value()) << ini->filename;
  }
  WriteBytes("test.ini", "[Main]\r\nempty=\r\nset=1\r\nlong=" + std::string(1500, 'x') + "\r\n");
  EXPECT_EQ(missing.OpenINI("missing", "d"), "d");
  EXPECT_EQ(missing.OpenINI("empty", "d"), "d");
  EXPECT_EQ(missing.OpenINI("set", "d"), "1");
  EXPECT_EQ(missing.OpenINI("long"), std::string(1023, 'x')) << "values are cut to the buffer";
  EXPECT_EQ(Ini("Other").OpenINI("set", "d"), "d");
}

TEST_F(IniTest, KoreanWritesGoThroughTheProfileFunctionsInTheAnsiCodePage) {
  ClsINI ini = Ini("게임");
  ini.SaveINI("이름", "스타");
  ini.SaveINI("이름", "스타크래프트");
  EXPECT_EQ(ReadBytes("test.ini").find("[\xB0\xD4\xC0\xD3]\r\n\xC0\xCC\xB8\xA7="), 0u);
  EXPECT_EQ(ini.OpenINI("이름"), "스타크래프트");
  EXPECT_EQ(ini.SectionList(), Strings{"게임"});
  EXPECT_EQ(ini.KeyList(), Strings{"이름"}) << "the value is replaced in place";
}

TEST_F(IniTest, ListsAreReadFromTheFileItself) {
  WriteBytes("test.ini",
             "top=0\r\n[main]\r\nno=0\r\n[Main]\r\n k1 =1\r\nbare line\r\n=nokey\r\n\r\n[x=1\r\ny]=2\r\n"
             "k2=a=b\r\n[ Other ]\r\nk3=3\r\n[Main]\r\nk4=4\r\n [C]\r\n[D] \r\n[]\r\n");
  EXPECT_EQ(Ini().SectionList(), (Strings{"main", "Main", " Other ", "Main", ""}))
      << "in order, untrimmed, duplicates kept";
  EXPECT_EQ(Ini().KeyList(), (Strings{" k1 ", "bare line", "k2"})) << "first exact match only, odd lines skipped";
  EXPECT_EQ(Ini("Missing").KeyList(), Strings{});

  WriteBytes("garbage.ini", "[\xB0\xFF]\r\n\xB0=\xFF\xFE\r\n" + std::string(200000, 'k') + "=v\r\n");
  ClsINI garbage(Path("garbage.ini"), "Main");
  EXPECT_EQ(garbage.SectionList()->size(), 1u);
  EXPECT_EQ(garbage.OpenINI("missing", "d"), "d");
}

TEST_F(IniTest, EventsFollowSuccessfulCallsAndDeletionsRemoveWhatTheyName) {
  ClsINI ini = Ini();
  std::vector<std::string> events;
  ini.DataWritten = [&](auto&, auto& s, auto& k, auto& v) { events.push_back("W " + s + " " + k + "=" + v); };
  ini.DataRead = [&](auto&, auto& s, auto& k, auto& v) { events.push_back("R " + s + " " + k + "=" + v); };
  EXPECT_EQ(ini.OpenINI("a", "d"), "");
  ini.SaveINI("a", "1");
  ini.SaveINI("b", "2");
  EXPECT_EQ(ini.OpenINI("missing", "d"), "d");
  EXPECT_EQ(events, (Strings{"W Main a=1", "W Main b=2", "R Main missing=d"})) << "no read event without a file";

  ini.section = "Gone";
  ini.SaveINI("c", "3");
  ini.section = "Main";
  ini.DeleteKey("a");
  ini.DeleteSection("Gone");
  EXPECT_EQ(ini.SectionList(), Strings{"Main"});
  EXPECT_EQ(ini.KeyList(), Strings{"b"});
}

TEST_F(IniTest, SavingValuesWritesOnlyWhatChangedAndANewSectionInOneGo) {
  ClsINI ini = Ini("게임");
  std::vector<std::string> written;
  ini.DataWritten = [&](auto&, auto&, auto& k, auto& v) { written.push_back(k + "=" + v); };
  ini.SaveValues({{"Title", "스타"}, {"Args", ""}, {"Icon", "C:\\s.ico"}});
  EXPECT_EQ(ReadTextFile(Path("test.ini")), "[게임]\r\nTitle=스타\r\nArgs=\r\nIcon=C:\\s.ico\r\n");
  EXPECT_EQ(written, (Strings{"Title=스타", "Args=", "Icon=C:\\s.ico"}));

  WriteTextFile(Path("test.ini"), "[Other]\r\nTitle=x\r\n[게임]\r\nTITLE=스타\r\nExtra=kept\r\nArgs=-old\r\n", false, false);
  written.clear();
  ini.SaveValues({{"Title", "스타"}, {"Args", "-new"}, {"Icon", "C:\\s.ico"}});
  EXPECT_EQ(written, (Strings{"Args=-new", "Icon=C:\\s.ico"})) << "keys are compared without regard to case";
  EXPECT_EQ(ini.KeyList(), (Strings{"TITLE", "Extra", "Args", "Icon"})) << "in place, others kept";
  EXPECT_EQ(ini.OpenINI("Args"), "-new");
  written.clear();
  ini.SaveValues({{"Title", "스타"}, {"Args", "-new"}});
  EXPECT_TRUE(written.empty()) << "nothing changed, nothing written";
}
