#include "admin/settings_info.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "store/cipher.h"
#include "store/files.h"
#include "store/text_util.h"

namespace {
enum class Section { None, Dns, Ip };

Section SectionOf(const std::string& line) {
  std::string name = ToUpperAscii(Trim(line.substr(1, line.find(']') - 1)));
  return name == "DNS" ? Section::Dns : name == "IP" ? Section::Ip : Section::None;
}

void ReadDnsLine(SettingsInfo& info, const std::string& key, const std::string& value) {
  if (key == "cnt")
    info.count = static_cast<int>(std::clamp<long long>(ParseLeadingNumber(value), 0, kMostSettingsPcs));
  if (key == "pc") info.prefix = value;
  if (key == "sm") info.mask = value;
  if (key == "gw") info.gateway = value;
  if (key == "dns1") info.dns1 = value;
  if (key == "dns2") info.dns2 = value;
}

void ReadIpLine(SettingsInfo& info, const std::string& key, const std::string& value) {
  if (info.count <= 0 || key.empty() || key.size() > 5 || key.find_first_not_of("0123456789") != std::string::npos)
    return;
  int pc = static_cast<int>(ParseLeadingNumber(key));
  if (pc > info.count) return;
  std::vector<std::string> fields = Split(value, ',');
  PcSettings& record = info.pcs[pc];
  record.ip = Trim(fields[0]);
  for (size_t i = 0; i < record.keys.size() && i + 1 < fields.size(); ++i)
    record.keys[i] = DecipherText(Trim(fields[i + 1]));
}
}  // namespace

std::optional<SettingsInfo> ReadSettingsInfo(const std::string& path) {
  auto lines = ReadTextLines(path);
  RemoveFile(path);  // the plain file lives only between the unpacking and this read
  if (!lines) return std::nullopt;
  SettingsInfo info;
  Section section = Section::None;
  bool first = true;
  for (const std::string& raw : *lines) {
    std::string line = Trim(raw);
    if (line.empty()) continue;
    if (std::exchange(first, false)) {
      std::string text = DecipherText(line);
      if (StartsWith(text, "<")) {
        std::erase(text, '<');
        info.password = text;
      }
      continue;
    }
    if (line[0] == '[') {
      section = SectionOf(line);
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string key = ToLowerAscii(Trim(line.substr(0, equals))), value = Trim(line.substr(equals + 1));
    if (section == Section::Dns) ReadDnsLine(info, key, value);
    if (section == Section::Ip) ReadIpLine(info, key, value);
  }
  return info;
}
