#include "store/text_codec.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(TextCodec, TheAnsiCodePageIsKorean) {
  // The test rig runs under ko_KR.UTF-8; everything below depends on it.
  ASSERT_EQ(GetACP(), 949u);
}

TEST(TextCodec, KoreanRoundTripsThroughTheCodePage) {
  const std::string text = "게임 메뉴 Tessel";
  std::string ansi = Utf8ToAnsi(text);
  EXPECT_EQ(ansi, "\xB0\xD4\xC0\xD3 \xB8\xDE\xB4\xBA Tessel");
  EXPECT_EQ(AnsiToUtf8(ansi), text);
  EXPECT_EQ(Narrow(Widen(text)), text);
}

TEST(TextCodec, InvalidBytesNeitherCrashNorVanish) {
  std::string broken = "a\x80" "c\xB0 d\xB0";  // an unused byte, lead bytes without a valid trail
  std::string decoded = AnsiToUtf8(broken);
  EXPECT_EQ(decoded.front(), 'a');
  EXPECT_NE(decoded.find('c'), std::string::npos);
  EXPECT_NE(decoded.find('d'), std::string::npos);
  EXPECT_TRUE(AnsiToUtf8(std::string("x\0y", 3)) == std::string("x\0y", 3));
}
