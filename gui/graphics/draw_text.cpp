#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "gui/graphics/text_layout.h"

namespace gui {
TTextBlock LayOutText(std::string_view text, const TTextMeasure& measure, int lineHeight, const TRect& rect,
                      unsigned flags) {
  const bool single = (flags & DT_SINGLELINE) != 0;
  const int available = ClampCoord(std::int64_t(rect.Right) - rect.Left);  // for fitting
  const std::int64_t height = std::int64_t(rect.Bottom) - rect.Top;

  TTextBlock block;
  block.LineHeight = lineHeight;
  std::vector<TTextLine>& lines = block.Lines;
  if (single) {
    lines.push_back(ProcessPrefixes(text, (flags & DT_NOPREFIX) == 0));
  } else if (!text.empty()) {
    for (std::string_view paragraph : SplitParagraphs(text)) {
      TTextLine line = ProcessPrefixes(paragraph, (flags & DT_NOPREFIX) == 0);
      if (flags & DT_WORDBREAK) {
        for (TTextLine& part : BreakWords(line, measure, available)) lines.push_back(std::move(part));
      } else {
        lines.push_back(std::move(line));
      }
    }
  }

  // Centred and right-aligned lines are placed without the blanks a word break left at their end.
  if ((flags & (DT_CENTER | DT_RIGHT)) && (flags & DT_WORDBREAK) && !single)
    for (TTextLine& line : lines) TrimTrailingBlanks(line);

  if ((flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) && !lines.empty()) {
    // The last line whose top lies inside the rectangle (the only one of a single line).
    std::size_t last = lines.size() - 1;
    if (!single && !(flags & DT_CALCRECT) && height > 0)
      last = std::min(last, std::size_t((height - 1) / std::max(lineHeight, 1)));
    TTextLine& line = lines[last];
    bool done = false;
    if (flags & DT_PATH_ELLIPSIS) done = PathEllipsis(line, measure, available);
    if (!done && (flags & DT_END_ELLIPSIS)) EndEllipsis(line, measure, available);
  }

  block.Widths.reserve(lines.size());
  for (const TTextLine& line : lines) {
    block.Widths.push_back(measure.Width(line.Text));
    block.Widest = std::max(block.Widest, block.Widths.back());
  }
  return block;
}

void PaintTextBlock(TCanvas& canvas, const TTextBlock& block, const TTextMeasure& measure, int ascent,
                    const TRect& rect, unsigned flags) {
  const bool single = (flags & DT_SINGLELINE) != 0;
  const int lineHeight = block.LineHeight;
  const std::int64_t width = std::int64_t(rect.Right) - rect.Left;  // placement uses the exact width
  const std::int64_t height = std::int64_t(rect.Bottom) - rect.Top;

  std::int64_t top = rect.Top;
  if (single && (flags & DT_VCENTER))
    top = rect.Top + (height - lineHeight) / 2;
  else if (single && (flags & DT_BOTTOM))
    top = std::int64_t(rect.Bottom) - lineHeight;

  TCanvasSaver saver(canvas);
  if (!(flags & DT_NOCLIP)) canvas.IntersectClipRect(rect);
  const TColor ink = canvas.Font.Color();
  for (std::size_t i = 0; i < block.Lines.size(); ++i) {
    const TTextLine& line = block.Lines[i];
    const int lineWidth = block.Widths[i];
    const int y = ClampCoord(top + std::int64_t(i) * lineHeight);
    std::int64_t left = rect.Left;
    if (flags & DT_CENTER)
      left = rect.Left + (width - lineWidth) / 2;
    else if (flags & DT_RIGHT)
      left = std::int64_t(rect.Right) - lineWidth;
    const int x = ClampCoord(left);
    if (canvas.Brush.Style == bsSolid) canvas.FillRect({x, y, x + lineWidth, y + lineHeight});
    measure.Draw(line.Text, x, y);
    canvas.DrawStyleLines(x, y, lineWidth);
    for (int u : line.Underlined) {
      const int ux = x + measure.Width(std::string_view(line.Text).substr(0, std::size_t(u)));
      const int uw = measure.Width(std::string_view(line.Text).substr(std::size_t(u), 1));
      const TBrush brush = canvas.Brush;
      canvas.Brush = {ink, bsSolid};
      canvas.FillRect({ux, y + ascent + 1, ux + uw, y + ascent + 2});
      canvas.Brush = brush;
    }
  }
}

int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, unsigned flags) {
  const TFontMetrics metrics = canvas.Metrics();
  const TTextMeasure measure(canvas, (flags & DT_EXPANDTABS) != 0, metrics.AveCharWidth * 8);
  const TTextBlock block = LayOutText(text, measure, metrics.Height, rect, flags);
  if (flags & DT_CALCRECT) {
    rect.Right = int(std::min<std::int64_t>(std::int64_t(rect.Left) + block.Widest, INT32_MAX));
    rect.Bottom = int(std::min<std::int64_t>(std::int64_t(rect.Top) + block.Height(), INT32_MAX));
  } else {
    PaintTextBlock(canvas, block, measure, metrics.Ascent, rect, flags);
  }
  return block.Height();
}

void DrawEmbossedText(TCanvas& canvas, std::string_view text, const TRect& rect, unsigned flags) {
  TRect shifted = rect.Offset(1, 1);
  canvas.Font.SetColor(clBtnHighlight);
  DrawText(canvas, text, shifted, flags);
  TRect face = rect;
  canvas.Font.SetColor(clBtnShadow);
  DrawText(canvas, text, face, flags);
}

}  // namespace gui
