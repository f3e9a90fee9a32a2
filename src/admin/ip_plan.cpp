#include "admin/ip_plan.h"

#include <algorithm>
#include <cstdio>

#include "store/ini.h"
#include "store/text_util.h"

namespace {
// A PC number as ip.ini holds it: digits only, small enough for a 16-bit number.
std::optional<int> ParsePcNumber(std::string_view text) {
  std::string trimmed = Trim(text);
  if (trimmed.empty() || trimmed.size() > 5 || trimmed.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  int value = static_cast<int>(ParseLeadingNumber(trimmed));
  return value <= 32767 ? std::optional<int>(value) : std::nullopt;
}

std::optional<IpGroup> ParseGroup(const std::string& key, const std::string& value) {
  std::vector<std::string> rangeAndIp = Split(value, ',');
  if (rangeAndIp.size() != 2) return std::nullopt;
  std::vector<std::string> range = Split(rangeAndIp[0], '-');
  if (range.size() != 2) return std::nullopt;
  auto start = ParsePcNumber(range[0]), end = ParsePcNumber(range[1]);
  std::string ip = Trim(rangeAndIp[1]);
  auto address = ParseIpAddress(ip);
  // A group's addresses all stay within one last part (0 to 255).
  if (!start || !end || *start > *end || !address || (*address)[3] + (*end - *start) > 255) return std::nullopt;
  return IpGroup{key, *start, *end, ip};
}
}  // namespace

std::vector<IpGroup> ReadIpGroups(const std::string& file) {
  ClsINI ini(file, "GROUP");
  std::vector<IpGroup> groups;
  int pcs = 0;
  for (const std::string& key : ini.KeyList().value_or(std::vector<std::string>{})) {
    auto group = ParseGroup(key, RemoveNuls(ini.OpenINI(key)));
    if (!group) continue;
    pcs += group->endPc - group->startPc + 1;
    if (pcs > kMostPlannedPcs) break;
    groups.push_back(*group);
  }
  return groups;
}

std::string GroupValue(const IpGroup& group) {
  return std::to_string(group.startPc) + "-" + std::to_string(group.endPc) + "," + group.startIp;
}

std::optional<std::array<int, 4>> ParseIpAddress(std::string_view text) {
  std::vector<std::string> parts = Split(text, '.');
  if (parts.size() != 4) return std::nullopt;
  std::array<int, 4> address{};
  for (size_t i = 0; i < 4; ++i) {
    std::string part = Trim(parts[i]);
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    address[i] = static_cast<int>(ParseLeadingNumber(part));
    if (address[i] > 255) return std::nullopt;
  }
  return address;
}

std::string GroupAddress(const IpGroup& group, int pc) {
  auto start = ParseIpAddress(group.startIp);
  if (!start) return {};
  return std::to_string((*start)[0]) + "." + std::to_string((*start)[1]) + "." + std::to_string((*start)[2]) + "." +
         std::to_string((*start)[3] + pc - group.startPc);
}

std::string NextGroupKey(const std::vector<IpGroup>& groups) {
  std::string_view lastKey = groups.empty() ? std::string_view() : std::string_view(groups.back().key);
  long long last = lastKey.size() > 2 ? std::clamp(ParseLeadingNumber(lastKey.substr(2)), 0LL, 999998LL) : 0;
  char key[32];
  std::snprintf(key, sizeof(key), "GP%02lld", last + 1);
  return key;
}

bool GroupHoldsPc(const IpGroup& group, int pc) { return pc >= group.startPc && pc <= group.endPc; }

bool GroupHoldsAddress(const IpGroup& group, std::string_view address) {
  auto start = ParseIpAddress(group.startIp), probe = ParseIpAddress(address);
  if (!start || !probe) return false;
  for (size_t i = 0; i < 3; ++i)
    if ((*start)[i] != (*probe)[i]) return false;
  return (*probe)[3] >= (*start)[3] && (*probe)[3] <= (*start)[3] + (group.endPc - group.startPc);
}
