#pragma once

// A line of text in one font as a shape: the glyphs are rendered large once and turned into a
// signed distance field, so the text can be placed at any size, turned and squeezed, and outlined
// or shadowed like any other shape.

#include <string>
#include <vector>

#include "paint_kit.h"

namespace art {

class TTextShape {
 public:
  // Throws std::runtime_error when the font cannot be read.
  TTextShape(const std::string& fontFile, const std::string& text, int pixelSize = 256);

  // The size of the inked box, in pixels of the font size the text was rendered at.
  float InkWidth() const { return FInkWidth; }
  float InkHeight() const { return FInkHeight; }
  int PixelSize() const { return FPixelSize; }

  // The text with the centre of its inked box at `centre`, scaled by `scale` (output pixels per
  // rendered pixel), its width further multiplied by `squeeze`, and turned clockwise by `degrees`.
  TShape Placed(TVec centre, float scale, float degrees = 0.f, float squeeze = 1.f) const;

 private:
  float Field(float x, float y) const;

  int FPixelSize;
  int FWidth = 0, FHeight = 0;  // of the field
  float FInkWidth = 0, FInkHeight = 0;
  float FInkCentreX = 0, FInkCentreY = 0;
  std::vector<float> FField;  // signed distance in rendered pixels, negative inside
};

}  // namespace art
