// Draws the program's own pictures: the button glyphs, the application icon at every size the
// desktop asks for, and the about box's emblem and word-mark. The glyphs and pictures are drawn
// again at 2 x for screens with that scale factor (NAME@2x.png beside NAME.png). Run it by hand
// after changing a drawing; the PNGs it writes are committed.
//
//   make_artwork RESOURCES_DIR
//
// The glyphs and the about box's pictures are opaque bitmaps whose bottom-left pixel gives the
// colour left out when they are drawn; their antialiased edges are blended over the colour they
// are shown on. The icons keep an alpha channel.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "emblem.h"
#include "paint_kit.h"
#include "text_shape.h"

namespace {

using namespace art;

// The colours left out when the glyphs are drawn, and the button face the glyphs sit on.
constexpr TRgb8 kBigGlyphKey{212, 208, 200};
constexpr TRgb8 kAddGlyphKey{236, 233, 216};
constexpr TRgb8 kButtonFace{241, 242, 238};
// The about box's panels.
constexpr TRgb8 kPanelFace{236, 233, 216};
constexpr TRgb8 kWhite{255, 255, 255};

const TVec kShadowOffset{1.5f, 1.5f};

// The exit glyph: an orange octagon with a white diagonal cross.
TPicture Exit() {
  TPicture glyph(48, 48);
  const TShape octagon = Polygon(RegularPolygon({23.5f, 23.5f}, 20.f, 8, 22.5f), 1.5f);
  glyph.Shadow(octagon, kShadowOffset, 0.4f);
  glyph.Fill(octagon, Vertical(Rgb(255, 178, 74), Rgb(232, 96, 4), 4.f, 44.f));
  glyph.Fill(Band(octagon, -1.2f, 0.f), Solid(Rgb(150, 58, 0)));
  glyph.Fill(Band(octagon, -3.4f, -2.3f), Solid(Rgb(255, 236, 210, 0.9f)));
  const TShape cross =
      Union({Capsule({16.f, 16.f}, {31.f, 31.f}, 3.3f), Capsule({31.f, 16.f}, {16.f, 31.f}, 3.3f)});
  glyph.Shadow(cross, {0.8f, 1.f}, 0.45f, 1);
  glyph.Fill(cross, Solid(Rgb(255, 255, 255)));
  return glyph;
}

// The about glyph: a small window with a blue title bar, holding a round information sign.
TPicture About() {
  TPicture glyph(48, 48);
  const TShape frame = RoundBox(3.f, 5.f, 40.f, 38.f, 2.5f);
  glyph.Shadow(frame, kShadowOffset, 0.35f);
  glyph.Fill(frame, Vertical(Rgb(255, 255, 255), Rgb(222, 230, 242), 5.f, 38.f));
  glyph.Fill(Intersect(frame, Box(0.f, 0.f, 48.f, 13.f)),
             Vertical(Rgb(96, 156, 245), Rgb(18, 72, 196), 5.f, 13.f));
  glyph.Fill(Band(frame, -1.f, 0.f), Solid(Rgb(44, 70, 130)));
  glyph.Fill(RoundBox(33.f, 7.5f, 37.5f, 11.5f, 0.8f), Solid(Rgb(255, 255, 255, 0.95f)));
  glyph.Fill(Box(7.f, 18.f, 20.f, 19.3f), Solid(Rgb(150, 166, 196)));
  glyph.Fill(Box(7.f, 22.f, 16.f, 23.3f), Solid(Rgb(150, 166, 196)));

  const TVec centre{30.5f, 30.5f};
  const TShape sign = Circle(centre, 13.f);
  glyph.Shadow(sign, kShadowOffset, 0.4f);
  glyph.Fill(sign, Solid(Rgb(255, 255, 255)));
  glyph.Fill(Band(sign, -1.f, 0.f), Solid(Rgb(70, 100, 170)));
  const TShape disc = Circle(centre, 10.5f);
  glyph.Fill(disc, Radial({27.f, 25.f}, 15.f, Rgb(92, 160, 250), Rgb(14, 60, 186)));
  glyph.Fill(Circle({30.5f, 24.6f}, 1.9f), Solid(Rgb(255, 255, 255)));
  glyph.Fill(Union({RoundBox(28.9f, 28.f, 32.3f, 37.f, 0.6f), RoundBox(27.3f, 28.f, 32.3f, 29.5f, 0.4f),
                    RoundBox(27.3f, 35.6f, 33.9f, 37.f, 0.4f)}),
             Solid(Rgb(255, 255, 255)));
  return glyph;
}

// The plus sign of one 16 x 16 cell of the add glyph, at the cell's left edge `x`.
TShape Plus(float x) {
  return Union({RoundBox(x + 2.f, 6.f, x + 14.f, 10.f, 1.f), RoundBox(x + 6.f, 2.f, x + 10.f, 14.f, 1.f)});
}

// The add glyph: a blue plus sign for the enabled button, a grey one for the disabled.
TPicture Add() {
  TPicture glyph(32, 16);
  glyph.Shadow(Plus(0.f), {0.8f, 0.8f}, 0.3f, 1);
  glyph.Fill(Plus(0.f), Vertical(Rgb(92, 150, 250), Rgb(16, 66, 200), 2.f, 14.f));
  glyph.Fill(Band(Plus(0.f), -1.f, 0.f), Solid(Rgb(12, 44, 140)));
  glyph.Fill(Plus(16.f), Vertical(Rgb(196, 196, 196), Rgb(158, 158, 158), 2.f, 14.f));
  glyph.Fill(Band(Plus(16.f), -1.f, 0.f), Solid(Rgb(128, 128, 128)));
  return glyph;
}

// The word-mark: the product's name under a small wheel seen from above (its ball track with
// the ball, the ring of pockets alternately filled, and the turret), in black on white.
TPicture WordMark(const std::string& font) {
  TPicture mark(96, 96);
  const TRgba ink = Rgb(0, 0, 0);
  const TVec c{48.f, 33.f};
  mark.Fill(Band(Circle(c, 23.f), -1.8f, 0.f), Solid(ink));
  mark.Fill(Circle(RegularPolygon(c, 18.6f, 1, -55.f)[0], 1.9f), Solid(ink));
  const TShape pockets = Band(Circle(c, 16.f), -5.f, 0.f);
  mark.Fill(Union({Band(Circle(c, 11.f), -0.8f, 0.f), Band(Circle(c, 16.f), -0.8f, 0.f)}), Solid(ink));
  constexpr int kPockets = 12;
  const TShape filled = [=](TVec p) {
    const float a = std::atan2(p.Y - c.Y, p.X - c.X) / 3.14159265f * float(kPockets) + float(kPockets);
    return int(a) % 2 ? pockets(p) : 1.f;
  };
  mark.Fill(filled, Solid(ink));
  std::vector<TShape> turret{Circle(c, 2.8f)};
  for (const TVec& end : RegularPolygon(c, 8.f, 4, 45.f)) {
    turret.push_back(Capsule(c, end, 0.8f));
    turret.push_back(Circle(end, 1.4f));
  }
  mark.Fill(Union(turret), Solid(ink));
  const TTextShape name(font, "Spintrak");
  mark.Fill(name.Placed({48.f, 73.f}, 86.f / name.InkWidth()), Solid(ink));
  return mark;
}

bool Save(const TPicture& picture, const std::filesystem::path& path, bool opaque, TRgb8 key = {},
          TRgb8 matte = {}) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  return opaque ? picture.SaveOpaque(path.string(), key, matte) : picture.SaveRgba(path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_artwork RESOURCES_DIR\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const std::string font = SPINTRAK_ART_FONT;
  bool ok = true;
  try {
    ok = Save(Emblem(128, font), root / "icons/spintrak.png", false) && ok;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
      ok = Save(Emblem(size, font), root / "hicolor" / folder / "apps/spintrak.png", false) && ok;
    }
    for (int scale : {1, 2}) {
      SetPictureScale(scale);
      const std::string suffix = scale == 1 ? ".png" : "@" + std::to_string(scale) + "x.png";
      ok = Save(Exit(), root / ("glyphs/exit" + suffix), true, kBigGlyphKey, kButtonFace) && ok;
      ok = Save(About(), root / ("glyphs/about" + suffix), true, kBigGlyphKey, kButtonFace) && ok;
      ok = Save(Add(), root / ("glyphs/add" + suffix), true, kAddGlyphKey, kButtonFace) && ok;
      ok = Save(Emblem(101, font), root / ("pictures/emblem" + suffix), true, kPanelFace, kPanelFace) && ok;
      ok = Save(WordMark(font), root / ("pictures/wordmark" + suffix), true, kWhite, kPanelFace) && ok;
    }
    SetPictureScale(1);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_artwork: %s\n", e.what());
    return 1;
  }
  return ok ? 0 : 1;
}
