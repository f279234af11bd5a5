#include "emblem.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "text_shape.h"

namespace art {
namespace {

constexpr float kPi = 3.14159265f;

// The pockets of a single-zero wheel, clockwise from the zero. Red and black alternate after it,
// starting with red.
const int kWheelOrder[37] = {0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
                             5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};

const TRgba kGold = Rgb(222, 184, 70);
const TRgba kGreen = Rgb(0, 140, 62);
const TRgba kRed = Rgb(206, 24, 30);
const TRgba kBlack = Rgb(28, 28, 30);

// Angle of a point around c, in degrees clockwise from straight up, 0 to 360.
float Bearing(TVec c, TVec p) {
  const float a = std::atan2(p.X - c.X, -(p.Y - c.Y)) * 180.f / kPi;
  return a < 0 ? a + 360.f : a;
}

TRgba Scaled(TRgba c, float k) { return {c.R * k, c.G * k, c.B * k, c.A}; }

// How much the wheel shows at a size: below some pixel sizes a detail would only smudge. Small
// icons drop the fine gold lines and the letter's outline and give the letter more room.
struct TDetail {
  int Pockets;
  bool Numbers;
  bool Frets;
  bool Fine;
};

TDetail DetailFor(int size) {
  if (size >= 96) return {37, true, true, true};
  if (size >= 48) return {37, false, true, true};
  if (size >= 32) return {19, false, false, true};
  return {13, false, false, false};
}

// Radii of the wheel's rings, from the outside in.
struct TRings {
  float Outer, PocketsOuter, PocketsInner, Disc;
};

TRings RingsFor(float s, const TDetail& detail) {
  TRings r;
  r.Outer = s / 2 - (s >= 48 ? s * 0.03f : 0.5f);
  if (!detail.Fine) {
    r.PocketsOuter = r.Outer - 1.f;
    r.PocketsInner = r.PocketsOuter - s * 0.15f;
    r.Disc = r.PocketsInner;
    return r;
  }
  // With numbers the rim gives way to the pockets, where the numbers need every pixel of width.
  r.PocketsOuter = r.Outer - std::max(1.3f, s * (detail.Numbers ? 0.028f : 0.055f));
  r.PocketsInner = r.PocketsOuter - s * (detail.Numbers ? 0.13f : 0.105f);
  r.Disc = r.PocketsInner - std::max(0.8f, s * 0.012f);
  return r;
}

// The number of each pocket, white, upright when seen from the centre.
void PaintNumbers(TPicture& picture, TVec c, const TRings& rings, const std::string& fontFile) {
  const float step = 360.f / 37.f;
  // Towards the rim, where the pockets are widest. Two squeezed digits take about 1.1 times their
  // height, which leaves a gap of a fifth of the pocket on either side.
  const float band = rings.PocketsOuter - rings.PocketsInner;
  const float radius = rings.PocketsInner + band * 0.62f;
  const float height = std::min(band * 0.5f, 2 * kPi * radius / 37.f * 0.72f);
  const float scale = height / TTextShape(fontFile, "0").InkHeight();
  std::vector<TTextShape> numbers;
  for (int n : kWheelOrder) numbers.emplace_back(fontFile, std::to_string(n));
  std::vector<TShape> placed;
  for (int k = 0; k < 37; ++k) {
    const float a = float(k) * step;
    const TVec at{c.X + radius * std::sin(a * kPi / 180.f), c.Y - radius * std::cos(a * kPi / 180.f)};
    placed.push_back(numbers[std::size_t(k)].Placed(at, scale, a, 0.72f));
  }
  // Only the number of the pocket under the point can be near it.
  const TShape all = [=](TVec p) { return placed[std::size_t(int((Bearing(c, p) + step / 2) / step) % 37)](p); };
  picture.Fill(all, Solid(Rgb(255, 255, 255)));
}

}  // namespace

TPicture Emblem(int size, const std::string& fontFile) {
  const float s = float(size);
  const TDetail detail = DetailFor(size);
  const TRings rings = RingsFor(s, detail);
  const TVec c{s / 2, s / 2};
  const float line = std::max(0.6f, s * 0.01f);  // the gold rings and frets
  TPicture picture(size, size);

  const TShape wheel = Circle(c, rings.Outer);
  if (size >= 32) picture.Shadow(wheel, {s * 0.018f, s * 0.025f}, 0.35f, std::max(1, size / 24));
  // The wooden rim, darker towards its edge.
  picture.Fill(wheel, [=](TVec p) {
    const float t = (Length(p.X - c.X, p.Y - c.Y) - rings.PocketsOuter) / (rings.Outer - rings.PocketsOuter);
    return Mix(Rgb(150, 78, 34), Rgb(78, 34, 14), t);
  });
  if (detail.Fine) picture.Fill(Band(wheel, -line, 0.f), Solid(Scaled(kGold, 0.8f)));

  // The pockets, each a little lighter towards the rim as if lit from outside.
  const float step = 360.f / float(detail.Pockets);
  const float band = rings.PocketsOuter - rings.PocketsInner;
  const TShape pockets = Band(Circle(c, rings.PocketsOuter), -band, 0.f);
  picture.Fill(pockets, [=](TVec p) {
    const int k = int((Bearing(c, p) + step / 2) / step) % detail.Pockets;
    const TRgba base = k == 0 ? kGreen : k % 2 ? kRed : kBlack;
    const float t = (Length(p.X - c.X, p.Y - c.Y) - rings.PocketsInner) / band;
    return Scaled(base, 0.82f + 0.3f * t);
  });
  if (detail.Frets) {
    const TShape frets = [=](TVec p) {
      const float r = Length(p.X - c.X, p.Y - c.Y);
      const float off = std::fmod(Bearing(c, p) + step / 2, step);
      const float across = r * std::sin(std::min(off, step - off) * kPi / 180.f);
      return std::max(across - line / 2, pockets(p));
    };
    picture.Fill(frets, Solid(kGold));
  }
  if (detail.Fine) picture.Fill(Band(Circle(c, rings.PocketsOuter), -line / 2, line / 2), Solid(kGold));
  if (detail.Numbers) PaintNumbers(picture, c, rings, fontFile);

  // The centre: an ivory disc inside a gold ring, holding the green S.
  picture.Fill(Circle(c, rings.PocketsInner), Solid(kGold));
  const float disc = rings.Disc;
  picture.Fill(Circle(c, disc), Radial({c.X - disc * 0.3f, c.Y - disc * 0.35f}, disc * 1.6f, Rgb(255, 253, 244),
                                       Rgb(226, 216, 186)));
  const TTextShape letter(fontFile, "S");
  const TShape placed = letter.Placed(c, disc * (detail.Fine ? 1.45f : 1.62f) / letter.InkHeight());
  // A small letter is made a little bolder, so that its strokes still cover whole pixels.
  const float bolder = detail.Fine ? 0.f : s * 0.015f;
  const TShape shape = [=](TVec p) { return placed(p) - bolder; };
  if (size >= 32) picture.Shadow(shape, {s * 0.012f, s * 0.016f}, 0.35f, std::max(1, size / 48));
  if (detail.Fine) {
    picture.Fill(shape, Vertical(Rgb(52, 186, 84), Rgb(0, 112, 44), c.Y - disc * 0.7f, c.Y + disc * 0.7f));
    picture.Fill(Band(shape, -std::max(0.6f, s * 0.012f), 0.f), Solid(Rgb(0, 82, 32)));
  } else {
    picture.Fill(shape, Vertical(Rgb(16, 150, 60), Rgb(0, 104, 40), c.Y - disc * 0.7f, c.Y + disc * 0.7f));
  }
  return picture;
}

}  // namespace art
