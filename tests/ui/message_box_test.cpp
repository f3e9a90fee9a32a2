#include "ui/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_env.h"

using MessageBoxTest = TesselTest;

TEST_F(MessageBoxTest, WarningsAndConfirmationsCarryTheProgramCaptionAndIcons) {
  boxes.answers = {IDOK, IDCANCEL, IDOK};
  ShowWarning("IP 주소를 확인하세요");
  EXPECT_FALSE(Confirm("삭제하시겠습니까?"));
  EXPECT_TRUE(Confirm("삭제하시겠습니까?", "확인"));

  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].caption, "Tessel");
  EXPECT_EQ(boxes.shown[0].text, "IP 주소를 확인하세요");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(boxes.shown[1].flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(boxes.shown[2].caption, "확인");
}
