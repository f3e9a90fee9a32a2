#include "ui/window.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/app.h"
#include "store/forms.h"
#include "support/test_env.h"

namespace {
class TestForm : public Window {
 public:
  explicit TestForm(std::string name = "frmTest") : Window(std::move(name)) {}
  int loads = 0, unloads = 0, timers = 0;
  bool throwOnTimer = false;

 protected:
  WindowOptions Options() const override {
    WindowOptions options;
    options.caption = "시험 창";
    return options;
  }
  void OnLoad() override { ++loads; }
  void OnUnload() override { ++unloads; }
  void OnTimer(UINT_PTR) override {
    ++timers;
    if (throwOnTimer) throw std::runtime_error("handler failed");
  }
};

std::wstring ClassNameOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

using WindowTest = TesselTest;
}  // namespace

TEST_F(WindowTest, LoadingRegistersTheFormUnderItsClassName) {
  TestForm form;
  EXPECT_FALSE(IsFormLoaded("frmTest"));
  ASSERT_TRUE(form.Load());
  EXPECT_EQ(form.loads, 1);
  EXPECT_EQ(ClassNameOf(form.hwnd()), L"frmTest");
  EXPECT_EQ(FindWindowW(L"frmTest", L"시험 창"), form.hwnd());
  EXPECT_TRUE(IsFormLoaded("FRMTEST"));

  SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.unloads, 1);
  EXPECT_FALSE(IsFormLoaded("frmTest"));
  EXPECT_TRUE(form.Load()) << "a form can be loaded again";
}

TEST_F(WindowTest, UnloadByNameTakesTheLastLoadedMatch) {
  TestForm first, second, other("frmOther");
  first.Load();
  other.Load();
  second.Load();
  UnloadFormByName("frmtest");
  EXPECT_TRUE(TheApp().UnloadRequestedByName);
  EXPECT_TRUE(first.IsLoaded());
  EXPECT_FALSE(second.IsLoaded());
  UnloadFormByName("frmTest");
  EXPECT_FALSE(first.IsLoaded());
  EXPECT_TRUE(other.IsLoaded());
  UnloadFormByName("frmNone");
  EXPECT_TRUE(other.IsLoaded());
}

TEST_F(WindowTest, AFailingHandlerEndsQuietlyAndTheWindowLivesOn) {
  TestForm form;
  form.Load();
  form.throwOnTimer = true;
  SendMessageW(form.hwnd(), WM_TIMER, 1, 0);
  form.throwOnTimer = false;
  SendMessageW(form.hwnd(), WM_TIMER, 1, 0);
  EXPECT_EQ(form.timers, 2);
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(WindowTest, DestroyingTheObjectDestroysTheWindow) {
  HWND hwnd;
  {
    TestForm form;
    form.Load();
    hwnd = form.hwnd();
  }
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(IsFormLoaded("frmTest"));
}
