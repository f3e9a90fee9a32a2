#include "skin/load_png.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "png_builder.h"
#include "skin/picture_box.h"
#include "skin/png_over_background.h"
#include "support/pixels.h"
#include "support/test_env.h"

namespace {
class LoadPngTest : public TesselTest {
 protected:
  ~LoadPngTest() override { DestroyWindow(host); }

  // A picture box filled with one colour.
  std::unique_ptr<PictureBox> Box(int width, int height, COLORREF fill, bool border = false) {
    auto box = std::make_unique<PictureBox>();
    EXPECT_TRUE(box->Create(host, 10, 10, width, height, border, fill));
    return box;
  }
  std::string File(const std::string& name, const std::string& png) {
    WriteBytes(name, png);
    return Path(name);
  }

  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
};

COLORREF At(const PictureBox& box, int x, int y) { return GetPixel(box.Image(), x, y) & 0xFFFFFF; }

int OuterWidth(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r.right - r.left;
}

// 3 by 1 RGBA: white at alpha 128, opaque (16, 32, 48), red at alpha 0.
const std::string kSoftRow("\0" "\xFF\xFF\xFF\x80" "\x10\x20\x30\xFF" "\xFF\0\0\0", 13);
}  // namespace

// How layout 2 draws its menu buttons' art over the background picture.
TEST_F(LoadPngTest, PngArtIsBlendedOverTheBackgroundBlockItCovers) {
  auto background = Box(40, 30, RGB(0, 0, 200)), scratch = Box(1, 1, RGB(9, 9, 9));
  SetPixel(background->Image(), 12, 6, RGB(100, 0, 200));
  const RECT place{12, 6, 17, 8};
  const std::string soft = File("soft.png", SimplePng(3, 1, 8, 6, kSoftRow));
  const Picture art = PngOverBackground(soft, *background, place, *scratch);
  ASSERT_EQ(art.width(), 5) << "the place's size, not the picture's";
  EXPECT_EQ(PixelAt(art, 0, 0), (Bgra{227, 128, 178, 255})) << "white at alpha 128 over (100, 0, 200)";
  EXPECT_EQ(PixelAt(art, 1, 0), (Bgra{48, 32, 16, 255}));
  EXPECT_EQ(PixelAt(art, 2, 0), (Bgra{200, 0, 0, 255})) << "alpha 0: the background shows";
  EXPECT_EQ(PixelAt(art, 0, 1), (Bgra{9, 9, 9, 255})) << "outside the picture: cleared";
  const Picture missing = PngOverBackground(Path("none.png"), *background, place, *scratch);
  EXPECT_EQ(PixelAt(missing, 0, 0), (Bgra{200, 0, 100, 255})) << "no file: the bare background";
}

TEST_F(LoadPngTest, BlendsOverAFlatColourOwnBeforeBkgd) {
  auto target = Box(10, 10, RGB(9, 9, 9));
  const std::string blue = Chunk("bKGD", std::string("\0\0\0\0\0\xFF", 6));
  const std::string file = File("bkgd.png", SimplePng(3, 1, 8, 6, kSoftRow, {blue}));
  LoadPNG png;
  png.PicBox(target.get());
  png.SetAlpha(true);
  png.OpenPNG(file);
  EXPECT_EQ(At(*target, 0, 0), RGB(128, 128, 255)) << "over the file's blue";
  png.SetOwnBkgndColor(true, RGB(255, 0, 0));
  png.OpenPNG(file);
  EXPECT_EQ(At(*target, 0, 0), RGB(255, 128, 128)) << "over our own red";
}

TEST_F(LoadPngTest, FailuresLeaveTheTargetUntouchedAPictureResizesItWithItsBorderKept) {
  auto box = Box(50, 40, RGB(9, 9, 9), true);
  const int border = OuterWidth(box->hwnd()) - box->InnerWidth();
  ASSERT_GT(border, 0);
  LoadPNG png;
  png.PicBox(box.get());
  png.OpenPNG(File("short.png", SimplePng(3, 9, 8, 6, kSoftRow)));
  EXPECT_EQ(png.Height(), 9) << "header read, picture abandoned";
  png.OpenPNG(Path("missing.png"));
  EXPECT_EQ(png.Height(), 0) << "a missing file leaves nothing of the last one";
  png.OpenPNG(File("tree.png", PngOf({Ihdr(2, 1, 8, 6), Chunk("IDAT", "\x78\x01" + BrokenTreeDeflate())})));
  EXPECT_EQ(png.ErrorNumber(), 0);
  ASSERT_EQ(boxes.shown.size(), 1u) << "code tables that cannot be built are told";
  EXPECT_EQ(boxes.shown[0].text, "Error in tree creation (Static)");
  EXPECT_EQ(boxes.shown[0].caption, "Tessel");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<unsigned>(MB_OK));
  EXPECT_EQ(box->InnerWidth(), 50 - border);
  EXPECT_EQ(At(*box, 0, 0), RGB(9, 9, 9));

  // 3 by 2 RGB, rows of 9 bytes that the bitmap pads to 12: red, green, blue; then greys, Sub-filtered.
  png.OpenPNG(File("rgb.png", SimplePng(3, 2, 8, 2, std::string("\0\xFF\0\0\0\xFF\0\0\0\xFF" "\x01\x10\x10\x10"
                                                                "\0\0\0\x10\x10\x10", 20))));
  EXPECT_EQ(box->InnerWidth(), 3);
  EXPECT_EQ(box->InnerHeight(), 2);
  EXPECT_EQ(OuterWidth(box->hwnd()), 3 + border) << "border kept";
  EXPECT_EQ(At(*box, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(At(*box, 2, 1), RGB(0x20, 0x20, 0x20));
}

TEST_F(LoadPngTest, TextTimeAndGammaAsTheGettersShowThem) {
  const std::string ztxt = std::string("Comment\0\0", 9) + ZlibStored("\xB1\xDB\xB2\xC3");
  LoadPNG png;
  png.OpenPNG(File("text.png", SimplePng(3, 1, 8, 6, kSoftRow,
                                         {Chunk("tEXt", "\xC7\xD1\xB1\xDB"), Chunk("tEXt", "Second"),
                                          Chunk("zTXt", ztxt), Chunk("tIME", "\x07\xD9\x03\x07\x0E\x05\x09"),
                                          Chunk("gAMA", std::string("\0\0\xB1\x8F", 4))})));
  EXPECT_EQ(png.Text(), std::string("한글\0Second\0", 14)) << "from the ANSI code page, each chunk ended by a NUL";
  EXPECT_EQ(png.zText(), std::string("Comment\0글꼴\0", 15)) << "inflated";
  EXPECT_EQ(png.ModiTime(), "07.03.2009 14:05:09") << "day first";
  EXPECT_DOUBLE_EQ(png.gama(), 0.45455);
}
