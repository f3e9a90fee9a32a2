#include "catalog/section_reader.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimView(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsAscii(std::string_view text) {
  unsigned char any = 0;
  for (char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Every stretch between line ends (CR or LF), the empty ones between CR and LF included.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end) {
    const char* stop = at;
    while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
    visit(std::string_view(at, static_cast<size_t>(stop - at)));
    at = stop + 1;
  }
}

std::string WithoutBrackets(std::string_view line) {
  std::string name;
  name.reserve(line.size());
  for (char c : line)
    if (c != '[' && c != ']') name += c;
  return name;
}
}  // namespace

void SectionReader::Read(std::string_view text) const {
  auto readable = [&](std::string_view part, std::string& decoded) {
    if (!decode || IsAscii(part)) return part;
    decoded = decode(part);
    return std::string_view(decoded);
  };
  std::string decoded, lowered;
  char shortKey[32];
  ForEachLine(text, [&](std::string_view line) {
    line = TrimView(line);
    if (line.empty()) return;
    if (line.front() == '[') return section(WithoutBrackets(readable(line, decoded)));
    size_t cut = 0;  // a loop of our own: the library's search is a call per line
    while (cut < line.size() && line[cut] != '=') ++cut;
    if (cut == line.size()) return;
    std::string_view key = TrimView(line.substr(0, cut));
    char* lower = shortKey;
    if (key.size() > sizeof(shortKey)) {
      lowered.resize(key.size());
      lower = lowered.data();
    }
    for (size_t i = 0; i < key.size(); ++i) lower[i] = Lower(key[i]);
    keyValue(std::string_view(lower, key.size()), readable(TrimView(line.substr(cut + 1)), decoded));
  });
}

size_t CountSections(std::string_view text) {
  size_t count = 0;
  ForEachLine(text, [&](std::string_view line) {
    line = TrimView(line);
    count += !line.empty() && line.front() == '[' ? 1 : 0;
  });
  return count;
}
