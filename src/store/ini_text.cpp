#include "store/ini_text.h"

#include "store/text_util.h"

namespace {
bool IsHeader(std::string_view line) { return StartsWith(Trim(line), "["); }

std::string HeaderName(std::string_view line) {
  std::string trimmed = Trim(line);
  size_t close = trimmed.find(']');
  return Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

std::string KeyOf(std::string_view line) {
  size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : Trim(line.substr(0, equals));
}
}  // namespace

IniText::IniText(std::string_view text) : lines_(SplitLines(text)) {}

size_t IniText::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (IsHeader(lines_[i]) && EqualsIgnoreCaseAscii(HeaderName(lines_[i]), Trim(section))) return i;
  return lines_.size();
}

size_t IniText::SectionEnd(size_t header) const {
  size_t end = header + 1;
  while (end < lines_.size() && !IsHeader(lines_[end])) ++end;
  return end;
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  size_t header = FindSection(section);
  if (header == lines_.size()) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(line);
    return;
  }
  size_t end = SectionEnd(header);
  for (size_t i = header + 1; i < end; ++i)
    if (EqualsIgnoreCaseAscii(KeyOf(lines_[i]), Trim(key))) {
      lines_[i] = line;
      return;
    }
  // After the section's last non-empty line, as the profile functions place it.
  size_t at = end;
  while (at > header + 1 && Trim(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void IniText::DeleteSection(std::string_view section) {
  size_t header = FindSection(section);
  if (header == lines_.size()) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
               lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
}

std::string IniText::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}
