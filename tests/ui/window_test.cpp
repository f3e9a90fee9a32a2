#include "ui/window.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "state/app_state.h"
#include "support/test_env.h"
#include "ui/forms.h"

namespace {
class TestForm : public Window {
 public:
  explicit TestForm(std::string name = "frmTest") : Window(std::move(name)) {}
  int loads = 0, unloads = 0, timers = 0;

 protected:
  WindowOptions Options() const override { return {"시험 창"}; }
  void OnLoad() override { ++loads; }
  void OnUnload() override { ++unloads; }
  void OnTimer(UINT_PTR id) override {
    ++timers;
    if (id == 13) throw std::runtime_error("handler failed");
  }
};

using WindowTest = TesselTest;
}  // namespace

TEST_F(WindowTest, AFormIsFoundByItsClassNameUntilItCloses) {
  HWND destroyed;
  {
    TestForm form;
    EXPECT_FALSE(IsFormLoaded("frmTest"));
    ASSERT_TRUE(form.Load());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(FindWindowW(L"frmTest", L"시험 창"), form.hwnd());
    EXPECT_TRUE(IsFormLoaded("FRMTEST"));

    SendMessageW(form.hwnd(), WM_TIMER, 13, 0);
    SendMessageW(form.hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(form.timers, 2) << "a failing handler ends quietly and the window lives on";

    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(IsFormLoaded("frmTest"));
    ASSERT_TRUE(form.Load()) << "a form can be loaded again";
    destroyed = form.hwnd();
  }
  EXPECT_FALSE(IsWindow(destroyed)) << "destroying the object destroys the window";
  EXPECT_FALSE(IsFormLoaded("frmTest"));
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
  UnloadFormByName("frmNone");
  EXPECT_TRUE(other.IsLoaded());
}
