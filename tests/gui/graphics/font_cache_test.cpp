#include "gui/graphics/font_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "gui/graphics/canvas.h"
#include "gui/graphics/font_folders.h"
#include "gui/graphics/graphics_error.h"
#include "gui/graphics/text.h"
#include "pixel_map.h"

namespace gui {
namespace {

using namespace gui::literals;

TFont MakeFont(const std::string& name, int height, TFontStyles style = {}) {
  TFont f;
  f.SetName(name);
  f.SetHeight(height);
  f.SetStyle(style);
  return f;
}

bool HasWineFonts() { return std::filesystem::exists("/usr/share/wine/fonts/sserifer.fon"); }

TEST(FontData, SettersSignalOnlyRealChangesAndSizeFollowsHeight) {
  TFont f;
  int changes = 0;
  f.OnChange = [&] { ++changes; };
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Color(), clWindowText);
  f.SetHeight(-11);
  f.SetName("MS Sans Serif");
  f.SetStyle({});
  EXPECT_EQ(changes, 0);
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);
  f.SetStyle({fsBold, fsUnderline});
  EXPECT_TRUE(f.Style().Contains(fsUnderline));
  EXPECT_EQ(changes, 2);
  TFont g;
  EXPECT_NE(f, g);
  g.Assign(f);
  EXPECT_EQ(f, g);
  f.Assign(g);
  EXPECT_EQ(changes, 2);
  g.SetCharset(RUSSIAN_CHARSET);
  EXPECT_NE(f, g);
}

TEST(FontCache, DialogFontIsTheClassicBitmapFaceWithItsMetrics) {
  if (!HasWineFonts()) GTEST_SKIP() << "the Wine font folder is not installed";
  TFontFace& face = TFontCache::Instance().Face(TFont());
  EXPECT_EQ(face.Source().Family, "MS Sans Serif");
  EXPECT_TRUE(face.Source().BitmapStrike);
  const TFontMetrics m = face.Metrics();
  EXPECT_EQ(m.Ascent, 11);
  EXPECT_EQ(m.Descent, 2);
  EXPECT_EQ(m.InternalLeading, 2);
  EXPECT_EQ(m.Height, 13);
  EXPECT_EQ(m.AveCharWidth, 5);
  EXPECT_EQ(m.DialogAveCharWidth, 6);
  // Cyrillic comes from the Windows-1251 variant itself, not from a fallback.
  EXPECT_EQ(face.FamilyOf(0xE6), "MS Sans Serif");
  EXPECT_GT(face.Glyph(0xE6).Advance, 0);
  // Bitmap faces do not grow: a 12-pixel request gets the 11-pixel strike.
  EXPECT_EQ(TFontCache::Instance().Face(MakeFont("MS Sans Serif", -12)).Metrics().Height, 13);
  EXPECT_EQ(TFontCache::Instance().Face(MakeFont("ms sans serif", 16)).Metrics().Height, 16);
}

TEST(FontCache, SyntheticBoldOverstrikesOnePixelWider) {
  if (!HasWineFonts()) GTEST_SKIP() << "the Wine font folder is not installed";
  TFontFace& regular = TFontCache::Instance().Face(TFont());
  TFontFace& bold = TFontCache::Instance().Face(MakeFont("MS Sans Serif", -11, {fsBold}));
  ASSERT_TRUE(bold.Source().SyntheticBold);
  for (unsigned char c : {0x41, 0x6C, 0x20, 0xC6}) {
    const TGlyph& r = regular.Glyph(c);
    const TGlyph& b = bold.Glyph(c);
    EXPECT_EQ(b.Advance, r.Advance + 1) << int(c);
    // Every inked pixel stays inked and is repeated one pixel to the right.
    for (int y = 0; y < r.Height; ++y)
      for (int x = 0; x < r.Width; ++x)
        if (r.Coverage[std::size_t(y * r.Width + x)]) {
          EXPECT_TRUE(b.Coverage[std::size_t(y * b.Width + x)]);
          EXPECT_TRUE(b.Coverage[std::size_t(y * b.Width + x + 1)]);
        }
  }
}

TEST(FontCache, GlyphsAreRasterizedOnceAndFacesReused) {
  TFontFace& face = TFontCache::Instance().Face(MakeFont("Comic Sans MS", -19, {fsBold}));
  const TGlyph* first = &face.Glyph(0xC0);
  EXPECT_EQ(first, &face.Glyph(0xC0));
  EXPECT_EQ(&face, &TFontCache::Instance().Face(MakeFont("comic sans ms", -19, {fsBold, fsUnderline})));
  EXPECT_NE(&face, &TFontCache::Instance().Face(MakeFont("Comic Sans MS", -19)));
}

// At a screen's scale no bitmap strike serves the dialog font; its bold comes from a face that
// keeps the strikes' weight, its regular text still from the first of the table.
TEST(FontCache, BoldDialogTextAtAScaleKeepsItsWeight) {
  TFontCache& cache = TFontCache::Instance();
  const std::string bold = cache.Face(MakeFont("MS Sans Serif", -22, {fsBold}), true).Source().Family;
  const std::string regular = cache.Face(MakeFont("MS Sans Serif", -22), true).Source().Family;
  const std::vector<std::string> table = TFontCache::Substitutes("MS Sans Serif");
  if (cache.Face(MakeFont("Liberation Sans", -22, {fsBold}), true).Source().Family == "Liberation Sans") {
    EXPECT_EQ(bold, "Liberation Sans");
  }
  EXPECT_TRUE(std::find(table.begin(), table.end(), regular) != table.end()) << regular;
  // Only at a scale: at 1x the strikes serve both.
  EXPECT_TRUE(cache.Face(MakeFont("MS Sans Serif", -11, {fsBold})).Source().BitmapStrike);
}

TEST(FontCache, MissingFacesFallBackAlongTheTableWithoutFailing) {
  EXPECT_EQ(TFontCache::Substitutes("Comic Sans MS"),
            (std::vector<std::string>{"Comic Relief", "Comfortaa", "DejaVu Sans"}));
  EXPECT_EQ(TFontCache::Substitutes("Tahoma").front(), "Tahoma");
  // Without the Wine folder the dialog font comes from the next installed family of the table.
  TFontCache systemOnly(TFontCacheOptions{true, {}});
  const std::string family = systemOnly.Face(TFont()).Source().Family;
  EXPECT_TRUE(family == "Liberation Sans" || family == "DejaVu Sans") << family;
  TFontFace& unknown = TFontCache::Instance().Face(MakeFont("No Such Face At All", -13));
  EXPECT_FALSE(unknown.Source().File.empty());
  EXPECT_GT(unknown.Metrics().Height, 0);
}

TEST(FontCache, CharactersMissingFromAFaceComeFromAFallback) {
  if (!HasWineFonts()) GTEST_SKIP() << "the Wine font folder is not installed";
  // Wine's Tahoma has no Serbian letters; fontconfig finds another face for them.
  TFontFace& tahoma = TFontCache::Instance().Face(MakeFont("Tahoma", -11));
  ASSERT_EQ(tahoma.Source().Family, "Tahoma");
  EXPECT_NE(tahoma.FamilyOf(0x80), "Tahoma");
  EXPECT_FALSE(tahoma.Glyph(0x80).Coverage.empty());
  EXPECT_EQ(tahoma.FamilyOf('A'), "Tahoma");
}

TEST(FontCache, HeightsAtTheEndsOfTheIntegerRangeGiveAUsableFace) {
  for (const char* name : {"MS Sans Serif", "DejaVu Sans"})
    for (int height : {INT_MIN, INT_MAX}) {
      const TFontMetrics m = TFontCache::Instance().Face(MakeFont(name, height)).Metrics();
      EXPECT_GT(m.Height, 0) << name << " " << height;
      EXPECT_LE(m.Height, 2000) << name << " " << height;
    }
}

// A scratch folder tree, removed again at the end of the test.
class TScratch {
 public:
  TScratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "spintrak-fonts-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    FRoot = pattern;
  }
  ~TScratch() {
    std::error_code ec;
    std::filesystem::remove_all(FRoot, ec);
  }
  const std::filesystem::path& Root() const { return FRoot; }

 private:
  std::filesystem::path FRoot;
};

std::filesystem::path OwnFontFolder() {
  return std::filesystem::path(SPINTRAK_GRAPHICS_TEST_DATA) / "../../../../resources/fonts";
}

TEST(FontCache, TheProgramsOwnFaceServesComicSansWithCyrillicAndARealBold) {
  EXPECT_EQ(TFontCache::Instance().CheckFontsAvailable(), std::vector<std::string>{});
  for (bool bold : {false, true}) {
    TFontFace& face =
        TFontCache::Instance().Face(MakeFont("Comic Sans MS", -19, bold ? TFontStyles{fsBold} : TFontStyles{}));
    EXPECT_EQ(face.Source().Family, "Comic Relief");
    EXPECT_FALSE(face.Source().SyntheticBold);
    EXPECT_EQ(std::filesystem::path(face.Source().File).filename(),
              bold ? "ComicRelief-Bold.ttf" : "ComicRelief-Regular.ttf");
    // "Красное": every letter of the row captions is the face's own, none from a fallback.
    for (unsigned char c : std::string_view("Красное Чёт №"_cp)) {
      EXPECT_EQ(face.FamilyOf(c), "Comic Relief") << int(c);
      EXPECT_GT(face.Glyph(c).Advance, 0) << int(c);
    }
  }
}

TEST(FontCache, ProgramFontFoldersPreferTheInstalledOneAndSkipMissingOnes) {
  TScratch scratch;
  const std::filesystem::path installed = scratch.Root() / "share" / "spintrak" / "fonts";
  const std::string source = std::filesystem::canonical(OwnFontFolder()).string();
  // Not installed: only the source tree's folder.
  EXPECT_EQ(ProgramFontFolders(scratch.Root() / "bin" / "spintrak"), std::vector<std::string>{source});
  std::filesystem::create_directories(installed);
  EXPECT_EQ(ProgramFontFolders(scratch.Root() / "bin" / "spintrak"),
            (std::vector<std::string>{std::filesystem::canonical(installed).string(), source}));
  // A program without a known path still finds the source tree.
  EXPECT_EQ(ProgramFontFolders(std::filesystem::path()), std::vector<std::string>{source});
}

TEST(FontCache, AMissingOwnFaceIsNamedAndServedByTheFallback) {
  TScratch scratch;
  std::filesystem::copy_file(OwnFontFolder() / "ComicRelief-Regular.ttf",
                             scratch.Root() / "ComicRelief-Regular.ttf");
  // A damaged copy of the bold is no bold at all.
  std::ofstream(scratch.Root() / "ComicRelief-Bold.ttf") << "not a font";
  TFontCache regularOnly(TFontCacheOptions{true, {scratch.Root().string()}});
  EXPECT_EQ(regularOnly.CheckFontsAvailable(), std::vector<std::string>{"Comic Relief Bold"});
  TFontFace& bold = regularOnly.Face(MakeFont("Comic Sans MS", -19, {fsBold}));
  EXPECT_EQ(bold.Source().Family, "Comic Relief");
  EXPECT_TRUE(bold.Source().SyntheticBold);

  TFontCache noFolder(TFontCacheOptions{true, {(scratch.Root() / "no such folder").string()}});
  EXPECT_EQ(noFolder.CheckFontsAvailable(), (std::vector<std::string>{"Comic Relief", "Comic Relief Bold"}));
  const std::string family = noFolder.Face(MakeFont("Comic Sans MS", -19)).Source().Family;
  EXPECT_TRUE(family == "Comfortaa" || family == "DejaVu Sans") << family;
}

TEST(FontCache, NoFontsAtAllIsAClearError) {
  TFontCache empty(TFontCacheOptions{false, {}});
  try {
    empty.CheckFontsAvailable();
    FAIL() << "no exception";
  } catch (const EGraphicsError& e) {
    EXPECT_NE(std::string(e.what()).find("no usable font"), std::string::npos) << e.what();
  }
}

TEST(TextOut, InkStaysInTheCellAndSolidBrushFillsExactlyTheCell) {
  TBitmap b(80, 20, clBlue);
  TCanvas& c = b.Canvas();
  c.Font.SetColor(clRed);
  c.Brush.Color = clYellow;
  c.TextOut(3, 4, "Жук"_cp);
  const TSize size = c.TextExtent("Жук"_cp);
  EXPECT_EQ(size.Height, c.Metrics().Height);
  EXPECT_EQ(c.PenPos(), (TPoint{3 + size.Width, 4}));
  int ink = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const bool inCell = x >= 3 && x < 3 + size.Width && y >= 4 && y < 4 + size.Height;
      const TColor p = b.GetPixel(x, y);
      if (!inCell) {
        EXPECT_EQ(p, clBlue) << x << "," << y;
      }
      ink += p == clRed;
    }
  EXPECT_GT(ink, 10);
}

TEST(TextOut, AntialiasedEdgesBlendTheFontColourOverWhatIsThere) {
  TBitmap b(120, 50, clBlue);
  TCanvas& c = b.Canvas();
  c.Font = MakeFont("Comic Sans MS", -27);
  c.Font.SetColor(clRed);
  c.Brush.Style = bsClear;
  c.TextOut(2, 2, "Ooo"_cp);
  int full = 0, partial = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      const TColor p = b.GetPixel(x, y);
      if (p == clRed)
        ++full;
      else if (p != clBlue) {
        ++partial;
        // A blend of red over blue has no green and its two channels sum to about 255.
        EXPECT_EQ(GetGValue(p), 0);
        EXPECT_NEAR(GetRValue(p) + GetBValue(p), 255, 1);
      }
    }
  EXPECT_GT(full, 0);
  EXPECT_GT(partial, 0);
}

TEST(TextOut, StylesAndNoneColour) {
  if (!HasWineFonts()) GTEST_SKIP() << "the Wine font folder is not installed";
  TBitmap b(40, 16);
  TCanvas& c = b.Canvas();
  c.Font.SetStyle({fsUnderline});
  c.TextOut(0, 0, "ab");
  const int width = c.TextWidth("ab");
  // The underline is one row, one pixel below the baseline, as wide as the text.
  for (int x = 0; x < 40; ++x) EXPECT_EQ(b.GetPixel(x, 12) == clBlack, x < width) << x;
  // DrawText draws the same line under each of its lines.
  TBitmap d(40, 16);
  d.Canvas().Font.SetStyle({fsUnderline});
  TRect r{0, 0, 40, 16};
  DrawText(d.Canvas(), "ab", r, DT_LEFT);
  EXPECT_EQ(testing::PixelMap(d), testing::PixelMap(b));
  TBitmap n(40, 16);
  n.Canvas().Font.SetColor(clNone);
  n.Canvas().Brush.Style = bsClear;
  n.Canvas().TextOut(0, 0, "ab");
  EXPECT_EQ(testing::CountColor(n, clWhite), 40 * 16);
}

}  // namespace
}  // namespace gui
