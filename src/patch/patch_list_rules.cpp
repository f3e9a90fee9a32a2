#include "patch/patch_list_rules.h"

#include "store/text_util.h"

std::vector<std::string> PatchTabCaptions(const std::vector<PatchGroup>& groups) {
  std::vector<std::string> captions{"전체목록", "비 로그인 게임", "로그인 게임"};
  for (const PatchGroup& group : groups) captions.push_back(group.Gname);
  return captions;
}

PatchTab PatchTabAt(size_t index, const std::vector<PatchGroup>& groups) {
  if (index == 1) return {PatchTab::Kind::Normal, {}};
  if (index == 2) return {PatchTab::Kind::Login, {}};
  if (index >= 3 && index - 3 < groups.size()) return {PatchTab::Kind::Group, groups[index - 3].Data};
  return {};
}

bool IsListed(const PatchDescriptor& game, const PatchTab& tab, bool syncMode) {
  long long sync = ParseLeadingNumber(game.sync);
  if (!syncMode && sync == 2) return false;
  if (syncMode && sync == 0) return false;
  switch (tab.kind) {
    case PatchTab::Kind::Normal: return game.accountFlag == '0';
    case PatchTab::Kind::Login: return game.accountFlag == '1';
    case PatchTab::Kind::Group: return GroupHasMember(tab.groupData, game.in_name);
    default: return true;
  }
}

std::array<std::string, kPatchListColumns> PatchRowTexts(const PatchDescriptor& game, size_t index,
                                                          PatchColumns columns, size_t passwordLength) {
  std::array<std::string, kPatchListColumns> texts;
  texts[0] = game.name;
  texts[1] = game.path1;
  if (columns == PatchColumns::Limits) {
    texts[2] = game.lsize;
    texts[3] = game.cname;
  } else if (game.accountFlag == '1') {
    texts[2] = game.id;
    texts[3] = std::string(passwordLength, '*');
  } else {
    texts[2] = "비로그인";
  }
  texts[4] = game.timer;
  texts[7] = game.path2;
  texts[8] = std::to_string(index);
  return texts;
}

std::array<std::string, 4> PatchColumnHeaders(PatchColumns columns) {
  if (columns == PatchColumns::Limits) return {"게임명", "설치경로", "제한시간", "카테고리"};
  return {"게임명", "설치경로", "ID", "비밀번호"};
}

std::string StartRefusal(const std::vector<const PatchDescriptor*>& ticked,
                         const std::vector<std::string>& serverCheckedGames, bool connected) {
  if (ticked.empty()) return "패치 할 게임이 지정되지 않았습니다!!";
  bool needsId = false, needsServer = false;
  for (const PatchDescriptor* game : ticked) {
    if (game->accountFlag != '1') continue;
    bool checked = false;
    for (const std::string& name : serverCheckedGames) checked |= EqualsIgnoreCaseAscii(name, game->in_name);
    if (checked && !connected)
      needsServer = true;
    else if (game->id.empty())
      needsId = true;
  }
  if (needsId)
    return "로그인이 필요한 게임이 선택되었습니다.\nID와 비밀번호를 입력이 되어있지 않은 게임이 있습니다!!\n"
           "ID와 비밀번호를 입력하세요!!";
  if (needsServer)
    return "서버와 연결이 되어 있지 않습니다!!\n로그인 게임중 ID중복이 체크가 되는 게임은 서버와 연결이 되어야 "
           "가능합니다.";
  return {};
}

bool IsDue(const PatchDescriptor& game, const std::array<bool, 8>& tickedDays,
           const std::array<ScheduleDay, 8>& schedule) {
  for (int day = 2; day <= 6; ++day) {
    const ScheduleDay& entry = schedule[static_cast<size_t>(day)];
    if (!tickedDays[static_cast<size_t>(day)] || entry.date.empty() || entry.codes.empty() || entry.codes[0].empty())
      continue;
    for (const std::string& code : entry.codes)
      if (code == game.GCode) return true;
  }
  return false;
}

std::string DayBoxCaption(int weekday, const ScheduleDay& day) {
  static const char* names[] = {"월요일", "화요일", "수요일", "목요일", "금요일"};
  std::string caption = weekday >= 2 && weekday <= 6 ? names[weekday - 2] : "";
  return day.date.empty() ? caption : caption + "(" + day.date + ")";
}

std::string ReplaceRefusal(std::string_view search, std::string_view replacement) {
  if (search.empty()) return "찾을 내용을 입력하세요!!";
  if (replacement.empty()) return "바꿀 내용을 입력하세요!!";
  if (search == replacement) return "찾을 내용과 바꿀 내용이 동일합니다!!\n다시 입력하세요!!";
  return {};
}

std::string ReplaceInPath(std::string_view path, std::string_view search, std::string_view replacement) {
  if (search.empty()) return std::string(path);
  std::string lowerPath = ToLowerAscii(path), lowerSearch = ToLowerAscii(search), result;
  size_t from = 0;
  for (size_t at; (at = lowerPath.find(lowerSearch, from)) != std::string::npos; from = at + search.size())
    result.append(path.substr(from, at - from)).append(replacement);
  return result.append(path.substr(from));
}

DescriptorWait DescriptorWaitTick(int& count, unsigned gpd, bool archiveExists) {
  if (count >= 4) return archiveExists ? DescriptorWait::Load : DescriptorWait::Missing;
  if (gpd >= 1) return DescriptorWait::Load;
  ++count;
  return DescriptorWait::KeepWaiting;
}
