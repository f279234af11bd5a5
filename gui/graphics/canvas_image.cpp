#include <algorithm>

#include "gui/graphics/canvas.h"

namespace gui {
namespace {

// The source offset under the centre of destination pixel `offset` when d pixels show s.
std::int64_t MapCentre(std::int64_t offset, std::int64_t s, std::int64_t d) {
  // 1:1 is the common case (glyphs drawn with a key colour) and needs no wide division.
  if (s == d) return offset;
  return std::int64_t((__int128(2) * offset + 1) * s / (__int128(2) * d));
}

}  // namespace

void TCanvas::Draw(int x, int y, const TBitmap& source) {
  BlitScaled(ToDevice64(x, y, std::int64_t(x) + source.Width(), std::int64_t(y) + source.Height()), source,
             source.BoundsRect(), std::nullopt);
}

void TCanvas::Draw(int x, int y, const TBitmap& source, TColor transparent) {
  BlitScaled(ToDevice64(x, y, std::int64_t(x) + source.Width(), std::int64_t(y) + source.Height()), source,
             source.BoundsRect(), transparent);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  BlitScaled(ToDevice64(dest.Left, dest.Top, dest.Right, dest.Bottom), source, source.BoundsRect(), std::nullopt);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source, TColor transparent) {
  BlitScaled(ToDevice64(dest.Left, dest.Top, dest.Right, dest.Bottom), source, source.BoundsRect(), transparent);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
  BlitScaled(ToDevice64(dest.Left, dest.Top, dest.Right, dest.Bottom), source, sourceRect, std::nullopt);
}

// Each destination pixel takes the source pixel under its centre. Only the visible part of the
// destination is walked, so far-away or huge destination rects cost nothing.
void TCanvas::BlitScaled(const TDeviceRect& dest, const TBitmap& source, const TRect& sourceRect,
                         std::optional<TColor> transparent) {
  const std::int64_t dw = dest.Right - dest.Left, dh = dest.Bottom - dest.Top;
  const std::int64_t sw = std::int64_t(sourceRect.Right) - sourceRect.Left;
  const std::int64_t sh = std::int64_t(sourceRect.Bottom) - sourceRect.Top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || source.Width() == 0) return;
  std::uint32_t key = 0;
  if (transparent) {
    const TColor rgb = ColorToRGB(*transparent);
    if (rgb != clNone)
      key = ColorToPixel(rgb);
    else
      transparent.reset();
  }
  // Drawing a bitmap onto itself must read the pixels as they were before the call.
  const TBitmap* from = &source;
  TBitmap copy;
  if (&source == FBitmap) {
    copy = source;
    from = &copy;
  }
  const TRect visible{ClampCoord(dest.Left), ClampCoord(dest.Top), ClampCoord(dest.Right),
                      ClampCoord(dest.Bottom)};
  ForEachVisible(visible, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      const std::int64_t sy = sourceRect.Top + MapCentre(y - dest.Top, sh, dh);
      if (sy < 0 || sy >= from->Height()) continue;
      const std::uint32_t* srcRow = from->ScanLine(int(sy));
      std::uint32_t* dstRow = FBitmap->ScanLine(y);
      if (sw == dw && !transparent) {
        // 1:1 rows: copy the part that lies inside the source in one go.
        const std::int64_t sx0 = sourceRect.Left + (part.Left - dest.Left);
        const std::int64_t lo = std::max<std::int64_t>(sx0, 0);
        const std::int64_t hi = std::min<std::int64_t>(sx0 + part.Width(), from->Width());
        if (lo < hi) std::copy(srcRow + lo, srcRow + hi, dstRow + part.Left + (lo - sx0));
        continue;
      }
      for (int x = part.Left; x < part.Right; ++x) {
        const std::int64_t sx = sourceRect.Left + MapCentre(x - dest.Left, sw, dw);
        if (sx < 0 || sx >= from->Width()) continue;
        const std::uint32_t p = srcRow[sx] & 0xFFFFFF;
        if (transparent && p == key) continue;
        dstRow[x] = p;
      }
    }
  });
}

}  // namespace gui
