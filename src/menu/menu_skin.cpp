#include "menu/menu_skin.h"

#include <algorithm>

#include "store/ini.h"
#include "store/text_util.h"

namespace {
int Component(std::string_view text) {
  return static_cast<int>(std::clamp<long long>(ParseLeadingNumber(text), 0, 255));
}
}  // namespace

SkinColors ReadSkinColors() {
  ClsINI colors(SkinFile("Color.ini"), "CONFIG");
  auto read = [&](const char* key) { return Component(Trim(RemoveNuls(colors.OpenINI(key)))); };
  SkinColors result;
  result.list = RGB(read("R"), read("G"), read("B"));
  result.banner = RGB(read("BR"), read("BG"), read("BB"));
  return result;
}

COLORREF ReadableTextOn(COLORREF background) {
  bool dark = GetRValue(background) * 3 + GetGValue(background) * 6 + GetBValue(background) < 1280;
  return dark ? RGB(232, 237, 245) : RGB(0, 0, 0);
}

std::optional<COLORREF> ParseColorTriple(const std::string& text) {
  std::vector<std::string> parts = Split(text, ',');
  if (parts.size() != 3) return std::nullopt;
  for (const auto& part : parts)
    if (Trim(part).empty() || !std::isdigit(static_cast<unsigned char>(Trim(part)[0]))) return std::nullopt;
  return RGB(Component(Trim(parts[0])), Component(Trim(parts[1])), Component(Trim(parts[2])));
}
