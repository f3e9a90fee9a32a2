#pragma once
// The owner's patch groups in Skin\GP_Group.ini.
#include <string>
#include <vector>

#include "patch/group_rules.h"

std::string GroupFile();
std::vector<PatchGroup> LoadGroups();

// A new group after the last one (GP0001 in a new file); its section.
std::string CreateGroup(const std::string& name);
void RenameGroup(const std::string& section, const std::string& name);
// The file without the section, replaced in one step.
void DeleteGroup(const std::string& section);
void SetGroupData(const std::string& section, const std::string& data);
// Data of the group with that name, created when there is none.
void StoreGroupMembers(const std::string& name, const std::string& data);
