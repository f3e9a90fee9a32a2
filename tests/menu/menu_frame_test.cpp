// The classic menu's frame: every picture of Skin\Default is loaded and drawn in its place.
#include "menu/menu_frame.h"

#include <gtest/gtest.h>

#include <wincodec.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "store/com.h"
#include "store/files.h"
#include "store/text_codec.h"
#include "support/test_env.h"

namespace {
// A JPEG of one colour, as the skin's pictures are stored.
void WriteSolidJpeg(const std::string& path, int width, int height, COLORREF color) {
  EnsureComForThisThread();
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_PPV_ARGS(factory.out()))));
  ASSERT_TRUE(SUCCEEDED(factory->CreateStream(stream.out())));
  ASSERT_TRUE(SUCCEEDED(stream->InitializeFromFilename(Widen(path).c_str(), GENERIC_WRITE)));
  ASSERT_TRUE(SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, encoder.out())));
  ASSERT_TRUE(SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)));
  ASSERT_TRUE(SUCCEEDED(encoder->CreateNewFrame(frame.out(), nullptr)));
  ASSERT_TRUE(SUCCEEDED(frame->Initialize(nullptr)));
  ASSERT_TRUE(SUCCEEDED(frame->SetSize(width, height)));
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  ASSERT_TRUE(SUCCEEDED(frame->SetPixelFormat(&format)));
  const UINT stride = static_cast<UINT>(width) * 3;
  std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
  for (size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = GetBValue(color);
    pixels[i + 1] = GetGValue(color);
    pixels[i + 2] = GetRValue(color);
  }
  ASSERT_TRUE(SUCCEEDED(frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data())));
  ASSERT_TRUE(SUCCEEDED(frame->Commit()));
  ASSERT_TRUE(SUCCEEDED(encoder->Commit()));
}

// A drawing surface of the menu's client size.
class Canvas {
 public:
  explicit Canvas(SIZE size) : size_(size) {
    void* bits = nullptr;
    bitmap_ = CreateTopDownDib(size.cx, size.cy, 32, &bits);
    pixels_ = static_cast<std::uint32_t*>(bits);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(POINT at) const {
    GdiFlush();
    std::uint32_t pixel = pixels_[static_cast<size_t>(at.y) * size_.cx + at.x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

 private:
  SIZE size_;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 4 && std::abs(GetGValue(a) - GetGValue(b)) <= 4 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 4;
}

POINT Middle(const RECT& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }

constexpr SIZE kClient{1000, 700};
const SkinColors kColors{RGB(10, 10, 10), RGB(20, 20, 20)};

class MenuFrameTest : public TesselTest {
 protected:
  void SetUp() override {
    TesselTest::SetUp();
    CreateFolders(Path("Skin\\Default"));
  }
};
}  // namespace

TEST_F(MenuFrameTest, EveryPictureIsDrawnInItsPlace) {
  const MenuLayout layout = LayOutMenu(kClient, 2);
  const LONG w = kClient.cx, h = kClient.cy;
  const RECT& column = layout.column;
  struct Piece {
    const char* name;
    SIZE size;
    std::vector<POINT> places;
  };
  const std::vector<Piece> pieces = {
      {"Out_01", {8, 8}, {{layout.listPanel.right + 5, Middle(layout.listPanel).y}}},
      {"Out_02", {4, 4}, {{1, 1}}},
      {"Out_03", {4, 4}, {{w / 2, 1}}},
      {"Out_04", {4, 4}, {{w - 2, 1}}},
      {"Out_05", {4, 4}, {{w - 2, h / 2}}},
      {"Out_06", {4, 4}, {{w - 2, h - 2}}},
      {"Out_07", {4, 4}, {{w / 2, h - 2}}},
      {"Out_08", {4, 4}, {{1, h - 2}}},
      {"Out_09", {4, 4}, {{1, h / 2}}},
      {"Out_10", {9, 9}, {Middle(layout.listPanel)}},
      {"Out_11", {9, 9}, {Middle(layout.noticeBar)}},
      {"Out_12", {9, 9}, {{Middle(layout.adPanel).x, layout.web11.bottom + 2}}},
      {"LogoBack01", {8, 8}, {Middle(layout.logo)}},
      {"LogoBack02", {8, 8}, {{Middle(layout.topBar).x, layout.topBar.top + 3}}},
      {"LogoBack03", {8, 8}, {{layout.topBar.right - 2, layout.topBar.top + 2}}},
      {"BottomBack01", {8, 8}, {{layout.bottomBar.left + 5, Middle(layout.bottomBar).y}}},
      {"BottomBack02", {8, 8}, {Middle(layout.bottomBar)}},
      {"BottomBack03", {8, 8}, {{layout.bottomBar.right - 2, Middle(layout.bottomBar).y}}},
      {"MenuTop", {8, 8}, {{column.left + 5, column.top + 2}}},
      {"MenuMid", {8, 8}, {{column.left + 5, layout.categories.back().bottom + 3}}},
      {"MenuBot", {8, 8}, {{column.left + 5, column.bottom - 2}}},
      {"SCG_btn", {8, 8}, {Middle(layout.columnHead)}},
      {"iwback", {9, 9}, {Middle(layout.web11), Middle(layout.web12), Middle(layout.web13), Middle(layout.web14)}},
  };
  for (size_t i = 0; i < pieces.size(); ++i)
    WriteSolidJpeg(Path("Skin\\Default\\" + std::string(pieces[i].name) + ".jpg"), pieces[i].size.cx,
                   pieces[i].size.cy, RGB(40 + i * 8, 200 - i * 7, (i * 37) % 256));

  const MenuFrame frame = LoadMenuFrame();
  Canvas canvas(kClient);
  DrawMenuFrame(canvas.dc(), frame, layout, kClient, kColors, true);
  for (size_t i = 0; i < pieces.size(); ++i)
    for (POINT place : pieces[i].places) {
      COLORREF got = canvas.At(place);
      EXPECT_TRUE(Near(got, RGB(40 + i * 8, 200 - i * 7, (i * 37) % 256)))
          << pieces[i].name << " at " << place.x << "," << place.y << " shows " << std::hex << got;
    }

  Canvas quiet(kClient);
  DrawMenuFrame(quiet.dc(), frame, layout, kClient, kColors, false);
  EXPECT_EQ(quiet.At(Middle(layout.noticeBar)), canvas.At(pieces[0].places[0])) << "no notice, no bar";
}

TEST_F(MenuFrameTest, WithoutPicturesTheSkinColoursShow) {
  const MenuLayout layout = LayOutMenu(kClient, 2);
  Canvas canvas(kClient);
  DrawMenuFrame(canvas.dc(), LoadMenuFrame(), layout, kClient, kColors, true);
  EXPECT_EQ(canvas.At(Middle(layout.listPanel)), kColors.banner);
  EXPECT_EQ(canvas.At(Middle(layout.web11)), kColors.list) << "the ad panes' places";
}

TEST(NineSlice, CornersKeepTheirSizeWhileTheRestStretches) {
  // 9 x 9: a red 4 x 4 top-left corner on blue.
  void* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib(9, 9, 32, &bits);
  ASSERT_TRUE(bitmap);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x) pixels[y * 9 + x] = x < 4 && y < 4 ? 0xFFFF0000u : 0xFF0000FFu;
  const Picture picture(bitmap, 9, 9);
  Canvas canvas({100, 60});
  DrawPictureNineSlice(canvas.dc(), picture, {10, 10, 90, 50});
  EXPECT_EQ(canvas.At({13, 13}), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At({14, 14}), RGB(0, 0, 255)) << "the corner stays 4 pixels";
  EXPECT_EQ(canvas.At({50, 30}), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At({5, 5}), RGB(0, 0, 0)) << "nothing outside the area";

  Canvas small({6, 6});
  DrawPictureNineSlice(small.dc(), picture, {0, 0, 6, 6});
  EXPECT_EQ(small.At({2, 2}), RGB(255, 0, 0));
  EXPECT_EQ(small.At({3, 3}), RGB(0, 0, 255)) << "an area too small for the corners shrinks them";
}
