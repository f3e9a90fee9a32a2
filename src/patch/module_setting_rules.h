#pragma once
// The owner's module settings (Skin\GP_Mod.ini) and how they are laid over a descriptor record.
// Portable: no windows.h.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "state/patch_records.h"

// More sections than any owner keeps; later ones are ignored.
inline constexpr size_t kMaxModuleSettings = 20000;

// Slot 0 holds key lines before the first section and never matches a game.
std::vector<ModuleSetting> ParseModuleSettings(std::string_view text);

// The first setting per game, by lower-cased section name.
class ModuleSettingIndex {
 public:
  explicit ModuleSettingIndex(const std::vector<ModuleSetting>& settings);
  const ModuleSetting* Find(std::string_view in_name) const;

 private:
  const std::vector<ModuleSetting>& settings_;
  std::unordered_map<std::string, size_t> first_;
};

// Lays the owner's setting over the record: the account for account games, paths unless the
// game's path is automatic, the category when both parts are given, limit and timer.
void LayModuleSetting(PatchDescriptor& record, const ModuleSetting* setting);

// The owner set no path: empty or the automatic word.
bool IsUnsetPath(std::string_view path);
