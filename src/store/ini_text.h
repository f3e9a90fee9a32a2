#pragma once
// INI text edited in memory with the profile functions' rules (sections and keys matched without
// regard to case, a new key added at the end of its section, a new section at the end), so that
// a file can be rebuilt aside and replaced in one step. Portable: no windows.h.
#include <string>
#include <string_view>
#include <vector>

class IniText {
 public:
  explicit IniText(std::string_view text);

  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  void DeleteSection(std::string_view section);
  // The lines joined with CR LF, each line ended.
  std::string Text() const;

 private:
  // The index of the section's header line, or lines_.size().
  size_t FindSection(std::string_view section) const;
  size_t SectionEnd(size_t header) const;

  std::vector<std::string> lines_;
};
