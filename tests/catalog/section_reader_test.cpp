#include "catalog/section_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Events(std::string_view text) {
  std::vector<std::string> events;
  SectionReader reader{[&](std::string name) { events.push_back("[" + name + "]"); },
                       [&](std::string_view key, std::string_view value) {
                         events.push_back(std::string(key) + "=" + std::string(value));
                       }};
  reader.Read(text);
  return events;
}
}  // namespace

TEST(SectionReader, LinesAreTrimmedSplitAtTheFirstEqualsAndKeysLowered) {
  EXPECT_EQ(Events("before=1\r\n  [Sec]tion] \r\n\tTitle = A=B \r\nno equals\n\n[]\rKEY=\r\n=v\r\n[last"),
            (std::vector<std::string>{"before=1", "[Section]", "title=A=B", "[]", "key=", "=v", "[last]"}));
}

TEST(SectionReader, GarbageAndOverlongLinesAreReadWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 300000; ++i) garbage += static_cast<char>((i * 131) % 256);
  garbage += std::string(2'000'000, 'x') + "=" + std::string(10, 'y');
  EXPECT_NO_THROW(Events(garbage));
  EXPECT_EQ(Events("\r\r\n\n").size(), 0u);
}
