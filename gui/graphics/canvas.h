#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "gui/graphics/bitmap.h"
#include "gui/graphics/drawing_tools.h"
#include "gui/graphics/font.h"
#include "gui/graphics/geometry.h"

namespace gui {

struct TGlyph;

// Draws into one bitmap with the classic desktop's pixel rules: right and bottom edges are exclusive
// and a line leaves out its end point. Drawing calls take logical coordinates; logical (x, y) lands on
// bitmap pixel ((x + Origin().X) * Scale(), (y + Origin().Y) * Scale()), Scale() being the bitmap's.
// At a scale above 1 every logical pixel is Scale() x Scale() device pixels: lines and frames are
// that much wider, text is rendered at Scale() times the font's size with its logical metrics, and
// pictures come from their variant for the scale or are scaled smoothly. Everything is clipped to
// the clip region and the bitmap, whatever the coordinates. Colours are resolved when used; clNone
// paints nothing.
class TCanvas {
 public:
  explicit TCanvas(TBitmap& bitmap);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBitmap& Bitmap() { return *FBitmap; }
  // Points the canvas at another bitmap (the owner moved, or its scale changed); the drawing state stays.
  void Rebind(TBitmap& bitmap) {
    FBitmap = &bitmap;
    FScale = bitmap.Scale();
  }
  // Device pixels per logical pixel.
  int Scale() const { return FScale; }

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Lines: from the pen position up to, not including, (x, y); the pen position moves there.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos() const { return FPenPos; }

  // Fills Left..Right-1 x Top..Bottom-1 with the brush; the pen is not used.
  void FillRect(const TRect& r);
  // A one-pixel frame just inside the rect in the brush colour.
  void FrameRect(const TRect& r);
  // Pen outline inside the rect, brush inside the outline. With a clear pen the filled area is
  // one pixel smaller on the right and at the bottom, as on the platform.
  void Rectangle(const TRect& r);

  TColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Copies a whole bitmap at its logical size with its top-left at (x, y); the transparent overload
  // leaves out the pixels of that colour. The source's variant for this canvas's scale is drawn
  // where it has one; a source of a lower scale is scaled smoothly (with a transparent colour, to
  // the nearest pixel, so that the colour stays exact).
  void Draw(int x, int y, const TBitmap& source);
  void Draw(int x, int y, const TBitmap& source, TColor transparent);
  // Scales the whole source into dest (nearest pixel, or smoothly as above).
  void StretchDraw(const TRect& dest, const TBitmap& source);
  void StretchDraw(const TRect& dest, const TBitmap& source, TColor transparent);
  // Scales sourceRect of source (in the source's logical pixels) into dest; parts outside the source
  // are left out.
  void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);

  // Text in Windows-1251 bytes, top-left of the text cell at (x, y), in Font.Color. A solid brush
  // first fills the text's cell; a clear brush leaves the background.
  void TextOut(int x, int y, std::string_view ansi);
  TSize TextExtent(std::string_view ansi);
  int TextWidth(std::string_view ansi) { return TextExtent(ansi).Width; }
  int TextHeight(std::string_view ansi) { return TextExtent(ansi).Height; }
  TFontMetrics Metrics();
  // Glyphs only, no background and no underline of the style: the building block of DrawText.
  // Returns the advance.
  int DrawGlyphs(int x, int y, std::string_view ansi);
  // The underline and strike-out lines of Font.Style under a text cell of the given width.
  void DrawStyleLines(int x, int y, int width);

  // Viewport origin.
  TPoint Origin() const { return FOrigin; }
  void SetOrigin(TPoint origin) { FOrigin = origin; }
  // Saturates at the ends of the int range instead of wrapping.
  void MoveOrigin(int dx, int dy) {
    auto add = [](int a, int b) {
      return int(std::clamp<std::int64_t>(std::int64_t(a) + b, INT32_MIN, INT32_MAX));
    };
    FOrigin = {add(FOrigin.X, dx), add(FOrigin.Y, dy)};
  }

  // The clip region; rects are logical at the time of the call.
  void IntersectClipRect(const TRect& r);
  void ExcludeClipRect(const TRect& r);
  void ResetClip() { FClip.reset(); }
  TRect ClipBounds() const;  // logical
  bool PtVisible(int x, int y) const;

  // Pen, brush, font, origin, clip and pen position as one state.
  void Save();
  void Restore();
  int SaveCount() const { return int(FStack.size()); }

  // Device-space helpers for the text and image code of this layer.
  template <typename Fn>
  void ForEachVisible(const TRect& device, Fn&& fn) const;
  TRect ToDevice(const TRect& logical) const;
  // A logical rect with the origin applied: where it lies in the bitmap's logical pixels.
  TRect ToView(const TRect& logical) const;

  // For painters that work pixel by pixel at the screen's own resolution (gradients, the focus
  // box's dots): while it lives, the canvas takes device pixels as coordinates, at scale 1 with
  // the origin counted in device pixels. Clip, pen, brush and font stay.
  class [[nodiscard]] TDevicePixels {
   public:
    explicit TDevicePixels(TCanvas& canvas);
    ~TDevicePixels();
    TDevicePixels(const TDevicePixels&) = delete;
    TDevicePixels& operator=(const TDevicePixels&) = delete;
    int Scale() const { return FSavedScale; }  // of the canvas outside

   private:
    TCanvas& FCanvas;
    int FSavedScale;
    TPoint FSavedOrigin;
  };

 private:
  struct TState {
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint Origin;
    std::optional<std::vector<TRect>> Clip;
    TPoint PenPos;
  };

  void FillDevice(const TRect& device, TColor rgb);
  // phase: the dot pattern's step count before this line, so that outlines keep one pattern.
  void PlotLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::int64_t phase = 0);
  struct TDeviceRect {
    std::int64_t Left, Top, Right, Bottom;
  };
  void BlitScaled(const TDeviceRect& dest, const TBitmap& source, const TRect& sourceRect,
                  std::optional<TColor> transparent);
  void BlitSmooth(const TDeviceRect& dest, const TBitmap& source, const TRect& sourceRect);
  // Draws source's variant for this scale (or source) over the logical rect, sourceRect in the
  // source's logical pixels.
  void DrawPicture(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                   const TBitmap& source, const TRect& sourceRect, std::optional<TColor> transparent);
  TDeviceRect ToDevice64(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const {
    return {(left + FOrigin.X) * FScale, (top + FOrigin.Y) * FScale, (right + FOrigin.X) * FScale,
            (bottom + FOrigin.Y) * FScale};
  }
  // A rect in view coordinates (logical, origin applied) as clamped device pixels.
  TRect ViewToDevice(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const {
    return {ClampCoord(left * FScale), ClampCoord(top * FScale), ClampCoord(right * FScale),
            ClampCoord(bottom * FScale)};
  }
  // The device clip bounds in view coordinates, widened to whole logical pixels.
  TRect ViewClipBounds() const;
  int DrawGlyphsScaled(int x, int y, std::string_view ansi);
  void BlendGlyph(const TGlyph& glyph, std::int64_t gx, std::int64_t gy, std::uint32_t ink, const TRect& bounds);
  std::vector<TRect> ClipRects() const;
  // Widths beyond this only cost time; nothing in the program draws lines that thick.
  int PenWidth() const { return std::clamp(Pen.Width, 1, 255); }
  TRect DeviceClipBounds() const;

  TBitmap* FBitmap;
  int FScale = 1;
  TPoint FOrigin;
  TPoint FPenPos;
  // Device rects, disjoint; no value means the whole bitmap.
  std::optional<std::vector<TRect>> FClip;
  std::vector<TState> FStack;
};

// Saves the canvas state on construction and restores it on destruction.
class [[nodiscard]] TCanvasSaver {
 public:
  [[nodiscard]] explicit TCanvasSaver(TCanvas& canvas) : FCanvas(canvas) { FCanvas.Save(); }
  ~TCanvasSaver() { FCanvas.Restore(); }
  TCanvasSaver(const TCanvasSaver&) = delete;
  TCanvasSaver& operator=(const TCanvasSaver&) = delete;

 private:
  TCanvas& FCanvas;
};

template <typename Fn>
void TCanvas::ForEachVisible(const TRect& device, Fn&& fn) const {
  const TRect inBitmap = IntersectRect(device, FBitmap->BoundsRect());
  if (inBitmap.IsEmpty()) return;
  if (!FClip) {
    fn(inBitmap);
    return;
  }
  for (const TRect& c : *FClip) {
    const TRect part = IntersectRect(inBitmap, c);
    if (!part.IsEmpty()) fn(part);
  }
}

}  // namespace gui
