#include "store/text_util.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextUtil, LeadingNumbersStopAtTheFirstOtherCharacterAndSaturate) {
  for (auto [text, number] : {std::pair<const char*, long long>{"1abc", 1}, {"  -42x", -42}, {"+7", 7}, {"x", 0},
                              {"", 0}, {"- 3", 0}, {"99999999999999999999999", std::numeric_limits<long long>::max()}})
    EXPECT_EQ(ParseLeadingNumber(text), number) << text;
}

TEST(TextUtil, LinesEndInAnyWayAndCaseFoldingLeavesKoreanAlone) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(Trim(" \t\r\nx \t"), "\r\nx") << "line ends are no blanks";
  EXPECT_EQ(ToLowerAscii("ABC가"), "abc가");
}
