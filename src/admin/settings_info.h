#pragma once
// The client settings file's content, Skin\htm\info.ini as the settings archive Tessel.Pwk
// unpacks it: the file's password, the cafe's network values and one record per PC with its
// address and five CD keys. The password and the keys are enciphered in the file.
#include <array>
#include <map>
#include <optional>
#include <string>

struct PcSettings {
  std::string ip;
  std::array<std::string, 5> keys;  // deciphered, in the order of the key kinds
};

struct SettingsInfo {
  std::string password;
  int count = 0;  // cnt: PC numbers run from 1 to count
  std::string prefix, mask, gateway, dns1, dns2;
  std::map<int, PcSettings> pcs;  // by PC number, 0 to count
};

inline constexpr int kMostSettingsPcs = 9999;

// Reads the file and deletes it; nothing when it cannot be read.
std::optional<SettingsInfo> ReadSettingsInfo(const std::string& path);
