#include "pack/cafe_description.h"

#include <algorithm>
#include <map>
#include <set>

#include "catalog/section_reader.h"
#include "store/text_util.h"

namespace {
constexpr int kMaxPcNumber = 999;

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDottedQuad(std::string_view text) {
  const std::vector<std::string> parts = Split(text, '.');
  return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](const std::string& part) {
           return IsDigits(part) && part.size() <= 3 && std::stoi(part) <= 255;
         });
}

class DescriptionReader {
 public:
  std::optional<CafeSettings> Read(std::string_view text, std::string& error) {
    SectionReader reader;
    reader.section = [this](std::string name) { Section(std::move(name)); };
    reader.keyValue = [this](std::string_view key, std::string_view value) { KeyValue(key, value); };
    reader.Read(text);
    if (error_.empty()) CheckWhole();
    if (!error_.empty()) {
      error = error_;
      return std::nullopt;
    }
    for (auto& [number, pc] : pcs_) settings_.pcs.push_back(std::move(pc));
    return std::move(settings_);
  }

 private:
  void Fail(std::string why) {
    if (error_.empty()) error_ = std::move(why);
  }

  void Section(std::string name) {
    section_ = ToUpperAscii(Trim(name));
    if (section_ != "DNS" && section_ != "IP") Fail("unknown section [" + name + "]");
  }

  void KeyValue(std::string_view key, std::string_view value) {
    if (key.empty() || key.front() == ';' || key.front() == '#') return;
    if (section_.empty() && key == "password") return Set(settings_.password, key, value);
    if (section_ == "DNS") return Dns(key, value);
    if (section_ == "IP") return Pc(key, value);
    Fail("unknown key \"" + std::string(key) + "\"" + (section_.empty() ? "" : " in [" + section_ + "]"));
  }

  void Set(std::string& field, std::string_view key, std::string_view value) {
    if (!seen_.insert(section_ + "/" + std::string(key)).second)
      return Fail("\"" + std::string(key) + "\" given twice");
    field = value;
  }

  void Dns(std::string_view key, std::string_view value) {
    if (key == "pc") return Set(settings_.prefix, key, value);
    if (key == "sm") return Set(settings_.mask, key, value);
    if (key == "gw") return Set(settings_.gateway, key, value);
    if (key == "dns1") return Set(settings_.dns1, key, value);
    if (key == "dns2") return Set(settings_.dns2, key, value);
    if (key == "cnt") return Set(count_, key, value);
    Fail("unknown key \"" + std::string(key) + "\" in [DNS]");
  }

  void Pc(std::string_view key, std::string_view value) {
    if (!IsDigits(key) || key.size() > 3 || std::stoi(std::string(key)) < 1)
      return Fail("[IP]: \"" + std::string(key) + "\" is not a PC number from 1 to " + std::to_string(kMaxPcNumber));
    const int number = std::stoi(std::string(key));
    const std::string where = "[IP] PC " + std::to_string(number);
    if (pcs_.count(number)) return Fail(where + " given twice");
    const std::vector<std::string> fields = Split(value, ',');
    if (fields.size() > 6) return Fail(where + ": more than an address and five CD keys");
    CafePc pc;
    pc.number = number;
    pc.ip = Trim(fields[0]);
    if (!IsDottedQuad(pc.ip)) return Fail(where + ": \"" + pc.ip + "\" is not an IP address");
    for (size_t i = 1; i < fields.size(); ++i) pc.keys[i - 1] = Trim(fields[i]);
    pcs_[number] = std::move(pc);
  }

  void CheckWhole() {
    if (settings_.password.empty()) return Fail("no password");
    if (settings_.password.find('<') != std::string::npos)
      return Fail("the password may not contain \"<\": the PCs drop it");
    if (settings_.prefix.empty()) return Fail("[DNS]: no computer name prefix (pc)");
    const std::pair<const char*, const std::string*> addresses[] = {
        {"sm", &settings_.mask}, {"gw", &settings_.gateway}, {"dns1", &settings_.dns1}, {"dns2", &settings_.dns2}};
    for (const auto& [key, address] : addresses)
      if (!IsDottedQuad(*address) && !(address == &settings_.dns2 && address->empty()))
        return Fail("[DNS]: " + std::string(key) + " \"" + *address + "\" is not an IP address");
    if (pcs_.empty()) return Fail("[IP]: no PC");
    const int highest = pcs_.rbegin()->first;
    settings_.count = highest;
    if (!count_.empty()) {
      if (!IsDigits(count_) || count_.size() > 3 || std::stoi(count_) < highest)
        return Fail("[DNS]: cnt \"" + count_ + "\" is not a number of at least " + std::to_string(highest));
      settings_.count = std::stoi(count_);
    }
  }

  CafeSettings settings_;
  std::string section_;
  std::string count_;
  std::set<std::string> seen_;
  std::map<int, CafePc> pcs_;
  std::string error_;
};
}  // namespace

std::optional<CafeSettings> ReadCafeDescription(std::string_view text, std::string& error) {
  return DescriptionReader().Read(text, error);
}
