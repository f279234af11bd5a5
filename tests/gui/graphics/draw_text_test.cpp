#include <gtest/gtest.h>

#include <climits>

#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "pixel_map.h"

namespace gui {
namespace {

using namespace gui::literals;
using testing::CountColor;

// Dialog font on white; every test measures against the canvas's own widths so that it holds for
// whichever face the machine provides.
class DrawTextTest : public ::testing::Test {
 protected:
  TBitmap Bitmap{200, 100};
  TCanvas& Canvas = Bitmap.Canvas();
  int LineHeight = Canvas.Metrics().Height;

  TRect Calc(std::string_view text, unsigned flags, int width = 1000) {
    TRect r{10, 20, 10 + width, 20};
    const int h = DrawText(Canvas, text, r, flags | DT_CALCRECT);
    EXPECT_EQ(h, r.Height());
    return r;
  }
  int Lines(std::string_view text, unsigned flags = 0, int width = 1000) {
    return Calc(text, flags, width).Height() / LineHeight;
  }
  int W(std::string_view s) { return Canvas.TextWidth(s); }
  bool PixelMapEqual(const TBitmap& expected) const {
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x)
        if (Bitmap.GetPixel(x, y) != expected.GetPixel(x, y)) return false;
    return true;
  }
  // The bounding box of non-white pixels.
  TRect Ink(const TBitmap& b) {
    TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.GetPixel(x, y) != clWhite)
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
  }
};

TEST_F(DrawTextTest, EachKindOfLineEndEndsOneLine) {
  EXPECT_EQ(Lines("a"), 1);
  EXPECT_EQ(Lines("a\rb"), 2);
  EXPECT_EQ(Lines("a\nb"), 2);
  EXPECT_EQ(Lines("a\r\nb"), 2);
  EXPECT_EQ(Lines("a\n\rb"), 2);
  EXPECT_EQ(Lines("a\r\rb"), 3);
  EXPECT_EQ(Lines("a\n\nb"), 3);
  EXPECT_EQ(Lines("a\r\n\r\nb"), 3);
  EXPECT_EQ(Lines("a\r\nb", DT_SINGLELINE), 1);
  EXPECT_EQ(Calc("ab\r\nabcd", 0).Width(), W("abcd"));
}

TEST_F(DrawTextTest, EmptyTextHasNoLinesUnlessSingleLine) {
  EXPECT_EQ(Calc("", 0), (TRect{10, 20, 10, 20}));
  EXPECT_EQ(Calc("", DT_WORDBREAK), (TRect{10, 20, 10, 20}));
  EXPECT_EQ(Calc("", DT_SINGLELINE), (TRect{10, 20, 10, 20 + LineHeight}));
}

TEST_F(DrawTextTest, WordBreakKeepsFittingBlanksAndSwallowsOne) {
  const int width = W("aaa bbb");
  EXPECT_EQ(Lines("aaa bbb ccc", DT_WORDBREAK, width), 2);
  EXPECT_EQ(Lines("aaa bbb ccc", DT_WORDBREAK, width - 1), 3);
  // The blank after "bbb" fits and stays on the first line; the next one is swallowed.
  EXPECT_EQ(Calc("aaa bbb  ccc", DT_WORDBREAK, W("aaa bbb ")).Width(), W("aaa bbb "));
  EXPECT_EQ(Lines("aaa bbb  ccc", DT_WORDBREAK, W("aaa bbb ")), 2);
  // Word break is off without the flag and with SINGLELINE.
  EXPECT_EQ(Lines("aaa bbb ccc", 0, 5), 1);
  EXPECT_EQ(Lines("aaa bbb ccc", DT_WORDBREAK | DT_SINGLELINE, 5), 1);
  // Line ends still end lines inside broken text.
  EXPECT_EQ(Lines("aaa\nbbb ccc", DT_WORDBREAK, width), 2);
}

TEST_F(DrawTextTest, AWordWiderThanTheRectOverflowsWhole) {
  const TRect r = Calc("tiny enormousword tiny", DT_WORDBREAK, W("tiny"));
  EXPECT_EQ(r.Height(), 3 * LineHeight);
  EXPECT_EQ(r.Width(), W("enormousword"));
}

TEST_F(DrawTextTest, TabsStopEveryEightAverageWidthsFromTheLineStart) {
  const int stop = Canvas.Metrics().AveCharWidth * 8;
  EXPECT_EQ(Calc("a\tb", DT_EXPANDTABS).Width(), stop + W("b"));
  EXPECT_EQ(Calc("a\t\tb", DT_EXPANDTABS).Width(), 2 * stop + W("b"));
  EXPECT_EQ(Calc("x\na\tb", DT_EXPANDTABS).Width(), stop + W("b"));
  const std::string wide(std::size_t(stop / W("W") + 1), 'W');
  EXPECT_EQ(Calc(wide + "\tb", DT_EXPANDTABS).Width(), 2 * stop + W("b"));
}

TEST_F(DrawTextTest, PrefixesHideAmpersandsAndUnderlineTheNextCharacter) {
  EXPECT_EQ(Calc("&File", 0).Width(), W("File"));
  EXPECT_EQ(Calc("a&&b", 0).Width(), W("a&b"));
  EXPECT_EQ(Calc("ab&", 0).Width(), W("ab&"));
  EXPECT_EQ(Calc("&File", DT_NOPREFIX).Width(), W("&File"));

  // Drawn: the same glyphs as the plain word plus one underline row under "F" only.
  TRect r{0, 0, 200, 100};
  DrawText(Canvas, "&File", r, DT_NOCLIP);
  TBitmap plain(200, 100);
  plain.Canvas().TextOut(0, 0, "File");
  const int baseline = Canvas.Metrics().Ascent;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool underline = y == baseline + 1 && x < W("F");
      if (underline)
        EXPECT_EQ(Bitmap.GetPixel(x, y), clBlack) << x;
      else
        EXPECT_EQ(Bitmap.GetPixel(x, y), plain.GetPixel(x, y)) << x << "," << y;
    }
}

TEST_F(DrawTextTest, EndEllipsisShortensTheLastVisibleLineToFit) {
  const std::string text = "Very long caption text";
  const int width = W("Very long") + 1;
  const TRect r = Calc(text, DT_SINGLELINE | DT_END_ELLIPSIS, width);
  EXPECT_LE(r.Width(), width);
  EXPECT_GE(r.Width(), W("..."));
  // What is drawn is exactly a shortened text followed by "...".
  TRect box{0, 0, width, LineHeight};
  DrawText(Canvas, text, box, DT_SINGLELINE | DT_END_ELLIPSIS);
  bool matched = false;
  for (std::size_t n = text.size(); n-- > 0 && !matched;) {
    TBitmap expect(200, 100);
    expect.Canvas().TextOut(0, 0, text.substr(0, n) + "...");
    matched = PixelMapEqual(expect);
  }
  EXPECT_TRUE(matched);
  // A text that fits is left alone.
  EXPECT_EQ(Calc("short", DT_SINGLELINE | DT_END_ELLIPSIS, 1000).Width(), W("short"));
}

TEST_F(DrawTextTest, PathEllipsisKeepsTheLastComponent) {
  const std::string path = "C:\\Program Files\\Spintrak\\SKTemp1.htm";
  const int width = W("C:\\Pro...\\SKTemp1.htm");
  TRect box{0, 0, width, LineHeight};
  DrawText(Canvas, path, box, DT_SINGLELINE | DT_PATH_ELLIPSIS);
  TBitmap expect(200, 100);
  expect.Canvas().TextOut(0, 0, "C:\\Pro...\\SKTemp1.htm");
  EXPECT_TRUE(PixelMapEqual(expect));
}

TEST_F(DrawTextTest, EllipsesKeepTheLongestHeadThatFitsAlsoAfterTabs) {
  const unsigned flags = DT_SINGLELINE | DT_EXPANDTABS;
  auto calc = [&](const std::string& s, unsigned f, int width) {
    TRect r{0, 0, width, 0};
    DrawText(Canvas, s, r, f | flags | DT_CALCRECT);
    return r.Width();
  };
  const std::string text = "ab	cd efgh	ij klmnop";
  const std::string path = "ab	cd/ef	gh/ijk	l.htm";
  for (int width = calc(text, 0, 0) - 1; width > 0; width -= 7) {
    std::size_t n = text.size();
    while (n > 0 && calc(text.substr(0, n) + "...", 0, 0) > width) --n;
    EXPECT_EQ(calc(text, DT_END_ELLIPSIS, width), calc(text.substr(0, n) + "...", 0, 0)) << width;
  }
  const std::size_t sep = path.rfind('/');
  for (int width = calc(path, 0, 0) - 1; width > 0; width -= 5) {
    std::size_t n = sep;
    while (n > 0 && calc(path.substr(0, n) + "..." + path.substr(sep), 0, 0) > width) --n;
    EXPECT_EQ(calc(path, DT_PATH_ELLIPSIS, width), calc(path.substr(0, n) + "..." + path.substr(sep), 0, 0))
        << width;
  }
}

TEST_F(DrawTextTest, CentredLinesAreEachCentredOnTheWiderLine) {
  const std::string text = "Ab\r\nAbcdefgh";
  TRect r{0, 0, 0, 0};
  DrawText(Canvas, text, r, DT_CENTER | DT_CALCRECT);
  EXPECT_EQ(r.Width(), W("Abcdefgh"));
  r = r.Offset(20, 10);
  DrawText(Canvas, text, r, DT_CENTER);
  TBitmap first(200, 100), second(200, 100);
  first.Canvas().TextOut(20 + (W("Abcdefgh") - W("Ab")) / 2, 10, "Ab");
  second.Canvas().TextOut(20, 10 + LineHeight, "Abcdefgh");
  first.Canvas().Draw(0, 0, second, clWhite);
  EXPECT_TRUE(PixelMapEqual(first));
}

TEST_F(DrawTextTest, RightAlignmentAndSingleLineVerticalPlacement) {
  TRect r{0, 0, 100, 40};
  DrawText(Canvas, "Ab", r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
  TBitmap expect(200, 100);
  expect.Canvas().TextOut(100 - W("Ab"), (40 - LineHeight) / 2, "Ab");
  EXPECT_TRUE(PixelMapEqual(expect));

  TBitmap bottom(200, 100);
  TRect rb{0, 0, 100, 40};
  DrawText(bottom.Canvas(), "Ab", rb, DT_SINGLELINE | DT_BOTTOM);
  TBitmap expectBottom(200, 100);
  expectBottom.Canvas().TextOut(0, 40 - LineHeight, "Ab");
  EXPECT_EQ(testing::PixelMap(bottom), testing::PixelMap(expectBottom));
  // Without SINGLELINE, vertical centring does not apply.
  TBitmap multi(200, 100);
  TRect rm{0, 0, 100, 40};
  DrawText(multi.Canvas(), "Ab", rm, DT_VCENTER);
  TBitmap expectTop(200, 100);
  expectTop.Canvas().TextOut(0, 0, "Ab");
  EXPECT_EQ(testing::PixelMap(multi), testing::PixelMap(expectTop));
}

TEST_F(DrawTextTest, NothingIsDrawnOutsideTheRectUnlessNoClip) {
  const std::string text = "WWWWWWWWWWWWWWWWWWWW\nWWWWWWWWWWWWWWWWWWWW\nWWWWWWWWWWWWWW";
  TRect r{30, 30, 60, 40};
  DrawText(Canvas, text, r, DT_WORDBREAK | DT_CENTER);
  const TRect ink = Ink(Bitmap);
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_EQ(IntersectRect(ink, r), ink);
  // The clip of the caller still holds inside DrawText, and it is restored after.
  TBitmap clipped(200, 100);
  clipped.Canvas().IntersectClipRect({0, 0, 40, 100});
  TRect r2{30, 30, 60, 40};
  DrawText(clipped.Canvas(), text, r2, DT_NOCLIP);
  EXPECT_LE(Ink(clipped).Right, 40);
  EXPECT_EQ(clipped.Canvas().ClipBounds(), (TRect{0, 0, 40, 100}));
  TBitmap loose(200, 100);
  TRect r3{30, 30, 60, 40};
  DrawText(loose.Canvas(), text, r3, DT_NOCLIP);
  EXPECT_GT(Ink(loose).Right, 60);
  EXPECT_GT(Ink(loose).Bottom, 40);
  // Rects at the ends of the integer range neither overflow nor draw where they should not.
  TBitmap centred(200, 100);
  TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  DrawText(centred.Canvas(), "far", huge, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const TRect around = Ink(centred);  // centred on (-0.5, -0.5): the lower right part shows
  EXPECT_EQ(around.Left, 0);
  EXPECT_EQ(around.Top, 0);
  EXPECT_LT(around.Right, W("far"));
  TBitmap far(200, 100);
  TRect edge{INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX};
  DrawText(far.Canvas(), "far away\text", edge, DT_RIGHT | DT_WORDBREAK | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS);
  EXPECT_EQ(CountColor(far, clWhite), 200 * 100);
  DrawText(far.Canvas(), "far", edge, DT_CALCRECT);
  EXPECT_EQ(edge.Right, INT_MAX);
}

TEST_F(DrawTextTest, SolidBrushFillsBehindEachLineAndClearLeavesTheBackground) {
  Canvas.Brush.Color = clYellow;
  TRect r{0, 0, 200, 100};
  DrawText(Canvas, "ab\nabcd", r, 0);
  EXPECT_EQ(CountColor(Bitmap, clWhite), 200 * 100 - (W("ab") + W("abcd")) * LineHeight);
  EXPECT_EQ(Bitmap.GetPixel(W("ab"), 0), clWhite);
  TBitmap clear(200, 100);
  clear.Canvas().Brush.Style = bsClear;
  TRect r2{0, 0, 200, 100};
  DrawText(clear.Canvas(), "ab\nabcd", r2, 0);
  EXPECT_EQ(CountColor(clear, clYellow), 0);
}

}  // namespace
}  // namespace gui
