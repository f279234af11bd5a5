#include "widgets/label.h"

#include "gui/controls/win_control.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/graphics/text.h"
#include "widgets/frames.h"

namespace widgets {

TUiLabel::TUiLabel(gui::TComponent* owner) : TLabel(owner), TBorderProperties(fsNone) {
  SetControlStyle(ControlStyle() | gui::csOpaque);
  SetColor(clBtnFace);
  SetParentColor(true);
  FTextColor = Font().Color();
}

void TUiLabel::SetTextStyle(TTextStyle value) {
  if (value == FTextStyle) return;
  FTextStyle = value;
  Invalidate();
}

void TUiLabel::SetLightTextStyle(bool value) {
  if (value == FLightTextStyle) return;
  FLightTextStyle = value;
  Invalidate();
}

void TUiLabel::SetHighlightColor(TColor value) {
  if (value == FHighlightColor) return;
  FHighlightColor = value;
  Invalidate();
}

void TUiLabel::SetShadowColor(TColor value) {
  if (value == FShadowColor) return;
  FShadowColor = value;
  Invalidate();
}

void TUiLabel::SetShadowDepth(int value) {
  if (value == FShadowDepth) return;
  FShadowDepth = value;
  Invalidate();
}

void TUiLabel::SetTextMargin(int value) {
  if (value == FTextMargin) return;
  FTextMargin = value;
  Invalidate();
}

void TUiLabel::SetCondenseCaption(TUiCondenseCaption value) {
  if (value == FCondenseCaption) return;
  FCondenseCaption = value;
  if (value != ccNone) SetAutoSize(false);
  Invalidate();
}

unsigned TUiLabel::TextFlags() const {
  static constexpr unsigned Condense[] = {0, gui::DT_END_ELLIPSIS, gui::DT_PATH_ELLIPSIS};
  return DrawTextFlags() | Condense[FCondenseCaption];
}

TRect TUiLabel::TextRect() const { return InsideFrame(ClientRect(), true).Inflate(-FTextMargin, -FTextMargin); }

void TUiLabel::Paint(TCanvas& canvas) {
  TBorderStackStyle style = StackStyle();
  style.ControlColor = Color();
  style.ParentColor = Parent() ? Parent()->Color() : Color();
  style.Transparent = Transparent();
  const TRect inside = PaintBorderStack(canvas, ClientRect(), style);
  if (!Transparent()) FillSolid(canvas, inside, Color());
  canvas.Brush.Style = gui::bsClear;
  DrawCaption(canvas, inside.Inflate(-FTextMargin, -FTextMargin));
}

void TUiLabel::DrawCaption(TCanvas& canvas, const TRect& textRect) {
  TRect placed = textRect;
  if (Layout() != tlTop) {
    TRect block = placed;
    gui::DrawText(canvas, Caption(), block, TextFlags() | gui::DT_CALCRECT);
    const int free = placed.Height() - block.Height();
    placed = placed.Offset(0, Layout() == tlCenter ? free / 2 : free);
  }
  // The drop shadow falls right and down; a label whose text hugs the right or bottom edge
  // moves the text back by the shadow's depth so that the shadow stays inside.
  if (FTextStyle == tsShadow) {
    if (Alignment() == taRightJustify) placed = placed.Offset(-FShadowDepth, 0);
    if (Layout() == tlBottom) placed = placed.Offset(0, -FShadowDepth);
  }
  if (!Enabled()) {
    DrawPass(canvas, placed, 0, 0, clGrayText);
    return;
  }
  switch (FTextStyle) {
    case tsRaised:
      if (!FLightTextStyle) DrawPass(canvas, placed, 1, 1, FShadowColor);
      DrawPass(canvas, placed, -1, -1, FHighlightColor);
      break;
    case tsRecessed:
      DrawPass(canvas, placed, 1, 1, FHighlightColor);
      if (!FLightTextStyle) DrawPass(canvas, placed, -1, -1, FShadowColor);
      break;
    case tsShadow: DrawPass(canvas, placed, FShadowDepth, FShadowDepth, FShadowColor); break;
    case tsNormal: break;
  }
  DrawPass(canvas, placed, 0, 0, FTextColor);
}

void TUiLabel::DrawPass(TCanvas& canvas, const TRect& textRect, int dx, int dy, TColor color) {
  TRect r = textRect.Offset(dx, dy);
  canvas.Font.SetColor(color);
  gui::DrawText(canvas, Caption(), r, TextFlags());
}

void TUiLabel::AdjustBounds() {
  if (!AutoSize() || Loading()) return;
  const TRect frame = FrameInsets(true);
  const int extra = 2 * FTextMargin + (FTextStyle == tsShadow ? FShadowDepth : 0);
  // Wrapped text is measured in the width it is drawn in, so that a wrapped label keeps its size
  // when measured again instead of growing by its margins each time.
  const int wrapWidth = Width() - frame.Left - frame.Right - extra;
  TRect r{0, 0, wrapWidth < 0 ? 0 : wrapWidth, 0};
  std::string text = Caption();
  // An empty caption still measures one line high and one space wide; so does a lone "&",
  // which would otherwise only underline nothing.
  if (text.empty() || (ShowAccelChar() && text == "&")) text += ' ';
  gui::DrawText(gui::MeasureCanvas(Font()), text, r, TextFlags() | gui::DT_CALCRECT);
  const int width = r.Width() + extra + frame.Left + frame.Right;
  const int height = r.Height() + extra + frame.Top + frame.Bottom;
  int left = Left();
  // A right-aligned label keeps its right edge; a centred one keeps its left edge.
  if (Alignment() == taRightJustify) left += Width() - width;
  SetBounds(left, Top(), width, height);
}

void TUiLabel::TextChanged() {
  Invalidate();
  AdjustBounds();
  Repaint();
}

void TUiLabel::FontChanged() {
  Invalidate();
  AdjustBounds();
  if (!Loading()) FTextColor = Font().Color();
}

void TUiLabel::Loaded() {
  TLabel::Loaded();
  FTextColor = Font().Color();
}

void TUiLabel::BorderChanged(TBorderProperty) {
  Invalidate();
  AdjustBounds();
}

}  // namespace widgets
