#pragma once
// Patch groups (Skin\GP_Group.ini): sections GP0001, GP0002, ... each with a unique display name
// Gname and the member games in Data as "<in_name>,<in_name>,...,". Portable: no windows.h.
#include <string>
#include <string_view>
#include <vector>

struct PatchGroup {
  std::string section, Gname, Data;
};

// The groups in file order.
std::vector<PatchGroup> ParseGroups(std::string_view text);

// The section after the last one: GP + its number + 1 in four digits ("GP0009" gives "GP0010").
std::string NextGroupSection(std::string_view lastSection);

// True when Data lists the game (as "<in_name>," at the start or after a comma; case ignored).
bool GroupHasMember(std::string_view data, std::string_view in_name);
// Data with the game added at the end unless it is there already.
std::string AddGroupMember(std::string data, std::string_view in_name);
// Data with every "<in_name>," entry removed.
std::string RemoveGroupMember(std::string_view data, std::string_view in_name);

// The group's members, in order.
std::vector<std::string> GroupMembers(std::string_view data);

// Why the name cannot be given to a group ("" when it can): empty after trimming, or the name of
// another group than the one being renamed (case ignored).
std::string GroupNameProblem(std::string_view name, const std::vector<PatchGroup>& groups,
                             std::string_view renamedSection = {});
