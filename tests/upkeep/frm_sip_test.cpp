#include "upkeep/frm_sip.h"

#include <gtest/gtest.h>

#include "state/app_state.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "ui/modal.h"

namespace {
class FrmSIpTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "10.1.2.3.99");
    TheApp().LoginPurpose = "SE";
    ASSERT_TRUE(dialog.Load());
  }
  void TearDown() override {
    SetModalDriver(nullptr);
    TesselTest::TearDown();
  }
  void Type(int box, const std::string& text) {
    SetWindowTextW(dialog.Box(box), L"");
    for (wchar_t c : Widen(text)) SendMessageW(dialog.Box(box), WM_CHAR, c, 0);
  }
  void Click(const char* name) { SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(dialog.controls().IdOf(name), BN_CLICKED), 0); }
  std::string Stored() { return RegReadString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "none"); }
  FrmSIp dialog;
};
}  // namespace

TEST_F(FrmSIpTest, TheStoredAddressFillsTheBoxesAndResetAsksBeforeClearingIt) {
  EXPECT_EQ(TheApp().LoginPurpose, "");
  EXPECT_EQ(dialog.BoxText(0), "10");
  EXPECT_EQ(dialog.BoxText(3), "3") << "extra parts are ignored";
  boxes.answers = {IDCANCEL};
  Click("Command1");
  EXPECT_EQ(Stored(), "10.1.2.3.99");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OKCANCEL | MB_ICONQUESTION));
  Click("Command1");
  EXPECT_EQ(Stored(), "*");
  EXPECT_EQ(dialog.BoxText(0), "");
  EXPECT_EQ(TheApp().LoginPurpose, "OK");

  FrmSIp reopened;
  reopened.Load();
  EXPECT_EQ(reopened.BoxText(0), "") << "* is no address";
}

TEST_F(FrmSIpTest, TypingMovesOnAndOkChecksEachBoxInOrder) {
  SetFocus(dialog.Box(0));
  Type(0, "192");
  EXPECT_EQ(GetFocus(), dialog.Box(1)) << "a third character moves on";
  Type(1, "16");
  EXPECT_EQ(GetFocus(), dialog.Box(1));
  SendMessageW(dialog.Box(1), EM_SETSEL, 2, 2);
  SendMessageW(dialog.Box(1), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(GetFocus(), dialog.Box(2)) << "so does the right arrow at the end";
  Type(3, "255");
  EXPECT_EQ(dialog.BoxText(3), "255") << "the last box keeps the focus";

  for (const char* second : {" ", "16"}) {
    Type(1, second);
    Type(2, "256");
    Click("cmdGAdd");
  }
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "IP주소가 제대로 입력되지 않았습니다1!") << "the blank second box first";
  EXPECT_EQ(boxes.shown[1].text, "0 ~ 255 사이의 값을 입력하세요!!");
  EXPECT_EQ(GetFocus(), dialog.Box(2));
  EXPECT_EQ(Stored(), "10.1.2.3.99");
  EXPECT_TRUE(dialog.IsLoaded());

  Type(2, "0");
  Click("cmdGAdd");
  EXPECT_EQ(Stored(), "192.16.0.255");
  EXPECT_EQ(TheApp().LoginPurpose, "OK");
  EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(FrmSIpTest, TheModalDialogHoldsItsOwnerUntilItsCloseButtonEndsIt) {
  bool shownOverADisabledOwner = false;
  SetModalDriver([&](Window& form) {
    shownOverADisabledOwner = IsWindowVisible(form.hwnd()) && !IsWindowEnabled(dialog.hwnd());
    auto& shown = static_cast<FrmSIp&>(form);
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(shown.controls().IdOf("CButton1"), BN_CLICKED), 0);
    EXPECT_FALSE(form.IsLoaded());
  });
  ShowFrmSIp(dialog.hwnd());
  EXPECT_TRUE(shownOverADisabledOwner);
  EXPECT_TRUE(IsWindowEnabled(dialog.hwnd())) << "the owner is given back";
}
