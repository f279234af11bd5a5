// Draws the four 32 x 32 message icons (warning, error, information, confirmation) as RGBA PNG
// files with a transparent background, each from a few shapes over a soft grey shadow, and again
// at 2 x (NAME@2x.png) for screens with that scale factor. Run it by hand after changing a shape;
// the PNGs it writes are committed.
//
//   make_icons OUTPUT_DIR

#include <cmath>
#include <cstdio>
#include <string>

#include "paint_kit.h"

namespace {

using namespace art;

constexpr int kSize = 32;

const TVec kShadowOffset{1.5f, 1.5f};
constexpr float kShadowOpacity = 0.45f;

TPicture Error() {
  TPicture icon(kSize, kSize);
  const TShape disc = Circle({15.5f, 15.f}, 13.5f);
  icon.Shadow(disc, kShadowOffset, kShadowOpacity);
  icon.Fill(disc, Radial({11.f, 9.5f}, 19.f, Rgb(255, 120, 100), Rgb(190, 16, 10)));
  icon.Fill(Band(disc, -1.f, 0.f), Solid(Rgb(128, 8, 4)));
  const TShape cross =
      Union({Capsule({10.5f, 9.5f}, {20.5f, 19.5f}, 2.f), Capsule({20.5f, 9.5f}, {10.5f, 19.5f}, 2.f)});
  icon.Fill(cross, Solid(Rgb(255, 255, 255)));
  return icon;
}

TPicture Warning() {
  TPicture icon(kSize, kSize);
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

TPicture BalloonIcon() {
  TPicture icon(kSize, kSize);
  const TShape balloon = Balloon();
  icon.Shadow(balloon, kShadowOffset, kShadowOpacity);
  icon.Fill(balloon, Vertical(Rgb(255, 255, 255), Rgb(214, 222, 236), 2.f, 29.f));
  icon.Fill(Band(balloon, -1.f, 0.f), Solid(Rgb(104, 112, 128)));
  return icon;
}

const TPaint kGlyphBlue = Vertical(Rgb(40, 110, 235), Rgb(10, 50, 170), 3.f, 22.f);

TPicture Information() {
  TPicture icon = BalloonIcon();
  icon.Fill(Circle({15.5f, 6.5f}, 2.1f), kGlyphBlue);
  icon.Fill(Union({Box(13.8f, 10.f, 17.4f, 20.f), Box(12.f, 10.f, 17.4f, 11.6f), Box(12.f, 18.4f, 19.2f, 20.f)}),
            kGlyphBlue);
  return icon;
}

TPicture Question() {
  TPicture icon = BalloonIcon();
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
  for (int scale : {1, 2}) {
    SetPictureScale(scale);
    const std::string suffix = scale == 1 ? ".png" : "@" + std::to_string(scale) + "x.png";
    ok = Warning().SaveRgba(dir + "/warning" + suffix) && ok;
    ok = Error().SaveRgba(dir + "/error" + suffix) && ok;
    ok = Information().SaveRgba(dir + "/information" + suffix) && ok;
    ok = Question().SaveRgba(dir + "/confirmation" + suffix) && ok;
  }
  return ok ? 0 : 1;
}
