#include <gtest/gtest.h>

#include "gui/graphics/font_cache.h"
#include "widgets/fonts.h"

namespace widgets {
namespace {

TEST(Fonts, TurnedFontKeepsTheFontsHeightStyleCharsetAndFace) {
  gui::TFont font;
  font.SetName("Comic Sans MS");
  font.SetHeight(-27);
  font.SetStyle({gui::fsBold, gui::fsUnderline});
  font.SetCharset(gui::RUSSIAN_CHARSET);
  const TLogFont log = CreateRotatedFontHandle(font, 90);
  EXPECT_EQ(log.Height, -27);
  EXPECT_EQ(log.Escapement, 900);
  EXPECT_EQ(log.Weight, 700);
  EXPECT_FALSE(log.Italic);
  EXPECT_TRUE(log.Underline);
  EXPECT_FALSE(log.StrikeOut);
  EXPECT_EQ(log.Charset, gui::RUSSIAN_CHARSET);
  EXPECT_EQ(log.Pitch, fpkDefault);
  EXPECT_EQ(log.FaceName, "Comic Sans MS");

  font.SetStyle({gui::fsItalic, gui::fsStrikeOut});
  const TLogFont plain = CreateRotatedFontHandle(font, -45, fpkFixed);
  EXPECT_EQ(plain.Escapement, -450);
  EXPECT_EQ(plain.Weight, 400);
  EXPECT_TRUE(plain.Italic);
  EXPECT_TRUE(plain.StrikeOut);
  EXPECT_EQ(plain.Pitch, fpkFixed);
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
