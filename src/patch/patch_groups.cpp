#include "patch/patch_groups.h"

#include "patch/patch_data.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/ini.h"
#include "store/ini_text.h"
#include "store/text_codec.h"
#include "store/text_util.h"

namespace {
std::optional<std::string> ReadGroupText() { return ReadPatchText(GroupFile()); }

void Write(const std::string& section, const std::string& key, const std::string& value) {
  ClsINI(GroupFile(), section).SaveINI(key, value);
}
}  // namespace

std::string GroupFile() { return JoinPath(JoinPath(TheApp().ProgramFolder, "Skin"), "GP_Group.ini"); }

std::vector<PatchGroup> LoadGroups() { return ParseGroups(ReadGroupText().value_or("")); }

std::string CreateGroup(const std::string& name) {
  std::vector<PatchGroup> groups = LoadGroups();
  if (groups.empty()) {
    WriteTextFile(GroupFile(), "[GP0001]\r\nGname=" + name, true, true);
    return "GP0001";
  }
  std::string section = NextGroupSection(groups.back().section);
  Write(section, "Gname", name);
  return section;
}

void RenameGroup(const std::string& section, const std::string& name) { Write(section, "Gname", name); }

void DeleteGroup(const std::string& section) {
  auto groups = ReadGroupText();
  if (!groups || groups->empty()) return;
  IniText text(*groups);
  text.DeleteSection(section);
  WriteTextFile(GroupFile(), text.Text(), false, false);
}

void SetGroupData(const std::string& section, const std::string& data) { Write(section, "Data", data); }

void StoreGroupMembers(const std::string& name, const std::string& data) {
  std::vector<PatchGroup> groups = LoadGroups();
  for (const PatchGroup& group : groups)
    if (EqualsIgnoreCaseAscii(Trim(group.Gname), name)) return SetGroupData(group.section, data);
  SetGroupData(CreateGroup(name), data);
}
