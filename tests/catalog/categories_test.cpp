#include "catalog/categories.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "app/app.h"
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
  void WriteCategoryFile(const std::string& text) { WriteTextFile(CategoryFile(), text, false, false); }
  std::string CategoryText() { return ReadTextFile(CategoryFile()).value_or(""); }
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

TEST_F(CategoriesTest, AMissingFileGetsTheTwentyDefaultsOfWhichEightAreShown) {
  std::filesystem::remove_all(Widen(Path("Skin")));
  LoadCategories();
  ASSERT_EQ(List().size(), 21u);
  EXPECT_EQ(List()[1].Name, "인기게임");
  EXPECT_EQ(List()[16].Name, "오락실 게임");
  EXPECT_EQ(List()[16].Tag, "Acade");
  EXPECT_EQ(List()[20].Code, "MU");
  int shown = 0;
  for (size_t i = 1; i < List().size(); ++i) shown += List()[i].State == "1";
  EXPECT_EQ(shown, 8);
  EXPECT_TRUE(ReadBytes("Skin\\Vdcate.ini").starts_with(Utf8ToAnsi("[인기게임]\r\nCode=BG\r\nTag=Best\r\nRank=01\r\nState=1\r\n\r\n[")));

  LoadCategories();  // a second load reads the same table and appends nothing
  EXPECT_EQ(List().size(), 21u);
}

TEST_F(CategoriesTest, OlderFilesGainTheMissingSectionsAtTheirEndInOrder) {
  WriteCategoryFile(kOldFile);
  LoadCategories();
  EXPECT_EQ(Names(), (std::vector<std::string>{"인기게임", "온라인게임", "오락실 게임", "영화", "게임 실행기", "TV시청",
                                               "멀티미디어"}));
  EXPECT_EQ(List()[4].Rank, "99");
  EXPECT_EQ(List()[4].State, "0");
  std::string text = CategoryText();
  EXPECT_TRUE(text.starts_with(kOldFile));
  EXPECT_NE(text.find("[영화]\r\nCode=M2\r\nTag=Movie2\r\nRank=99\r\nState=0\r\n\r\n[게임 실행기]"), std::string::npos);

  LoadCategories();
  EXPECT_EQ(List().size(), 8u) << "the upgraded file is complete";

  WriteCategoryFile(std::string(kOldFile) + "[오락실 게임]\r\nCode=AC\r\nTag=Acade\r\nRank=99\r\nState=0\r\n[멀티미디어]");
  LoadCategories();
  EXPECT_EQ(Names(), (std::vector<std::string>{"인기게임", "온라인게임", "오락실 게임", "멀티미디어", "TV시청"}));
  EXPECT_NE(CategoryText().find("[멀티미디어]\r\n[TV시청]\r\n"), std::string::npos)
      << "an unterminated last line is closed before appending";
}

TEST_F(CategoriesTest, LinesAreReadAsOtherProgramsAndHandsLeaveThem) {
  WriteCategoryFile(
      "Code=XX\r\n"              // before any section: lands in slot 0
      "  [오락실 게임]  \r\n"
      "  code = bg \r\n"
      "Rank=1\r\n"
      "Tag=A=B\r\n"
      "State=10\r\n"
      "just words\r\n"
      "colour=red\r\n"
      "[TV시청]\n[멀티미디어]\rCode=TOOLONG\r\n"
      "[TV시청]\r\n");
  LoadCategories();
  EXPECT_EQ(List()[0].Code, "XX");
  ASSERT_EQ(List().size(), 5u) << "nothing appended: all three marker sections are there, one twice";
  EXPECT_EQ(List()[1].Code, "bg");
  EXPECT_EQ(List()[1].Rank, "1 ");
  EXPECT_EQ(List()[1].Tag, "A");
  EXPECT_EQ(List()[1].State, "1");
  EXPECT_EQ(List()[3].Code, "TO");
  EXPECT_EQ(List()[4].Name, "TV시청");
}

TEST_F(CategoriesTest, BinaryGarbageLoadsWithoutHarmAndGainsOnlyTheUpgradeSections) {
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  WriteBytes("Skin\\Vdcate.ini", garbage);
  LoadCategories();
  std::string after = ReadBytes("Skin\\Vdcate.ini");
  EXPECT_EQ(after.substr(0, garbage.size()), garbage);
  EXPECT_GE(List().size(), 6u);
}

TEST_F(CategoriesTest, SavingTheOrderRewritesTheFileWithRanksInListOrder) {
  LoadCategories();
  const std::string before = CategoryText();

  EXPECT_FALSE(SaveCategoryOrder({"인기게임", "메신저"}, {"기타"}));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "게임분류는 3개 이상 하셔야 합니다!!");
  EXPECT_EQ(boxes.shown[0].flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONEXCLAMATION));
  EXPECT_EQ(CategoryText(), before);

  boxes.answers = {IDNO};
  EXPECT_FALSE(SaveCategoryOrder({"인기게임", "메신저", "FPS"}, {}));
  EXPECT_EQ(boxes.shown[1].text, "게임분류를 변경 변경 하시겠습니까?");
  EXPECT_EQ(CategoryText(), before);

  boxes.answers = {IDYES};
  EXPECT_TRUE(SaveCategoryOrder({"인기게임", "메신저", "FPS"}, {"온라인게임", "없는분류"}));
  EXPECT_EQ(boxes.shown.back().text, "게임분류 변경을 성공하였습니다.");
  EXPECT_EQ(boxes.shown.back().flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONINFORMATION));
  std::string text = CategoryText();
  EXPECT_TRUE(text.starts_with("[인기게임]\r\nCode = BG\r\nTag = Best\r\nRank = 01\r\nState = 1\r\n\r\n"
                               "[메신저]\r\nCode = ME\r\nTag = Messenger\r\nRank = 02\r\nState = 1\r\n\r\n"
                               "[FPS]\r\nCode = FP\r\nTag = Fps\r\nRank = 03\r\nState = 1\r\n\r\n"
                               "[온라인게임]\r\nCode = OG\r\nTag = Online\r\nRank = 99\r\nState = 0\r\n\r\n\r\n"
                               "[오락실 게임]"))
      << text.substr(0, 400);
  EXPECT_EQ(List()[3].Name, "FPS");
  EXPECT_EQ(List()[3].Rank, "03");
  EXPECT_FALSE(FileExists(CategoryFile() + ".tmp-" + std::to_string(GetCurrentProcessId())));
}
