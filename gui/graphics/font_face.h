#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/graphics/drawing_tools.h"

namespace gui {

// One glyph as coverage (0..255), placed relative to the pen position on the baseline.
struct TGlyph {
  int Left = 0;  // from the pen position to the first column
  int Top = 0;   // from the baseline up to the first row
  int Width = 0;
  int Height = 0;
  int Advance = 0;                     // whole pixels
  std::vector<std::uint8_t> Coverage;  // Width * Height, rows top to bottom
};

// A font file and face index, with what has to be synthesized because the face lacks it.
struct TFaceSource {
  std::string File;
  int Index = 0;
  std::string Family;
  bool BitmapStrike = false;  // a Windows FNT strike addressed by Windows-1251 byte
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};

// One size of a Windows FNT bitmap face, as its file header describes it.
struct TBitmapStrike {
  std::string File;
  int Index = 0;
  std::string Family;
  int Charset = 0;
  int CellHeight = 0;
  int CharHeight = 0;  // cell height without internal leading
};

// The strikes of a .fon file; empty when the file is not one or cannot be read.
std::vector<TBitmapStrike> ReadBitmapStrikes(const std::string& file);

// Where a character missing from a face comes from; no value when nothing installed has it.
using TFallbackFinder = std::function<std::optional<TFaceSource>(char32_t)>;

// A face realized at one pixel size and style. Glyphs are rasterized on first use and kept, so
// each (face, size, style, character) is rasterized once.
class TFontFace {
 public:
  // height follows the TFont sign rule: negative = character height, positive = cell height.
  TFontFace(const TFaceSource& source, int height, TFallbackFinder fallback);
  ~TFontFace();
  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  const TFontMetrics& Metrics() const { return FMetrics; }
  const TFaceSource& Source() const { return FSource; }
  // The glyph of a Windows-1251 byte.
  const TGlyph& Glyph(unsigned char ansi) {
    if (!FGlyphs[ansi]) FGlyphs[ansi] = Rasterize(ansi);
    return *FGlyphs[ansi];
  }
  int Advance(unsigned char ansi) { return Glyph(ansi).Advance; }
  // The family that drew a byte: the face's own or a fallback's (for tests and diagnostics).
  std::string FamilyOf(unsigned char ansi);

 private:
  struct TImpl;
  std::unique_ptr<TGlyph> Rasterize(unsigned char ansi);

  TFaceSource FSource;
  TFontMetrics FMetrics;
  std::unique_ptr<TImpl> F;
  std::array<std::unique_ptr<TGlyph>, 256> FGlyphs;
};

}  // namespace gui
