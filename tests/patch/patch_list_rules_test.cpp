#include <gtest/gtest.h>

#include "patch/descriptor_file.h"
#include "patch/patch_list_rules.h"

namespace {
PatchDescriptor Game(const std::string& body) { return ParseDescriptors("[x]\n" + body).at(1); }
}  // namespace

TEST(PatchList, TabsAndSyncModeChooseTheGames) {
  auto groups = ParseGroups("[GP0001]\nGname=Mine\nData=lin,kart,\n");
  EXPECT_EQ(PatchTabCaptions(groups), (std::vector<std::string>{"전체목록", "비 로그인 게임", "로그인 게임", "Mine"}));
  auto lin = Game("in_name=LIN\np_type=2\nsync=1\n");
  auto mx = Game("in_name=mx\np_type=1\n");
  auto two = Game("in_name=kart\np_type=1\nsync=2\n");
  struct Case {
    size_t tab;
    bool syncMode;
    bool lin, mx, two;
  } cases[] = {
      {0, false, true, true, false}, {0, true, true, false, true},   {1, false, false, true, false},
      {2, false, true, false, false}, {3, false, true, false, false}, {3, true, true, false, true},
  };
  for (const Case& c : cases) {
    PatchTab tab = PatchTabAt(c.tab, groups);
    EXPECT_EQ(IsListed(lin, tab, c.syncMode), c.lin) << c.tab << c.syncMode;
    EXPECT_EQ(IsListed(mx, tab, c.syncMode), c.mx) << c.tab << c.syncMode;
    EXPECT_EQ(IsListed(two, tab, c.syncMode), c.two) << c.tab << c.syncMode;
  }
}

TEST(PatchList, RowsInBothColumnModes) {
  auto lin = Game("name=Lin\nin_name=lin\np_type=3\npath1=C:\\L\npath2=D:\\L\nid=me\n");
  auto row = PatchRowTexts(lin, 7, PatchColumns::Account, 5);
  EXPECT_EQ(row[0], "Lin");
  EXPECT_EQ(row[1], "C:\\L");
  EXPECT_EQ(row[2], "me");
  EXPECT_EQ(row[3], "*****");
  EXPECT_EQ(row[4], "20");
  EXPECT_EQ(row[7], "D:\\L");
  EXPECT_EQ(row[8], "7");
  auto limits = PatchRowTexts(lin, 7, PatchColumns::Limits, 5);
  EXPECT_EQ(limits[2], "0");
  EXPECT_EQ(limits[3], "인기게임");
  EXPECT_EQ(PatchRowTexts(Game("p_type=1\n"), 1, PatchColumns::Account, 0)[2], "비로그인");
}

TEST(PatchList, StartRefusals) {
  auto account = Game("in_name=lin\np_type=2\n");
  auto withId = Game("in_name=mx\np_type=2\nid=me\n");
  auto plain = Game("in_name=kart\np_type=1\n");
  EXPECT_EQ(StartRefusal({}, {}, true), "패치 할 게임이 지정되지 않았습니다!!");
  EXPECT_EQ(StartRefusal({&plain, &withId}, {"MX"}, true), "");
  EXPECT_TRUE(StartRefusal({&plain, &account}, {}, true).starts_with("로그인이 필요한 게임이 선택되었습니다.\n"));
  EXPECT_TRUE(StartRefusal({&withId}, {"mx"}, false).starts_with("서버와 연결이 되어 있지 않습니다!!\n"));
  EXPECT_TRUE(StartRefusal({&account}, {"lin"}, false).starts_with("서버와")) << "a checked game needs the server first";
}

TEST(PatchList, DueGamesAndDayBoxes) {
  std::array<ScheduleDay, 8> schedule{};
  schedule[2] = {"2024-01-08", {"A01", "A07"}};
  schedule[4] = {"2024-01-10", {"", "B03"}};
  schedule[5] = {"", {"C05"}};
  std::array<bool, 8> ticked{};
  ticked[2] = ticked[4] = ticked[5] = true;
  EXPECT_TRUE(IsDue(Game("info=x/y/A07\n"), ticked, schedule));
  EXPECT_FALSE(IsDue(Game("info=x/y/B03\n"), ticked, schedule)) << "a day whose first code is empty";
  EXPECT_FALSE(IsDue(Game("info=x/y/C05\n"), ticked, schedule)) << "a day without a date";
  ticked[2] = false;
  EXPECT_FALSE(IsDue(Game("info=x/y/A07\n"), ticked, schedule));
  EXPECT_EQ(DayBoxCaption(2, schedule[2]), "월요일(2024-01-08)");
  EXPECT_EQ(DayBoxCaption(6, schedule[6]), "금요일");
}

TEST(PatchList, PathReplacement) {
  EXPECT_EQ(ReplaceRefusal("", "x"), "찾을 내용을 입력하세요!!");
  EXPECT_EQ(ReplaceRefusal("C:", ""), "바꿀 내용을 입력하세요!!");
  EXPECT_EQ(ReplaceRefusal("C:", "C:"), "찾을 내용과 바꿀 내용이 동일합니다!!\n다시 입력하세요!!");
  EXPECT_EQ(ReplaceInPath("c:\\Games\\C:x", "C:", "D:"), "D:\\Games\\D:x");
}

TEST(PatchList, TheWaitForTheAgentsArchiveGivesUpAtTheFourthTick) {
  int count = 1;
  EXPECT_EQ(DescriptorWaitTick(count, 0, true), DescriptorWait::KeepWaiting);
  EXPECT_EQ(DescriptorWaitTick(count, 0, true), DescriptorWait::KeepWaiting);
  EXPECT_EQ(DescriptorWaitTick(count, 2, true), DescriptorWait::Load);
  EXPECT_EQ(DescriptorWaitTick(count, 0, true), DescriptorWait::KeepWaiting);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(DescriptorWaitTick(count, 0, false), DescriptorWait::Missing);
  EXPECT_EQ(DescriptorWaitTick(count, 0, true), DescriptorWait::Load);
}
