#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, ArgumentsFollowTheProgramName) {
  EXPECT_EQ(CommandLineArguments("\"C:\\Program Files\\Tessel\\tslc.exe\" 스타크래프트 "), "스타크래프트 ");
  EXPECT_EQ(CommandLineArguments("tslc.exe   a  b"), "a  b");
  EXPECT_EQ(CommandLineArguments("\"tslc.exe\""), "");
  EXPECT_EQ(CommandLineArguments("\"unterminated"), "");
}
