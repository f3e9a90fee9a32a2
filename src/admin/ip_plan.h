#pragma once
// The cafe's IP plan in ip.ini: groups of consecutive PC numbers, each starting at an address whose
// last part counts up with the PC number.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IpGroup {
  std::string key;  // GP01, GP02, ...
  int startPc = 0, endPc = 0;
  std::string startIp;
};

// A cafe's plan holds no more PCs than this; groups beyond are not read.
inline constexpr int kMostPlannedPcs = 9999;

// The groups of the GROUP section in the file's key order; a value that is not
// "<start>-<end>,<start IP>" with numbers and an address is skipped.
std::vector<IpGroup> ReadIpGroups(const std::string& file);
// "<start>-<end>,<start IP>", as the GROUP section holds a group.
std::string GroupValue(const IpGroup& group);

// Four dot-separated parts, each a number from 0 to 255; nothing otherwise.
std::optional<std::array<int, 4>> ParseIpAddress(std::string_view text);
// The address of a PC of the group: the start address with its last part increased by pc - start.
std::string GroupAddress(const IpGroup& group, int pc);
// The key of a new group: GP + the last key's number + 1, at least two digits (GP01 for the first).
std::string NextGroupKey(const std::vector<IpGroup>& groups);

bool GroupHoldsPc(const IpGroup& group, int pc);
bool GroupHoldsAddress(const IpGroup& group, std::string_view address);
