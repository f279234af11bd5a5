#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gui/graphics/bitmap.h"
#include "resources/resources.h"

// The program's pictures as the controls will use them: opaque bitmaps whose bottom-left pixel
// gives the colour left out, and icons with an alpha channel.
namespace {

using gui::TBitmap;
using gui::TColor;

TBitmap Load(std::string_view name, TColor background = gui::clWhite) {
  TBitmap b;
  b.LoadFromMemory(resources::Get(name), background);
  return b;
}

TColor BottomLeft(const TBitmap& b) { return b.GetPixel(0, b.Height() - 1); }

// A pixel of the transparent colour inside the drawing would let the face behind show through a
// hole; every one must be reachable from the border through pixels of that colour.
int KeyPixelsInside(const TBitmap& b, TColor key) {
  const int w = b.Width(), h = b.Height();
  std::vector<bool> reached(std::size_t(w * h), false);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
  for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= w || y >= h || reached[std::size_t(y * w + x)] || b.GetPixel(x, y) != key) continue;
    reached[std::size_t(y * w + x)] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int inside = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) inside += b.GetPixel(x, y) == key && !reached[std::size_t(y * w + x)];
  return inside;
}

int Ink(const TBitmap& b, TColor key, int left = 0, int right = -1) {
  if (right < 0) right = b.Width();
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = left; x < right; ++x) n += b.GetPixel(x, y) != key;
  return n;
}

bool IsBlue(TColor c) {
  return gui::GetBValue(c) > gui::GetRValue(c) + 60 && gui::GetBValue(c) > gui::GetGValue(c) + 30;
}
bool IsGreen(TColor c) {
  return gui::GetGValue(c) > gui::GetRValue(c) + 40 && gui::GetGValue(c) > gui::GetBValue(c);
}
bool IsWhitish(TColor c) { return gui::GetRValue(c) > 235 && gui::GetGValue(c) > 235 && gui::GetBValue(c) > 235; }

TEST(Artwork, GlyphsHaveTheirSizesAndTransparentColours) {
  struct TCase {
    const char* Name;
    int Width, Height;
    TColor Key;
  };
  for (const TCase& c : {TCase{"glyphs/exit.png", 48, 48, gui::RGB(212, 208, 200)},
                         TCase{"glyphs/about.png", 48, 48, gui::RGB(212, 208, 200)},
                         TCase{"glyphs/add.png", 32, 16, gui::RGB(236, 233, 216)}}) {
    SCOPED_TRACE(c.Name);
    const TBitmap b = Load(c.Name);
    ASSERT_EQ(b.Width(), c.Width);
    ASSERT_EQ(b.Height(), c.Height);
    EXPECT_EQ(BottomLeft(b), c.Key);
    EXPECT_EQ(KeyPixelsInside(b, c.Key), 0);
    EXPECT_GT(Ink(b, c.Key), c.Width * c.Height / 4);
  }
}

TEST(Artwork, GlyphsShowWhatTheyStandFor) {
  const TBitmap exit = Load("glyphs/exit.png");
  EXPECT_TRUE(IsWhitish(exit.GetPixel(23, 23)));  // where the cross's arms meet
  const TColor orange = exit.GetPixel(23, 7);
  EXPECT_GT(gui::GetRValue(orange), 220);
  EXPECT_GT(gui::GetGValue(orange), 100);
  EXPECT_LT(gui::GetBValue(orange), 100);

  const TBitmap about = Load("glyphs/about.png");
  EXPECT_TRUE(IsBlue(about.GetPixel(12, 9)));              // the title bar
  EXPECT_TRUE(IsBlue(about.GetPixel(24, 32)));             // the sign's disc
  EXPECT_TRUE(IsWhitish(about.GetPixel(30, 32)));          // its letter i
  EXPECT_GT(gui::GetGValue(about.GetPixel(10, 30)), 200);  // the window's light body

  // The enabled cell holds a blue plus sign, the disabled one the same sign in grey.
  const TBitmap add = Load("glyphs/add.png");
  const TColor key = BottomLeft(add);
  EXPECT_TRUE(IsBlue(add.GetPixel(7, 3)));
  EXPECT_TRUE(IsBlue(add.GetPixel(3, 7)));
  EXPECT_EQ(add.GetPixel(3, 3), key);
  for (auto [x, y] : {std::pair{7, 3}, {3, 7}, {7, 7}, {12, 8}}) {
    const TColor grey = add.GetPixel(16 + x, y);
    EXPECT_NEAR(gui::GetRValue(grey), gui::GetBValue(grey), 4) << x << "," << y;
    EXPECT_LT(gui::GetRValue(grey), 200) << x << "," << y;
  }
  EXPECT_EQ(add.GetPixel(16 + 3, 3), key);
}

TEST(Artwork, IconsKeepTheirTransparencyAtEverySize) {
  auto check = [](const TBitmap& overWhite, const TBitmap& overBlack, int size) {
    ASSERT_EQ(overWhite.Width(), size);
    ASSERT_EQ(overWhite.Height(), size);
    for (int corner : {0, size - 1}) {
      EXPECT_EQ(overWhite.GetPixel(corner, 0), gui::clWhite);
      EXPECT_EQ(overBlack.GetPixel(corner, 0), gui::clBlack);
    }
    // The wheel itself is opaque: the same over any ground.
    for (int at : {size / 2, size / 8 + 1})
      EXPECT_EQ(overWhite.GetPixel(size / 2, at), overBlack.GetPixel(size / 2, at));
  };
  check(Load("icons/spintrak.png", gui::clWhite), Load("icons/spintrak.png", gui::clBlack), 128);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const std::string path = std::string(SPINTRAK_RESOURCES_DIR) + "/hicolor/" + std::to_string(size) + "x" +
                             std::to_string(size) + "/apps/spintrak.png";
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> png{std::istreambuf_iterator<char>(file), {}};
    TBitmap overWhite, overBlack;
    overWhite.LoadFromMemory(png, gui::clWhite);
    overBlack.LoadFromMemory(png, gui::clBlack);
    check(overWhite, overBlack, size);
  }
  // The window's icon and the 128-pixel desktop icon are one picture.
  TBitmap desktop;
  desktop.LoadFromFile(std::string(SPINTRAK_RESOURCES_DIR) + "/hicolor/128x128/apps/spintrak.png");
  const TBitmap window = Load("icons/spintrak.png");
  for (int y = 0; y < 128; y += 9)
    for (int x = 0; x < 128; x += 7) ASSERT_EQ(desktop.GetPixel(x, y), window.GetPixel(x, y)) << x << "," << y;
}

TEST(Artwork, AboutBoxPicturesFitTheirControlsAndLeaveTheirGroundOut) {
  const TBitmap emblem = Load("pictures/emblem.png");
  ASSERT_EQ(emblem.Width(), 101);
  ASSERT_EQ(emblem.Height(), 101);
  // Its ground is the panel's face, so it looks right whether or not it is drawn transparently.
  EXPECT_EQ(BottomLeft(emblem), gui::RGB(236, 233, 216));
  EXPECT_EQ(KeyPixelsInside(emblem, BottomLeft(emblem)), 0);
  EXPECT_TRUE(IsGreen(emblem.GetPixel(50, 50)));   // the letter S crosses the centre
  EXPECT_TRUE(IsGreen(emblem.GetPixel(50, 17)));   // the zero's pocket at the top
  EXPECT_FALSE(IsGreen(emblem.GetPixel(58, 17)));  // and the red one beside it
  EXPECT_GT(gui::GetRValue(emblem.GetPixel(58, 17)), 150);

  const TBitmap mark = Load("pictures/wordmark.png");
  ASSERT_EQ(mark.Width(), 96);
  ASSERT_EQ(mark.Height(), 96);
  EXPECT_EQ(BottomLeft(mark), gui::clWhite);
  int left = 96, right = -1, black = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      if (mark.GetPixel(x, y) != gui::clWhite) {
        left = std::min(left, x), right = std::max(right, x);
        black += mark.GetPixel(x, y) == gui::clBlack;
      }
  EXPECT_GT(black, 300);
  EXPECT_GE(left, 2);
  EXPECT_LE(right, 93);
}

// Each picture the program draws has its 2 x version: twice the size, the same transparent colour
// and no holes, and the same drawing (scaled down, it comes close to the 1 x picture).
TEST(Artwork, EveryPictureHasItsTwiceAsLargeVersion) {
  EXPECT_EQ(resources::ScaledName("glyphs/exit.png", 2), "glyphs/exit@2x.png");
  EXPECT_EQ(resources::ScaledName("a.b/name", 2), "a.b/name@2x");
  EXPECT_EQ(resources::ScaledName("glyphs/exit.png", 1), "glyphs/exit.png");
  for (const char* name :
       {"glyphs/exit.png", "glyphs/about.png", "glyphs/add.png", "pictures/emblem.png", "pictures/wordmark.png",
        "icons/warning.png", "icons/error.png", "icons/information.png", "icons/confirmation.png"}) {
    SCOPED_TRACE(name);
    const TBitmap one = Load(name);
    const TBitmap two = Load(resources::ScaledName(name, 2));
    ASSERT_EQ(two.Width(), 2 * one.Width());
    ASSERT_EQ(two.Height(), 2 * one.Height());
    EXPECT_EQ(BottomLeft(two), BottomLeft(one));
    if (std::string_view(name).starts_with("glyphs/")) {
      EXPECT_EQ(KeyPixelsInside(two, BottomLeft(two)), 0);
    }
    int far = 0;
    for (int y = 0; y < one.Height(); ++y)
      for (int x = 0; x < one.Width(); ++x) {
        int sum[3] = {};
        for (int k = 0; k < 4; ++k) {
          const TColor c = two.GetPixel(2 * x + k % 2, 2 * y + k / 2);
          sum[0] += gui::GetRValue(c), sum[1] += gui::GetGValue(c), sum[2] += gui::GetBValue(c);
        }
        const TColor c = one.GetPixel(x, y);
        const int d = std::abs(sum[0] / 4 - gui::GetRValue(c)) + std::abs(sum[1] / 4 - gui::GetGValue(c)) +
                      std::abs(sum[2] / 4 - gui::GetBValue(c));
        far += d > 96;
      }
    EXPECT_LT(far, one.Width() * one.Height() / 20) << "pixels far from the 1 x picture";
  }
}

}  // namespace
