#include "upkeep/frm_sip.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "ui/modal.h"

namespace {
class FrmSIpTest : public TesselTest {
 protected:
  void TearDown() override {
    SetModalDriver(nullptr);
    TesselTest::TearDown();
  }
  void Type(HWND box, const std::string& text) {
    SetWindowTextW(box, L"");
    for (wchar_t c : Widen(text)) SendMessageW(box, WM_CHAR, c, 0);
  }
  void Click(FrmSIp& dialog, int id) {
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog.hwnd(), id)));
  }
  void Fill(FrmSIp& dialog, std::initializer_list<const char*> texts) {
    int i = 0;
    for (const char* text : texts) SetWindowTextW(dialog.Box(i++), Widen(text).c_str());
  }
  std::string Stored() { return RegReadString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "none"); }
};
}  // namespace

TEST_F(FrmSIpTest, TheStoredAddressFillsTheBoxes) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "10.1.2.3.99");
  TheApp().LoginPurpose = "SE";
  FrmSIp dialog;
  ASSERT_TRUE(dialog.Load());
  EXPECT_EQ(TheApp().LoginPurpose, "");
  EXPECT_EQ(dialog.BoxText(0), "10");
  EXPECT_EQ(dialog.BoxText(3), "3") << "extra parts are ignored";

  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "*");
  FrmSIp unset;
  unset.Load();
  EXPECT_EQ(unset.BoxText(0), "");
}

TEST_F(FrmSIpTest, TypingAThirdCharacterOrRightArrowAtTheEndMovesOn) {
  FrmSIp dialog;
  dialog.Load();
  SetFocus(dialog.Box(0));
  Type(dialog.Box(0), "192");
  EXPECT_EQ(GetFocus(), dialog.Box(1));
  Type(dialog.Box(1), "16");
  EXPECT_EQ(GetFocus(), dialog.Box(1));
  SendMessageW(dialog.Box(1), EM_SETSEL, 2, 2);
  SendMessageW(dialog.Box(1), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(GetFocus(), dialog.Box(2));
  Type(dialog.Box(3), "255");
  EXPECT_EQ(dialog.BoxText(3), "255") << "the last box keeps the focus";
}

TEST_F(FrmSIpTest, OkChecksEachBoxInOrder) {
  FrmSIp dialog;
  dialog.Load();
  Fill(dialog, {"10", " ", "256", "1"});
  Click(dialog, FrmSIp::cmdGAdd);
  Fill(dialog, {"10", "0", "256", "1"});
  Click(dialog, FrmSIp::cmdGAdd);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "IP주소가 제대로 입력되지 않았습니다1!");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(boxes.shown[1].text, "0 ~ 255 사이의 값을 입력하세요!!");
  EXPECT_EQ(GetFocus(), dialog.Box(2));
  EXPECT_EQ(Stored(), "none");
  EXPECT_TRUE(dialog.IsLoaded());

  Fill(dialog, {"10", "0", "255", "1"});
  Click(dialog, FrmSIp::cmdGAdd);
  EXPECT_EQ(Stored(), "10.0.255.1");
  EXPECT_EQ(boxes.shown.back().text, "서버 IP설정 완료!!");
  EXPECT_EQ(TheApp().LoginPurpose, "OK");
  EXPECT_FALSE(dialog.IsLoaded());
}

TEST_F(FrmSIpTest, ResetAsksFirstThenClearsTheAddress) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "SvrIP", "10.0.0.2");
  FrmSIp dialog;
  dialog.Load();
  boxes.answers = {IDCANCEL};
  Click(dialog, FrmSIp::Command1);
  EXPECT_EQ(Stored(), "10.0.0.2");
  Click(dialog, FrmSIp::Command1);
  EXPECT_EQ(Stored(), "*");
  EXPECT_EQ(dialog.BoxText(0), "");
  EXPECT_EQ(boxes.shown.back().text, "서버 IP설정 초기화 완료!!");
  EXPECT_EQ(TheApp().LoginPurpose, "OK");
}

TEST_F(FrmSIpTest, TheModalDialogEndsWithItsCloseButton) {
  bool driven = false;
  SetModalDriver([&](Window& form) {
    driven = IsWindowVisible(form.hwnd());
    SendMessageW(form.hwnd(), WM_COMMAND, MAKEWPARAM(FrmSIp::CButton1, BN_CLICKED), 0);
    EXPECT_FALSE(form.IsLoaded());
  });
  ShowFrmSIp(nullptr);
  EXPECT_TRUE(driven);
  EXPECT_EQ(TheApp().LoginPurpose, "");
}
