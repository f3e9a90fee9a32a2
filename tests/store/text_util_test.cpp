#include "store/text_util.h"

#include <gtest/gtest.h>

#include <limits>

using Strings = std::vector<std::string>;

TEST(TextUtil, LeadingNumbersStopAtTheFirstOtherCharacterAndSaturate) {
  for (auto [text, number] : {std::pair<const char*, long long>{"1abc", 1}, {"  -42x", -42}, {"+7", 7}, {"x", 0},
                              {"", 0}, {"- 3", 0}, {"99999999999999999999999", std::numeric_limits<long long>::max()}})
    EXPECT_EQ(ParseLeadingNumber(text), number) << text;
}

TEST(TextUtil, TrimmingSplittingAndCase) {
  EXPECT_EQ(Trim(" \t a b \t"), "a b");
  EXPECT_EQ(Trim("\r\nx"), "\r\nx") << "line ends are no blanks";
  EXPECT_EQ(TrimSpaces("\t x \t"), "\t x \t") << "tabs are kept";
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Strings{"a", "", "b"})) << "a final line end adds no line";
  EXPECT_EQ(Split("||", '|'), (Strings{"", "", ""}));
  EXPECT_EQ(Split("", ','), Strings{""});
  EXPECT_FALSE(EqualsIgnoreCaseAscii("frmMain", "frmMain2"));
  EXPECT_EQ(ToLowerAscii("ABC가"), "abc가") << "Korean bytes are left alone";
  EXPECT_EQ(RemoveNuls(std::string("a\0b\0", 4)), "ab");
}
