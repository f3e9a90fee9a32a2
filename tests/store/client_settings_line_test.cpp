#include <gtest/gtest.h>

#include "store/client_settings.h"

namespace {
ClientSettings Read(std::initializer_list<const char*> lines) {
  ClientSettings settings;
  for (const char* line : lines) ApplySettingLine(settings, line);
  return settings;
}
}  // namespace

TEST(ClientSettingsLine, KeysIgnoreCaseAndBlanksAndLaterLinesWin) {
  ClientSettings s = Read({"  DESKFIX = 1 ", "mousespeed=15", "MouseSpeed=\t7", "Display=a=b", "[ENV]", "Unknown=3"});
  EXPECT_EQ(s.DeskFix, "1");
  EXPECT_EQ(s.MouseSpeed, "7");
  EXPECT_EQ(s.Display, "a") << "text after a second = is lost";
  EXPECT_EQ(s.MVD, "");
  EXPECT_EQ(s.KeyBoardSpeed, "31") << "defaults stay";
}

TEST(ClientSettingsLine, OneCharacterSettingsKeepTheFirstCharacterOrABlank) {
  ClientSettings s = Read({"DelOption=23", "Start=", "BGIMG=가나", "Wallpaper"});
  EXPECT_EQ(s.DelOption, "2");
  EXPECT_EQ(s.Start, " ");
  EXPECT_EQ(s.BGIMG, "가");
  EXPECT_EQ(s.Wallpaper, "0") << "a line without = changes nothing";
}

TEST(ClientSettingsLine, FixedIsNormalisedToTwoSwitches) {
  EXPECT_EQ(Read({"Fixed=1"}).Fixed, "11");
  EXPECT_EQ(Read({"Fixed=0"}).Fixed, "00");
  EXPECT_EQ(Read({"Fixed=x"}).Fixed, "00");
  EXPECT_EQ(Read({"Fixed="}).Fixed, "00");
  EXPECT_EQ(Read({"Fixed=01"}).Fixed, "01");
  EXPECT_EQ(Read({"Fixed=101"}).Fixed, "101");
}

TEST(ClientSettingsLine, NumbersTakeTheLeadingNumber) {
  ClientSettings s = Read({"ltype=1abc", "gameexe=x", "FontColor=255 blue"});
  EXPECT_EQ(s.ltype, 1);
  EXPECT_EQ(s.gameexe, 0);
  EXPECT_EQ(s.FontColor, 255);
  ClientSettings big = Read({"ltype=2", "ltype=99999999999"});
  EXPECT_EQ(big.ltype, 2) << "a number that does not fit leaves the setting";
  ClientSettings settings;
  EXPECT_EQ(ApplySettingLine(settings, "LTYPE=3"), "ltype");
  EXPECT_EQ(ApplySettingLine(settings, "ltype"), "");
}
