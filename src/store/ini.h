#pragma once
// One INI-style file: values through the system's profile functions (other programs share these
// files), section and key lists read from the file itself. Nothing here throws.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ClsINI {
 public:
  using DataEvent = std::function<void(const std::string& filename, const std::string& section,
                                       const std::string& key, const std::string& value)>;

  std::string filename;
  std::string section;
  DataEvent DataWritten;  // after every successful SaveINI
  DataEvent DataRead;     // after every OpenINI that found the file

  ClsINI() = default;
  explicit ClsINI(std::string file, std::string sectionName = {})
      : filename(std::move(file)), section(std::move(sectionName)) {}

  // Nothing when filename is empty or the file is missing; duplicates kept, no trimming.
  std::optional<std::vector<std::string>> SectionList() const;
  // Keys of the first occurrence of the current section (exact, case-sensitive header match).
  std::optional<std::vector<std::string>> KeyList() const;

  void DeleteSection(const std::string& name) const;
  void DeleteKey(const std::string& key) const;
  void SaveINI(const std::string& key, const std::string& value);
  // SaveINI for each key whose value differs from the one the section holds; a section that is
  // new (or empty) gets all of them in one write. The file is rewritten at most once a key, and
  // not at all when nothing changed.
  void SaveValues(const std::vector<std::pair<std::string, std::string>>& values);
  // "" when the file is missing (even with a default); the default for a missing or empty value.
  std::string OpenINI(const std::string& key, const std::string& defaultValue = {});
};
