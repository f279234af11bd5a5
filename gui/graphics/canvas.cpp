#include "gui/graphics/canvas.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace gui {
TCanvas::TCanvas(TBitmap& bitmap) : FBitmap(&bitmap), FScale(bitmap.Scale()) {}

TRect TCanvas::ToDevice(const TRect& r) const {
  return ViewToDevice(std::int64_t(r.Left) + FOrigin.X, std::int64_t(r.Top) + FOrigin.Y,
                      std::int64_t(r.Right) + FOrigin.X, std::int64_t(r.Bottom) + FOrigin.Y);
}

TRect TCanvas::ToView(const TRect& r) const {
  return {ClampCoord(std::int64_t(r.Left) + FOrigin.X), ClampCoord(std::int64_t(r.Top) + FOrigin.Y),
          ClampCoord(std::int64_t(r.Right) + FOrigin.X), ClampCoord(std::int64_t(r.Bottom) + FOrigin.Y)};
}

TCanvas::TDevicePixels::TDevicePixels(TCanvas& canvas)
    : FCanvas(canvas), FSavedScale(canvas.FScale), FSavedOrigin(canvas.FOrigin) {
  const std::int64_t s = FSavedScale;
  FCanvas.FOrigin = {ClampCoord(FSavedOrigin.X * s), ClampCoord(FSavedOrigin.Y * s)};
  FCanvas.FScale = 1;
}

TCanvas::TDevicePixels::~TDevicePixels() {
  FCanvas.FScale = FSavedScale;
  FCanvas.FOrigin = FSavedOrigin;
}

TRect TCanvas::ViewClipBounds() const {
  const TRect d = DeviceClipBounds();
  if (FScale == 1 || d.IsEmpty()) return d;
  auto floorDiv = [this](int v) { return v >= 0 ? v / FScale : -((-v + FScale - 1) / FScale); };
  return {floorDiv(d.Left), floorDiv(d.Top), -floorDiv(-d.Right), -floorDiv(-d.Bottom)};
}

void TCanvas::FillDevice(const TRect& device, TColor rgb) {
  if (rgb == clNone) return;
  const std::uint32_t pixel = ColorToPixel(rgb);
  ForEachVisible(device, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y)
      std::fill_n(FBitmap->ScanLine(y) + part.Left, part.Width(), pixel);
  });
}

void TCanvas::MoveTo(int x, int y) { FPenPos = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  if (Pen.Style != psClear) {
    PlotLine(std::int64_t(FPenPos.X) + FOrigin.X, std::int64_t(FPenPos.Y) + FOrigin.Y, std::int64_t(x) + FOrigin.X,
             std::int64_t(y) + FOrigin.Y);
  }
  FPenPos = {x, y};
}

// Steps along the major axis from the start point, leaving out the end point. The minor coordinate
// is the exact one rounded to nearest, halves towards the start. Only the steps whose major
// coordinate can be visible are walked, so far-away end points cost nothing.
void TCanvas::PlotLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::int64_t phase) {
  const TColor rgb = ColorToRGB(Pen.Color);
  if (rgb == clNone) return;
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  if (dx == 0 && dy == 0) return;
  const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const std::int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const std::int64_t n = dMajor < 0 ? -dMajor : dMajor;
  const std::int64_t sMajor = dMajor < 0 ? -1 : 1, sMinor = dMinor < 0 ? -1 : 1;
  const std::int64_t aMinor = dMinor < 0 ? -dMinor : dMinor;

  const int width = PenWidth();
  const int before = (width - 1) / 2;
  const TRect bounds = ViewClipBounds();
  if (bounds.IsEmpty()) return;
  const std::int64_t lo = std::int64_t(xMajor ? bounds.Left : bounds.Top) - width;
  const std::int64_t hi = std::int64_t(xMajor ? bounds.Right : bounds.Bottom) + width;
  std::int64_t first = 0, last = n;  // steps [first, last)
  if (sMajor > 0) {
    first = std::max<std::int64_t>(first, lo - major0);
    last = std::min<std::int64_t>(last, hi - major0);
  } else {
    first = std::max<std::int64_t>(first, major0 - hi + 1);
    last = std::min<std::int64_t>(last, major0 - lo + 1);
  }
  const std::uint32_t pixel = ColorToPixel(rgb);
  const auto fill = [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y)
      std::fill_n(FBitmap->ScanLine(y) + part.Left, part.Width(), pixel);
  };
  if (aMinor == 0 && Pen.Style != psDot) {
    // A solid horizontal or vertical line is the dots of its steps side by side: one band.
    // Frames and bevels are made of such lines, so this is the common case.
    if (first >= last) return;
    const std::int64_t from = sMajor > 0 ? major0 + first : major0 - (last - 1);
    const std::int64_t to = sMajor > 0 ? major0 + (last - 1) : major0 - first;
    const std::int64_t m0 = from - before, m1 = to - before + width;
    const std::int64_t n0 = minor0 - before, n1 = minor0 - before + width;
    ForEachVisible(xMajor ? ViewToDevice(m0, n0, m1, n1) : ViewToDevice(n0, m0, n1, m1), fill);
    return;
  }
  for (std::int64_t i = first; i < last; ++i) {
    if (Pen.Style == psDot && ((i + phase) & 1)) continue;
    const auto off = std::int64_t((__int128(2) * i * aMinor + n - 1) / (__int128(2) * n));
    const std::int64_t major = major0 + sMajor * i, minor = minor0 + sMinor * off;
    const std::int64_t px = xMajor ? major : minor, py = xMajor ? minor : major;
    ForEachVisible(ViewToDevice(px - before, py - before, px - before + width, py - before + width), fill);
  }
}

void TCanvas::FillRect(const TRect& r) {
  if (Brush.Style == bsClear) return;
  FillDevice(ToDevice(r), ColorToRGB(Brush.Color));
}

void TCanvas::FrameRect(const TRect& r) {
  if (Brush.Style == bsClear) return;
  const TRect d = ToDevice(r);
  if (d.IsEmpty()) return;
  const TColor rgb = ColorToRGB(Brush.Color);
  const int s = FScale;
  FillDevice({d.Left, d.Top, d.Right, d.Top + s}, rgb);
  FillDevice({d.Left, d.Bottom - s, d.Right, d.Bottom}, rgb);
  FillDevice({d.Left, d.Top + s, d.Left + s, d.Bottom - s}, rgb);
  FillDevice({d.Right - s, d.Top + s, d.Right, d.Bottom - s}, rgb);
}

// Works on clamped view coordinates (logical, origin applied): the clamp keeps far edges far outside
// any bitmap, and the insets below cannot overflow.
void TCanvas::Rectangle(const TRect& r) {
  if (r.IsEmpty()) return;
  const TRect d{ClampCoord(std::int64_t(r.Left) + FOrigin.X), ClampCoord(std::int64_t(r.Top) + FOrigin.Y),
                ClampCoord(std::int64_t(r.Right) + FOrigin.X), ClampCoord(std::int64_t(r.Bottom) + FOrigin.Y)};
  if (Pen.Style == psClear) {
    if (Brush.Style == bsSolid)
      FillDevice(ViewToDevice(d.Left, d.Top, d.Right - 1, d.Bottom - 1), ColorToRGB(Brush.Color));
    return;
  }
  const int width = PenWidth();
  if (Brush.Style == bsSolid) {
    const TRect inner = d.Inflate(-width, -width);
    if (!inner.IsEmpty())
      FillDevice(ViewToDevice(inner.Left, inner.Top, inner.Right, inner.Bottom), ColorToRGB(Brush.Color));
  }
  const TPen saved = Pen;
  Pen.Width = 1;
  for (int k = 0; k < width; ++k) {
    const TRect f = d.Inflate(-k, -k);
    if (f.IsEmpty()) break;
    if (f.Width() == 1 && f.Height() == 1) {
      // Every stroke of a one-pixel outline is empty.
      FillDevice(ViewToDevice(f.Left, f.Top, f.Right, f.Bottom), ColorToRGB(Pen.Color));
      break;
    }
    // One closed outline, clockwise from the top-left corner, the dot pattern running on.
    const int right = f.Right - 1, bottom = f.Bottom - 1;
    std::int64_t phase = 0;
    PlotLine(f.Left, f.Top, right, f.Top, phase);
    phase += right - f.Left;
    PlotLine(right, f.Top, right, bottom, phase);
    phase += bottom - f.Top;
    PlotLine(right, bottom, f.Left, bottom, phase);
    phase += right - f.Left;
    PlotLine(f.Left, bottom, f.Left, f.Top, phase);
  }
  Pen = saved;
}

TColor TCanvas::GetPixel(int x, int y) const {
  const std::int64_t dx = (std::int64_t(x) + FOrigin.X) * FScale, dy = (std::int64_t(y) + FOrigin.Y) * FScale;
  if (dx < 0 || dy < 0 || dx >= FBitmap->Width() || dy >= FBitmap->Height()) return clNone;
  return FBitmap->GetPixel(int(dx), int(dy));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (FScale > 1) {
    const std::int64_t vx = std::int64_t(x) + FOrigin.X, vy = std::int64_t(y) + FOrigin.Y;
    FillDevice(ViewToDevice(vx, vy, vx + 1, vy + 1), ColorToRGB(color));
    return;
  }
  if (!PtVisible(x, y)) return;
  FBitmap->SetPixel(x + FOrigin.X, y + FOrigin.Y, color);
}

std::vector<TRect> TCanvas::ClipRects() const {
  if (FClip) return *FClip;
  return {FBitmap->BoundsRect()};
}

void TCanvas::IntersectClipRect(const TRect& r) {
  const TRect d = ToDevice(r);
  std::vector<TRect> result;
  for (const TRect& c : ClipRects()) {
    const TRect part = IntersectRect(c, d);
    if (!part.IsEmpty()) result.push_back(part);
  }
  FClip = std::move(result);
}

void TCanvas::ExcludeClipRect(const TRect& r) {
  const TRect d = ToDevice(r);
  std::vector<TRect> result;
  for (const TRect& c : ClipRects()) {
    const TRect cut = IntersectRect(c, d);
    if (cut.IsEmpty()) {
      result.push_back(c);
      continue;
    }
    const TRect pieces[] = {{c.Left, c.Top, c.Right, cut.Top},
                            {c.Left, cut.Bottom, c.Right, c.Bottom},
                            {c.Left, cut.Top, cut.Left, cut.Bottom},
                            {cut.Right, cut.Top, c.Right, cut.Bottom}};
    for (const TRect& p : pieces)
      if (!p.IsEmpty()) result.push_back(p);
  }
  FClip = std::move(result);
}

TRect TCanvas::DeviceClipBounds() const {
  TRect u;
  ForEachVisible(FBitmap->BoundsRect(), [&](const TRect& part) { u = UnionRect(u, part); });
  return u;
}

TRect TCanvas::ClipBounds() const {
  const TRect u = ViewClipBounds();
  if (u.IsEmpty()) return {};
  return {ClampCoord(std::int64_t(u.Left) - FOrigin.X), ClampCoord(std::int64_t(u.Top) - FOrigin.Y),
          ClampCoord(std::int64_t(u.Right) - FOrigin.X), ClampCoord(std::int64_t(u.Bottom) - FOrigin.Y)};
}

bool TCanvas::PtVisible(int x, int y) const {
  const std::int64_t dx = (std::int64_t(x) + FOrigin.X) * FScale, dy = (std::int64_t(y) + FOrigin.Y) * FScale;
  if (dx < 0 || dy < 0 || dx >= FBitmap->Width() || dy >= FBitmap->Height()) return false;
  if (!FClip) return true;
  const TPoint p{int(dx), int(dy)};
  return std::any_of(FClip->begin(), FClip->end(), [&](const TRect& c) { return c.Contains(p); });
}

void TCanvas::Save() { FStack.push_back({Pen, Brush, Font, FOrigin, FClip, FPenPos}); }

void TCanvas::Restore() {
  assert(!FStack.empty() && "TCanvas::Restore without a matching Save");
  if (FStack.empty()) return;
  TState& s = FStack.back();
  Pen = s.Pen;
  Brush = s.Brush;
  Font.Assign(s.Font);
  FOrigin = s.Origin;
  FClip = std::move(s.Clip);
  FPenPos = s.PenPos;
  FStack.pop_back();
}

}  // namespace gui
