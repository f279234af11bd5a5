#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "gui/graphics/color.h"
#include "gui/graphics/flags.h"

namespace gui {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

using TFontStyles = TFlags<TFontStyle>;

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int RUSSIAN_CHARSET = 204;

// The description of a font; the face behind it is found when text is drawn.
// Height is in pixels: negative = character height without internal leading, positive = cell height.
class TFont {
 public:
  TFont() = default;
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  const std::string& Name() const { return FName; }
  int Height() const { return FHeight; }
  // Points at 96 pixels per inch, rounded half away from zero.
  int Size() const;
  TFontStyles Style() const { return FStyle; }
  TColor Color() const { return FColor; }
  int Charset() const { return FCharset; }

  void SetName(const std::string& name);
  void SetHeight(int height);
  void SetSize(int points);
  void SetStyle(TFontStyles style);
  void SetColor(TColor color);
  void SetCharset(int charset);
  // Takes every property of other (not its OnChange), calling OnChange once if anything differs.
  void Assign(const TFont& other);

  friend bool operator==(const TFont& a, const TFont& b) {
    return a.FName == b.FName && a.FHeight == b.FHeight && a.FStyle == b.FStyle && a.FColor == b.FColor &&
           a.FCharset == b.FCharset;
  }

  // Called after any property changed value; copies of a font do not take it along.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  int FCharset = DEFAULT_CHARSET;
};

}  // namespace gui
