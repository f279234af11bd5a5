// Draws the four 32 x 32 message icons (warning, error, information, confirmation) as RGBA PNG
// files with a transparent background. Each icon is built from a few shapes given by signed
// distance functions, sampled 8 x 8 times per pixel so that the edges come out smooth, over a soft
// grey shadow. Run it by hand after changing a shape; the PNGs it writes are committed.
//
//   make_icons OUTPUT_DIR

#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 8;

struct TRgba {
  float R = 0, G = 0, B = 0, A = 0;  // premultiplied
};

struct TVec {
  float X, Y;
};

using TShape = std::function<float(TVec)>;      // signed distance: negative inside
using TPaint = std::function<TRgba(TVec)>;      // straight (not premultiplied) colour at a point

TRgba Rgb(int r, int g, int b, float a = 1.f) { return {r / 255.f, g / 255.f, b / 255.f, a}; }

TRgba Mix(TRgba a, TRgba b, float t) {
  t = std::clamp(t, 0.f, 1.f);
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

TShape Circle(TVec c, float r) {
  return [=](TVec p) { return Length(p.X - c.X, p.Y - c.Y) - r; };
}

// A line from a to b with round ends, r thick on either side.
TShape Capsule(TVec a, TVec b, float r) {
  return [=](TVec p) {
    const float dx = b.X - a.X, dy = b.Y - a.Y;
    const float t = std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
    return Length(p.X - a.X - t * dx, p.Y - a.Y - t * dy) - r;
  };
}

TShape Box(float left, float top, float right, float bottom) {
  return [=](TVec p) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float qx = std::abs(p.X - cx) - (right - left) / 2, qy = std::abs(p.Y - cy) - (bottom - top) / 2;
    return Length(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f);
  };
}

// An approximate distance, good enough near the outline of a not too flat ellipse.
TShape Ellipse(TVec c, float rx, float ry) {
  return [=](TVec p) {
    const float k = Length((p.X - c.X) / rx, (p.Y - c.Y) / ry);
    return (k - 1.f) * std::min(rx, ry);
  };
}

// A convex polygon with its corners rounded by r (the outline lies r outside the given points).
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

TShape Union(std::vector<TShape> parts) {
  return [=](TVec p) {
    float d = 1e9f;
    for (const auto& s : parts) d = std::min(d, s(p));
    return d;
  };
}

// Part of a ring around c (radius r, thickness 2 h) from angle `from` to `to` in degrees, measured
// clockwise on screen from the positive x axis, with round ends.
TShape Arc(TVec c, float r, float h, float from, float to) {
  const float rad = 3.14159265f / 180.f;
  const TVec a{c.X + r * std::cos(from * rad), c.Y + r * std::sin(from * rad)};
  const TVec b{c.X + r * std::cos(to * rad), c.Y + r * std::sin(to * rad)};
  return [=](TVec p) {
    float angle = std::atan2(p.Y - c.Y, p.X - c.X) / rad;
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

class TIcon {
 public:
  TIcon() : FPixels(kSize * kSize) {}

  // Paints the shape over what is there, antialiased by supersampling.
  void Fill(const TShape& shape, const TPaint& paint) {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        TRgba sum;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx) {
            const TVec p{x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples};
            if (shape(p) >= 0) continue;
            const TRgba c = paint(p);
            sum.R += c.R * c.A, sum.G += c.G * c.A, sum.B += c.B * c.A, sum.A += c.A;
          }
        const float n = kSamples * kSamples;
        Over(x, y, {sum.R / n, sum.G / n, sum.B / n, sum.A / n});
      }
  }

  // A blurred grey copy of the shape, moved down and to the right.
  void Shadow(const TShape& shape, TVec offset, float opacity) {
    std::vector<float> mask(kSize * kSize, 0.f);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        int hits = 0;
        for (int sy = 0; sy < kSamples; ++sy)
          for (int sx = 0; sx < kSamples; ++sx)
            if (shape({x + (sx + 0.5f) / kSamples - offset.X, y + (sy + 0.5f) / kSamples - offset.Y}) < 0) ++hits;
        mask[y * kSize + x] = float(hits) / (kSamples * kSamples);
      }
    for (int pass = 0; pass < 2; ++pass) mask = Blur(mask);
    for (int i = 0; i < kSize * kSize; ++i) {
      const float a = mask[i] * opacity;
      Over(i % kSize, i / kSize, {0.25f * a, 0.25f * a, 0.25f * a, a});
    }
  }

  bool Save(const std::string& path) const {
    std::vector<unsigned char> rgba(kSize * kSize * 4);
    for (int i = 0; i < kSize * kSize; ++i) {
      const TRgba& c = FPixels[i];
      const float a = c.A;
      auto channel = [a](float v) { return (unsigned char)std::lround(std::clamp(a > 0 ? v / a : 0.f, 0.f, 1.f) * 255); };
      rgba[i * 4] = channel(c.R), rgba[i * 4 + 1] = channel(c.G), rgba[i * 4 + 2] = channel(c.B);
      rgba[i * 4 + 3] = (unsigned char)std::lround(std::clamp(a, 0.f, 1.f) * 255);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kSize;
    image.height = kSize;
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
      std::fprintf(stderr, "make_icons: cannot write %s: %s\n", path.c_str(), image.message);
      return false;
    }
    return true;
  }

 private:
  static std::vector<float> Blur(const std::vector<float>& in) {
    std::vector<float> out(in.size(), 0.f);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) {
        float s = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int xx = x + dx, yy = y + dy;
            if (xx >= 0 && yy >= 0 && xx < kSize && yy < kSize) s += in[yy * kSize + xx];
          }
        out[y * kSize + x] = s / 9.f;
      }
    return out;
  }

  void Over(int x, int y, TRgba src) {
    TRgba& d = FPixels[y * kSize + x];
    const float k = 1.f - src.A;
    d = {src.R + d.R * k, src.G + d.G * k, src.B + d.B * k, src.A + d.A * k};
  }

  std::vector<TRgba> FPixels;
};

TPaint Solid(TRgba c) {
  return [=](TVec) { return c; };
}

TPaint Vertical(TRgba top, TRgba bottom, float y0, float y1) {
  return [=](TVec p) { return Mix(top, bottom, (p.Y - y0) / (y1 - y0)); };
}

TPaint Radial(TVec c, float r, TRgba inner, TRgba outer) {
  return [=](TVec p) { return Mix(inner, outer, Length(p.X - c.X, p.Y - c.Y) / r); };
}

const TVec kShadowOffset{1.5f, 1.5f};
constexpr float kShadowOpacity = 0.45f;

TIcon Error() {
  TIcon icon;
  const TShape disc = Circle({15.5f, 15.f}, 13.5f);
  icon.Shadow(disc, kShadowOffset, kShadowOpacity);
  icon.Fill(disc, Radial({11.f, 9.5f}, 19.f, Rgb(255, 120, 100), Rgb(190, 16, 10)));
  icon.Fill(Band(disc, -1.f, 0.f), Solid(Rgb(128, 8, 4)));
  const TShape cross = Union({Capsule({10.5f, 9.5f}, {20.5f, 19.5f}, 2.f), Capsule({20.5f, 9.5f}, {10.5f, 19.5f}, 2.f)});
  icon.Fill(cross, Solid(Rgb(255, 255, 255)));
  return icon;
}

TIcon Warning() {
  TIcon icon;
  const TShape triangle = Polygon({{15.5f, 3.5f}, {28.5f, 26.5f}, {2.5f, 26.5f}}, 1.5f);
  icon.Shadow(triangle, kShadowOffset, kShadowOpacity);
  icon.Fill(triangle, Vertical(Rgb(255, 238, 110), Rgb(246, 190, 0), 3.f, 28.f));
  icon.Fill(Band(triangle, -1.f, 0.f), Solid(Rgb(96, 72, 0)));
  icon.Fill(Capsule({15.5f, 10.5f}, {15.5f, 18.5f}, 1.7f), Solid(Rgb(0, 0, 0)));
  icon.Fill(Circle({15.5f, 23.f}, 1.8f), Solid(Rgb(0, 0, 0)));
  return icon;
}

// The speech balloon shared by the information and the question icons.
TShape Balloon() {
  return Union({Ellipse({15.5f, 13.f}, 14.f, 11.5f), Polygon({{8.f, 19.f}, {15.f, 22.5f}, {5.5f, 29.f}}, 0.5f)});
}

TIcon BalloonIcon() {
  TIcon icon;
  const TShape balloon = Balloon();
  icon.Shadow(balloon, kShadowOffset, kShadowOpacity);
  icon.Fill(balloon, Vertical(Rgb(255, 255, 255), Rgb(214, 222, 236), 2.f, 29.f));
  icon.Fill(Band(balloon, -1.f, 0.f), Solid(Rgb(104, 112, 128)));
  return icon;
}

const TPaint kGlyphBlue = Vertical(Rgb(40, 110, 235), Rgb(10, 50, 170), 3.f, 22.f);

TIcon Information() {
  TIcon icon = BalloonIcon();
  icon.Fill(Circle({15.5f, 6.5f}, 2.1f), kGlyphBlue);
  icon.Fill(Union({Box(13.8f, 10.f, 17.4f, 20.f), Box(12.f, 10.f, 17.4f, 11.6f), Box(12.f, 18.4f, 19.2f, 20.f)}),
            kGlyphBlue);
  return icon;
}

TIcon Question() {
  TIcon icon = BalloonIcon();
  const TVec centre{15.5f, 8.6f};
  const float r = 4.2f;
  const TVec end{centre.X + r * std::cos(1.047f), centre.Y + r * std::sin(1.047f)};
  icon.Fill(Union({Arc(centre, r, 1.6f, 180.f, 420.f), Capsule(end, {15.5f, 14.5f}, 1.6f),
                   Capsule({15.5f, 14.5f}, {15.5f, 16.f}, 1.6f)}),
            kGlyphBlue);
  icon.Fill(Circle({15.5f, 20.2f}, 1.9f), kGlyphBlue);
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  ok = Warning().Save(dir + "/warning.png") && ok;
  ok = Error().Save(dir + "/error.png") && ok;
  ok = Information().Save(dir + "/information.png") && ok;
  ok = Question().Save(dir + "/confirmation.png") && ok;
  return ok ? 0 : 1;
}
