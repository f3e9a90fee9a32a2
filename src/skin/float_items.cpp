#include "skin/float_items.h"

#include <algorithm>

#include "state/app_state.h"
#include "store/files.h"
#include "store/registry.h"
#include "store/text_util.h"

namespace {
constexpr size_t kMostCategories = 7;

FloatItem LinkItem(const ButtonLink& link) { return {link.title, link.image, true, link.url}; }
}  // namespace

std::vector<ButtonLink> ParseButtonLinks(const std::vector<std::string>& lines) {
  std::vector<ButtonLink> links;
  for (const std::string& raw : lines) {
    std::string line = Trim(raw);
    if (line.empty()) continue;
    if (line[0] == '[') {
      links.emplace_back();
      continue;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos || links.empty()) continue;
    std::string key = ToLowerAscii(Trim(line.substr(0, equals)));
    std::string value = Trim(line.substr(equals + 1));
    if (key == "title") links.back().title = value;
    if (key == "image") links.back().image = value;
    if (key == "url") links.back().url = value;
  }
  return links;
}

std::vector<ButtonLink> ReadButtonLinks() {
  auto lines = ReadTextLines(JoinPath(TheApp().ProgramFolder, "Skin\\Button.ini"));
  return lines ? ParseButtonLinks(*lines) : std::vector<ButtonLink>{};
}

std::vector<FloatItem> BuildFloatItems(const std::vector<Category>& categories, const std::vector<ButtonLink>& links,
                                       int buttonCount) {
  std::vector<FloatItem> items{links.empty() ? FloatItem{} : LinkItem(links[0])};
  size_t limit = std::min(kMostCategories, static_cast<size_t>(std::max(buttonCount, 0)));
  size_t appended = 0;
  for (size_t i = 1; i < categories.size() && appended < limit; ++i) {
    const Category& category = categories[i];
    if (category.State != "1") continue;
    items.push_back({category.Name, Trim(category.Code), false, category.Tag});
    ++appended;
  }
  for (size_t i = 1; i < links.size(); ++i) items.push_back(LinkItem(links[i]));
  return items;
}

int ReadFloatButtonCount() {
  DWORD count = RegReadDword(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt", 0);
  // Tools that keep their numbers as text are read the same way.
  if (count == 0) count = static_cast<DWORD>(std::clamp<long long>(
                      ParseLeadingNumber(RegReadString(HKEY_CURRENT_USER, kTesselKey, "mBtnCnt")), 0, 1000));
  return count < 5 ? 7 : static_cast<int>(std::min<DWORD>(count, 1000));
}
