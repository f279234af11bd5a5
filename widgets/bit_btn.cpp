#include "widgets/bit_btn.h"

#include <cmath>

#include "gui/controls/set_field.h"
#include "gui/graphics/canvas.h"

namespace widgets {

namespace {
bool HasPicture(const TBitmap& glyph) { return glyph.Width() > 0 && glyph.Height() > 0; }
}  // namespace

TUiBitBtn::TUiBitBtn(gui::TComponent* owner) : TUiButton(owner) {}

void TUiBitBtn::SetGlyph(const TBitmap& glyph) {
  FGlyph = glyph;
  GlyphChanged();
}

void TUiBitBtn::GlyphChanged() {
  const int w = FGlyph.Width(), h = FGlyph.Height();
  if (h != 0 && w % h == 0) {
    const int cells = w / h;
    FNumGlyphs = cells >= 1 && cells <= 4 ? cells : 1;
  }
  FCellShown = -1;
  Repaint();
}

void TUiBitBtn::SetNumGlyphs(TNumGlyphs value) {
  if (value < 1 || value > 4 || value == FNumGlyphs) return;
  FNumGlyphs = value;
  FCellShown = -1;
  Repaint();
}

void TUiBitBtn::SetLayout(TButtonLayout value) {
  if (gui::SetField(FLayout, value)) Repaint();
}

void TUiBitBtn::SetMargin(int value) {
  if (value < -1 || value == FMargin) return;
  FMargin = value;
  Repaint();
}

void TUiBitBtn::SetSpacing(int value) {
  if (gui::SetField(FSpacing, value)) Repaint();
}

void TUiBitBtn::ScaleBy(int newDensity, int oldDensity) {
  if (oldDensity <= 0 || newDensity <= 0 || newDensity == oldDensity) return;
  auto scale = [&](int v) {
    return static_cast<int>(std::lround(static_cast<double>(v) * newDensity / oldDensity));
  };
  if (FMargin > 0) FMargin = scale(FMargin);
  FSpacing = scale(FSpacing);
  Invalidate();
}

TSize TUiBitBtn::GetGlyphSize() const { return {FGlyph.Width() / FNumGlyphs, FGlyph.Height()}; }

TRect TUiBitBtn::GetGlyphRect() const {
  const TSize cell = GetGlyphSize();
  TRect r = ClientRect().Inflate(-5, -5);
  const bool sideways = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  if (FMargin >= 0) {
    switch (FLayout) {
      case blGlyphLeft: r.Left += FMargin; break;
      case blGlyphRight: r.Left = r.Right - FMargin - cell.Width; break;
      case blGlyphTop: r.Top += FMargin; break;
      case blGlyphBottom: r.Top = r.Bottom - FMargin - cell.Height; break;
    }
  }
  if (sideways || FMargin < 0) r.Top += (r.Bottom - r.Top - cell.Height + 1) / 2;
  if (!sideways || FMargin < 0) r.Left += (r.Right - r.Left - cell.Width + 1) / 2;
  return gui::Bounds(r.Left, r.Top, cell.Width, cell.Height);
}

TRect TUiBitBtn::GetCaptionRect() const {
  TRect r = TUiButton::GetCaptionRect();
  if (!HasPicture(FGlyph) || FMargin < 0) return r;
  const TSize cell = GetGlyphSize();
  switch (FLayout) {
    case blGlyphLeft: r.Left += FMargin + cell.Width + FSpacing; break;
    case blGlyphRight: r.Right -= FMargin + cell.Width + FSpacing; break;
    case blGlyphTop: r.Top += FMargin + cell.Height + FSpacing; break;
    case blGlyphBottom: r.Bottom -= FMargin + cell.Height + FSpacing; break;
  }
  return r;
}

int TUiBitBtn::GlyphCell() const {
  // Group buttons (cells 2 and 3 for a held-down button) are not used by this program.
  if (FNumGlyphs >= 3 && ShowPressed()) return 2;
  if (FNumGlyphs >= 2 && !Enabled()) return 1;
  return 0;
}

TColor TUiBitBtn::GlyphTransparentColor() const { return FGlyph.GetPixel(0, FGlyph.Height() - 1); }

void TUiBitBtn::DrawCaption(TCanvas& canvas) {
  TUiButton::DrawCaption(canvas);
  DrawGlyph(canvas);
}

void TUiBitBtn::DrawGlyph(TCanvas& canvas) {
  if (!HasPicture(FGlyph)) return;
  const TSize cell = GetGlyphSize();
  if (cell.Width <= 0) return;
  const TRect at = GetGlyphRect();
  // The cell shown is cut out of the strip once (out of the strip drawn for the screen's scale
  // where there is one), and again only when the state or the scale picks another.
  const TBitmap& strip = FGlyph.ForScale(canvas.Scale());
  if (const int index = GlyphCell(); index != FCellShown || strip.Scale() != FCell.Scale()) {
    FCell.SetLogicalSize(cell.Width, cell.Height, strip.Scale());
    const int left = index * cell.Width;
    FCell.Canvas().CopyRect(FCell.LogicalBounds(), strip, {left, 0, left + cell.Width, cell.Height});
    FCellShown = index;
  }
  canvas.Draw(at.Left, at.Top, FCell, GlyphTransparentColor());
}

}  // namespace widgets
