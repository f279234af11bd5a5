#include "gui/graphics/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gui/graphics/graphics_error.h"
#include "gui/graphics/text.h"

namespace gui {
namespace {

// One FreeType library for the process. It is never released: faces owned by static caches may
// outlive any other static that could own it.
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw EGraphicsError("cannot start the FreeType font engine");
    return lib;
  }();
  return library;
}

FT_Face OpenFace(const TFaceSource& source) {
  FT_Face face = nullptr;
  if (FT_New_Face(Library(), source.File.c_str(), source.Index, &face) != 0)
    throw EGraphicsError("cannot open font file \"" + source.File + "\" (face " + std::to_string(source.Index) +
                         ")");
  if (source.BitmapStrike) {
    // Windows FNT strikes carry no Unicode map: their one map is indexed by code-page byte.
    if (face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    if (face->num_fixed_sizes > 0) FT_Select_Size(face, 0);
  } else {
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  }
  return face;
}

int RoundScaled(long value, int ppem, int unitsPerEm) {
  return int(std::lround(double(value) * ppem / unitsPerEm));
}

struct TVerticalUnits {
  int UnitsPerEm, Ascent, Descent, AveWidth;
};

TVerticalUnits UnitsOf(FT_Face face) {
  TVerticalUnits u{face->units_per_EM, face->ascender, -face->descender, 0};
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      u.Ascent = os2->usWinAscent;
      u.Descent = os2->usWinDescent;
    }
    u.AveWidth = os2->xAvgCharWidth;
  }
  if (u.UnitsPerEm <= 0) u.UnitsPerEm = 1000;
  if (u.Ascent + u.Descent <= 0) u.Ascent = u.UnitsPerEm;
  return u;
}

// Far beyond any caption of ours; each cached glyph of a bigger size would cost megabytes.
constexpr std::int64_t MaxPpem = 1024;

// Pixels per em for a requested height: negative is the character height (the em), positive the
// cell height (ascent + descent); 0 takes the dialog font's size.
int PpemFor(FT_Face face, int height) {
  if (height < 0) return int(std::min(-std::int64_t(height), MaxPpem));
  if (height == 0) return 11;
  const TVerticalUnits u = UnitsOf(face);
  return int(
      std::clamp<std::int64_t>(std::llround(double(height) * u.UnitsPerEm / (u.Ascent + u.Descent)), 1, MaxPpem));
}

void SizeFace(FT_Face face, int ppem) {
  if (FT_IS_SCALABLE(face)) {
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(ppem));
  } else if (face->num_fixed_sizes > 0) {
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
      if (std::abs(face->available_sizes[i].height - ppem) < std::abs(face->available_sizes[best].height - ppem))
        best = i;
    FT_Select_Size(face, best);
  }
}

}  // namespace

std::vector<TBitmapStrike> ReadBitmapStrikes(const std::string& file) {
  std::vector<TBitmapStrike> strikes;
  for (long index = 0, faces = 1; index < faces; ++index) {
    FT_Face face = nullptr;
    if (FT_New_Face(Library(), file.c_str(), index, &face) != 0) break;
    faces = face->num_faces;
    FT_WinFNT_HeaderRec h;
    if (FT_Get_WinFNT_Header(face, &h) == 0 && face->family_name)
      strikes.push_back(
          {file, int(index), face->family_name, h.charset, h.pixel_height, h.pixel_height - h.internal_leading});
    FT_Done_Face(face);
  }
  return strikes;
}

struct TFontFace::TImpl {
  struct TFallbackFace {
    TFaceSource Source;
    FT_Face Face;
  };

  FT_Face Main = nullptr;
  int Ppem = 11;
  TFallbackFinder Fallback;
  std::vector<TFallbackFace> Fallbacks;
  std::array<int, 256> DrawnBy{};  // -1 main face, k >= 0 fallback k, -2 not yet drawn

  ~TImpl() {
    for (auto& f : Fallbacks) FT_Done_Face(f.Face);
    if (Main) FT_Done_Face(Main);
  }

  FT_Face FallbackFace(const TFaceSource& source, int& index) {
    for (std::size_t i = 0; i < Fallbacks.size(); ++i)
      if (Fallbacks[i].Source.File == source.File && Fallbacks[i].Source.Index == source.Index) {
        index = int(i);
        return Fallbacks[i].Face;
      }
    FT_Face face = OpenFace(source);
    SizeFace(face, Ppem);
    Fallbacks.push_back({source, face});
    index = int(Fallbacks.size() - 1);
    return face;
  }
};

TFontFace::TFontFace(const TFaceSource& source, int height, TFallbackFinder fallback)
    : FSource(source), F(std::make_unique<TImpl>()) {
  F->Fallback = std::move(fallback);
  F->DrawnBy.fill(-2);
  F->Main = OpenFace(source);
  FT_Face face = F->Main;
  FT_WinFNT_HeaderRec fnt;
  if (source.BitmapStrike && FT_Get_WinFNT_Header(face, &fnt) == 0) {
    F->Ppem = fnt.pixel_height - fnt.internal_leading;
    FMetrics.Ascent = fnt.ascent;
    FMetrics.Height = fnt.pixel_height;
    FMetrics.Descent = fnt.pixel_height - fnt.ascent;
    FMetrics.InternalLeading = fnt.internal_leading;
    FMetrics.AveCharWidth = fnt.avg_width + (source.SyntheticBold ? 1 : 0);
  } else {
    F->Ppem = PpemFor(face, height);
    SizeFace(face, F->Ppem);
    const TVerticalUnits u = UnitsOf(face);
    FMetrics.Ascent = RoundScaled(u.Ascent, F->Ppem, u.UnitsPerEm);
    FMetrics.Descent = RoundScaled(u.Descent, F->Ppem, u.UnitsPerEm);
    FMetrics.Height = FMetrics.Ascent + FMetrics.Descent;
    FMetrics.InternalLeading = std::max(FMetrics.Height - F->Ppem, 0);
    FMetrics.AveCharWidth = u.AveWidth > 0
                                ? RoundScaled(u.AveWidth, F->Ppem, u.UnitsPerEm) + (source.SyntheticBold ? 1 : 0)
                                : Advance('x');
  }
  int letters = 0;
  for (char c = 'A'; c <= 'Z'; ++c) letters += Advance(static_cast<unsigned char>(c));
  for (char c = 'a'; c <= 'z'; ++c) letters += Advance(static_cast<unsigned char>(c));
  FMetrics.DialogAveCharWidth = (letters + 26) / 52;
}

TFontFace::~TFontFace() = default;

std::string TFontFace::FamilyOf(unsigned char ansi) {
  Glyph(ansi);
  const int k = F->DrawnBy[ansi];
  return k >= 0 ? F->Fallbacks[std::size_t(k)].Source.Family : FSource.Family;
}

std::unique_ptr<TGlyph> TFontFace::Rasterize(unsigned char ansi) {
  const char32_t code = AnsiToUnicode(static_cast<char>(ansi));
  FT_Face face = F->Main;
  FT_UInt index = FT_Get_Char_Index(face, FSource.BitmapStrike ? FT_ULong(ansi) : FT_ULong(code));
  bool fromFallback = false;
  F->DrawnBy[ansi] = -1;
  if (index == 0 && code >= 0x20 && F->Fallback) {
    if (const auto source = F->Fallback(code)) {
      int k = 0;
      try {
        FT_Face other = F->FallbackFace(*source, k);
        if (const FT_UInt i = FT_Get_Char_Index(other, code); i != 0) {
          face = other;
          index = i;
          fromFallback = true;
          F->DrawnBy[ansi] = k;
        }
      } catch (const EGraphicsError&) {
        // An unreadable fallback file: the face's own missing-glyph box is shown instead.
      }
    }
  }
  auto glyph = std::make_unique<TGlyph>();
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  // The advance holds even when the outline cannot be rendered, so the text keeps its width.
  glyph->Advance = int((slot->advance.x + 32) >> 6) + (FSource.SyntheticBold ? 1 : 0);
  const bool italic = FSource.SyntheticItalic && !fromFallback;
  if (italic && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  const FT_Bitmap& bm = slot->bitmap;
  glyph->Left = slot->bitmap_left;
  glyph->Top = slot->bitmap_top;
  glyph->Width = int(bm.width);
  glyph->Height = int(bm.rows);
  glyph->Coverage.assign(std::size_t(glyph->Width) * glyph->Height, 0);
  for (int y = 0; y < glyph->Height; ++y) {
    const unsigned char* row = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
    std::uint8_t* out = glyph->Coverage.data() + std::size_t(y) * glyph->Width;
    for (int x = 0; x < glyph->Width; ++x) {
      if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
        out[x] = (row[x >> 3] >> (7 - (x & 7))) & 1 ? 255 : 0;
      } else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
        const int levels = std::max(int(bm.num_grays) - 1, 1);
        out[x] = std::uint8_t(row[x] * 255 / levels);
      }
    }
  }
  if (FSource.SyntheticBold) {
    // Overstrike: the glyph drawn again one pixel to the right, one pixel more advance.
    std::vector<std::uint8_t> wide(std::size_t(glyph->Width + 1) * glyph->Height, 0);
    for (int y = 0; y < glyph->Height; ++y)
      for (int x = 0; x <= glyph->Width; ++x) {
        const std::uint8_t* src = glyph->Coverage.data() + std::size_t(y) * glyph->Width;
        const std::uint8_t a = x < glyph->Width ? src[x] : 0;
        const std::uint8_t b = x > 0 ? src[x - 1] : 0;
        wide[std::size_t(y) * (glyph->Width + 1) + x] = std::max(a, b);
      }
    glyph->Coverage = std::move(wide);
    if (glyph->Height > 0) ++glyph->Width;
  }
  return glyph;
}

}  // namespace gui
