// The entry's geometry, painting, border band and blinking caret.

#include "gui/controls/application.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/std/bevel.h"
#include "gui/std/custom_edit.h"

namespace gui {

namespace {
// The text sits one pixel inside the text area on every side.
constexpr int Inset = 1;
}  // namespace

const std::vector<int>& TCustomEdit::Offsets() {
  if (FOffsetsValid) return FOffsets;
  TCanvas& canvas = MeasureCanvas(Font());
  const std::string& text = FBuffer.Text();
  FOffsets.assign(text.size() + 1, 0);
  // The rasteriser places glyphs by their advances without kerning, so widths add up.
  for (std::size_t i = 0; i < text.size(); ++i)
    FOffsets[i + 1] = FOffsets[i] + canvas.TextWidth(std::string_view(&text[i], 1));
  FOffsetsValid = true;
  return FOffsets;
}

int TCustomEdit::TextX() {
  const int usable = std::max(1, ClientWidth() - 2 * Inset);
  const int total = Offsets().back();
  if (total >= usable) return Inset - FScroll;
  switch (FAlignment) {
    case taRightJustify: return Inset + usable - total;
    case taCenter: return Inset + (usable - total) / 2;
    default: return Inset;
  }
}

void TCustomEdit::Layout() {
  const int usable = std::max(1, ClientWidth() - 2 * Inset);
  const std::vector<int>& offsets = Offsets();
  const int total = offsets.back();
  if (total < usable) {
    FScroll = 0;
    return;
  }
  const int caretX = offsets[std::size_t(FBuffer.Caret())];
  // Scrolling back jumps a quarter of the width further, so that some text before the caret shows.
  if (caretX < FScroll) FScroll = caretX - usable / 4;
  if (caretX > FScroll + usable - 1) FScroll = caretX - usable + 1;
  FScroll = std::clamp(FScroll, 0, total - usable + 1);
}

int TCustomEdit::CharIndexAt(int x) {
  const std::vector<int>& offsets = Offsets();
  const int rel = x - TextX();
  auto it = std::lower_bound(offsets.begin(), offsets.end(), rel);
  if (it == offsets.end()) return FBuffer.Length();
  if (it != offsets.begin() && rel - *(it - 1) < *it - rel) --it;
  return static_cast<int>(it - offsets.begin());
}

TPoint TCustomEdit::CaretPos() { return {TextX() + Offsets()[std::size_t(FBuffer.Caret())], Inset}; }

void TCustomEdit::CaretMoved() {
  Layout();
  if (Focused()) StartBlink();
  Invalidate();
  AccCaretMoved();
}

std::optional<TRect> TCustomEdit::AccCharRect(int index) {
  const std::vector<int>& offsets = Offsets();
  if (index < 0 || index + 1 >= static_cast<int>(offsets.size())) return std::nullopt;
  const int x0 = TextX();
  const int height = MeasureCanvas(Font()).Metrics().Height;
  return TRect{x0 + offsets[std::size_t(index)], Inset, x0 + offsets[std::size_t(index + 1)], Inset + height};
}

void TCustomEdit::StartBlink() {
  const bool shown = FCaretOn;
  StopBlink();
  FCaretOn = true;
  if (!shown) Invalidate();
  if (!Application) return;
  const TCaretBlink blink = Application->Host().CaretBlink();
  if (!blink.Blinks) return;
  FBlinkSince = Application->Host().TickCount();
  ScheduleBlink(blink.OnMs);
}

void TCustomEdit::ScheduleBlink(std::uint32_t delayMs) {
  FBlinkTimer = Application->Host().StartTimer(delayMs, [this, alive = Watch()] {
    if (alive) BlinkTick();
  });
}

void TCustomEdit::BlinkTick() {
  THost& host = Application->Host();
  const TCaretBlink blink = host.CaretBlink();
  host.StopTimer(FBlinkTimer);
  FBlinkTimer = 0;
  // Left alone long enough, the caret rests, shown, and nothing wakes the program for it.
  const bool rest = !blink.Blinks || (blink.TimeoutMs != 0 && host.TickCount() - FBlinkSince >= blink.TimeoutMs);
  const bool on = rest || !FCaretOn;
  if (on != FCaretOn) {
    FCaretOn = on;
    Invalidate();
  }
  if (!rest) ScheduleBlink(FCaretOn ? blink.OnMs : blink.OffMs);
}

void TCustomEdit::StopBlink() {
  FCaretOn = false;
  if (FBlinkTimer && Application) Application->Host().StopTimer(FBlinkTimer);
  FBlinkTimer = 0;
}

TColor TCustomEdit::BackgroundColor() const { return (ReadOnly() || !Enabled()) ? clBtnFace : Color(); }

void TCustomEdit::NCPaint(TCanvas& canvas) {
  TRect r{0, 0, Width(), Height()};
  DrawRings(canvas, r, {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}});
}

void TCustomEdit::EraseBackground(TCanvas& canvas) {
  canvas.Brush.Color = BackgroundColor();
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(ClientRect());
}

void TCustomEdit::Paint(TCanvas& canvas) {
  const std::vector<int>& offsets = Offsets();
  const int x0 = TextX();
  const int lineHeight = canvas.Metrics().Height;
  canvas.Brush.Style = bsClear;
  if (!Enabled()) canvas.Font.SetColor(clGrayText);
  canvas.TextOut(x0, Inset, FBuffer.Text());

  // The selection shows only while the entry has the focus.
  if (Focused() && FBuffer.SelLength() > 0) {
    const int left = x0 + offsets[std::size_t(FBuffer.SelStart())];
    const int right = x0 + offsets[std::size_t(FBuffer.SelStart() + FBuffer.SelLength())];
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clHighlight;
    canvas.FillRect({left, Inset, right, Inset + lineHeight});
    canvas.Brush.Style = bsClear;
    canvas.Font.SetColor(clHighlightText);
    canvas.TextOut(left, Inset, FBuffer.SelText());
  }

  if (CaretShown()) {
    // The caret inverts what lies under it, so it shows on the selection too.
    const int cx = x0 + offsets[std::size_t(FBuffer.Caret())];
    for (int y = Inset; y < Inset + lineHeight; ++y) {
      const TColor under = canvas.GetPixel(cx, y);
      if (under != clNone) canvas.SetPixel(cx, y, ColorToRGB(under) ^ 0xFFFFFF);
    }
  }
}

void TCustomEdit::FontChanged() {
  FOffsetsValid = false;
  Layout();
  TCustomControl::FontChanged();
}

void TCustomEdit::EnabledChanged() {
  if (!Enabled()) FSelecting = false;
  TCustomControl::EnabledChanged();
}

void TCustomEdit::Resize() {
  Layout();
  TCustomControl::Resize();
}

}  // namespace gui
