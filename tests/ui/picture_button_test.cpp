#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_env.h"
#include "ui/window.h"

namespace {
using State = PictureButton::State;

// The fixture is the button's parent form and keeps its clicks.
class PictureButtonTest : public TesselTest, public Window {
 protected:
  PictureButtonTest() : Window("frmButtons") {}
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(button.Create(hwnd(), 42, 0, 0, 40, 20));
  }
  void OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) clicks.push_back(id);
  }
  void Mouse(UINT msg, int x) {
    SendMessageW(button.hwnd(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, 5));
  }
  PictureButton button;
  std::vector<int> clicks;
};
}  // namespace

TEST_F(PictureButtonTest, AClickIsAPressAndReleaseInsideTheButton) {
  Mouse(WM_MOUSEMOVE, 5);
  EXPECT_EQ(button.state(), State::Hover);
  Mouse(WM_LBUTTONDOWN, 5);
  EXPECT_EQ(button.state(), State::Pressed);
  Mouse(WM_LBUTTONUP, 5);
  EXPECT_EQ(clicks, std::vector<int>{42});
  EXPECT_EQ(button.state(), State::Hover);

  Mouse(WM_LBUTTONDOWN, 5);
  Mouse(WM_LBUTTONUP, 100);
  EXPECT_EQ(button.state(), State::Normal);
  Mouse(WM_LBUTTONUP, 5);
  EXPECT_EQ(clicks.size(), 1u) << "neither a release outside nor one without a press is a click";
  Mouse(WM_MOUSEMOVE, 5);
  SendMessageW(button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(button.state(), State::Normal) << "leaving";
}

TEST_F(PictureButtonTest, MissingStatePicturesFallBackAndBadFilesLeaveNone) {
  const std::string data = TESSEL_IMAGE_DATA;
  button.SetPicture(State::Normal, data + "\\tile.bmp");
  button.SetPicture(State::Hover, data + "\\missing.jpg");
  const Picture& normal = button.PictureFor(State::Normal);
  ASSERT_TRUE(normal);
  EXPECT_EQ(&button.PictureFor(State::Pressed), &normal) << "pressed falls back to hover, hover to normal";

  button.SetPicture(State::Hover, data + "\\tile.gif");
  EXPECT_EQ(button.PictureFor(State::Pressed).width(), 3) << "a picture set after a first read is read anew";
  button.SetPicture(State::Normal, data + "\\damaged.png");
  EXPECT_FALSE(button.PictureFor(State::Normal));
  UpdateWindow(button.hwnd());  // painting without a picture must not fail
}
