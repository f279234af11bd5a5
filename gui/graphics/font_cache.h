#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/graphics/font.h"
#include "gui/graphics/font_face.h"

namespace gui {

struct TFontCacheOptions {
  bool SystemFonts = true;                  // the fonts fontconfig knows on this machine
  std::vector<std::string> AppFontFolders;  // extra folders added for this program only
};

// Finds the installed face for each requested font through one substitution table and keeps every
// realized face, so glyphs are rasterized once per process.
class TFontCache {
 public:
  explicit TFontCache(const TFontCacheOptions& options);
  ~TFontCache();
  TFontCache(const TFontCache&) = delete;
  TFontCache& operator=(const TFontCache&) = delete;

  // The machine's fonts plus the program's own font folders and the Wine font folder, where they exist.
  static TFontCache& Instance();

  // The face for a font's name, height and bold/italic style. A missing face falls back along the
  // substitution table and then to fontconfig's choice; only a machine without any usable font
  // throws EGraphicsError. With outlineOnly, families served by bitmap strikes are served by their
  // outline faces or passed over: for text drawn at a screen's scale, which no strike has.
  TFontFace& Face(const TFont& font, bool outlineOnly = false);
  // Meant for start-up, so that a problem shows before the first window. Returns the names of the
  // program's own faces that cannot be used ("Comic Relief", "Comic Relief Bold"), empty when all
  // are there; the program still runs, the fallback chain serving them. Throws EGraphicsError with
  // a clear message when no usable font is installed at all.
  std::vector<std::string> CheckFontsAvailable();

  // The families tried for a requested name, in order of preference; `boldAtScale` for bold text
  // drawn at a screen's scale (outline faces only).
  static std::vector<std::string> Substitutes(const std::string& name, bool boldAtScale = false);

 private:
  struct TImpl;
  std::unique_ptr<TImpl> F;
};

}  // namespace gui
