#include "patch/group_rules.h"

#include <cstdio>

#include "catalog/section_reader.h"
#include "store/text_util.h"

std::vector<PatchGroup> ParseGroups(std::string_view text) {
  std::vector<PatchGroup> groups;
  SectionReader reader;
  reader.section = [&](std::string name) { groups.push_back({std::move(name), {}, {}}); };
  reader.keyValue = [&](std::string_view key, std::string_view value) {
    if (groups.empty()) return;
    if (key == "gname") groups.back().Gname = value;
    if (key == "data") groups.back().Data = value;
  };
  reader.Read(text);
  return groups;
}

std::string NextGroupSection(std::string_view lastSection) {
  std::string number = Trim(lastSection);
  if (StartsWith(ToUpperAscii(number), "GP")) number.erase(0, 2);
  long long next = ParseLeadingNumber(number) + 1;
  if (next < 1 || next > 9999999) next = 1;
  char text[16];
  std::snprintf(text, sizeof(text), "GP%04lld", next);
  return text;
}

std::vector<std::string> GroupMembers(std::string_view data) {
  std::vector<std::string> members = Split(data, ',');
  if (!members.empty() && members.back().empty()) members.pop_back();
  return members;
}

bool GroupHasMember(std::string_view data, std::string_view in_name) {
  for (const std::string& member : GroupMembers(data))
    if (EqualsIgnoreCaseAscii(member, in_name)) return true;
  return false;
}

std::string AddGroupMember(std::string data, std::string_view in_name) {
  if (!GroupHasMember(data, in_name)) data.append(in_name).append(",");
  return data;
}

std::string RemoveGroupMember(std::string_view data, std::string_view in_name) {
  std::string kept;
  for (const std::string& member : GroupMembers(data))
    if (!EqualsIgnoreCaseAscii(member, in_name)) kept += member + ",";
  return kept;
}

std::string GroupNameProblem(std::string_view name, const std::vector<PatchGroup>& groups,
                             std::string_view renamedSection) {
  std::string trimmed = Trim(name);
  if (trimmed.empty()) return "그룹명을 입력하세요!!";
  for (const PatchGroup& group : groups)
    if (group.section != renamedSection && EqualsIgnoreCaseAscii(Trim(group.Gname), trimmed))
      return "동일한 그룹명이 존재합니다!!";
  return {};
}
