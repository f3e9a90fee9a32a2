#include "skin/layered_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>

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

using Place = std::array<LONG, 4>;  // left, top, width, height

Place PlaceOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LONG ExStyle(HWND hwnd) { return GetWindowLongW(hwnd, GWL_EXSTYLE); }

class LayeredWindowTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(window.Load());
    WriteBytes("soft.png", SimplePng(1, 1, 8, 6, std::string("\0\xFF\0\0\x80", 5)));
  }
  Floating window;
};
}  // namespace

TEST_F(LayeredWindowTest, MakeTransSizesTheWindowFromTwipsAndKeepsItsPlace) {
  LayeredWindow layered;
  layered.MakeTrans(Path("none.png"), window.hwnd(), 1650, 1905);
  EXPECT_EQ(PlaceOf(window.hwnd()), (Place{30, 40, 60, 50})) << "a missing file changes nothing";
  EXPECT_FALSE(ExStyle(window.hwnd()) & WS_EX_LAYERED);

  layered.MakeTrans(Path("soft.png"), window.hwnd(), 1650, 1905);
  EXPECT_EQ(PlaceOf(window.hwnd()), (Place{30, 40, 110, 127})) << "15 twips a pixel, the window left in place";
  const LONG kept = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  EXPECT_EQ(ExStyle(window.hwnd()) & kept, kept) << "layered, its other styles kept";

  layered.UnloadPNGForm();
  layered.MakeTrans(Path("soft.png"), window.hwnd(), 300, 450);
  EXPECT_EQ(PlaceOf(window.hwnd()), (Place{30, 40, 20, 30})) << "GDI+ started again after UnloadPNGForm";
  EXPECT_EQ(window.exStyleWrites, 1) << "written once: not for a missing file, nor when already layered";
}

TEST_F(LayeredWindowTest, ColourKeyRoundCornersAndDragging) {
  SetWindowColorKey(window.hwnd(), RGB(35, 35, 35));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.hwnd(), &key, &alpha, &flags));
  EXPECT_EQ(key, RGB(35, 35, 35));
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_TRUE(ExStyle(window.hwnd()) & WS_EX_TOOLWINDOW) << "other styles kept";

  SetRoundWindowRegion(window.hwnd());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "corner cut";
  EXPECT_TRUE(PtInRegion(region, 30, 25));
  DeleteObject(region);

  DragWindow(window.hwnd(), 2);
  EXPECT_EQ(window.captionDrags, 0) << "only the left button drags";
  DragWindow(window.hwnd(), 1);
  EXPECT_EQ(window.captionDrags, 1);
}
