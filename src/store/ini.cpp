#include "store/ini.h"

#include <windows.h>

#include "store/files.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
constexpr DWORD kValueBufferChars = 1024;

bool IsSectionHeader(const std::string& line) {
  return !line.empty() && line.front() == '[' && line.back() == ']' && line.size() >= 2;
}

// The section's "key=value" lines as the profile functions hold them; nothing when they do not
// fit the buffer whole.
std::optional<std::vector<std::wstring>> SectionLines(const std::string& filename, const std::string& section) {
  std::vector<wchar_t> buffer(32768);
  DWORD count = GetPrivateProfileSectionW(Widen(section).c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                          Widen(filename).c_str());
  if (count >= buffer.size() - 2) return std::nullopt;
  std::vector<std::wstring> lines;
  for (const wchar_t* line = buffer.data(); *line; line += wcslen(line) + 1) lines.emplace_back(line);
  return lines;
}

// The value of the first line whose key is key (compared as the profile functions do, without
// regard to case); nothing when no line has it.
std::optional<std::wstring> ValueOf(const std::vector<std::wstring>& lines, const std::wstring& key) {
  for (const std::wstring& line : lines) {
    size_t equals = line.find(L'=');
    if (equals != std::wstring::npos &&
        CompareStringOrdinal(line.data(), static_cast<int>(equals), key.data(), static_cast<int>(key.size()), TRUE) ==
            CSTR_EQUAL)
      return line.substr(equals + 1);
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> ReadLinesOf(const std::string& filename) {
  if (filename.empty() || !FileExists(filename)) return std::nullopt;
  return ReadTextLines(filename);
}
}  // namespace

std::optional<std::vector<std::string>> ClsINI::SectionList() const {
  auto lines = ReadLinesOf(filename);
  if (!lines) return std::nullopt;
  std::vector<std::string> sections;
  for (const auto& line : *lines)
    if (IsSectionHeader(line)) sections.push_back(line.substr(1, line.size() - 2));
  return sections;
}

std::optional<std::vector<std::string>> ClsINI::KeyList() const {
  auto lines = ReadLinesOf(filename);
  if (!lines) return std::nullopt;
  std::vector<std::string> keys;
  const std::string header = "[" + section + "]";
  size_t i = 0;
  while (i < lines->size() && (*lines)[i] != header) ++i;
  for (++i; i < lines->size() && !IsSectionHeader((*lines)[i]); ++i) {
    const std::string& line = (*lines)[i];
    if (line.empty()) continue;
    std::string key = line.substr(0, line.find('='));
    if (key.empty() || key.front() == '[' || key.back() == ']') continue;
    keys.push_back(key);
  }
  return keys;
}

void ClsINI::DeleteSection(const std::string& name) const {
  if (filename.empty() || !PathExists(filename)) return;
  WritePrivateProfileStringW(Widen(name).c_str(), nullptr, nullptr, Widen(filename).c_str());
}

void ClsINI::DeleteKey(const std::string& key) const {
  if (filename.empty()) return;
  WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), nullptr,
                             Widen(filename).c_str());
}

void ClsINI::SaveINI(const std::string& key, const std::string& value) {
  if (filename.empty()) return;
  if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                  Widen(filename).c_str()))
    return;
  if (DataWritten) DataWritten(filename, section, key, value);
}

void ClsINI::SaveValues(const std::vector<std::pair<std::string, std::string>>& values) {
  if (filename.empty()) return;
  std::optional<std::vector<std::wstring>> lines = SectionLines(filename, section);
  if (lines && lines->empty()) {
    std::wstring block;
    for (const auto& [key, value] : values) block += Widen(key) + L"=" + Widen(value) + L'\0';
    block += L'\0';
    if (!WritePrivateProfileSectionW(Widen(section).c_str(), block.c_str(), Widen(filename).c_str())) return;
    if (DataWritten)
      for (const auto& [key, value] : values) DataWritten(filename, section, key, value);
    return;
  }
  for (const auto& [key, value] : values)
    if (!lines || ValueOf(*lines, Widen(key)) != Widen(value)) SaveINI(key, value);
}

std::string ClsINI::OpenINI(const std::string& key, const std::string& defaultValue) {
  if (filename.empty() || !PathExists(filename)) return {};
  wchar_t buffer[kValueBufferChars] = {};
  DWORD count = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"", buffer,
                                         kValueBufferChars, Widen(filename).c_str());
  std::string value = Narrow(std::wstring_view(buffer, count));
  if (value.empty()) value = defaultValue;
  if (DataRead) DataRead(filename, section, key, value);
  return value;
}
