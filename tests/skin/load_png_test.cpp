#include "skin/load_png.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "png_builder.h"
#include "skin/picture_box.h"
#include "support/test_env.h"
#include "ui/window.h"

namespace {
class Host : public Window {
 public:
  Host() : Window("frmPngHost") {}

 protected:
  WindowOptions Options() const override {
    WindowOptions options;
    options.style = WS_POPUP;
    options.x = 0, options.y = 0, options.width = 200, options.height = 200;
    return options;
  }
};

class LoadPngTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    ASSERT_TRUE(host.Load());
  }

  // A picture box filled with one colour.
  std::unique_ptr<PictureBox> Box(int x, int y, int width, int height, bool border, COLORREF fill) {
    auto box = std::make_unique<PictureBox>();
    EXPECT_TRUE(box->Create(host.hwnd(), x, y, width, height, border, fill));
    return box;
  }

  std::string File(const std::string& name, const std::string& png) {
    WriteBytes(name, png);
    return Path(name);
  }

  Host host;
};

COLORREF At(const PictureBox& box, int x, int y) { return GetPixel(box.Image(), x, y) & 0xFFFFFF; }

SIZE OuterSize(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// 2 by 1 RGBA: white at alpha 128, then opaque (16, 32, 48).
const std::string kSoftRow("\0" "\xFF\xFF\xFF\x80" "\x10\x20\x30\xFF", 9);
}  // namespace

TEST_F(LoadPngTest, DrawsIntoTheTargetResizedToThePictureWithItsBorderKept) {
  auto box = Box(10, 10, 50, 40, true, RGB(1, 2, 3));
  const int border = OuterSize(box->hwnd()).cx - box->InnerWidth();
  ASSERT_GT(border, 0);
  LoadPNG png;
  png.PicBox(box.get());
  png.SetToXY(0, 0);
  png.OpenPNG(File("rgb.png", SimplePng(3, 2, 8, 2, std::string("\0\xFF\0\0\0\xFF\0\0\0\xFF\x01\x10\x10\x10\0\0\0\x10\x10\x10", 20))));
  EXPECT_EQ(png.ErrorNumber(), 0);
  EXPECT_EQ(png.Width(), 3);
  EXPECT_EQ(png.ColorType(), 2);
  EXPECT_EQ(box->InnerWidth(), 3);
  EXPECT_EQ(box->InnerHeight(), 2);
  EXPECT_EQ(OuterSize(box->hwnd()).cx, 3 + border) << "border kept";
  EXPECT_EQ(At(*box, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(At(*box, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(At(*box, 2, 1), RGB(0x20, 0x20, 0x20)) << "Sub filter undone";
}

TEST_F(LoadPngTest, BlendsOverTheBackgroundPictureAtItsOffset) {
  auto background = Box(0, 0, 40, 30, false, RGB(0, 0, 0));
  SetPixel(background->Image(), 7, 5, RGB(100, 0, 200));
  auto target = Box(7, 5, 20, 10, false, RGB(9, 9, 9));
  LoadPNG png;
  png.PicBox(target.get());
  png.SetToBkgrnd(true, 7, 5);
  png.SetToXY(1, 1);
  png.BackgroundPicture(background.get());
  png.SetAlpha(true);
  png.SetTrans(true);
  png.OpenPNG(File("soft.png", SimplePng(2, 1, 8, 6, kSoftRow)));
  EXPECT_TRUE(png.HaveAlpha());
  EXPECT_EQ(target->InnerWidth(), 20) << "drawn onto a background, the target keeps its size";
  EXPECT_EQ(At(*target, 1, 1), RGB(178, 128, 227)) << "white at alpha 128 over (100, 0, 200)";
  EXPECT_EQ(At(*target, 2, 1), RGB(16, 32, 48));
  EXPECT_EQ(At(*target, 0, 0), RGB(9, 9, 9)) << "outside the picture: cleared";
}

TEST_F(LoadPngTest, BlendsOverAFlatColourOwnBeforeBkgd) {
  auto target = Box(0, 0, 10, 10, false, RGB(9, 9, 9));
  const std::string bkgd = Chunk("bKGD", std::string("\0\0\0\0\0\xFF", 6));  // blue
  const std::string file = File("bkgd.png", SimplePng(2, 1, 8, 6, kSoftRow, {bkgd}));
  LoadPNG png;
  png.PicBox(target.get());
  png.SetAlpha(true);
  png.OpenPNG(file);
  EXPECT_TRUE(png.HasBKGDChunk());
  EXPECT_EQ(png.BkgdColor(), 0xFF0000u);
  EXPECT_EQ(At(*target, 0, 0), RGB(128, 128, 255));

  LoadPNG own;
  own.PicBox(target.get());
  own.SetAlpha(true);
  own.SetOwnBkgndColor(true, RGB(255, 0, 0));
  own.OpenPNG(file);
  EXPECT_EQ(At(*target, 0, 0), RGB(255, 128, 128));
}

TEST_F(LoadPngTest, FailuresLeaveTheTargetUntouched) {
  auto target = Box(0, 0, 10, 10, false, RGB(9, 9, 9));
  LoadPNG png;
  png.PicBox(target.get());
  std::string unsigned_ = SimplePng(2, 1, 8, 6, kSoftRow);
  unsigned_[0] = 'P';
  png.OpenPNG(File("bad.png", unsigned_));
  EXPECT_EQ(png.ErrorNumber(), 1);
  EXPECT_EQ(target->InnerWidth(), 10);

  BitWriter broken;  // a dynamic block whose code-length code is over-subscribed
  broken.Bits(5, 3);
  broken.Bits(0, 10);
  broken.Bits(15, 4);
  for (int i = 0; i < 19; ++i) broken.Bits(1, 3);
  png.OpenPNG(File("tree.png", PngOf({Ihdr(2, 1, 8, 6), Chunk("IDAT", "\x78\x01" + broken.bytes)})));
  EXPECT_EQ(png.ErrorNumber(), 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Error in tree creation (Static)");
  EXPECT_EQ(boxes.shown[0].caption, "Tessel");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(target->InnerWidth(), 10);
  EXPECT_EQ(At(*target, 0, 0), RGB(9, 9, 9));

  png.OpenPNG(File("short.png", SimplePng(2, 9, 8, 6, kSoftRow)));
  EXPECT_EQ(png.Height(), 9) << "header read, picture abandoned";
  EXPECT_EQ(target->InnerWidth(), 10);
}

TEST_F(LoadPngTest, TextChunksReadInTheAnsiCodePage) {
  LoadPNG png;
  png.OpenPNG(File("text.png", SimplePng(2, 1, 8, 6, kSoftRow, {Chunk("tEXt", "\xC7\xD1\xB1\xDB")})));
  EXPECT_EQ(png.Text(), std::string("한글\0", 7));
}
