#include "catalog/section_reader.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimView(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string LowerKey(std::string_view key) {
  std::string lower(key);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string SectionName(std::string_view line) {
  std::string name;
  name.reserve(line.size());
  for (char c : line)
    if (c != '[' && c != ']') name += c;
  return name;
}
}  // namespace

void SectionReader::Read(std::string_view text) const {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = TrimView(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      section(SectionName(line));
      continue;
    }
    size_t equals = line.find('=');
    if (equals != std::string_view::npos)
      keyValue(LowerKey(TrimView(line.substr(0, equals))), TrimView(line.substr(equals + 1)));
  }
}
