#include "gui/graphics/text_layout.h"

#include <algorithm>

#include "gui/graphics/font_cache.h"

namespace gui {

TTextMeasure::TTextMeasure(TCanvas& canvas, bool expandTabs, int tabWidth)
    : FCanvas(canvas), FExpandTabs(expandTabs), FTabWidth(std::max(tabWidth, 1)) {}

int TTextMeasure::Width(std::string_view s) const {
  TFontFace& face = TFontCache::Instance().Face(FCanvas.Font);
  int x = 0;
  for (char c : s) {
    if (c == '\t' && FExpandTabs)
      x = (x / FTabWidth + 1) * FTabWidth;
    else
      x += face.Advance(static_cast<unsigned char>(c));
  }
  return x;
}

void TTextMeasure::Draw(std::string_view s, int x, int y) const {
  if (!FExpandTabs) {
    FCanvas.DrawGlyphs(x, y, s);
    return;
  }
  int offset = 0;
  while (!s.empty()) {
    const std::size_t tab = s.find('\t');
    const std::string_view run = s.substr(0, tab);
    offset += FCanvas.DrawGlyphs(x + offset, y, run);
    if (tab == std::string_view::npos) break;
    offset = (offset / FTabWidth + 1) * FTabWidth;
    s.remove_prefix(tab + 1);
  }
}

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0, i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    out.push_back(text.substr(start, i - start));
    const char other = c == '\r' ? '\n' : '\r';
    i += (i + 1 < text.size() && text[i + 1] == other) ? 2 : 1;
    start = i;
  }
  out.push_back(text.substr(start));
  return out;
}

TTextLine ProcessPrefixes(std::string_view text, bool prefixes) {
  TTextLine line;
  if (!prefixes) {
    line.Text = text;
    return line;
  }
  line.Text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&') line.Underlined.push_back(int(line.Text.size()));
    }
    line.Text += text[i];
  }
  return line;
}

namespace {

TTextLine Slice(const TTextLine& line, std::size_t from, std::size_t to) {
  TTextLine out{line.Text.substr(from, to - from), {}};
  for (int u : line.Underlined)
    if (std::size_t(u) >= from && std::size_t(u) < to) out.Underlined.push_back(int(u - from));
  return out;
}

// The end of the word after position i, blanks before it included.
std::size_t NextWordEnd(std::string_view t, std::size_t i) {
  while (i < t.size() && t[i] == ' ') ++i;
  while (i < t.size() && t[i] != ' ') ++i;
  return i;
}

}  // namespace

std::vector<TTextLine> BreakWords(const TTextLine& line, const TTextMeasure& measure, int width) {
  const std::string_view t = line.Text;
  std::vector<TTextLine> out;
  std::size_t start = 0;
  do {
    auto fits = [&](std::size_t end) { return measure.Width(t.substr(start, end - start)) <= width; };
    std::size_t end = NextWordEnd(t, start);  // the first word always stays, fitting or not
    for (std::size_t next = NextWordEnd(t, end); next > end && fits(next); next = NextWordEnd(t, end)) end = next;
    while (end < t.size() && t[end] == ' ' && fits(end + 1)) ++end;
    out.push_back(Slice(line, start, end));
    start = end;
    if (start < t.size() && t[start] == ' ') ++start;
  } while (start < t.size());
  return out;
}

void TrimTrailingBlanks(TTextLine& line) {
  while (!line.Text.empty() && line.Text.back() == ' ') line.Text.pop_back();
  std::erase_if(line.Underlined, [&](int u) { return std::size_t(u) >= line.Text.size(); });
}

namespace {

// The largest k in [0, limit] for which fits(k) holds, else 0. A head that fits stays fitting when
// it is shortened (prefix widths only grow, tab stops included), so a binary search finds it; long
// texts are not measured once per dropped character.
template <typename Fn>
std::size_t LongestFitting(std::size_t limit, Fn&& fits) {
  std::size_t lo = 0, hi = limit;
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo + 1) / 2;
    if (fits(mid))
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

}  // namespace

bool EndEllipsis(TTextLine& line, const TTextMeasure& measure, int width) {
  if (measure.Width(line.Text) <= width) return false;
  const std::string_view text = line.Text;
  const std::size_t keep = LongestFitting(text.empty() ? 0 : text.size() - 1, [&](std::size_t k) {
    return measure.Width(std::string(text.substr(0, k)) + "...") <= width;
  });
  const std::string head(text.substr(0, keep));
  line.Text = head + "...";
  std::erase_if(line.Underlined, [&](int u) { return std::size_t(u) >= head.size(); });
  return true;
}

bool PathEllipsis(TTextLine& line, const TTextMeasure& measure, int width) {
  if (measure.Width(line.Text) <= width) return false;
  const std::size_t sep = line.Text.find_last_of("\\/");
  if (sep == std::string::npos) return false;
  const std::string tail = line.Text.substr(sep);
  const std::size_t keep = LongestFitting(
      sep, [&](std::size_t k) { return measure.Width(line.Text.substr(0, k) + "..." + tail) <= width; });
  const std::string head = line.Text.substr(0, keep);
  std::vector<int> underlined;
  for (int u : line.Underlined) {
    if (std::size_t(u) < head.size())
      underlined.push_back(u);
    else if (std::size_t(u) >= sep)
      underlined.push_back(int(u - sep + head.size() + 3));
  }
  line.Text = head + "..." + tail;
  line.Underlined = std::move(underlined);
  return true;
}

}  // namespace gui
