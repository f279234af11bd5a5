#include "cli/plot.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <boost/math/distributions/binomial.hpp>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "files/replace_file.h"
#include "stats/wheel.h"

namespace cli {

namespace {

constexpr const char* FontFace = "DejaVu Sans";  // has Cyrillic, so any file name shows

struct TRgb {
  double R, G, B;
};

constexpr TRgb WheelRed{0.80, 0.08, 0.08}, WheelBlack{0.13, 0.13, 0.13}, WheelGreen{0.0, 0.50, 0.0};
constexpr TRgb Ink{0.1, 0.1, 0.1}, Grid{0.85, 0.85, 0.85}, Band{0.82, 0.90, 0.82}, Share{0.27, 0.51, 0.71};

TRgb WheelColour(std::int32_t x) {
  if (x == 0) return WheelGreen;
  return stats::IsRed(x) ? WheelRed : WheelBlack;
}

// The gaps panel shows the same colours lighter, so that its bars never pass for counts.
TRgb Tint(TRgb c) { return {c.R + (1 - c.R) * 0.5, c.G + (1 - c.G) * 0.5, c.B + (1 - c.B) * 0.5}; }

struct TBox {
  double Left, Top, Width, Height;
  double Bottom() const { return Top + Height; }
};

enum class TAlign : std::uint8_t { taLeft, taCenter, taRight };

class TPainter {
 public:
  explicit TPainter(cairo_t* cr) : FCr(cr) {}

  void Fill(double x, double y, double w, double h, TRgb c) {
    cairo_set_source_rgb(FCr, c.R, c.G, c.B);
    cairo_rectangle(FCr, x, y, w, h);
    cairo_fill(FCr);
  }
  void Outline(double x, double y, double w, double h, TRgb c) {
    cairo_set_source_rgb(FCr, c.R, c.G, c.B);
    cairo_set_line_width(FCr, 1);
    cairo_rectangle(FCr, x + 0.5, y + 0.5, std::max(0.0, w - 1), std::max(0.0, h - 1));
    cairo_stroke(FCr);
  }
  void Line(double x0, double y0, double x1, double y1, TRgb c, double width, bool dashed = false) {
    cairo_set_source_rgb(FCr, c.R, c.G, c.B);
    cairo_set_line_width(FCr, width);
    const double dash[] = {6, 4};
    cairo_set_dash(FCr, dash, dashed ? 2 : 0, 0);
    cairo_move_to(FCr, x0, y0);
    cairo_line_to(FCr, x1, y1);
    cairo_stroke(FCr);
    cairo_set_dash(FCr, dash, 0, 0);
  }
  double TextWidth(const std::string& text, double size, bool bold = false) {
    Font(size, bold);
    cairo_text_extents_t extents;
    cairo_text_extents(FCr, text.c_str(), &extents);
    return extents.x_advance;
  }
  // `y` is the baseline.
  void Text(double x, double y, const std::string& text, double size, TAlign align, bool bold = false) {
    const double width = TextWidth(text, size, bold);
    if (align == TAlign::taCenter) x -= width / 2;
    if (align == TAlign::taRight) x -= width;
    cairo_set_source_rgb(FCr, Ink.R, Ink.G, Ink.B);
    cairo_move_to(FCr, x, y);
    cairo_show_text(FCr, text.c_str());
  }

 private:
  void Font(double size, bool bold) {
    cairo_select_font_face(FCr, FontFace, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(FCr, size);
  }
  cairo_t* FCr;
};

// A tick step of 1, 2 or 5 times a power of ten that gives about five ticks up to `top`.
double NiceStep(double top) {
  const double rough = std::max(top, 1.0) / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= rough) return std::max(1.0, m * power);
  return std::max(1.0, 10 * power);
}

std::string Format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// Horizontal grid lines with their values at the left, for a scale from 0 to `top`.
void Axis(TPainter& p, const TBox& box, double top, bool percent) {
  const double step = percent ? std::max(0.05, NiceStep(top * 100) / 100) : NiceStep(top);
  for (double v = 0; v <= top + 1e-9; v += step) {
    const double y = box.Bottom() - v / top * box.Height;
    p.Line(box.Left, y, box.Left + box.Width, y, Grid, 1);
    p.Text(box.Left - 6, y + 4, percent ? Format("%.0f %%", v * 100) : Format("%.0f", v), 11, TAlign::taRight);
  }
}

// Text that cairo can show: bytes that are not UTF-8 (a file name may hold any) become '?'.
std::string ValidUtf8(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool valid = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) valid = (static_cast<unsigned char>(text[i + k]) >> 6) == 2;
    if (valid && c >= 0x20) {
      out.append(text, i, length);
      i += length;
    } else {
      out += '?';
      ++i;
    }
  }
  return out;
}

void DrawTitle(TPainter& p, const TAnalysis& a, const std::string& name) {
  const TChiSquareTest& numbers = a.Tests.front();
  const std::string spins = std::to_string(a.Spins) + (a.Spins == 1 ? " spin" : " spins");
  const std::string fairness =
      numbers.Reliable ? "chi-square p = " + FormatP(numbers.PValue) : "too few spins for a chi-square p-value";
  // A long name gives way from its start, where paths differ least from what the player typed.
  std::string shown = ValidUtf8(name);
  bool cut = false;
  const auto title = [&] { return (cut ? "…" : "") + shown + "  ·  " + spins + "  ·  " + fairness; };
  constexpr double Room = PlotWidth - 40;
  double size = 20;
  while (size > 12 && p.TextWidth(title(), size, true) > Room) size -= 1;
  while (!shown.empty() && p.TextWidth(title(), size, true) > Room) {
    std::size_t length = 1;
    while (length < shown.size() && (static_cast<unsigned char>(shown[length]) >> 6) == 2) ++length;
    shown.erase(0, length);
    cut = true;
  }
  p.Text(PlotWidth / 2.0, 32, title(), size, TAlign::taCenter, true);
}

void DrawCounts(TPainter& p, const TAnalysis& a, const TBox& box) {
  p.Text(
      box.Left, box.Top - 16,
      "(a) Count of each number  —  dashed: expected on a fair wheel; band: where a fair wheel's count falls 95 % "
      "of the time",
      13, TAlign::taLeft, true);
  double lower = 0, upper = 0;
  if (a.Spins > 0) {
    const boost::math::binomial distribution(static_cast<double>(a.Spins), 1.0 / stats::WheelNumberCount);
    lower = boost::math::quantile(distribution, 0.025);
    upper = boost::math::quantile(boost::math::complement(distribution, 0.025));
  }
  std::int64_t most = 0;
  for (const TNumberDeviation& d : a.Numbers) most = std::max(most, d.Observed);
  const double top = std::max({static_cast<double>(most), upper, 1.0}) * 1.08;
  const auto y = [&](double v) { return box.Bottom() - v / top * box.Height; };
  p.Fill(box.Left, y(upper), box.Width, y(lower) - y(upper), Band);
  Axis(p, box, top, false);
  const double slot = box.Width / stats::WheelNumberCount;
  for (const TNumberDeviation& d : a.Numbers) {
    const double x = box.Left + slot * d.Number;
    const double h = static_cast<double>(d.Observed) / top * box.Height;
    p.Fill(x + slot * 0.15, box.Bottom() - h, slot * 0.7, h, WheelColour(d.Number));
    p.Text(x + slot / 2, box.Bottom() + 15, std::to_string(d.Number), 12, TAlign::taCenter);
  }
  if (a.Spins > 0)
    p.Line(box.Left, y(a.Numbers[0].Expected), box.Left + box.Width, y(a.Numbers[0].Expected), Ink, 1.5, true);
}

void DrawGaps(TPainter& p, const TAnalysis& a, const TBox& box) {
  p.Text(box.Left, box.Top - 16,
         "(c) Spins since each number last came (bar; outlined: not yet seen) and its longest gap (black mark)",
         13, TAlign::taLeft, true);
  std::size_t most = 1;
  for (const TGap& g : a.NumberGaps) most = std::max(most, g.Longest);
  const double top = static_cast<double>(most) * 1.08;
  Axis(p, box, top, false);
  const double slot = box.Width / stats::WheelNumberCount;
  for (std::int32_t x = 0; x < stats::WheelNumberCount; ++x) {
    const TGap& g = a.NumberGaps[static_cast<std::size_t>(x)];
    const double left = box.Left + slot * x + slot * 0.15, width = slot * 0.7;
    const double current = static_cast<double>(g.Current.value_or(a.Spins)) / top * box.Height;
    if (g.Current)
      p.Fill(left, box.Bottom() - current, width, current, Tint(WheelColour(x)));
    else
      p.Outline(left, box.Bottom() - current, width, current, WheelColour(x));
    const double longest = box.Bottom() - static_cast<double>(g.Longest) / top * box.Height;
    p.Line(left - 2, longest, left + width + 2, longest, Ink, 2);
    p.Text(box.Left + slot * (x + 0.5), box.Bottom() + 15, std::to_string(x), 12, TAlign::taCenter);
  }
}

void DrawShares(TPainter& p, const TAnalysis& a, const TBox& box) {
  p.Text(box.Left, box.Top - 16,
         "(b) Share of the spins: observed (bar) and expected on a fair wheel (black line)", 13, TAlign::taLeft,
         true);
  const std::vector<TChanceShare>& shares = a.Shares;
  std::vector<double> observed;
  double top = 0;
  for (const TChanceShare& share : shares) {
    observed.push_back(a.Spins > 0 ? static_cast<double>(share.Observed) / static_cast<double>(a.Spins) : 0.0);
    top = std::max({top, observed.back() * 1.15, share.Expected * 1.15});
  }
  Axis(p, box, top, true);
  const double slot = box.Width / static_cast<double>(shares.size());
  for (std::size_t s = 0; s < shares.size(); ++s) {
    const double left = box.Left + slot * static_cast<double>(s) + slot * 0.25, width = slot * 0.5;
    const double h = observed[s] / top * box.Height;
    p.Fill(left, box.Bottom() - h, width, h, Share);
    const double expected = box.Bottom() - shares[s].Expected / top * box.Height;
    p.Line(left - 6, expected, left + width + 6, expected, Ink, 2);
    // Above both the bar and the expected line, so that neither crosses the figure.
    p.Text(left + width / 2, std::min(box.Bottom() - h, expected) - 5, Format("%.1f %%", observed[s] * 100), 11,
           TAlign::taCenter);
    p.Text(left + width / 2, box.Bottom() + 15, shares[s].Chance, 12, TAlign::taCenter);
  }
}

void Draw(cairo_t* cr, const TAnalysis& a, const std::string& title) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  TPainter p(cr);
  DrawTitle(p, a, title);
  DrawCounts(p, a, {70, 84, 1100, 236});
  DrawShares(p, a, {70, 384, 1100, 150});
  DrawGaps(p, a, {70, 600, 1100, 160});
}

// The picture is made in memory, then replaces the file whole.
cairo_status_t WriteTo(void* content, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(content)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Draws on a surface of the format that writes into `file`; returns cairo's verdict.
cairo_status_t Render(TPlotFormat format, std::string* file, const TAnalysis& a, const std::string& title) {
  cairo_surface_t* surface = nullptr;
  switch (format) {
    case TPlotFormat::pfSvg:
      surface = cairo_svg_surface_create_for_stream(WriteTo, file, PlotWidth, PlotHeight);
      break;
    case TPlotFormat::pfPdf:
      surface = cairo_pdf_surface_create_for_stream(WriteTo, file, PlotWidth, PlotHeight);
      break;
    case TPlotFormat::pfPng:
      surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, PlotWidth, PlotHeight);
      break;
  }
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> owned(surface, cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface);
  Draw(cr, a, title);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status != CAIRO_STATUS_SUCCESS) return status;
  if (format == TPlotFormat::pfPng) return cairo_surface_write_to_png_stream(surface, WriteTo, file);
  cairo_surface_finish(surface);
  return cairo_surface_status(surface);
}

}  // namespace

std::optional<TPlotFormat> PlotFormatOf(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  // A name is needed before the extension: ".png" alone is a hidden file without a name.
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  if (dot == std::string_view::npos || dot <= nameStart) return std::nullopt;
  std::string extension(path.substr(dot + 1));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == "svg") return TPlotFormat::pfSvg;
  if (extension == "png") return TPlotFormat::pfPng;
  if (extension == "pdf") return TPlotFormat::pfPdf;
  return std::nullopt;
}

void WritePlot(const TAnalysis& analysis, const std::string& title, const std::string& path) {
  const std::optional<TPlotFormat> format = PlotFormatOf(path);
  if (!format)
    throw TPlotError("cannot tell the plot's format from \"" + path + "\" (name it .svg, .png or .pdf)");
  const auto fail = [&](const std::string& why) {
    return TPlotError("cannot write the plot \"" + path + "\": " + why);
  };

  std::string content;
  const cairo_status_t status = Render(*format, &content, analysis, title);
  if (status != CAIRO_STATUS_SUCCESS) throw fail(cairo_status_to_string(status));
  // The user's own file: any entry under the name is replaced, the mode follows the umask, and
  // the picture is on the disk when the program says it is written.
  files::TReplaceOptions options;
  options.Mode = 0666;
  options.FollowUmask = true;
  options.OwnFileOnly = false;
  options.Durability = files::TDurability::drEverything;
  try {
    files::ReplaceFile(path, content, options);
  } catch (const files::TFileError& e) {
    throw fail(e.what());
  }
}

}  // namespace cli
