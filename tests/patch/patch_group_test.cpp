#include <windows.h>

#include <gtest/gtest.h>

#include "patch/frm_patch_group.h"
#include "patch/patch_groups.h"
#include "store/files.h"
#include "support/test_env.h"

namespace {
class PatchGroupTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin"));
    WriteTextFile(Path("Skin\\GP_Group.ini"), "[GP0008]\r\nGname=ABC\r\nData=a,\r\n[GP0009]\r\nGname=Two\r\n", false,
                  false);
    ASSERT_TRUE(editor.Load());
  }
  void TearDown() override {
    editor.Unload();
    TesselTest::TearDown();
  }
  FrmPatchGroup editor;
};
}  // namespace

TEST_F(PatchGroupTest, NewGroupsAreNumberedOnAndNamesStayUnique) {
  ASSERT_EQ(editor.List().Count(), 2);
  editor.SetName("  ");
  editor.cmdOK_Click();
  editor.SetName("abc");
  editor.cmdOK_Click();
  editor.SetName(" 새 그룹 ");
  editor.cmdOK_Click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "그룹명을 입력하세요!!");
  EXPECT_EQ(boxes.shown[1].text, "동일한 그룹명이 존재합니다!!");
  auto groups = LoadGroups();
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[2].section, "GP0010");
  EXPECT_EQ(groups[2].Gname, "새 그룹");
  EXPECT_EQ(editor.List().Count(), 3);
}

TEST_F(PatchGroupTest, AClickedGroupIsRenamedOrDeletedAfterAsking) {
  editor.SelectGroup(0);
  editor.SetName("abc");  // its own name in another case
  editor.cmdOK_Click();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(LoadGroups()[0].Gname, "abc");
  EXPECT_EQ(LoadGroups()[0].Data, "a,");

  editor.List().SelectRow(1);
  boxes.answers = {IDCANCEL, IDOK};
  editor.cmdDel_Click();
  EXPECT_EQ(LoadGroups().size(), 2u) << "cancelled";
  editor.cmdDel_Click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, "Two를 삭제 하겠습니까?");
  EXPECT_EQ(boxes.shown[1].flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(LoadGroups().size(), 1u);
  EXPECT_EQ(editor.List().Count(), 1);
}
