#include <climits>

#include "store/client_settings.h"
#include "store/text_util.h"

namespace {
// The first character of a UTF-8 text; a single space for an empty one.
std::string FirstCharacter(const std::string& value) {
  if (value.empty()) return " ";
  auto lead = static_cast<unsigned char>(value[0]);
  size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return value.substr(0, length);
}

// value is trimmed already.
std::string NormalisedFixed(const std::string& value) {
  if (value.empty()) return "00";
  if (value.size() == 1) return value == "1" ? "11" : "00";
  return value;
}

bool StoreNumber(int& target, const std::string& value) {
  long long number = ParseLeadingNumber(value);
  if (number < INT_MIN || number > INT_MAX) return false;
  target = static_cast<int>(number);
  return true;
}
}  // namespace

std::string ApplySettingLine(ClientSettings& s, std::string_view line) {
  std::vector<std::string> parts = Split(Trim(line), '=');
  if (parts.size() < 2) return {};
  std::string key = ToLowerAscii(Trim(parts[0]));
  std::string value = Trim(parts[1]);

  struct OneCharacter { const char* key; std::string ClientSettings::*field; };
  static const OneCharacter kOneCharacter[] = {
      {"deloption", &ClientSettings::DelOption}, {"deskfix", &ClientSettings::DeskFix},
      {"displayoption", &ClientSettings::DisplayOption}, {"mouse", &ClientSettings::Mouse},
      {"keyboard", &ClientSettings::KeyBoard}, {"wallpaper", &ClientSettings::Wallpaper},
      {"wallloc", &ClientSettings::WallLoc}, {"bgimg", &ClientSettings::BGIMG},
      {"start", &ClientSettings::Start}};
  struct Text { const char* key; std::string ClientSettings::*field; };
  static const Text kText[] = {
      {"display", &ClientSettings::Display}, {"mousespeed", &ClientSettings::MouseSpeed},
      {"keyboarddelay", &ClientSettings::KeyBoardDelay}, {"keyboardspeed", &ClientSettings::KeyBoardSpeed},
      {"mvd", &ClientSettings::MVD}, {"wallpath", &ClientSettings::WallPath},
      {"wallbmp", &ClientSettings::WallBMP}, {"mlogo", &ClientSettings::MLogo}};
  struct Number { const char* key; int ClientSettings::*field; };
  static const Number kNumber[] = {{"fontcolor", &ClientSettings::FontColor},
                                   {"ltype", &ClientSettings::ltype},
                                   {"gameexe", &ClientSettings::gameexe}};

  for (const auto& [name, field] : kOneCharacter)
    if (key == name) return s.*field = FirstCharacter(value), key;
  for (const auto& [name, field] : kText)
    if (key == name) return s.*field = value, key;
  for (const auto& [name, field] : kNumber)
    if (key == name) return StoreNumber(s.*field, value) ? key : std::string();
  if (key == "fixed") return s.Fixed = NormalisedFixed(value), key;
  return {};
}
