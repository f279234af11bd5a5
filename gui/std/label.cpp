#include "gui/std/label.h"

#include "gui/controls/set_field.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/graphics/text.h"
#include "gui/std/accel.h"

namespace gui {

// A name is one line: the caption's line breaks are read as blanks.
std::string TLabel::AccDefaultName() const {
  const std::string shown = FShowAccelChar ? StripAccelChars(Caption()) : Caption();
  std::string name;
  name.reserve(shown.size());
  for (char c : shown) {
    const bool lineBreak = c == '\r' || c == '\n';
    if (!lineBreak)
      name += c;
    else if (!name.empty() && name.back() != ' ')
      name += ' ';
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAlignment(TAlignment value) {
  if (SetField(FAlignment, value)) Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (SetField(FLayout, value)) Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (SetField(FTransparent, value)) Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (SetField(FAutoSize, value)) AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* control) {
  FFocusControl = control;
  if (control)
    FFocusControlAlive = control->Watch();
  else
    FFocusControlAlive.reset();
}

unsigned TLabel::DrawTextFlags() const {
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  unsigned flags = DT_EXPANDTABS | Align[FAlignment];
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
  std::string_view text = Caption();
  // An empty caption still measures one line high, so an auto-sized label does not collapse.
  const bool measuring = (flags & DT_CALCRECT) != 0;
  const std::string blank = " ";
  if (measuring && (text.empty() || (FShowAccelChar && text == "&"))) text = blank;
  if (measuring || Enabled()) {
    DrawText(canvas, text, rect, flags);
    return;
  }
  DrawEmbossedText(canvas, text, rect, flags);
}

std::optional<TRect> TLabel::AccCharRect(int index) {
  const std::string text = AccText()->Text;
  if (index < 0 || index >= static_cast<int>(text.size()) || FWordWrap ||
      text.find_first_of("\r\n\t") != std::string::npos)
    return std::nullopt;
  TCanvas& canvas = MeasureCanvas(Font());
  const std::string_view shown = text;  // measured by its prefixes
  const int total = canvas.TextWidth(shown);
  const int height = canvas.Metrics().Height;
  const TRect client = ClientRect();
  const int x0 = FAlignment == taRightJustify ? client.Width() - total
                 : FAlignment == taCenter     ? (client.Width() - total) / 2
                                              : 0;
  const int y0 = FLayout == tlTop      ? 0
                 : FLayout == tlCenter ? (client.Height() - height) / 2
                                       : client.Height() - height;
  const int left = x0 + canvas.TextWidth(shown.substr(0, std::size_t(index)));
  const int right = x0 + canvas.TextWidth(shown.substr(0, std::size_t(index) + 1));
  return TRect{left, y0, right, y0 + height};
}

void TLabel::Paint(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (!FTransparent) {
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(client);
  }
  canvas.Brush.Style = bsClear;
  TRect rect = client;
  const unsigned flags = DrawTextFlags();
  if (FLayout != tlTop) {
    TRect calc = client;
    DoDrawText(canvas, calc, flags | DT_CALCRECT);
    const int free = client.Height() - calc.Height();
    rect.Top += FLayout == tlCenter ? free / 2 : free;
  }
  DoDrawText(canvas, rect, flags);
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  TCanvas& canvas = MeasureCanvas(Font());
  TRect rect{0, 0, FWordWrap ? Width() : 0, 0};
  DoDrawText(canvas, rect, DrawTextFlags() | DT_CALCRECT);
  int left = Left();
  // A right-justified label grows to the left, so its text stays where the layout put its end.
  if (FAlignment == taRightJustify) left += Width() - rect.Width();
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TLabel::TextChanged() {
  AdjustBounds();
  TGraphicControl::TextChanged();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

bool TLabel::DialogChar(char ch, TShiftState shift) {
  TWinControl* target = FocusControl();
  if (target && FShowAccelChar && Visible() && Enabled() && IsAccel(ch, Caption()) && target->CanFocus()) {
    target->SetFocus();
    return true;
  }
  return TGraphicControl::DialogChar(ch, shift);
}

}  // namespace gui
