#include "admin/frm_pass.h"

#include <gtest/gtest.h>

#include "admin/admin_test_env.h"
#include "admin/frm_env.h"
#include "agent/menu_hook.h"
#include "state/app_state.h"
#include "store/cipher.h"
#include "store/message_loop.h"
#include "store/registry.h"
#include "ui/forms.h"
#include "ui/modal.h"

namespace {
class FrmPassTest : public AdminTest {
 protected:
  void SetUp() override {
    AdminTest::SetUp();
    menu.Load();
    HookMenuWindow(menu);
  }
  FrmPass& Open(const std::string& purpose) {
    TheApp().LoginPurpose = purpose;
    OpenLogin();
    return TheFrmPass();
  }
  void Enter(const std::string& password) {
    FrmPass& login = TheFrmPass();
    HWND box = login.controls()["Text1"];
    Type(login, "Text1", password);
    MSG enter{box, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    DispatchQueuedMessage(enter);
  }
  TestMenuWindow menu;
};
}  // namespace

TEST_F(FrmPassTest, TheStoredPasswordOpensTheSettingsWindowAndAWrongOneIsRefusedAgainAndAgain) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AutoPatch", " " + EncipherText("사장님1234") + " ");
  TheApp().LoginResult = "old";
  FrmPass& login = Open("SE");
  EXPECT_EQ(login.controls().Text("Label1"), "관리자 로그인");
  EXPECT_EQ(login.controls().Text("Label2"), "");
  EXPECT_EQ(TheApp().LoginResult, "") << "cleared once a password is stored";

  Enter("  ");
  Enter("사장님");
  Enter("틀림");
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"입력에러: 비밀번호를 입력하세요!!",
                                                "인증실패: 비밀번호가 일치하지 않습니다.\r\n다시 입력하세요",
                                                "인증실패: 비밀번호가 일치하지 않습니다.\r\n다시 입력하세요"}));
  EXPECT_EQ(boxes.shown[1].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(login.controls().Text("Text1"), "") << "a refused password is cleared";
  EXPECT_EQ(GetFocus(), login.controls()["Text1"]);
  EXPECT_EQ(menu.calls, (std::vector<std::string>{"LoginNotice(1)", "LoginNotice(1)"}))
      << "each refusal, not the empty input";
  EXPECT_TRUE(login.IsLoaded());

  Enter(" 사장님1234\t");
  EXPECT_FALSE(login.IsLoaded());
  EXPECT_TRUE(IsFormLoaded("frmEnv")) << "blanks around the right password are trimmed";
  EXPECT_EQ(TheApp().LoginResult, "");
}

TEST_F(FrmPassTest, APlainLoginAnswersOkAndWithoutAStoredPasswordNothingMatches) {
  TheApp().AdminPassword = "";
  FrmPass& login = Open("");
  Enter("아무거나");
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "인증실패");

  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AutoPatch", EncipherText("pw"));
  login.Unload();
  Open("");
  Enter("pw");
  EXPECT_EQ(TheApp().LoginResult, "OK");
  EXPECT_FALSE(IsFormLoaded("frmEnv"));
  EXPECT_FALSE(login.IsLoaded());
}

TEST_F(FrmPassTest, TheSettingsFilePasswordIsCollectedUncheckedAndCancelReturnsNothing) {
  RegWriteString(HKEY_CURRENT_USER, kTesselKey, "AutoPatch", EncipherText("관리자"));
  std::string typed;
  SetModalDriver([&](Window& form) {
    auto& login = static_cast<FrmPass&>(form);
    EXPECT_EQ(login.controls().Text("Label1"), "클라이언트 설정파일 비밀번호");
    EXPECT_EQ(login.controls().Text("Label2"), "클라이언트 설정파일에 저장된 비밀번호를 입력하세요!!");
    Type(login, "Text1", typed);
    Click(login, typed.empty() ? "CButton1" : "cmdGAdd");
  });
  TheApp().LoginPurpose = "CA";
  typed = " 파일 비번 ";
  EXPECT_EQ(RunLogin(nullptr), " 파일 비번 ") << "returned as typed";
  TheApp().LoginPurpose = "CA";
  typed = "";
  EXPECT_EQ(RunLogin(nullptr), "");
  EXPECT_TRUE(menu.calls.empty()) << "the settings-file mode does not notify the menu";
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FrmPassTest, LeavingTheLoginNotifiesTheMenuWindow) {
  FrmPass& login = Open("SE");
  Click(login, "CButton1");
  EXPECT_FALSE(login.IsLoaded());
  Open("SE");
  SendMessageW(login.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(login.IsLoaded());
  EXPECT_EQ(menu.calls, (std::vector<std::string>{"LoginNotice(1)", "LoginNotice(1)"}));
  EXPECT_FALSE(IsFormLoaded("frmEnv"));
}
