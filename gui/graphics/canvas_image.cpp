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
  DrawPicture(x, y, std::int64_t(x) + source.LogicalWidth(), std::int64_t(y) + source.LogicalHeight(), source,
              source.LogicalBounds(), std::nullopt);
}

void TCanvas::Draw(int x, int y, const TBitmap& source, TColor transparent) {
  DrawPicture(x, y, std::int64_t(x) + source.LogicalWidth(), std::int64_t(y) + source.LogicalHeight(), source,
              source.LogicalBounds(), transparent);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  DrawPicture(dest.Left, dest.Top, dest.Right, dest.Bottom, source, source.LogicalBounds(), std::nullopt);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& source, TColor transparent) {
  DrawPicture(dest.Left, dest.Top, dest.Right, dest.Bottom, source, source.LogicalBounds(), transparent);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
  DrawPicture(dest.Left, dest.Top, dest.Right, dest.Bottom, source, sourceRect, std::nullopt);
}

void TCanvas::DrawPicture(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                          const TBitmap& source, const TRect& sourceRect, std::optional<TColor> transparent) {
  const TBitmap& picture = source.ForScale(FScale);
  const std::int64_t k = picture.Scale();
  const TRect from = k == 1 ? sourceRect
                            : TRect{ClampCoord(sourceRect.Left * k), ClampCoord(sourceRect.Top * k),
                                    ClampCoord(sourceRect.Right * k), ClampCoord(sourceRect.Bottom * k)};
  const TDeviceRect dest = ToDevice64(left, top, right, bottom);
  // A picture made for a lower scale than the screen's is enlarged smoothly; a transparent colour
  // must stay exact, so a keyed picture is enlarged to the nearest pixel.
  if (picture.Scale() < FScale && !transparent)
    BlitSmooth(dest, picture, from);
  else
    BlitScaled(dest, picture, from, transparent);
}

// Bilinear: each destination pixel's centre is mapped into the source and the four source
// pixels around it are weighed, the source's edge pixels repeated outside it.
void TCanvas::BlitSmooth(const TDeviceRect& dest, const TBitmap& source, const TRect& sourceRect) {
  const std::int64_t dw = dest.Right - dest.Left, dh = dest.Bottom - dest.Top;
  const TRect src = IntersectRect(sourceRect, source.BoundsRect());
  const std::int64_t sw = std::int64_t(sourceRect.Right) - sourceRect.Left;
  const std::int64_t sh = std::int64_t(sourceRect.Bottom) - sourceRect.Top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || src.IsEmpty()) return;
  const TBitmap* from = &source;
  TBitmap copy;
  if (&source == FBitmap) {
    copy = source;
    from = &copy;
  }
  // Source position of a destination offset in 1/256 pixel, centre to centre.
  auto map = [](std::int64_t offset, std::int64_t s, std::int64_t d, std::int64_t origin) {
    return origin * 256 + std::int64_t((__int128(2) * offset + 1) * s * 256 / (__int128(2) * d)) - 128;
  };
  auto channelMix = [](std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
      out |= ((ca * (256 - w) + cb * w + 128) >> 8) << shift;
    }
    return out;
  };
  const TRect visible{ClampCoord(dest.Left), ClampCoord(dest.Top), ClampCoord(dest.Right),
                      ClampCoord(dest.Bottom)};
  ForEachVisible(visible, [&](const TRect& part) {
    for (int y = part.Top; y < part.Bottom; ++y) {
      const std::int64_t fy = map(y - dest.Top, sh, dh, sourceRect.Top);
      const int y0 = int(std::clamp<std::int64_t>(fy >> 8, src.Top, src.Bottom - 1));
      const int y1 = int(std::clamp<std::int64_t>((fy >> 8) + 1, src.Top, src.Bottom - 1));
      const auto wy = std::uint32_t(fy & 0xFF);
      const std::uint32_t* row0 = from->ScanLine(y0);
      const std::uint32_t* row1 = from->ScanLine(y1);
      std::uint32_t* dstRow = FBitmap->ScanLine(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const std::int64_t fx = map(x - dest.Left, sw, dw, sourceRect.Left);
        const int x0 = int(std::clamp<std::int64_t>(fx >> 8, src.Left, src.Right - 1));
        const int x1 = int(std::clamp<std::int64_t>((fx >> 8) + 1, src.Left, src.Right - 1));
        const auto wx = std::uint32_t(fx & 0xFF);
        dstRow[x] = channelMix(channelMix(row0[x0], row0[x1], wx), channelMix(row1[x0], row1[x1], wx), wy);
      }
    }
  });
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
