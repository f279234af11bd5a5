#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gui/graphics/color.h"
#include "gui/graphics/geometry.h"

namespace gui {

class TCanvas;

// Pixel values are 0x00RRGGBB (the RGB24 layout of X11 and cairo), TColor is 0x00BBGGRR.
constexpr std::uint32_t ColorToPixel(TColor rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr TColor PixelToColor(std::uint32_t pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// An owned block of 32-bit pixels, rows top to bottom, stride Width() * 4. Any size including 0 x 0;
// negative sizes count as 0. A clNone fill leaves the pixels white.
class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height, TColor fill = clWhite);
  TBitmap(const TBitmap& other);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(const TBitmap& other);
  TBitmap& operator=(TBitmap&& other) noexcept;
  ~TBitmap();

  // In pixels of the bitmap itself (device pixels).
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }

  // Device pixels per logical pixel (1 to MaxScale): a bitmap painted for a screen at scale 2 holds
  // twice the pixels each way of the logical area it stands for. Its canvas takes logical
  // coordinates; drawn on a canvas of the same scale it is copied pixel for pixel.
  static constexpr int MaxScale = 8;
  int Scale() const { return FScale; }
  void SetScale(int scale);
  int LogicalWidth() const { return (FWidth + FScale - 1) / FScale; }
  int LogicalHeight() const { return (FHeight + FScale - 1) / FScale; }
  TRect LogicalBounds() const { return {0, 0, LogicalWidth(), LogicalHeight()}; }
  // Sizes the bitmap to hold width x height logical pixels at `scale`.
  void SetLogicalSize(int width, int height, int scale);

  // The same picture drawn for a higher scale (artwork made at 2 x); a canvas of that scale draws
  // it in this bitmap's place. Copies of the bitmap share it.
  void SetVariant(TBitmap&& variant);
  const TBitmap& ForScale(int scale) const;
  // Takes `png` as the variant for `scale`, read when a canvas of that scale first draws the
  // bitmap, so that a screen at scale 1 never spends memory on it. The bytes must outlive the
  // bitmap and its copies (compiled-in artwork does). An empty span (no such artwork) leaves none;
  // a PNG that cannot be read leaves the bitmap itself to be scaled.
  void LoadVariantFromMemory(std::span<const std::uint8_t> png, int scale, TColor background = clWhite);
  // Pixels that stay inside the new size keep their value; new ones are white.
  void SetSize(int width, int height);
  void Fill(TColor color);

  std::uint32_t* ScanLine(int y) { return FPixels.data() + std::size_t(y) * std::size_t(FWidth); }
  const std::uint32_t* ScanLine(int y) const { return FPixels.data() + std::size_t(y) * std::size_t(FWidth); }
  std::uint32_t* Pixels() { return FPixels.data(); }
  const std::uint32_t* Pixels() const { return FPixels.data(); }

  // Outside the bitmap: GetPixel gives clNone and SetPixel does nothing.
  TColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // PNG input is composited over white (or the given background) where it has transparency.
  // Failures throw EGraphicsError naming the file and the reason and leave the bitmap as it was.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(std::span<const std::uint8_t> png, TColor background = clWhite);
  void SaveToFile(const std::string& path) const;
  std::vector<std::uint8_t> SaveToMemory() const;

  // The bitmap's own canvas, made on first use; it follows the bitmap when the bitmap is moved.
  TCanvas& Canvas();

 private:
  void LoadPng(const std::uint8_t* data, std::size_t size, const std::string& what, TColor background = clWhite);

  int FWidth = 0;
  int FHeight = 0;
  int FScale = 1;
  std::vector<std::uint32_t> FPixels;
  struct TVariant;
  std::shared_ptr<TVariant> FVariant;
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace gui
