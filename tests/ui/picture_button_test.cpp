#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_env.h"
#include "ui/window.h"

namespace {
const std::string kData = TESSEL_IMAGE_DATA;

class ParentForm : public Window {
 public:
  ParentForm() : Window("frmButtons") {}
  std::vector<int> clicks;

 protected:
  void OnCommand(int id, int code, HWND) override {
    if (code == BN_CLICKED) clicks.push_back(id);
  }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class PictureButtonTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(parent.Load());
    ASSERT_TRUE(button.Create(parent.hwnd(), 42, 0, 0, 40, 20));
  }
  ParentForm parent;
  PictureButton button;
};
}  // namespace

TEST_F(PictureButtonTest, AClickIsAPressAndReleaseInsideTheButton) {
  SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(button.state(), PictureButton::State::Hover);
  SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(button.state(), PictureButton::State::Pressed);
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(parent.clicks, std::vector<int>{42});
  EXPECT_EQ(button.state(), PictureButton::State::Hover);

  SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, At(100, 5));
  EXPECT_EQ(parent.clicks.size(), 1u) << "releasing outside is no click";
  EXPECT_EQ(button.state(), PictureButton::State::Normal);
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_EQ(parent.clicks.size(), 1u) << "a release without a press is no click";
}

TEST_F(PictureButtonTest, LeavingRestoresTheNormalPicture) {
  SendMessageW(button.hwnd(), WM_MOUSEMOVE, 0, At(5, 5));
  SendMessageW(button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(button.state(), PictureButton::State::Normal);
}

TEST_F(PictureButtonTest, MissingStatePicturesFallBackAndBadFilesLeaveNone) {
  button.SetPicture(PictureButton::State::Normal, kData + "\\tile.bmp");
  button.SetPicture(PictureButton::State::Hover, kData + "\\missing.jpg");
  const Picture& normal = button.PictureFor(PictureButton::State::Normal);
  ASSERT_TRUE(normal);
  EXPECT_EQ(&button.PictureFor(PictureButton::State::Hover), &normal);
  EXPECT_EQ(&button.PictureFor(PictureButton::State::Pressed), &normal);

  button.SetPicture(PictureButton::State::Hover, kData + "\\tile.gif");
  EXPECT_EQ(button.PictureFor(PictureButton::State::Pressed).width(), 3);
  button.SetPicture(PictureButton::State::Normal, kData + "\\damaged.png");
  EXPECT_FALSE(button.PictureFor(PictureButton::State::Normal));
  UpdateWindow(button.hwnd());  // painting without a picture must not fail
}
