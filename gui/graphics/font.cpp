#include "gui/graphics/font.h"

#include <cstdint>

namespace gui {
namespace {

// Rounds a * b / c half away from zero, the platform's usual scaling rule.
int MulDivRound(int a, int b, int c) {
  const std::int64_t n = std::int64_t(a) * b;
  const std::int64_t q = (2 * (n < 0 ? -n : n) + c) / (2 * std::int64_t(c));
  return int(n < 0 ? -q : q);
}

}  // namespace

TFont::TFont(const TFont& other)
    : FName(other.FName),
      FHeight(other.FHeight),
      FStyle(other.FStyle),
      FColor(other.FColor),
      FCharset(other.FCharset) {}

TFont& TFont::operator=(const TFont& other) {
  Assign(other);
  return *this;
}

int TFont::Size() const { return -MulDivRound(FHeight, 72, 96); }

void TFont::SetName(const std::string& name) {
  if (name == FName) return;
  FName = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed();
}

void TFont::SetSize(int points) { SetHeight(-MulDivRound(points, 96, 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (this == &other || *this == other) return;
  FName = other.FName;
  FHeight = other.FHeight;
  FStyle = other.FStyle;
  FColor = other.FColor;
  FCharset = other.FCharset;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

}  // namespace gui
