#include "catalog/game_entries.h"

#include <algorithm>

#include "catalog/section_reader.h"
#include "state/app_state.h"
#include "state/game_data_folder.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/system_info.h"
#include "store/text_util.h"

namespace {
std::string* FieldNamed(GameEntry& entry, std::string_view key) {
  if (key == "title") return &entry.Title;
  if (key == "gname") return &entry.GName;
  if (key == "targetpath") return &entry.TargetPath;
  if (key == "workdir") return &entry.WorkDir;
  if (key == "group") return &entry.Group;
  if (key == "gubn") return &entry.Gubn;
  if (key == "args") return &entry.Args;
  if (key == "icon") return &entry.Icon;
  return nullptr;
}
}  // namespace

std::string GameEntryFile() { return JoinPath(GetGameDataFolder(), "Game.mts"); }

void LoadGameEntries() {
  auto& list = TheApp().GameEntries;
  list.assign(1, GameEntry{});
  auto text = ReadTextFile(GameEntryFile());
  if (!text) return;
  list.reserve(1 + std::count(text->begin(), text->end(), '['));
  // Key lines before the first section land in the unused slot 0.
  SectionReader reader{
      [&](std::string name) { list.emplace_back().Key = std::move(name); },
      [&](std::string_view key, std::string_view value) {
        if (std::string* field = FieldNamed(list.back(), key)) field->assign(value);
      }};
  reader.Read(*text);
}

void WriteGameEntry(const std::string& key, const std::string& title, const std::string& gname,
                    const std::string& targetPath, const std::string& workDir, const std::string& args,
                    const std::string& group, const std::string& gubn, const std::string& icon, bool append) {
  const std::string path = GameEntryFile();
  const std::pair<const char*, const std::string*> fields[] = {
      {"Title", &title}, {"GName", &gname}, {"TargetPath", &targetPath}, {"WorkDir", &workDir},
      {"Args", &args},   {"Group", &group}, {"Gubn", &gubn},             {"Icon", &icon}};
  if (append) {
    std::string text = "[" + key + "]\r\n";
    for (const auto& [name, value] : fields) text += std::string(name) + "=" + *value + "\r\n";
    AppendLines(path, text);
    return;
  }
  if (!FileExists(path)) WriteTextFile(path, "", true, true);
  ClsINI ini(path, key);
  for (const auto& [name, value] : fields) ini.SaveINI(name, *value);
}
