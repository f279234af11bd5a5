#include "gui/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "gui/graphics/canvas.h"
#include "gui/graphics/debug_png.h"
#include "gui/graphics/graphics_error.h"

namespace gui {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("spintrak_graphics_" + name)).string();
}

TEST(Bitmap, PixelLayoutIsRgb24AndOutOfRangeIsHarmless) {
  TBitmap b(3, 2, clBtnFace);
  EXPECT_EQ(b.Pixels()[0], 0xECE9D8u);
  b.SetPixel(2, 1, RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(b.ScanLine(1)[2], 0x112233u);
  EXPECT_EQ(b.GetPixel(2, 1), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(b.GetPixel(3, 0), clNone);
  EXPECT_EQ(b.GetPixel(-1, 0), clNone);
  b.SetPixel(3, 0, clRed);
  b.SetPixel(0, -1, clRed);
  b.SetPixel(0, 0, clNone);
  EXPECT_EQ(b.GetPixel(0, 0), ColorToRGB(clBtnFace));
}

TEST(Bitmap, ZeroAndNegativeSizesAndResizeKeepPixels) {
  TBitmap empty(0, 5);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_EQ(empty.Height(), 0);
  empty.Canvas().FillRect({0, 0, 10, 10});
  TBitmap negative(-4, 3);
  EXPECT_EQ(negative.Width(), 0);

  TBitmap b(2, 2, clRed);
  b.SetSize(3, 1);
  EXPECT_EQ(b.GetPixel(0, 0), clRed);
  EXPECT_EQ(b.GetPixel(2, 0), clWhite);
  EXPECT_EQ(b.Height(), 1);
}

TEST(Bitmap, CopiesAreIndependentAndMovedCanvasFollows) {
  TBitmap a(2, 2, clRed);
  TBitmap copy = a;
  copy.SetPixel(0, 0, clBlue);
  EXPECT_EQ(a.GetPixel(0, 0), clRed);

  TCanvas* canvas = &a.Canvas();
  canvas->Brush.Color = clGreen;
  TBitmap moved = std::move(a);
  EXPECT_EQ(&moved.Canvas(), canvas);
  moved.Canvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(moved.GetPixel(0, 0), clGreen);
}

TEST(Bitmap, PngRoundTripKeepsEveryPixel) {
  TBitmap b(5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) b.SetPixel(x, y, RGB(std::uint8_t(x * 50), std::uint8_t(y * 60), 7));
  const std::string path = TempPath("roundtrip.png");
  b.SaveToFile(path);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  ASSERT_EQ(loaded.Width(), 5);
  ASSERT_EQ(loaded.Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.GetPixel(x, y), b.GetPixel(x, y));
  TBitmap fromMemory;
  fromMemory.LoadFromMemory(b.SaveToMemory());
  EXPECT_EQ(fromMemory.GetPixel(4, 3), b.GetPixel(4, 3));
  std::remove(path.c_str());
}

TEST(Bitmap, BadFilesThrowNamingTheFileAndKeepTheBitmap) {
  TBitmap b(2, 2, clRed);
  const std::string missing = TempPath("does_not_exist.png");
  try {
    b.LoadFromFile(missing);
    FAIL() << "no exception";
  } catch (const EGraphicsError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
  }
  const std::string corrupt = TempPath("corrupt.png");
  std::ofstream(corrupt) << "not a png at all";
  EXPECT_THROW(b.LoadFromFile(corrupt), EGraphicsError);
  // A truncated PNG: the header is good, the image data is cut off.
  auto data = TBitmap(40, 40, clBlue).SaveToMemory();
  data.resize(data.size() / 2);
  EXPECT_THROW(b.LoadFromMemory(data), EGraphicsError);
  EXPECT_THROW(b.LoadFromMemory({}), EGraphicsError);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.GetPixel(1, 1), clRed);
  std::remove(corrupt.c_str());

  EXPECT_THROW(b.SaveToFile("/nonexistent-dir/x.png"), EGraphicsError);
  EXPECT_THROW(TBitmap().SaveToFile(TempPath("empty.png")), EGraphicsError);
}

TEST(Bitmap, AFolderOrDamagedBytesGiveOurErrorNeverACrash) {
  TBitmap b(2, 2, clRed);
  const std::string folder = std::filesystem::temp_directory_path().string();
  try {
    b.LoadFromFile(folder);
    FAIL() << "no exception";
  } catch (const EGraphicsError& e) {
    EXPECT_NE(std::string(e.what()).find(folder), std::string::npos) << e.what();
  }
  // Damaged copies of a good PNG either load or throw our error; the bitmap survives a failure.
  TBitmap source(17, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 17; ++x) source.SetPixel(x, y, RGB(std::uint8_t(x * 13), std::uint8_t(y * 29), 99));
  const std::vector<std::uint8_t> good = source.SaveToMemory();
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::vector<std::uint8_t> bad = good;
    for (int k = 0; k < 3; ++k) bad[random() % bad.size()] = std::uint8_t(random());
    if (i % 4 == 0) bad.resize(random() % bad.size());
    try {
      b.LoadFromMemory(bad);
      b = TBitmap(2, 2, clRed);
    } catch (const EGraphicsError&) {
      ASSERT_EQ(b.Width(), 2);
      ASSERT_EQ(b.GetPixel(1, 1), clRed);
    }
  }
}

TEST(Bitmap, DebugPngWritesEvenAnEmptyBitmap) {
  const std::string path = TempPath("debug_empty.png");
  SaveDebugPng(TBitmap(), path);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Width(), 1);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace gui
