#include "paint_kit.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {
namespace {

constexpr int kSamples = 8;
constexpr float kDegree = 3.14159265f / 180.f;

unsigned char Byte(float v) { return (unsigned char)std::lround(std::clamp(v, 0.f, 1.f) * 255); }

}  // namespace

TRgba Rgb(int r, int g, int b, float a) { return {r / 255.f, g / 255.f, b / 255.f, a}; }

TRgba Mix(TRgba a, TRgba b, float t) {
  t = std::clamp(t, 0.f, 1.f);
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

TShape Circle(TVec c, float r) {
  return [=](TVec p) { return Length(p.X - c.X, p.Y - c.Y) - r; };
}

TShape Capsule(TVec a, TVec b, float r) {
  return [=](TVec p) {
    const float dx = b.X - a.X, dy = b.Y - a.Y;
    const float t = std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
    return Length(p.X - a.X - t * dx, p.Y - a.Y - t * dy) - r;
  };
}

TShape Box(float left, float top, float right, float bottom) { return RoundBox(left, top, right, bottom, 0.f); }

TShape RoundBox(float left, float top, float right, float bottom, float r) {
  return [=](TVec p) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float qx = std::abs(p.X - cx) - (right - left) / 2 + r, qy = std::abs(p.Y - cy) - (bottom - top) / 2 + r;
    return Length(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - r;
  };
}

TShape Ellipse(TVec c, float rx, float ry) {
  return [=](TVec p) {
    const float k = Length((p.X - c.X) / rx, (p.Y - c.Y) / ry);
    return (k - 1.f) * std::min(rx, ry);
  };
}

TShape Polygon(std::vector<TVec> pts, float r) {
  return [=](TVec p) {
    float best = 1e9f;
    bool inside = true;
    for (std::size_t i = 0; i < pts.size(); ++i) {
      const TVec a = pts[i], b = pts[(i + 1) % pts.size()];
      const float dx = b.X - a.X, dy = b.Y - a.Y;
      const float t = std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
      best = std::min(best, Length(p.X - a.X - t * dx, p.Y - a.Y - t * dy));
      if (dx * (p.Y - a.Y) - dy * (p.X - a.X) < 0) inside = false;  // points run clockwise on screen
    }
    return (inside ? -best : best) - r;
  };
}

std::vector<TVec> RegularPolygon(TVec c, float r, int n, float first) {
  std::vector<TVec> pts;
  for (int i = 0; i < n; ++i) {
    const float a = (first + 360.f * float(i) / float(n)) * kDegree;
    pts.push_back({c.X + r * std::cos(a), c.Y + r * std::sin(a)});
  }
  return pts;
}

TShape Union(std::vector<TShape> parts) {
  return [=](TVec p) {
    float d = 1e9f;
    for (const auto& s : parts) d = std::min(d, s(p));
    return d;
  };
}

TShape Intersect(TShape a, TShape b) {
  return [=](TVec p) { return std::max(a(p), b(p)); };
}

TShape Subtract(TShape a, TShape b) {
  return [=](TVec p) { return std::max(a(p), -b(p)); };
}

TShape Arc(TVec c, float r, float h, float from, float to) {
  const TVec a{c.X + r * std::cos(from * kDegree), c.Y + r * std::sin(from * kDegree)};
  const TVec b{c.X + r * std::cos(to * kDegree), c.Y + r * std::sin(to * kDegree)};
  return [=](TVec p) {
    float angle = std::atan2(p.Y - c.Y, p.X - c.X) / kDegree;
    while (angle < from) angle += 360.f;
    if (angle <= to) return std::abs(Length(p.X - c.X, p.Y - c.Y) - r) - h;
    return std::min(Length(p.X - a.X, p.Y - a.Y), Length(p.X - b.X, p.Y - b.Y)) - h;
  };
}

TShape Band(TShape shape, float inner, float outer) {
  return [=](TVec p) {
    const float d = shape(p);
    return std::max(inner - d, d - outer);
  };
}

TShape Moved(TShape shape, TVec by) {
  return [=](TVec p) { return shape({p.X - by.X, p.Y - by.Y}); };
}

TPaint Solid(TRgba c) {
  return [=](TVec) { return c; };
}

TPaint Vertical(TRgba top, TRgba bottom, float y0, float y1) {
  return [=](TVec p) { return Mix(top, bottom, (p.Y - y0) / (y1 - y0)); };
}

TPaint Radial(TVec c, float r, TRgba inner, TRgba outer) {
  return [=](TVec p) { return Mix(inner, outer, Length(p.X - c.X, p.Y - c.Y) / r); };
}

namespace {
int gPictureScale = 1;
}  // namespace

void SetPictureScale(int scale) { gPictureScale = std::max(scale, 1); }

TPicture::TPicture(int width, int height)
    : FScale(gPictureScale),
      FWidth(width * FScale),
      FHeight(height * FScale),
      FPixels(std::size_t(FWidth * FHeight)) {}

void TPicture::Fill(const TShape& shape, const TPaint& paint) {
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      TRgba sum;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const TVec p{(x + (sx + 0.5f) / kSamples) / FScale, (y + (sy + 0.5f) / kSamples) / FScale};
          if (shape(p) >= 0) continue;
          const TRgba c = paint(p);
          sum.R += c.R * c.A, sum.G += c.G * c.A, sum.B += c.B * c.A, sum.A += c.A;
        }
      const float n = kSamples * kSamples;
      if (sum.A > 0) Over(x, y, {sum.R / n, sum.G / n, sum.B / n, sum.A / n});
    }
}

void TPicture::Shadow(const TShape& shape, TVec offset, float opacity, int blur) {
  std::vector<float> mask(FPixels.size(), 0.f);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (shape({(x + (sx + 0.5f) / kSamples) / FScale - offset.X,
                     (y + (sy + 0.5f) / kSamples) / FScale - offset.Y}) < 0)
            ++hits;
      mask[std::size_t(y * FWidth + x)] = float(hits) / (kSamples * kSamples);
    }
  // A box blur's spread grows with the root of its passes: scale^2 times the passes spread as far
  // in units.
  for (int pass = 0; pass < blur * FScale * FScale; ++pass) mask = Blur(mask);
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const float a = mask[i] * opacity;
    Over(int(i) % FWidth, int(i) / FWidth, {0.25f * a, 0.25f * a, 0.25f * a, a});
  }
}

bool TPicture::SaveRgba(const std::string& path) const {
  std::vector<unsigned char> rgba(FPixels.size() * 4);
  for (std::size_t i = 0; i < FPixels.size(); ++i) {
    const TRgba& c = FPixels[i];
    const float a = c.A;
    auto channel = [a](float v) { return Byte(a > 0 ? v / a : 0.f); };
    rgba[i * 4] = channel(c.R), rgba[i * 4 + 1] = channel(c.G), rgba[i * 4 + 2] = channel(c.B);
    rgba[i * 4 + 3] = Byte(a);
  }
  return Write(path, rgba, true);
}

bool TPicture::SaveOpaque(const std::string& path, TRgb8 key, TRgb8 matte) const {
  std::vector<unsigned char> rgb(FPixels.size() * 3);
  for (std::size_t i = 0; i < FPixels.size(); ++i) {
    const TRgba& c = FPixels[i];
    TRgb8 out = key;
    if (c.A * 255 >= 0.5f) {
      const float k = 1.f - std::clamp(c.A, 0.f, 1.f);
      out = {Byte(c.R + matte.R / 255.f * k), Byte(c.G + matte.G / 255.f * k), Byte(c.B + matte.B / 255.f * k)};
      if (out == key && !(matte == key)) out.B += out.B > 0 ? -1 : 1;
    }
    rgb[i * 3] = (unsigned char)out.R, rgb[i * 3 + 1] = (unsigned char)out.G,
            rgb[i * 3 + 2] = (unsigned char)out.B;
  }
  return Write(path, rgb, false);
}

bool TPicture::Write(const std::string& path, const std::vector<unsigned char>& data, bool alpha) const {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(FWidth);
  image.height = png_uint_32(FHeight);
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, data.data(), 0, nullptr)) {
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), image.message);
    return false;
  }
  return true;
}

std::vector<float> TPicture::Blur(const std::vector<float>& in) const {
  std::vector<float> out(in.size(), 0.f);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      float s = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int xx = x + dx, yy = y + dy;
          if (xx >= 0 && yy >= 0 && xx < FWidth && yy < FHeight) s += in[std::size_t(yy * FWidth + xx)];
        }
      out[std::size_t(y * FWidth + x)] = s / 9.f;
    }
  return out;
}

void TPicture::Over(int x, int y, TRgba src) {
  TRgba& d = FPixels[std::size_t(y * FWidth + x)];
  const float k = 1.f - src.A;
  d = {src.R + d.R * k, src.G + d.G * k, src.B + d.B * k, src.A + d.A * k};
}

}  // namespace art
