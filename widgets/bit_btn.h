#pragma once
// A push button with a glyph beside its caption. The glyph is a strip of NumGlyphs equal cells
// (normal, disabled, pressed, held down); the colour of the strip's bottom-left pixel is left
// out when it is drawn, so the face shows through.

#include "gui/graphics/bitmap.h"
#include "widgets/button.h"

namespace widgets {

using gui::TSize;

class TUiBitBtn : public TUiButton {
 public:
  explicit TUiBitBtn(gui::TComponent* owner);

  const TBitmap& Glyph() const { return FGlyph; }
  // Copies the picture. A strip whose width is a whole multiple of its height sets NumGlyphs to
  // the number of square cells (1 when that is more than 4); any other shape keeps NumGlyphs.
  void SetGlyph(const TBitmap& glyph);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  // Values outside 1..4 are ignored.
  void SetNumGlyphs(TNumGlyphs value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  // Distance of the glyph from the edge of the content area; -1 centres it. Below -1 is ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  // Gap between the glyph and the caption.
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // Only bkCustom is drawn; the predefined kinds keep the caption and glyph they are given.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind value) { FKind = value; }
  // The window moved to a screen of another density: Margin and Spacing follow, rounded.
  void ScaleBy(int newDensity, int oldDensity);

  // One cell of the strip: (glyph width / NumGlyphs, glyph height).
  TSize GetGlyphSize() const;
  // Where the glyph goes, in client coordinates.
  TRect GetGlyphRect() const;
  TRect GetCaptionRect() const override;
  // The cell drawn in the current state (0 normal, 1 disabled, 2 pressed).
  int GlyphCell() const;
  // The colour that is left out when the glyph is drawn.
  TColor GlyphTransparentColor() const;

 protected:
  void DrawCaption(TCanvas& canvas) override;
  virtual void DrawGlyph(TCanvas& canvas);

 private:
  void GlyphChanged();

  TBitmap FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TBitmap FCell;  // the cell of the strip last drawn, and its index (-1: none yet)
  int FCellShown = -1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = 2;
  int FSpacing = 4;
  TBitBtnKind FKind = bkCustom;
};

}  // namespace widgets
