#include <gtest/gtest.h>

#include "gui/graphics/font_cache.h"
#include "widgets/fonts.h"

namespace widgets {
namespace {

TEST(Fonts, TurnedFontGivesItsAngleInTenthsAndBoldAsWeight) {
  gui::TFont font;
  font.SetStyle({gui::fsBold, gui::fsItalic});
  EXPECT_EQ(CreateRotatedFontHandle(font, 90).Escapement, 900);
  EXPECT_EQ(CreateRotatedFontHandle(font, -45).Escapement, -450) << "clockwise";
  EXPECT_EQ(CreateRotatedFontHandle(font, 90).Weight, 700);
  font.SetStyle({gui::fsItalic});
  EXPECT_EQ(CreateRotatedFontHandle(font, 90).Weight, 400);
}

TEST(Fonts, BitmapFaceIsNotAnOutlineFace) {
  gui::TFont outline;
  outline.SetName("DejaVu Sans");
  EXPECT_TRUE(IsTrueTypeFace(outline));

  // The default dialog face is drawn from the Wine bitmap strike, which the install script provides.
  gui::TFont dialog;
  ASSERT_TRUE(gui::TFontCache::Instance().Face(dialog).Source().BitmapStrike);
  EXPECT_FALSE(IsTrueTypeFace(dialog));
}

}  // namespace
}  // namespace widgets
