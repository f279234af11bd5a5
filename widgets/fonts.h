#pragma once
// Font questions the widgets ask: a description of a turned font, and whether a face is an outline one.

#include <cstdint>
#include <string>

#include "gui/graphics/font.h"

namespace widgets {

enum TFontPitchKind : std::uint8_t { fpkDefault = 0, fpkFixed = 1, fpkVariable = 2 };

// A logical font: everything needed to realize a font turned by an angle. The caller owns the value.
struct TLogFont {
  int Height = 0;
  int Escapement = 0;  // tenths of a degree, counter-clockwise
  int Weight = 400;    // 400 regular, 700 bold
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  int Charset = gui::DEFAULT_CHARSET;
  TFontPitchKind Pitch = fpkDefault;
  std::string FaceName;

  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

// The font turned by `angle` degrees, with its height, style, character set and face; fonts carry no
// pitch of their own here, so the pitch is the default unless one is given.
TLogFont CreateRotatedFontHandle(const gui::TFont& font, int angle, TFontPitchKind pitch = fpkDefault);

// Whether the face that draws `font` on this machine is an outline (scalable) face rather than a
// bitmap strike.
bool IsTrueTypeFace(const gui::TFont& font);

}  // namespace widgets
