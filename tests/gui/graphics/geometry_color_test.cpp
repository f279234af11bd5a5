#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "gui/graphics/color.h"
#include "gui/graphics/flags.h"
#include "gui/graphics/geometry.h"

namespace gui {
namespace {

TEST(Geometry, RightAndBottomAreExclusive) {
  const TRect r{2, 3, 5, 7};
  EXPECT_EQ(r.Width(), 3);
  EXPECT_EQ(r.Height(), 4);
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_TRUE(r.Contains({4, 6}));
  EXPECT_FALSE(r.Contains({5, 3}));
  EXPECT_FALSE(r.Contains({2, 7}));
  EXPECT_FALSE(r.Contains({1, 3}));
  EXPECT_EQ(r.TopLeft(), (TPoint{2, 3}));
  EXPECT_EQ(r.BottomRight(), (TPoint{5, 7}));
  EXPECT_EQ(Bounds(2, 3, 3, 4), r);
}

TEST(Geometry, EmptyRectsContainNothing) {
  EXPECT_TRUE((TRect{5, 5, 5, 9}).IsEmpty());
  EXPECT_TRUE((TRect{5, 5, 9, 4}).IsEmpty());
  EXPECT_FALSE((TRect{5, 5, 5, 9}).Contains({5, 5}));
  EXPECT_FALSE((TRect{0, 0, 1, 1}).IsEmpty());
}

TEST(Geometry, OffsetInflateIntersectUnion) {
  const TRect r{0, 0, 10, 10};
  EXPECT_EQ(r.Offset(3, -2), (TRect{3, -2, 13, 8}));
  EXPECT_EQ(r.Inflate(-2, -3), (TRect{2, 3, 8, 7}));
  EXPECT_EQ(IntersectRect(r, {5, 5, 20, 20}), (TRect{5, 5, 10, 10}));
  // Touching rects share no pixel.
  EXPECT_TRUE(IntersectRect(r, {10, 0, 20, 10}).IsEmpty());
  EXPECT_EQ(IntersectRect(r, {10, 0, 20, 10}), TRect{});
  EXPECT_EQ(UnionRect(r, {20, 20, 25, 30}), (TRect{0, 0, 25, 30}));
  EXPECT_EQ(UnionRect(TRect{}, {20, 20, 25, 30}), (TRect{20, 20, 25, 30}));
  EXPECT_EQ(UnionRect(r, {50, 50, 50, 60}), r);
}

// Enumerations numbered 0, 1, 2 ... hold their members as the bits 1 << value; the others are bits.
TEST(Flags, OrdinalAndBitEnumerationsMakeTheSameKindOfSet) {
  enum TPlace : std::uint8_t { plFirst, plSecond, plThird, plLast = 31 };
  using TPlaces = TFlags<TPlace, TFlagValues::Ordinals>;
  TPlaces places{plFirst, plThird, plLast};
  EXPECT_TRUE(places.Contains(plFirst));
  EXPECT_FALSE(places.Contains(plSecond)) << "the first place is bit 1, not value 0";
  EXPECT_EQ(places.Bits(), 0x80000005u);
  EXPECT_EQ(places.Count(), 3);
  places.Exclude(plLast);
  EXPECT_EQ(places, TPlaces::FromBits(5));
  EXPECT_TRUE((places & plSecond).Empty());

  enum TBit : std::uint8_t { btA = 1, btB = 2, btC = 4 };
  TFlags<TBit> bits = TFlags<TBit>(btA) | btC;
  EXPECT_EQ(bits.Bits(), 5u);
  EXPECT_EQ(bits.Count(), 2);
  EXPECT_FALSE(bits.Contains(btB));
}

TEST(Color, SystemColoursResolveThroughTheSchemeTable) {
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clRed));
  EXPECT_FALSE(IsSystemColor(clNone));
  // The table holds RGB hex; the results are 0x00BBGGRR.
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xD8E9ECu);
  EXPECT_EQ(GetRValue(ColorToRGB(clHighlight)), 0x31);
  EXPECT_EQ(GetBValue(ColorToRGB(clHighlight)), 0xC5);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  // Plain colours and clNone pass through; an index beyond the table is black, not garbage.
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clSystemColor | 200), clBlack);
  EXPECT_EQ(ColorToRGB(clDefault), clWhite);
}

TEST(Color, TheDesktopSchemeTableHoldsTheLayoutsColours) {
  // RGB hex as the scheme is usually written down.
  const std::pair<TColor, std::uint32_t> scheme[] = {
      {clWindow, 0xFFFFFF},        {clWindowFrame, 0x000000},   {clWindowText, 0x000000},
      {clHighlight, 0x316AC5},     {clHighlightText, 0xFFFFFF}, {clBtnFace, 0xECE9D8},
      {clBtnShadow, 0xACA899},     {clGrayText, 0xACA899},      {clBtnText, 0x000000},
      {clBtnHighlight, 0xFFFFFF},  {cl3DDkShadow, 0x716F64},    {cl3DLight, 0xF1EFE2},
      {clInfoText, 0x000000},      {clInfoBk, 0xFFFFE1},        {clHotLight, 0x000080},
      {clActiveCaption, 0x0054E3}, {clCaptionText, 0xFFFFFF}};
  for (const auto& [color, hex] : scheme) {
    const TColor rgb = ColorToRGB(color);
    EXPECT_EQ((std::uint32_t(GetRValue(rgb)) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb), hex)
        << "index " << (color & 0xFF);
  }
}

}  // namespace
}  // namespace gui
