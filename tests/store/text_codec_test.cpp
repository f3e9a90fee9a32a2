#include "store/text_codec.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(TextCodec, KoreanRoundTripsThroughTheCodePageAndBadBytesSurvive) {
  ASSERT_EQ(GetACP(), 949u) << "the rig runs under ko_KR.UTF-8; everything else here depends on it";
  const std::string text = "게임 메뉴 Tessel";
  EXPECT_EQ(Utf8ToAnsi(text), "\xB0\xD4\xC0\xD3 \xB8\xDE\xB4\xBA Tessel");
  EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi(text)), text);
  EXPECT_EQ(Narrow(Widen(text)), text);

  std::string decoded = AnsiToUtf8("a\x80" "c\xB0 d\xB0");  // an unused byte, lead bytes without a valid trail
  EXPECT_EQ(decoded.front(), 'a');
  EXPECT_NE(decoded.find('c'), std::string::npos) << "a bad lead byte does not swallow the next character";
  EXPECT_NE(decoded.find('d'), std::string::npos);
  EXPECT_EQ(AnsiToUtf8(std::string("x\0y", 3)), std::string("x\0y", 3)) << "NULs are kept";
}
