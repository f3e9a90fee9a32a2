#include "catalog/categories.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "state/app_state.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
class CategoriesTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin"));
  }
  void Write(const std::string& text) { WriteTextFile(CategoryFile(), text, false, false); }
  std::string Text() { return ReadTextFile(CategoryFile()).value_or(""); }
  const std::vector<Category>& List() { return TheApp().Categories; }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (size_t i = 1; i < List().size(); ++i) names.push_back(List()[i].Name);
    return names;
  }
};

const char* kOldFile =
    "[인기게임]\r\nCode=BG\r\nTag=Best\r\nRank=01\r\nState=1\r\n\r\n"
    "[온라인게임]\r\nCode=OG\r\nTag=Online\r\nRank=02\r\nState=1\r\n\r\n";
}  // namespace

TEST_F(CategoriesTest, AMissingFileGetsTheDefaultsAndOlderFilesGainTheMissingSectionsAtTheirEnd) {
  ASSERT_TRUE(RemoveDirectoryW(Widen(Path("Skin")).c_str()));
  LoadCategories();
  LoadCategories();
  EXPECT_EQ(List().size(), 21u) << "the defaults, in a folder made for them, hold every section an upgrade adds";
  EXPECT_TRUE(ReadBytes("Skin\\Vdcate.ini").starts_with(Utf8ToAnsi("[인기게임]\r\nCode=BG\r\n"))) << "in the ANSI code page";

  Write(kOldFile);
  LoadCategories();
  EXPECT_EQ(Names(), (std::vector<std::string>{"인기게임", "온라인게임", "오락실 게임", "영화", "게임 실행기", "TV시청",
                                               "멀티미디어"}));
  EXPECT_TRUE(Text().starts_with(kOldFile));
  EXPECT_NE(Text().find("[영화]\r\nCode=M2\r\nTag=Movie2\r\nRank=99\r\nState=0\r\n\r\n[게임 실행기]"), std::string::npos);

  Write(std::string(kOldFile) + "[오락실 게임]\r\nCode=AC\r\nTag=Acade\r\nRank=99\r\nState=0\r\n[멀티미디어]\r\nTag=Multi");
  LoadCategories();
  EXPECT_EQ(Names(), (std::vector<std::string>{"인기게임", "온라인게임", "오락실 게임", "멀티미디어", "TV시청"}));
  EXPECT_NE(Text().find("Tag=Multi\r\n[TV시청]\r\n"), std::string::npos)
      << "an unterminated last line is closed before appending";
}

TEST_F(CategoriesTest, LinesAreReadAsOtherProgramsAndHandsLeaveThem) {
  Write("Code=XX\r\n"  // before any section: slot 0
        "  [오락실 게임]  \r\n  code = bg \r\nRank=1\r\nTag=A=B\r\nState=10\r\njust words\r\ncolour=red\r\n"
        "[TV시청]\nTag=TV\n[멀티미디어]\rCode=TOOLONG\rTag=Multi\r\n[TV시청]\r\nTag=TV\r\n");
  LoadCategories();
  ASSERT_EQ(List().size(), 5u) << "nothing appended: the marker sections are there, CR and LF lines alike";
  EXPECT_EQ(List()[0].Code, "XX");
  EXPECT_EQ(List()[1].Code, "bg");
  EXPECT_EQ(List()[1].Rank, "1 ") << "fixed widths: padded";
  EXPECT_EQ(List()[1].State, "1") << "and cut";
  EXPECT_EQ(List()[3].Code, "TO");
  EXPECT_EQ(List()[1].Tag, "A") << "the value ends at a second '='";

  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  WriteBytes("Skin\\Vdcate.ini", garbage);
  LoadCategories();
  EXPECT_EQ(ReadBytes("Skin\\Vdcate.ini").substr(0, garbage.size()), garbage) << "binary garbage is only appended to";
  EXPECT_GE(List().size(), 6u);
}

TEST_F(CategoriesTest, SavingTheOrderAsksThenRewritesTheFileWithRanksInListOrder) {
  LoadCategories();
  const std::string before = Text();
  EXPECT_FALSE(SaveCategoryOrder({"인기게임", "메신저"}, {"기타"}));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "게임분류는 3개 이상 하셔야 합니다!!");
  boxes.answers = {IDNO};
  EXPECT_FALSE(SaveCategoryOrder({"인기게임", "메신저", "FPS"}, {}));
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(Text(), before) << "neither a warning nor a no changes the file";

  boxes.answers = {IDYES};
  EXPECT_TRUE(SaveCategoryOrder({"인기게임", "메신저", "FPS"}, {"온라인게임", "없는분류"}));
  EXPECT_EQ(boxes.shown.back().flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONINFORMATION));
  EXPECT_TRUE(Text().starts_with("[인기게임]\r\nCode = BG\r\nTag = Best\r\nRank = 01\r\nState = 1\r\n\r\n"
                                 "[메신저]\r\nCode = ME\r\nTag = Messenger\r\nRank = 02\r\nState = 1\r\n\r\n"
                                 "[FPS]\r\nCode = FP\r\nTag = Fps\r\nRank = 03\r\nState = 1\r\n\r\n"
                                 "[온라인게임]\r\nCode = OG\r\nTag = Online\r\nRank = 99\r\nState = 0\r\n\r\n\r\n"
                                 "[오락실 게임]"))
      << "an unknown name leaves an empty line; the missing sections are appended again";
  EXPECT_EQ(List()[3].Rank, "03") << "the list is read again";
}

// A category's tag names its folder under the program folder: a tag that is no plain folder name
// would list and start files from elsewhere, so such a category is left out.
TEST_F(CategoriesTest, ACategoryWhoseTagIsNoPlainFolderNameIsLeftOut) {
  Write("[인기게임]\r\nTag=Best\r\nState=1\r\n[위로]\r\nTag=..\\..\\Windows\r\nState=1\r\n"
        "[드라이브]\r\nTag=C:\\Games\r\nState=1\r\n[공유]\r\nTag=\\\\server\\share\r\nState=1\r\n"
        "[없음]\r\nState=1\r\n[점]\r\nTag=Best.\r\nState=1\r\n[장치]\r\nTag=AUX\r\nState=1\r\n"
        "[오락실 게임]\r\nTag=Acade\r\n[TV시청]\r\nTag=TV\r\n[멀티미디어]\r\nTag=Multi\r\n");
  LoadCategories();
  EXPECT_EQ(Names(), (std::vector<std::string>{"인기게임", "오락실 게임", "TV시청", "멀티미디어"}));
  EXPECT_EQ(List()[1].Tag, "Best");
}
