#include "store/text_util.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TextUtil, LeadingNumberParseStopsAtFirstNonDigit) {
  EXPECT_EQ(ParseLeadingNumber("1abc"), 1);
  EXPECT_EQ(ParseLeadingNumber("  -42x"), -42);
  EXPECT_EQ(ParseLeadingNumber("+7"), 7);
  EXPECT_EQ(ParseLeadingNumber("x"), 0);
  EXPECT_EQ(ParseLeadingNumber(""), 0);
  EXPECT_EQ(ParseLeadingNumber("- 3"), 0);
  EXPECT_EQ(ParseLeadingNumber("99999999999999999999999"), std::numeric_limits<long long>::max());
}

TEST(TextUtil, TrimTakesSpacesAndTabsOnly) {
  EXPECT_EQ(Trim(" \t a b \t"), "a b");
  EXPECT_EQ(Trim("\r\nx"), "\r\nx");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimSpaces("\t x \t"), "\t x \t");
}

TEST(TextUtil, SplitLinesHandlesEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextUtil, SplitKeepsEmptyFields) {
  EXPECT_EQ(Split("||", '|'), (std::vector<std::string>{"", "", ""}));
  EXPECT_EQ(Split("", ','), (std::vector<std::string>{""}));
  EXPECT_EQ(Split("a=b=c", '='), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(TextUtil, CaseInsensitiveComparisonIsAsciiOnly) {
  EXPECT_TRUE(EqualsIgnoreCaseAscii("FrmTray", "frmtray"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii("frmMain", "frmMain2"));
  EXPECT_EQ(ToLowerAscii("ABC가"), "abc가");
  EXPECT_EQ(RemoveNuls(std::string("a\0b\0", 4)), "ab");
}
