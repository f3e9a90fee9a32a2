#include <gtest/gtest.h>

#include "patch/descriptor_file.h"
#include "patch/group_rules.h"
#include "patch/sync_rules.h"
#include "store/ini_text.h"

TEST(Groups, SectionsNumberOnFromTheLast) {
  EXPECT_EQ(NextGroupSection("GP0009"), "GP0010");
  EXPECT_EQ(NextGroupSection("GP0001"), "GP0002");
  EXPECT_EQ(NextGroupSection("gp9999"), "GP10000");
  EXPECT_EQ(NextGroupSection("odd"), "GP0001");
}

TEST(Groups, MembersAreWholeNamesWithoutRegardToCase) {
  EXPECT_EQ(RemoveGroupMember("a,b,c,", "b"), "a,c,");
  EXPECT_EQ(RemoveGroupMember("ab,b,", "B"), "ab,") << "a longer name containing the game stays";
  EXPECT_EQ(AddGroupMember("a,", "A"), "a,");
  EXPECT_EQ(AddGroupMember("", "mx"), "mx,");
  EXPECT_EQ(AddGroupMember("a,", "ab"), "a,ab,");
  EXPECT_TRUE(GroupHasMember("x,Lin,", "lin"));
  EXPECT_FALSE(GroupHasMember("xlin,", "lin"));
}

TEST(Groups, NamesAreUniqueWithoutRegardToCase) {
  auto groups = ParseGroups("[GP0001]\nGname=ABC\nData=a,\n[GP0002]\ngname=설치된 게임목록\n");
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].Data, "a,");
  EXPECT_EQ(GroupNameProblem("abc", groups), "동일한 그룹명이 존재합니다!!");
  EXPECT_EQ(GroupNameProblem(" abc ", groups, "GP0001"), "") << "renaming a group to its own name";
  EXPECT_EQ(GroupNameProblem("  ", groups), "그룹명을 입력하세요!!");
  EXPECT_EQ(GroupNameProblem("new", groups), "");
}

TEST(Sync, ServerListAndJobLines) {
  EXPECT_EQ(SyncServerItems("3-PC3,12-x,nodash,7-a-b"),
            (std::vector<std::string>{"Sync서버", "03", "12", "07"}));
  EXPECT_EQ(SyncServerItems(""), (std::vector<std::string>{"Sync서버"}));
  EXPECT_EQ(CsyncHeader("03", 0), "[03*0]");
  EXPECT_EQ(CsyncHeader("03", 1), "[03*2]");
  EXPECT_EQ(CsyncHeader("03", 2), "[03*1]");

  auto game = ParseDescriptors(
                  "[g]\nin_name=lin\nname=리니지\npath1=REG/HKLM/lin\nsync_reg1=R1\nsync_reg2=F2\nsync_icon=lin.ico\n"
                  "sync_ver=3\ng_module=lin.exe\nbasefolder=Lineage\n")
                  .at(1);
  game.path2 = "P2";
  EXPECT_EQ(CsyncLine(game), "lin^REG/HKLM/lin^R1^F2^리니지^lin.ico|Best^3^0^P2^lin.exe^Lineage#");
  game.ownerPathFlag = '1';
  game.path1 = "D:\\Lin";
  EXPECT_EQ(CsyncLine(game).substr(0, 11), "lin^D:\\Lin^");
}

TEST(IniText, EditsAsTheProfileFunctionsDo) {
  IniText text("[A]\r\nx=1\r\n\r\n[b]\r\nKey=old\r\n");
  text.SetValue("a", "y", "2");
  text.SetValue("B", "key", "new");
  text.SetValue("C", "z", "3");
  EXPECT_EQ(text.Text(), "[A]\r\nx=1\r\ny=2\r\n\r\n[b]\r\nkey=new\r\n[C]\r\nz=3\r\n");
  text.DeleteSection("b");
  EXPECT_EQ(text.Text(), "[A]\r\nx=1\r\ny=2\r\n\r\n[C]\r\nz=3\r\n");
  IniText empty("");
  empty.SetValue("s", "k", "v");
  EXPECT_EQ(empty.Text(), "[s]\r\nk=v\r\n");
}
