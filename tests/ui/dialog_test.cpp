#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <stdexcept>

#include "store/ini.h"
#include "store/message_loop.h"
#include "store/registry.h"
#include "store/text_codec.h"
#include "support/test_env.h"
#include "ui/bindings.h"
#include "ui/checks.h"
#include "ui/twips.h"

namespace {
class TestDialog : public Dialog {
 public:
  TestDialog() : Dialog("frmDialogTest") {}
  std::vector<std::string> calls;
  void Widen(int extra) { RelayoutControls(extra); }

 protected:
  WindowOptions Options() const override { return CenteredWindowOptions("시험", WS_POPUP | WS_CAPTION, 6000, 3000); }
  void OnLoad() override {
    static const std::vector<ControlSpec> table = {
        {"txtName", 100, WC_EDITW, ES_AUTOHSCROLL, {150, 150, 1500, 330}},
        {"chkOn", 101, WC_BUTTONW, BS_AUTOCHECKBOX, {150, 600, 1500, 330}, "켜기"},
        {"cmdGo", 102, WC_BUTTONW, BS_PUSHBUTTON, {150, 1050, 1500, 450}, "가기"},
        {"cmdPic", 103, nullptr, 0, {1800, 1050, 1500, 450}, "그림", "CMDOK00"},
        {"lvwRows", 104, WC_LISTVIEWW, LVS_REPORT, {150, 1650, 3000, 900}, {}, {}, Anchor::Stretch},
        {"cmdRight", 105, WC_BUTTONW, BS_PUSHBUTTON, {4350, 150, 1500, 450}, "오른쪽", {}, Anchor::Right},
    };
    CreateControls(table);
    OnClick("cmdGo", [this] { calls.push_back("cmdGo_Click"); });
    OnClick("cmdPic", [this] { calls.push_back("cmdPic_Click"); });
    OnClick("cmdRight", [] { throw std::runtime_error("fails"); });
    On("txtName", EN_CHANGE, [this] { calls.push_back("txtName_Change"); });
    On("lvwRows", NM_DBLCLK, [this] { calls.push_back("lvwRows_DblClick"); });
    UseDialogKeys("cmdGo", "cmdPic");
  }
};

class DialogTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(dialog.Load());
    ShowWindow(dialog.hwnd(), SW_SHOW);
  }
  // A key as the message loop takes it off the queue.
  void Key(HWND target, WPARAM key) {
    MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
    DispatchQueuedMessage(msg);
  }
  RECT Place(const char* name) {
    RECT place;
    GetWindowRect(dialog.controls()[name], &place);
    MapWindowPoints(nullptr, dialog.hwnd(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
  TestDialog dialog;
};
}  // namespace

TEST_F(DialogTest, ControlsComeFromTheTableInTwipsAndAreFoundByName) {
  const Controls& c = dialog.controls();
  EXPECT_EQ(GetDlgCtrlID(c["txtName"]), 100);
  EXPECT_EQ(c.NameOf(103), "cmdPic");
  EXPECT_EQ(c["nothing"], nullptr);
  ASSERT_NE(c.Picture("cmdPic"), nullptr) << "no window class: a picture button";
  EXPECT_EQ(c.Picture("cmdGo"), nullptr);
  EXPECT_EQ(c.Text("cmdPic"), "그림") << "its caption stands in for missing pictures";
  EXPECT_EQ(Place("chkOn").left, TwipsToPixelsX(150));
  EXPECT_EQ(Place("chkOn").top, TwipsToPixelsY(600));
  EXPECT_EQ(Place("chkOn").bottom, TwipsToPixelsY(930));
  EXPECT_TRUE(GetWindowLongPtrW(c["txtName"], GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(SendMessageW(c["cmdGo"], WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(DialogFont()));

  dialog.Widen(1500);
  EXPECT_EQ(Place("lvwRows").right, TwipsToPixelsX(4650)) << "stretched by the extra width";
  EXPECT_EQ(Place("cmdRight").left, TwipsToPixelsX(5850)) << "moved by it";
  EXPECT_EQ(Place("chkOn").left, TwipsToPixelsX(150)) << "unanchored controls stay";
}

TEST_F(DialogTest, HandlersRunByControlAndCodeAndAFailureEndsOnlyItsHandler) {
  const Controls& c = dialog.controls();
  c.SetText("txtName", "가나");
  SendMessageW(c["cmdGo"], BM_CLICK, 0, 0);
  SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), 0);
  NMHDR doubleClick{c["lvwRows"], 104, static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(dialog.hwnd(), WM_NOTIFY, 104, reinterpret_cast<LPARAM>(&doubleClick));
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"txtName_Change", "cmdGo_Click", "lvwRows_DblClick"}));
  EXPECT_TRUE(dialog.IsLoaded());
}

TEST_F(DialogTest, EnterAndEscPressTheChosenButtonsAndTabMovesOn) {
  const Controls& c = dialog.controls();
  SetFocus(c["txtName"]);
  Key(c["txtName"], VK_RETURN);
  Key(c["txtName"], VK_ESCAPE);
  EXPECT_EQ(dialog.calls, (std::vector<std::string>{"cmdGo_Click", "cmdPic_Click"}));
  Key(c["txtName"], VK_TAB);
  EXPECT_EQ(GetFocus(), c["chkOn"]);
  MSG typed{c["txtName"], WM_CHAR, L'x', 0, 0, {}};
  DispatchQueuedMessage(typed);
  EXPECT_EQ(c.Text("txtName"), "x") << "other keys reach the control";
}

TEST_F(DialogTest, BindingsCarryValuesBothWaysAndChecksStopAtTheFirstFault) {
  const Controls& c = dialog.controls();
  std::string file = Path("set.ini");
  WritePrivateProfileStringW(L"PC", L"NAME", L" PC방 ", Widen(file).c_str());
  RegWriteDword(HKEY_CURRENT_USER, kTesselKey, "dwOn", 1);
  std::vector<Binding> bindings = {IniBinding("txtName", file, "PC", "NAME"),
                                   RegistryDwordBinding("chkOn", HKEY_CURRENT_USER, std::string(kTesselKey), "dwOn")};
  // An odd encoding: the box stands for a switch stored inverted.
  bindings.push_back(RegistryStringBinding("chkOn", HKEY_CURRENT_USER, std::string(kTesselKey), "Off"));
  bindings.back().toControl = bindings.back().fromControl = [](const std::string& v) { return v == "1" ? "0" : "1"; };
  LoadBindings(c, {bindings[0], bindings[1]});
  EXPECT_EQ(c.Text("txtName"), "PC방") << "read trimmed";
  EXPECT_TRUE(c.Checked("chkOn"));
  c.SetText("txtName", "새 이름");
  c.SetChecked("chkOn", false);
  SaveBindings(c, bindings);
  EXPECT_EQ(ClsINI(file, "PC").OpenINI("NAME"), "새 이름");
  EXPECT_EQ(RegReadDword(HKEY_CURRENT_USER, kTesselKey, "dwOn", 7), 0u);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kTesselKey, "Off"), "1");

  int evaluated = 0;
  auto counted = [&](bool result) { return [&evaluated, result] { ++evaluated; return result; }; };
  EXPECT_FALSE(RunChecks(c, {{"chkOn", counted(true), "처음"},
                             {"txtName", counted(false), "이름을 넣으세요", "입력에러"},
                             {"chkOn", counted(false), "끝"}}));
  EXPECT_EQ(evaluated, 2);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "이름을 넣으세요");
  EXPECT_EQ(boxes.shown[0].caption, "입력에러");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(GetFocus(), c["txtName"]);
  DWORD from = 1, to = 0;
  SendMessageW(c["txtName"], EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 4u) << "the whole text selected";
}
