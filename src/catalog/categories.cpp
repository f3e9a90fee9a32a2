#include "catalog/categories.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "catalog/fixed_width.h"
#include "catalog/section_reader.h"
#include "state/app_state.h"
#include "store/files.h"
#include "store/path_names.h"
#include "store/text_util.h"
#include "ui/message_box.h"

namespace {
struct DefaultCategory {
  const char* name;
  const char* code;
  const char* tag;
  const char* rank;
  const char* state;
};

constexpr DefaultCategory kDefaults[] = {
    {"인기게임", "BG", "Best", "01", "1"},      {"온라인게임", "OG", "Online", "02", "1"},
    {"액션/FPS", "AF", "Action", "03", "1"},    {"CD게임", "CD", "CD", "04", "1"},
    {"스포츠/레이싱", "SR", "Sport", "05", "1"}, {"포커/고스톱", "PG", "Board", "06", "1"},
    {"메신저", "ME", "Messenger", "07", "1"},   {"문서/유틸", "DM", "Etc", "08", "1"},
    {"기타", "ET", "EtcGame", "99", "0"},       {"보드/캐쥬얼", "BC", "Casual", "99", "0"},
    {"플래시게임", "FG", "Flash", "99", "0"},   {"MMORPG", "MR", "Mmorpg", "99", "0"},
    {"FPS", "FP", "Fps", "99", "0"},            {"영화/음악", "MM", "Movie", "99", "0"},
    {"인터넷게임", "IG", "Internet", "99", "0"}, {"오락실 게임", "AC", "Acade", "99", "0"},
    {"영화", "M2", "Movie2", "99", "0"},        {"게임 실행기", "GE", "Exe", "99", "0"},
    {"TV시청", "TV", "TV", "99", "0"},          {"멀티미디어", "MU", "Multi", "99", "0"},
};

// Sections older files lack, appended in this order; each group is keyed by its first name.
constexpr DefaultCategory kArcadeGroup[] = {kDefaults[15], kDefaults[16], kDefaults[17]};
constexpr DefaultCategory kTvGroup[] = {kDefaults[18]};
constexpr DefaultCategory kMultimediaGroup[] = {kDefaults[19]};

Category Record(const std::string& name, const std::string& code, const std::string& tag,
                const std::string& rank, const std::string& state) {
  return {name, FixedWidth(code, 2), tag, FixedWidth(rank, 2), FixedWidth(state, 1)};
}

// One section as the program writes it; spaced is the settings window's "Code = BG" style.
std::string SectionText(const std::string& name, const std::string& code, const std::string& tag,
                        const std::string& rank, const std::string& state, bool spaced) {
  const char* equals = spaced ? " = " : "=";
  return "[" + name + "]\r\nCode" + equals + code + "\r\nTag" + equals + tag + "\r\nRank" + equals + rank +
         "\r\nState" + equals + state + "\r\n";
}

std::string UnusedSection(const DefaultCategory& row) {
  return SectionText(row.name, row.code, row.tag, "99", "0", false) + "\r\n";
}

// The value ends at a second "=": "Tag=A=B" gives "A".
void ApplyKey(Category& record, std::string_view key, std::string_view value) {
  value = value.substr(0, value.find('='));
  std::string trimmed = Trim(value);
  if (key == "tag") record.Tag = trimmed;
  else if (key == "code") record.Code = FixedWidth(trimmed, 2);
  else if (key == "rank") record.Rank = FixedWidth(trimmed, 2);
  else if (key == "state") record.State = FixedWidth(trimmed, 1);
}

template <size_t N>
void AppendGroup(const std::string& path, const DefaultCategory (&group)[N]) {
  std::string text;
  for (const auto& row : group) {
    text += UnusedSection(row);
    TheApp().Categories.push_back(Record(row.name, row.code, row.tag, "99", "0"));
  }
  AppendLines(path, text);
}
}  // namespace

std::string CategoryFile() { return JoinPath(TheApp().ProgramFolder, "Skin\\Vdcate.ini"); }

void LoadCategories() {
  auto& list = TheApp().Categories;
  list.assign(1, Category{});
  const std::string path = CategoryFile();
  if (!FileExists(path)) WriteDefaultCategories();

  auto text = ReadTextFile(path);
  if (!text) return;
  bool hasArcade = false, hasTv = false, hasMultimedia = false;
  SectionReader reader{
      [&](std::string name) {
        std::string_view named = name;
        hasArcade |= named == kArcadeGroup[0].name;
        hasTv |= named == kTvGroup[0].name;
        hasMultimedia |= named == kMultimediaGroup[0].name;
        list.emplace_back().Name = std::move(name);
      },
      [&](std::string_view key, std::string_view value) { ApplyKey(list.back(), key, value); }};
  reader.Read(*text);
  // The tag names the category's folder under the program folder: a category whose tag would lead
  // elsewhere is left out (slot 0 only holds stray lines).
  auto unsafe = [](const Category& record) { return !IsSafePathElement(record.Tag); };
  list.erase(std::remove_if(list.begin() + 1, list.end(), unsafe), list.end());

  if (!hasArcade) AppendGroup(path, kArcadeGroup);
  if (!hasTv) AppendGroup(path, kTvGroup);
  if (!hasMultimedia) AppendGroup(path, kMultimediaGroup);
}

void WriteDefaultCategories() {
  std::string text;
  for (const auto& row : kDefaults)
    text += SectionText(row.name, row.code, row.tag, row.rank, row.state, false) + "\r\n";
  const std::string path = CategoryFile();
  CreateFolders(JoinPath(TheApp().ProgramFolder, "Skin"));
  WriteTextFile(path, text, false, false);
}

bool SaveCategoryOrder(const std::vector<std::string>& used, const std::vector<std::string>& unused) {
  if (used.size() < 3) {
    ShowWarning("게임분류는 3개 이상 하셔야 합니다!!");
    return false;
  }
  if (ShowMessageBox("게임분류를 변경 변경 하시겠습니까?", MB_YESNO | MB_ICONQUESTION) != IDYES) return false;

  const auto& list = TheApp().Categories;
  std::string text;
  for (size_t i = 0; i < used.size(); ++i) {
    char rank[16];
    std::snprintf(rank, sizeof(rank), "%02zu", i + 1);
    for (size_t r = 1; r < list.size(); ++r)
      if (list[r].Name == used[i]) text += SectionText(list[r].Name, list[r].Code, list[r].Tag, rank, "1", true);
    text += "\r\n";
  }
  for (const auto& name : unused) {
    for (size_t r = 1; r < list.size(); ++r)
      if (list[r].Name == name) text += SectionText(list[r].Name, list[r].Code, list[r].Tag, "99", "0", true);
    text += "\r\n";
  }
  // Written beside the old file and moved over it: a power cut leaves one of the two whole.
  if (!WriteTextFile(CategoryFile(), text, false, false)) return false;
  LoadCategories();
  ShowMessageBox("게임분류 변경을 성공하였습니다.", MB_ICONINFORMATION);
  return true;
}
