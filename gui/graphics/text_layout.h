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

// The lines DrawText shows in a rectangle, each with its width: what a measuring call answers
// and what the paint step places.
struct TTextBlock {
  std::vector<TTextLine> Lines;
  std::vector<int> Widths;  // one per line
  int Widest = 0;
  int LineHeight = 0;
  int Height() const { return int(Lines.size()) * LineHeight; }
};

// The layout step of DrawText: paragraphs, prefixes, word breaks at the rectangle's width, and
// the ellipsis on the last line (with DT_CALCRECT the last of all, else the last whose top lies
// inside the rectangle). Draws nothing.
TTextBlock LayOutText(std::string_view text, const TTextMeasure& measure, int lineHeight, const TRect& rect,
                      unsigned flags);

// The paint step: places the block's lines in the rectangle by the alignment flags, clipped to it
// unless DT_NOCLIP, and draws them with their prefix underlines `ascent` + 1 below each line's top.
void PaintTextBlock(TCanvas& canvas, const TTextBlock& block, const TTextMeasure& measure, int ascent,
                    const TRect& rect, unsigned flags);

}  // namespace gui
