#pragma once

// Line building for DrawText: paragraphs, prefixes, word breaks, tabs and ellipses.
// Private to the graphics library.

#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/canvas.h"

namespace gui {

struct TTextLine {
  std::string Text;             // what is shown, prefixes already taken out
  std::vector<int> Underlined;  // byte positions in Text that carry a prefix underline
};

// Widths of Windows-1251 text in the canvas font; with tabs expanded, a tab moves to the next
// multiple of the tab width measured from the line start.
class TTextMeasure {
 public:
  TTextMeasure(TCanvas& canvas, bool expandTabs, int tabWidth);
  int Width(std::string_view s) const;
  // Draws the glyphs of a line with its top-left at (x, y).
  void Draw(std::string_view s, int x, int y) const;

 private:
  TCanvas& FCanvas;
  bool FExpandTabs;
  int FTabWidth;
};

// Lines end at CR LF, LF CR, CR or LF; each pair ends one line, CR CR two.
std::vector<std::string_view> SplitParagraphs(std::string_view text);
// "&x" hides the "&" and underlines x, "&&" shows one "&", a final lone "&" shows as "&".
TTextLine ProcessPrefixes(std::string_view text, bool prefixes);
// Breaks at blanks; a word wider than the width stays whole. Blanks that fit stay at a line's
// end and one blank is swallowed at the start of the next line.
std::vector<TTextLine> BreakWords(const TTextLine& line, const TTextMeasure& measure, int width);
void TrimTrailingBlanks(TTextLine& line);
// Both return whether they changed the line; neither touches a line that fits.
bool EndEllipsis(TTextLine& line, const TTextMeasure& measure, int width);
bool PathEllipsis(TTextLine& line, const TTextMeasure& measure, int width);

}  // namespace gui
