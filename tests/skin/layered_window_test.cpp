#include "skin/layered_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "png_builder.h"
#include "skin/window_shape.h"
#include "support/test_env.h"
#include "ui/window.h"

namespace {
class Floating : public Window {
 public:
  Floating() : Window("frmFloating") {}
  int exStyleWrites = 0, captionDrags = 0;

 protected:
  WindowOptions Options() const override {
    WindowOptions options;
    options.style = WS_POPUP | WS_VISIBLE;
    options.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    options.x = 30, options.y = 40, options.width = 60, options.height = 50;
    return options;
  }
  std::optional<LRESULT> OnMessage(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg == WM_STYLECHANGED && static_cast<int>(wParam) == GWL_EXSTYLE) ++exStyleWrites;
    // Answered here: the platform's move loop would wait for a real mouse.
    if (msg == WM_NCLBUTTONDOWN && wParam == HTCAPTION) return ++captionDrags, 0;
    return std::nullopt;
  }
};

RECT Bounds(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

LONG ExStyle(HWND hwnd) { return GetWindowLongW(hwnd, GWL_EXSTYLE); }

class LayeredWindowTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(window.Load());
    // A 100 by 100 picture, half transparent red.
    std::string rows;
    for (int y = 0; y < 100; ++y) {
      rows += '\0';
      for (int x = 0; x < 100; ++x) rows += std::string("\xFF\0\0\x80", 4);
    }
    WriteBytes("red.png", SimplePng(100, 100, 8, 6, rows));
    WriteBytes("small.png", SimplePng(1, 1, 8, 6, std::string("\0\0\xFF\0\xFF", 5)));
  }
  Floating window;
};
}  // namespace

TEST_F(LayeredWindowTest, MakeTransSizesTheWindowFromTwipsAndKeepsItsPlace) {
  LayeredWindow layered;
  layered.MakeTrans(Path("red.png"), window.hwnd(), 1650, 1905);
  const RECT first = Bounds(window.hwnd());
  EXPECT_EQ(first.right - first.left, 110);
  EXPECT_EQ(first.bottom - first.top, 127);
  EXPECT_EQ(first.left, 30);
  EXPECT_EQ(first.top, 40);
  EXPECT_EQ(ExStyle(window.hwnd()) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
            WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  EXPECT_EQ(window.exStyleWrites, 1);

  layered.MakeTrans(Path("small.png"), window.hwnd(), 300, 450);
  const RECT second = Bounds(window.hwnd());
  EXPECT_EQ(second.left, 30) << "a new picture does not move the window";
  EXPECT_EQ(second.top, 40);
  EXPECT_EQ(second.right - second.left, 20);
  EXPECT_EQ(second.bottom - second.top, 30);
  EXPECT_EQ(window.exStyleWrites, 1) << "already layered: the style is not written again";
  layered.UnloadPNGForm();
}

TEST_F(LayeredWindowTest, AMissingFileChangesNothing) {
  LayeredWindow layered;
  const RECT before = Bounds(window.hwnd());
  const LONG style = ExStyle(window.hwnd());
  layered.MakeTrans(Path("none.png"), window.hwnd(), 1650, 1905);
  const RECT after = Bounds(window.hwnd());
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(ExStyle(window.hwnd()), style);
  EXPECT_EQ(window.exStyleWrites, 0);
}

TEST_F(LayeredWindowTest, ShutDownGdiplusIsStartedAgainByTheNextPicture) {
  LayeredWindow layered;
  layered.UnloadPNGForm();
  layered.MakeTrans(Path("red.png"), window.hwnd(), 1500, 1500);
  EXPECT_EQ(Bounds(window.hwnd()).right - Bounds(window.hwnd()).left, 100);
}

TEST_F(LayeredWindowTest, ColourKeyRoundCornersAndDragging) {
  SetWindowColorKey(window.hwnd(), RGB(35, 35, 35));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.hwnd(), &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(35, 35, 35));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_TRUE(ExStyle(window.hwnd()) & WS_EX_TOOLWINDOW);

  SetRoundWindowRegion(window.hwnd());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
  RECT box{};
  GetRgnBox(region, &box);
  // Round rectangles leave out their last column and row, as GDI draws them.
  EXPECT_EQ(box.right, 59);
  EXPECT_EQ(box.bottom, 49);
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "corner cut";
  EXPECT_TRUE(PtInRegion(region, 30, 25));
  DeleteObject(region);

  DragWindow(window.hwnd(), 2);
  EXPECT_EQ(window.captionDrags, 0);
  DragWindow(window.hwnd(), 1);
  EXPECT_EQ(window.captionDrags, 1);
}
