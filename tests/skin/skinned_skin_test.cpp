// The default pictures of the skinned menus, as the generator writes them and the windows load
// them by name: every name there, at its size, decodable by our own decoder, soft-edged where the
// window blends, and the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include <unistd.h>

#include "png_decode.h"

namespace fs = std::filesystem;

namespace {
struct Picture {
  int width = 0, height = 0;
  bool alpha = false;  // blended per pixel by the window; otherwise an opaque picture
};

// Every picture the skinned windows load, with the size their layout gives it; the sample
// launcher table's arguments name the menu buttons of both layouts.
std::map<std::string, Picture> Expected() {
  std::map<std::string, Picture> expected = {
      {"clt_bg.png", {1200, 800}}, {"clt_bg2.png", {652, 640}}, {"catebg.png", {492, 576}},
      {"catebg2.png", {476, 372}}, {"back.png", {1050, 100}},   {"Notice.png", {380, 200}},
      {"X_2N.PNG", {28, 28}},      {"X_2O.PNG", {28, 28}},      {"Mini_N.png", {24, 24}},
      {"Mini_O.png", {24, 24}},    {"NT_N.png", {24, 24}},      {"NT_O.png", {24, 24}},
      {"Web_N.png", {110, 127, true}}, {"Web_O.png", {110, 127, true}},  // Button.ini's first link
  };
  for (const std::string c : {"BG", "OG", "AF", "CD", "SR", "PG", "ME", "DM", "ET", "BC", "FG", "MR", "FP", "MM", "IG",
                              "AC", "M2", "GE", "TV", "MU"}) {
    for (const char* state : {"n", "o"}) {
      expected["menu_" + c + state + ".png"] = {164, 40};
      expected["menu_" + c + "2" + state + ".png"] = {140, 36};
    }
    for (const char* state : {"_N", "_O"}) expected[c + state + ".png"] = {110, 127, true};
  }
  for (int i = 1; i <= 4; ++i) expected["cmd0" + std::to_string(i) + "_N.png"] = {42, 64};
  int args = 0;
  std::istringstream lines(ReadAll(fs::path(SAMPLE_FOLDER) / "GameExe.ini"));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Args=", 0) != 0 || line.size() == 5) continue;
    const std::string arg = line.substr(5);
    expected[arg + "_N.png"] = expected[arg + "_O.png"] = {86, 86};
    expected[arg + "_2N.png"] = expected[arg + "_2O.png"] = {76, 76, true};
    ++args;
  }
  EXPECT_GT(args, 0) << "the sample launcher table has entries";
  return expected;
}

class SkinnedSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(root_);
    for (const char* run : {"a", "b"}) {
      const std::string command = std::string("'") + SKINNED_SKIN_SCRIPT + "' '" + (root_ / run).string() + "'";
      ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
  }
  static void TearDownTestSuite() { fs::remove_all(root_); }

  // Decodes with our decoder; blue, green, red, alpha per pixel.
  static Bytes Bgra(const std::string& name, Picture* found) {
    const DecodedPng png = DecodePng(ReadAll(root_ / "a" / "image" / name));
    EXPECT_EQ(png.file.ErrorNumber, 0) << name;
    if (!png.pixels) {
      ADD_FAILURE() << name << " missing or abandoned by the decoder (names are case-sensitive here)";
      return {};
    }
    *found = {png.pixels->width, png.pixels->height, png.file.header.ColorType == 6};
    return ToBgra(png.file, *png.pixels);
  }

  static inline const fs::path root_ = fs::temp_directory_path() / ("skinned-skin-" + std::to_string(::getpid()));
};

TEST_F(SkinnedSkin, EveryPictureTheWindowsLoadIsThereAtItsSizeAndFloatingButtonsHaveSoftEdges) {
  const std::map<std::string, Picture> expected = Expected();
  for (const auto& [name, picture] : expected) {
    SCOPED_TRACE(name);
    Picture found;
    const Bytes bgra = Bgra(name, &found);
    EXPECT_EQ(found.width, picture.width);
    EXPECT_EQ(found.height, picture.height);
    EXPECT_EQ(found.alpha, picture.alpha) << "alpha channel";
    if (found.width != 110 || found.height != 127 || !found.alpha) continue;
    // A floating button: rounded, anti-aliased edges and a shadow around an opaque face.
    auto alpha = [&](int x, int y) { return bgra[(y * 110 + x) * 4 + 3]; };
    int soft = 0;
    for (size_t i = 3; i < bgra.size(); i += 4) soft += bgra[i] > 0 && bgra[i] < 255;
    EXPECT_LT(alpha(0, 0), 8) << "corner shows the desktop";
    EXPECT_LT(alpha(109, 126), 8) << "corner shows the desktop";
    EXPECT_EQ(alpha(55, 60), 255) << "face";
    EXPECT_GT(soft, 1000);
  }
  // Layout 1's close button is loaded as X_N.jpg at first and as X_N.JPG afterwards.
  for (const char* name : {"X_N.jpg", "X_N.JPG", "X_O.JPG"})
    EXPECT_EQ(ReadAll(root_ / "a" / "image" / name).substr(0, 3), "\xFF\xD8\xFF") << name << " is a JPEG file";
  // 인터넷 in code page 949.
  EXPECT_EQ(ReadAll(root_ / "a" / "Skin" / "Button.ini"),
            "[1]\r\ntitle=\xC0\xCE\xC5\xCD\xB3\xDD\r\nimage=Web\r\nurl=https://www.naver.com/\r\n");
}

TEST_F(SkinnedSkin, TheBannerIsCutOutOnlyAtItsCorners) {
  Picture found;
  const Bytes bgra = Bgra("back.png", &found);
  ASSERT_EQ(bgra.size(), size_t(found.width * found.height * 4));
  int keyed = 0, inside = 0;
  std::string first;
  for (int y = 0; y < found.height; ++y) {
    for (int x = 0; x < found.width; ++x) {
      const uint8_t* p = &bgra[(y * found.width + x) * 4];
      if (p[0] != 35 || p[1] != 35 || p[2] != 35) continue;
      ++keyed;
      if ((x < 14 || x >= found.width - 14) && (y < 14 || y >= found.height - 14)) continue;
      if (inside++ == 0) first = std::to_string(x) + "," + std::to_string(y);
    }
  }
  EXPECT_EQ(inside, 0) << "see-through pixels away from the corners, the first at " << first;
  EXPECT_GT(keyed, 4 * 20) << "rounded corners cut out through RGB(35, 35, 35)";
}

TEST_F(SkinnedSkin, TwoRunsWriteTheSameBytes) {
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root_ / "a")) {
    if (!entry.is_regular_file()) continue;
    const fs::path other = root_ / "b" / fs::relative(entry.path(), root_ / "a");
    EXPECT_TRUE(ReadAll(entry.path()) == ReadAll(other)) << entry.path().filename() << " differs between runs";
    ++compared;
  }
  EXPECT_GT(compared, 150);
}
}  // namespace
