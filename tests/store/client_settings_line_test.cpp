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
  ClientSettings s = Read({"  DESKFIX = 1 ", "mousespeed=15", "MouseSpeed=\t7", "Display=a=b", "[ENV]", "Unknown=3",
                           "Wallpaper"});
  EXPECT_EQ(s.DeskFix, "1");
  EXPECT_EQ(s.MouseSpeed, "7");
  EXPECT_EQ(s.Display, "a") << "text after a second = is lost";
  EXPECT_EQ(s.Wallpaper, "0") << "a line without = changes nothing";
  ClientSettings settings;
  EXPECT_EQ(ApplySettingLine(settings, "LTYPE=3"), "ltype");
  EXPECT_EQ(ApplySettingLine(settings, "Unknown=3"), "");
}

TEST(ClientSettingsLine, ValuesAreCutToTheirShape) {
  ClientSettings s = Read({"DelOption=23", "Start=", "BGIMG=가나", "ltype=1abc", "gameexe=x"});
  EXPECT_EQ(s.DelOption, "2") << "one-character settings keep the first character";
  EXPECT_EQ(s.Start, " ") << "or a blank";
  EXPECT_EQ(s.BGIMG, "가") << "a whole Korean character";
  EXPECT_EQ(s.ltype, 1) << "numbers take the leading number";
  EXPECT_EQ(s.gameexe, 0);
  EXPECT_EQ(Read({"ltype=2", "ltype=99999999999"}).ltype, 2) << "a number that does not fit leaves the setting";
  for (auto [value, fixed] : {std::pair{"1", "11"}, {"0", "00"}, {"x", "00"}, {"", "00"}, {"01", "01"}, {"101", "101"}})
    EXPECT_EQ(Read({(std::string("Fixed=") + value).c_str()}).Fixed, fixed) << "Fixed=" << value;
}
