#include <gtest/gtest.h>

#include "widgets/paint/color_ops.h"

namespace widgets {
namespace {

constexpr TColor FaceRgb = 0xD8E9EC;    // clBtnFace of the desktop scheme
constexpr TColor ShadowRgb = 0x99A8AC;  // clBtnShadow

TEST(ColorOps, SplitsKnownColours) {
  EXPECT_EQ(SplitColorHsl(0x0000FF), (THslColor{0, 240, 120}));
  EXPECT_EQ(SplitColorHsl(0x00FF00), (THslColor{80, 240, 120}));
  EXPECT_EQ(SplitColorHsl(0xFF0000), (THslColor{160, 240, 120}));
  EXPECT_EQ(SplitColorHsl(0x808080), (THslColor{0, 0, 120}));
  EXPECT_EQ(SplitColorHsl(FaceRgb), (THslColor{34, 83, 213}));
  EXPECT_EQ(SplitColorHsl(clBtnFace), SplitColorHsl(FaceRgb)) << "system colours are resolved first";
  EXPECT_EQ(HueOfColor(0xFF0000), 160);
  EXPECT_EQ(SplitColorHsl(clBlack), (THslColor{0, 0, 0}));
  EXPECT_EQ(SplitColorHsl(clWhite), (THslColor{0, 0, 240}));
}

TEST(ColorOps, ExactHalvesRoundToEven) {
  // Saturation of 0x113F01 is 62 * 240 / 64 = 232.5 exactly; greys of luminance 8 and 24 give
  // channels of 8.5 and 25.5.
  EXPECT_EQ(SplitColorHsl(0x113F01).Saturation, 232);
  EXPECT_EQ(ComposeHslColor(0, 0, 8), 0x080808u);
  EXPECT_EQ(ComposeHslColor(0, 0, 24), 0x1A1A1Au);
}

// Composition divides the hue by 239 while splitting multiplies by 240: some colours come back
// exactly, others drift by a step in one channel. The widgets' shades rely on this drift.
TEST(ColorOps, RoundTripsThroughHslDriftAsTheFormulasSay) {
  struct TCase {
    TColor In, Out;
  };
  const TCase cases[] = {
      {0x0000FF, 0x0000FF}, {FaceRgb, FaceRgb},   {ShadowRgb, ShadowRgb},
      {0x646F71, 0x646F71}, {0x808080, 0x808080}, {0x123456, 0x123456},
      {0x336699, 0x336699}, {0x00FF00, 0x02FF00},  // green picks up a trace of red
      {0xFF0000, 0xFF0004},                        // blue a trace of red
      {0x00FFFF, 0x00FFFE},                        // yellow loses a step of red
      {0xC57A31, 0xC57931},
  };
  for (const TCase& c : cases) {
    const THslColor hsl = SplitColorHsl(c.In);
    EXPECT_EQ(ComposeHslColor(hsl.Hue, hsl.Saturation, hsl.Luminance), c.Out) << std::hex << c.In;
  }
}

TEST(ColorOps, HueSectorsWrapAtTheTopOfTheScale) {
  EXPECT_EQ(ComposeHslColor(0, 240, 120), 0x0000FFu);
  EXPECT_EQ(ComposeHslColor(239, 240, 120), ComposeHslColor(0, 240, 120));
  EXPECT_EQ(ComposeHslColor(240, 240, 120), 0x0006FFu) << "hue 240 is red with a trace of green";
  EXPECT_EQ(ComposeHslColor(120, 240, 120), 0xFFFC00u);
  EXPECT_EQ(ComposeHslColor(40, 240, 60), 0x00807Fu);
  EXPECT_EQ(ComposeHslColor(77, 200, 0), clBlack);
  EXPECT_EQ(ComposeHslColor(0, 0, 240), clWhite);
}

TEST(ColorOps, SaturationAboveTheScaleDoesNotWrapAChannel) {
  // M1 dips just below zero here; the channel must stay at 0 rather than turn into a bright byte.
  EXPECT_EQ(ComposeHslColor(0, 255, 120), 0x0000FFu);
  EXPECT_EQ(ComposeHslColor(160, 255, 60) & 0x00FFFFu, 0u);
}

TEST(ColorOps, LuminanceShiftsClampAtBothEnds) {
  for (TColor c : {FaceRgb, ShadowRgb, clWhite, clBlack, 0x123456u, 0x00FF00u, clBtnShadow}) {
    EXPECT_EQ(DarkenColor(c, 255), clBlack) << std::hex << c;
    EXPECT_EQ(LightenColor(c, 240), clWhite) << std::hex << c;
    EXPECT_EQ(LightenColor(c, 255), clWhite) << std::hex << c;
  }
  EXPECT_EQ(DarkenColor(0x202020, 100), clBlack);
  EXPECT_EQ(DarkenColor(FaceRgb, 10), 0xCAE1E5u);
  EXPECT_EQ(LightenColor(ShadowRgb, 30), 0xBCC6C9u);
  EXPECT_EQ(DarkenColor(FaceRgb, 50), 0x91C1C9u);
  EXPECT_EQ(DarkenColor(clWhite, 20), 0xEAEAEAu);
  // Face sits at luminance 213: +50 already passes 240.
  EXPECT_EQ(LightenColor(FaceRgb, 50), clWhite);
}

TEST(ColorOps, ShiftOfZeroReturnsTheValueUnresolved) {
  EXPECT_EQ(ShiftColorLuminance(clBtnFace, 0), clBtnFace);
  EXPECT_EQ(ShiftColorLuminance(clNone, 0), clNone);
  EXPECT_EQ(ShiftColorLuminance(0x00FF00, 0), 0x00FF00u) << "no round trip through HSL";
  EXPECT_EQ(ShiftColorLuminance(clBtnFace, -10), DarkenColor(clBtnFace, 10));
  EXPECT_EQ(ShiftColorLuminance(clBtnFace, 10), LightenColor(clBtnFace, 10));
  EXPECT_EQ(ShiftColorLuminance(clBtnFace, -10), 0xCAE1E5u);
}

TEST(ColorOps, MixWeighsTheFirstColour) {
  EXPECT_EQ(MixColors(0x102030, 0xF0E0D0, 255), 0x102030u);
  EXPECT_EQ(MixColors(0x102030, 0xF0E0D0, 0), 0xF0E0D0u);
  EXPECT_EQ(MixColors(clWhite, clBlack, 128), 0x808080u);
  EXPECT_EQ(MixColors(clWhite, clBlack, 64), 0x404040u);
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 51), 0xCC0033u);
  EXPECT_EQ(MixColors(clBtnFace, clBlack, 255), FaceRgb) << "system colours are resolved first";
}

TEST(ColorOps, NearlyEqualComparesHueAndLuminanceOnly) {
  // Greys 128 and 190 sit at luminance 120 and 179, 192 at 181.
  EXPECT_TRUE(ColorsNearlyEqual(0x808080, 0xBEBEBE));
  EXPECT_FALSE(ColorsNearlyEqual(0x808080, 0xC0C0C0));
  // Pure red (hue 0) against hues 19 and 20 at full saturation.
  EXPECT_TRUE(ColorsNearlyEqual(0x0000FF, ComposeHslColor(19, 240, 120)));
  EXPECT_FALSE(ColorsNearlyEqual(0x0000FF, ComposeHslColor(20, 240, 120)));
  EXPECT_TRUE(ColorsNearlyEqual(0x808080, 0x8080FF - 0x000040)) << "saturation is ignored";
  EXPECT_TRUE(ColorsNearlyEqual(clBtnFace, FaceRgb));
}

TEST(ColorOps, OppositeHueTurnsHalfWayRound) {
  EXPECT_EQ(OppositeHueColor(0x0000FF, 120), ComposeHslColor(120, 240, 120));
  EXPECT_EQ(OppositeHueColor(0xFF0000, 120), ComposeHslColor(40, 240, 120));
  EXPECT_EQ(OppositeHueColor(0x808080, 60), ComposeHslColor(120, 240, 60)) << "grey has hue 0";
  EXPECT_EQ(OppositeHueColor(0x0000FF, 0), clBlack);
}

TEST(ColorOps, OfficeColoursWithoutThemesComeFromTheSystemColours) {
  const TOfficeColors expected{clWindow, 0xCAE1E5, 0xBCC6C9};
  EXPECT_EQ(OfficeSchemeColors(gcsSystem), expected);
  EXPECT_EQ(OfficeSchemeColors(gcsMSOffice), expected) << "no theme service: never the themed rows";
  EXPECT_EQ(ThemeColorScheme(), 0);
}

}  // namespace
}  // namespace widgets
