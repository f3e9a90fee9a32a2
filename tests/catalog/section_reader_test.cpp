#include "catalog/section_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Events(std::string_view text, decltype(SectionReader::decode) decode = {}) {
  std::vector<std::string> events;
  SectionReader reader{[&](std::string name) { events.push_back("[" + name + "]"); },
                       [&](std::string_view key, std::string_view value) {
                         events.push_back(std::string(key) + "=" + std::string(value));
                       },
                       std::move(decode)};
  reader.Read(text);
  return events;
}
}  // namespace

TEST(SectionReader, LinesAreTrimmedSplitAtTheFirstEqualsAndKeysLowered) {
  EXPECT_EQ(Events("before=1\r\n  [Sec]tion] \r\n\tTitle = A=B \r\nno equals\n\n[]\rKEY=\r\n=v\r\n[last"),
            (std::vector<std::string>{"before=1", "[Section]", "title=A=B", "[]", "key=", "=v", "[last]"}));
  std::string overlong(2'000'000, 'x');
  EXPECT_EQ(Events("\r\r\n\n" + overlong + "=y").back().size(), overlong.size() + 2);
}

TEST(SectionReader, OnlySectionLinesAndValuesWithBytesAbove127AreDecoded) {
  auto mark = [](std::string_view bytes) { return "<" + std::string(bytes) + ">"; };
  EXPECT_EQ(Events("[\xB0\xA1]\r\nPlain=C:\\x\r\nK\xB0 = \xB0\xA1 \r\n[ascii]\r\n", mark),
            (std::vector<std::string>{"[<\xB0\xA1>]", "plain=C:\\x", "k\xB0=<\xB0\xA1>", "[ascii]"}))
      << "brackets are taken off after decoding; keys stay as stored";
  EXPECT_EQ(CountSections(" [a]\r\nx=[b]\n\t[c\r[d\r\n[]"), 4u);
}
