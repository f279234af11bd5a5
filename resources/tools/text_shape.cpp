#include "text_shape.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace art {
namespace {

constexpr float kFar = 1e20f;
constexpr int kPadding = 24;  // room around the ink for outlines and shadows

// The squared distance transform of one row or column (Felzenszwalb and Huttenlocher): d[q] is the
// least (q - p)^2 + f[p] over all p.
void DistanceTransform1d(const std::vector<float>& f, std::vector<float>& d) {
  const int n = int(f.size());
  std::vector<int> v(std::size_t(n), 0);
  std::vector<float> z(std::size_t(n) + 1, 0.f);
  int k = 0;
  z[0] = -kFar, z[1] = kFar;
  for (int q = 1; q < n; ++q) {
    auto cut = [&](int p) {
      return ((f[std::size_t(q)] + float(q * q)) - (f[std::size_t(p)] + float(p * p))) / float(2 * q - 2 * p);
    };
    float s = cut(v[std::size_t(k)]);
    while (k > 0 && s <= z[std::size_t(k)]) s = cut(v[std::size_t(--k)]);
    ++k;
    v[std::size_t(k)] = q, z[std::size_t(k)] = s, z[std::size_t(k) + 1] = kFar;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[std::size_t(k) + 1] < float(q)) ++k;
    const float dq = float(q - v[std::size_t(k)]);
    d[std::size_t(q)] = dq * dq + f[std::size_t(v[std::size_t(k)])];
  }
}

// Squared distance of every cell to the nearest cell where `target` holds.
std::vector<float> DistanceTo(const std::vector<bool>& target, int width, int height) {
  std::vector<float> grid(target.size());
  for (std::size_t i = 0; i < target.size(); ++i) grid[i] = target[i] ? 0.f : kFar;
  std::vector<float> line, out;
  for (int y = 0; y < height; ++y) {
    line.assign(grid.begin() + y * width, grid.begin() + (y + 1) * width);
    out.resize(line.size());
    DistanceTransform1d(line, out);
    std::copy(out.begin(), out.end(), grid.begin() + y * width);
  }
  line.resize(std::size_t(height));
  out.resize(std::size_t(height));
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) line[std::size_t(y)] = grid[std::size_t(y * width + x)];
    DistanceTransform1d(line, out);
    for (int y = 0; y < height; ++y) grid[std::size_t(y * width + x)] = out[std::size_t(y)];
  }
  return grid;
}

struct TGlyphInk {
  int Left, Top, Width, Height;
  std::vector<unsigned char> Coverage;
};

}  // namespace

TTextShape::TTextShape(const std::string& fontFile, const std::string& text, int pixelSize)
    : FPixelSize(pixelSize) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) throw std::runtime_error("cannot start FreeType");
  std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)> libraryOwner(library, FT_Done_FreeType);
  FT_Face face = nullptr;
  if (FT_New_Face(library, fontFile.c_str(), 0, &face))
    throw std::runtime_error("cannot read the font " + fontFile);
  std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)> faceOwner(face, FT_Done_Face);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));

  // Lay the glyphs out along a baseline at y = 0.
  std::vector<TGlyphInk> glyphs;
  int pen = 0, left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
  for (unsigned char c : text) {
    if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_NO_HINTING))
      throw std::runtime_error(std::string("the font has no glyph for '") + char(c) + "'");
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    TGlyphInk ink{
        pen + face->glyph->bitmap_left, -face->glyph->bitmap_top, int(bitmap.width), int(bitmap.rows), {}};
    for (int y = 0; y < ink.Height; ++y)
      for (int x = 0; x < ink.Width; ++x) ink.Coverage.push_back(bitmap.buffer[y * bitmap.pitch + x]);
    if (ink.Width > 0 && ink.Height > 0) {
      left = std::min(left, ink.Left), top = std::min(top, ink.Top);
      right = std::max(right, ink.Left + ink.Width), bottom = std::max(bottom, ink.Top + ink.Height);
      glyphs.push_back(std::move(ink));
    }
    pen += int(face->glyph->advance.x >> 6);
  }
  if (glyphs.empty()) throw std::runtime_error("the text \"" + text + "\" leaves no ink");

  FWidth = right - left + 2 * kPadding;
  FHeight = bottom - top + 2 * kPadding;
  std::vector<bool> inside(std::size_t(FWidth * FHeight), false);
  for (const TGlyphInk& g : glyphs)
    for (int y = 0; y < g.Height; ++y)
      for (int x = 0; x < g.Width; ++x)
        if (g.Coverage[std::size_t(y * g.Width + x)] >= 128)
          inside[std::size_t((g.Top - top + kPadding + y) * FWidth + (g.Left - left + kPadding + x))] = true;
  std::vector<bool> outside(inside.size());
  std::transform(inside.begin(), inside.end(), outside.begin(), [](bool b) { return !b; });
  const std::vector<float> toInside = DistanceTo(inside, FWidth, FHeight);
  const std::vector<float> toOutside = DistanceTo(outside, FWidth, FHeight);
  FField.resize(inside.size());
  for (std::size_t i = 0; i < inside.size(); ++i)
    FField[i] = inside[i] ? 0.5f - std::sqrt(toOutside[i]) : std::sqrt(toInside[i]) - 0.5f;

  FInkWidth = float(right - left);
  FInkHeight = float(bottom - top);
  FInkCentreX = kPadding + FInkWidth / 2;
  FInkCentreY = kPadding + FInkHeight / 2;
}

// Bilinear between cell centres; beyond the field, the distance to its edge is added.
float TTextShape::Field(float x, float y) const {
  const float cx = std::clamp(x - 0.5f, 0.f, float(FWidth - 1)),
              cy = std::clamp(y - 0.5f, 0.f, float(FHeight - 1));
  const float beyond = Length(x - 0.5f - cx, y - 0.5f - cy);
  const int x0 = std::min(int(cx), FWidth - 2), y0 = std::min(int(cy), FHeight - 2);
  const float fx = cx - float(x0), fy = cy - float(y0);
  auto at = [&](int xx, int yy) { return FField[std::size_t(yy * FWidth + xx)]; };
  const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
  const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
  return top + (bottom - top) * fy + beyond;
}

TShape TTextShape::Placed(TVec centre, float scale, float degrees, float squeeze) const {
  const float a = degrees * 3.14159265f / 180.f, cosA = std::cos(a), sinA = std::sin(a);
  return [=, this](TVec p) {
    const float dx = p.X - centre.X, dy = p.Y - centre.Y;
    // Turn the point back by the text's angle, then into rendered pixels.
    const float u = (dx * cosA + dy * sinA) / (scale * squeeze), v = (-dx * sinA + dy * cosA) / scale;
    return Field(FInkCentreX + u, FInkCentreY + v) * scale * std::min(1.f, squeeze);
  };
}

}  // namespace art
