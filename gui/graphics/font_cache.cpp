#include "gui/graphics/font_cache.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <unordered_map>

#include "gui/graphics/font_folders.h"
#include "gui/graphics/graphics_error.h"
#include "gui/graphics/text.h"

namespace gui {
namespace {

const char* const WineFontFolder = "/usr/share/wine/fonts";

// Requested face -> installed faces, best first. Names not listed try themselves, then DejaVu Sans.
const std::map<std::string, std::vector<std::string>, std::less<>> SubstitutionTable = {
    {"ms sans serif", {"MS Sans Serif", "Tahoma", "Liberation Sans", "DejaVu Sans"}},
    {"tahoma", {"Tahoma", "Liberation Sans", "DejaVu Sans"}},
    {"comic sans ms", {"Comic Relief", "Comfortaa", "DejaVu Sans"}},
};

// The same for bold text drawn at a screen's scale, which no bitmap strike serves: Tahoma's bold
// reads lighter there than the strikes' bold does at 1x, Liberation Sans Bold about as heavy.
const std::map<std::string, std::vector<std::string>, std::less<>> ScaledBoldTable = {
    {"ms sans serif", {"MS Sans Serif", "Liberation Sans", "Tahoma", "DejaVu Sans"}},
};

// The faces the program brings along in its own font folders.
struct TProgramFace {
  const char* Name;  // as reported when missing
  const char* Family;
  bool Bold;
};
const TProgramFace ProgramFaces[] = {{"Comic Relief", "Comic Relief", false},
                                     {"Comic Relief Bold", "Comic Relief", true}};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

std::string GetString(FcPattern* p, const char* object) {
  FcChar8* value = nullptr;
  return FcPatternGetString(p, object, 0, &value) == FcResultMatch ? reinterpret_cast<char*>(value) : "";
}

int GetInt(FcPattern* p, const char* object, int fallback) {
  int value = 0;
  return FcPatternGetInteger(p, object, 0, &value) == FcResultMatch ? value : fallback;
}

bool GetBool(FcPattern* p, const char* object) {
  FcBool value = FcFalse;
  return FcPatternGetBool(p, object, 0, &value) == FcResultMatch && value;
}

// Adds the strikes of one .fon file to a map keyed by lower-case family name.
void AddStrikes(const std::string& file, std::map<std::string, std::vector<TBitmapStrike>>& out) {
  for (TBitmapStrike& strike : ReadBitmapStrikes(file)) {
    auto& strikes = out[Lower(strike.Family)];
    const bool known = std::any_of(strikes.begin(), strikes.end(), [&](const TBitmapStrike& s) {
      return s.File == strike.File && s.Index == strike.Index;
    });
    if (!known) strikes.push_back(std::move(strike));
  }
}

}  // namespace

struct TFontCache::TImpl {
  FcConfig* Config = nullptr;
  std::unordered_map<std::string, std::unique_ptr<TFontFace>> Faces;
  std::unordered_map<char32_t, std::optional<TFaceSource>> FallbackFor;
  std::map<std::string, std::vector<TBitmapStrike>> StrikesOfFamily;
  std::vector<std::string> AppFolders;
  bool FoldersScanned = false;
  // The last face handed out, of each kind: captions come in runs of the same font, and text drawn
  // at a scale asks for its logical and its outline face in turn.
  TFont LastKey[2];
  TFontFace* LastFace[2] = {};

  ~TImpl() {
    Faces.clear();
    if (Config) FcConfigDestroy(Config);
  }

  // Bitmap strikes are read from the program's font folders directly: fontconfig is commonly set
  // up to reject bitmap faces, and these are the ones with the exact classic metrics.
  void ScanFolders() {
    if (FoldersScanned) return;
    FoldersScanned = true;
    for (const std::string& folder : AppFolders) {
      std::error_code ec;
      for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (Lower(entry.path().extension().string()) == ".fon") AddStrikes(entry.path().string(), StrikesOfFamily);
      }
    }
  }

  std::optional<TFaceSource> FromStrikes(const std::string& family, int height, bool bold, bool italic) {
    ScanFolders();
    auto& strikes = StrikesOfFamily[Lower(family)];
    if (strikes.empty()) return std::nullopt;
    // The bitmap face is used only in its Windows-1251 variant; the others cannot show our text.
    std::vector<TBitmapStrike> cyrillic;
    std::copy_if(strikes.begin(), strikes.end(), std::back_inserter(cyrillic),
                 [](const TBitmapStrike& s) { return s.Charset == 204; });
    if (cyrillic.empty()) return std::nullopt;
    // The largest strike not taller than asked for, else the smallest: bitmap faces never grow.
    const std::int64_t wanted = height < 0 ? -std::int64_t(height) : height == 0 ? 11 : height;
    auto size = [&](const TBitmapStrike& s) { return height < 0 || height == 0 ? s.CharHeight : s.CellHeight; };
    std::sort(cyrillic.begin(), cyrillic.end(),
              [&](const TBitmapStrike& a, const TBitmapStrike& b) { return size(a) < size(b); });
    const TBitmapStrike* chosen = &cyrillic.front();
    for (const TBitmapStrike& s : cyrillic)
      if (size(s) <= wanted) chosen = &s;
    TFaceSource source{chosen->File, chosen->Index, family, true, bold, italic};
    return source;
  }

  std::optional<TFaceSource> FromFamily(const std::string& family, int height, bool bold, bool italic,
                                        bool outlineOnly = false) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* objects =
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FONTFORMAT, FC_WEIGHT, FC_SLANT, FC_SCALABLE, nullptr);
    FcFontSet* set = FcFontList(Config, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (!set) return std::nullopt;
    const int wantedWeight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
    std::optional<TFaceSource> best;
    int bestScore = 0;
    for (int i = 0; i < set->nfont; ++i) {
      FcPattern* p = set->fonts[i];
      const std::string file = GetString(p, FC_FILE);
      const int index = GetInt(p, FC_INDEX, 0);
      if (GetString(p, FC_FONTFORMAT) == "Windows FNT") {
        AddStrikes(file, StrikesOfFamily);
        continue;
      }
      if (!GetBool(p, FC_SCALABLE) || file.empty()) continue;
      const int weight = GetInt(p, FC_WEIGHT, FC_WEIGHT_REGULAR);
      const int slant = GetInt(p, FC_SLANT, FC_SLANT_ROMAN);
      const int score = std::abs(weight - wantedWeight) + ((slant != FC_SLANT_ROMAN) != italic ? 1000 : 0);
      if (!best || score < bestScore) {
        bestScore = score;
        best = TFaceSource{
            file, index, family, false, bold && weight < FC_WEIGHT_DEMIBOLD, italic && slant == FC_SLANT_ROMAN};
      }
    }
    FcFontSetDestroy(set);
    if (outlineOnly) return best;
    ScanFolders();
    if (!StrikesOfFamily[Lower(family)].empty()) return FromStrikes(family, height, bold, italic);
    return best;
  }

  // Whether the family has a face of its own in that weight that opens; a bold made by overstrike
  // does not count.
  bool HasFace(const std::string& family, bool bold) {
    const std::optional<TFaceSource> source = FromFamily(family, -13, bold, false);
    if (!source || source->SyntheticBold || source->BitmapStrike) return false;
    try {
      TFontFace face(*source, -13, [](char32_t) { return std::optional<TFaceSource>(); });
      return true;
    } catch (const EGraphicsError&) {
      return false;
    }
  }

  // fontconfig's own choice for a name; the last resort before giving up.
  std::optional<TFaceSource> DefaultFor(const std::string& name, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(Config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return std::nullopt;
    std::optional<TFaceSource> source;
    const std::string file = GetString(match, FC_FILE);
    if (!file.empty() && GetBool(match, FC_SCALABLE)) {
      const int weight = GetInt(match, FC_WEIGHT, FC_WEIGHT_REGULAR);
      const int slant = GetInt(match, FC_SLANT, FC_SLANT_ROMAN);
      source = TFaceSource{file,  GetInt(match, FC_INDEX, 0),          GetString(match, FC_FAMILY),
                           false, bold && weight < FC_WEIGHT_DEMIBOLD, italic && slant == FC_SLANT_ROMAN};
    }
    FcPatternDestroy(match);
    return source;
  }

  std::optional<TFaceSource> FallbackSource(char32_t code) {
    if (auto it = FallbackFor.find(code); it != FallbackFor.end()) return it->second;
    std::optional<TFaceSource> found;
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* charset = FcCharSetCreate();
    FcCharSetAddChar(charset, code);
    FcPatternAddCharSet(pattern, FC_CHARSET, charset);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(Config, pattern, FcFalse, nullptr, &result);
    if (set) {
      for (int i = 0; i < set->nfont && !found; ++i) {
        FcPattern* p = set->fonts[i];
        FcCharSet* has = nullptr;
        if (!GetBool(p, FC_SCALABLE) || FcPatternGetCharSet(p, FC_CHARSET, 0, &has) != FcResultMatch ||
            !FcCharSetHasChar(has, code))
          continue;
        found = TFaceSource{GetString(p, FC_FILE), GetInt(p, FC_INDEX, 0), GetString(p, FC_FAMILY)};
      }
      FcFontSetDestroy(set);
    }
    FcCharSetDestroy(charset);
    FcPatternDestroy(pattern);
    FallbackFor[code] = found;
    return found;
  }

  // The first candidate that opens, in the order of the substitution table and then
  // fontconfig's own choice; a font file that cannot be read is passed over like a missing one.
  std::unique_ptr<TFontFace> Realize(const TFont& font, bool outlineOnly) {
    const bool bold = font.Style().Contains(fsBold), italic = font.Style().Contains(fsItalic);
    std::string problems;
    auto open = [&](const std::optional<TFaceSource>& source) -> std::unique_ptr<TFontFace> {
      if (!source) return nullptr;
      try {
        return std::make_unique<TFontFace>(*source, font.Height(),
                                           [this](char32_t c) { return FallbackSource(c); });
      } catch (const EGraphicsError& e) {
        problems += std::string("; ") + e.what();
        return nullptr;
      }
    };
    std::string tried;
    for (const std::string& family : Substitutes(font.Name(), bold && outlineOnly)) {
      if (auto face = open(FromFamily(family, font.Height(), bold, italic, outlineOnly))) return face;
      tried += (tried.empty() ? "\"" : ", \"") + family + "\"";
    }
    if (auto face = open(DefaultFor(font.Name(), bold, italic))) return face;
    throw EGraphicsError("no usable font is installed: none of " + tried +
                         " could be used and fontconfig offers no other scalable font" + problems);
  }
};

TFontCache::TFontCache(const TFontCacheOptions& options) : F(std::make_unique<TImpl>()) {
  F->Config = options.SystemFonts ? FcInitLoadConfigAndFonts() : FcConfigCreate();
  if (!F->Config) throw EGraphicsError("cannot load the fontconfig configuration");
  F->AppFolders = options.AppFontFolders;
  for (const std::string& folder : options.AppFontFolders)
    FcConfigAppFontAddDir(F->Config, reinterpret_cast<const FcChar8*>(folder.c_str()));
}

TFontCache::~TFontCache() = default;

TFontCache& TFontCache::Instance() {
  static TFontCache cache([] {
    TFontCacheOptions options;
    options.AppFontFolders = ProgramFontFolders();
    std::error_code ec;
    if (std::filesystem::is_directory(WineFontFolder, ec)) options.AppFontFolders.push_back(WineFontFolder);
    return options;
  }());
  return cache;
}

std::vector<std::string> TFontCache::Substitutes(const std::string& name, bool boldAtScale) {
  if (auto it = ScaledBoldTable.find(Lower(name)); boldAtScale && it != ScaledBoldTable.end()) return it->second;
  if (auto it = SubstitutionTable.find(Lower(name)); it != SubstitutionTable.end()) return it->second;
  if (Lower(name) == "dejavu sans") return {name};
  return {name, "DejaVu Sans"};
}

TFontFace& TFontCache::Face(const TFont& font, bool outlineOnly) {
  const TFont& last = F->LastKey[outlineOnly];
  if (F->LastFace[outlineOnly] && last.Height() == font.Height() &&
      last.Style().Contains(fsBold) == font.Style().Contains(fsBold) &&
      last.Style().Contains(fsItalic) == font.Style().Contains(fsItalic) && last.Name() == font.Name())
    return *F->LastFace[outlineOnly];
  std::string key = Lower(font.Name()) + '\n' + std::to_string(font.Height()) + '\n' +
                    (font.Style().Contains(fsBold) ? 'b' : '-') + (font.Style().Contains(fsItalic) ? 'i' : '-') +
                    (outlineOnly ? 'o' : '-');
  auto& face = F->Faces[key];
  if (!face) {
    try {
      face = F->Realize(font, outlineOnly);
    } catch (...) {
      F->Faces.erase(key);
      throw;
    }
  }
  F->LastKey[outlineOnly] = font;
  F->LastFace[outlineOnly] = face.get();
  return *face;
}

std::vector<std::string> TFontCache::CheckFontsAvailable() {
  Face(TFont());
  std::vector<std::string> missing;
  for (const TProgramFace& face : ProgramFaces)
    if (!F->HasFace(face.Family, face.Bold)) missing.push_back(face.Name);
  return missing;
}

}  // namespace gui
