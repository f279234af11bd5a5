#include "widgets/fonts.h"

#include "gui/graphics/font_cache.h"

namespace widgets {

TLogFont CreateRotatedFontHandle(const gui::TFont& font, int angle, TFontPitchKind pitch) {
  TLogFont log;
  log.Height = font.Height();
  log.Escapement = angle * 10;
  log.Weight = font.Style().Contains(gui::fsBold) ? 700 : 400;
  log.Italic = font.Style().Contains(gui::fsItalic);
  log.Underline = font.Style().Contains(gui::fsUnderline);
  log.StrikeOut = font.Style().Contains(gui::fsStrikeOut);
  log.Charset = font.Charset();
  log.Pitch = pitch;
  log.FaceName = font.Name();
  return log;
}

bool IsTrueTypeFace(const gui::TFont& font) {
  return !gui::TFontCache::Instance().Face(font).Source().BitmapStrike;
}

}  // namespace widgets
