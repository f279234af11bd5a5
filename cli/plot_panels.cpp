#include "cli/plot_panels.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>

#include "cli/plot.h"
#include "stats/wheel.h"

namespace cli::plot {

namespace {

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

}  // namespace

TFairBand FairBand(std::int64_t trials) {
  constexpr double One = 1.0 / stats::WheelNumberCount;
  if (trials <= 0) return {};
  const boost::math::binomial distribution(static_cast<double>(trials), One);
  return {static_cast<double>(trials) * One, boost::math::quantile(distribution, 0.025),
          boost::math::quantile(boost::math::complement(distribution, 0.025))};
}

void DrawDeviations(TPainter& p, const TDeviations& panel, const TBox& box) {
  p.Text(box.Left, box.Top - 16, panel.Title, 13, TAlign::taLeft, true);
  const auto [expected, lower, upper] = FairBand(static_cast<std::int64_t>(panel.Trials));
  const auto [fewest, most] = std::minmax_element(panel.Counts.begin(), panel.Counts.end());
  double low = std::min(lower, static_cast<double>(*fewest)), high = std::max(upper, static_cast<double>(*most));
  const double margin = std::max(1.0, (high - low) * 0.08);
  low = std::max(0.0, low - margin);
  high += margin;
  const auto y = [&](double v) { return box.Bottom() - (v - low) / (high - low) * box.Height; };
  p.Fill(box.Left, y(upper), box.Width, y(lower) - y(upper), Band);
  AxisFrom(p, box, low, high);
  p.Text(box.Left - 52, box.Top + box.Height / 2, "count", 11, TAlign::taLeft);
  const double slot = box.Width / stats::WheelNumberCount;
  for (int k = 0; k < stats::WheelNumberCount; ++k) {
    const double x = box.Left + slot * k;
    const double count = static_cast<double>(panel.Counts[static_cast<std::size_t>(k)]);
    const double top = std::min(y(count), y(expected)), bottom = std::max(y(count), y(expected));
    if (bottom > top) p.Fill(x + slot * 0.15, top, slot * 0.7, bottom - top, panel.Colour(k));
    p.Text(x + slot / 2, box.Bottom() + 15, panel.Label(k), 12, TAlign::taCenter);
  }
  p.Line(box.Left, y(expected), box.Left + box.Width, y(expected), Ink, 1.5, true);
}

void Draw(cairo_t* cr, const TAnalysis& a, const std::string& title) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  TPainter p(cr);
  DrawTitle(p, a, title);
  TDeviations counts{
      "(a) Count of each number from the expected (dashed); band: a fair wheel's 95 % range; the axis is "
      "zoomed around the expected count",
      {},
      a.Spins,
      [](int k) { return std::to_string(k); },
      [](int k) { return WheelColour(k); }};
  for (const TNumberDeviation& d : a.Numbers) counts.Counts[static_cast<std::size_t>(d.Number)] = d.Observed;
  DrawDeviations(p, counts, {70, 84, 1100, 236});
  DrawShares(p, a, {70, 384, 1100, 150});
  DrawGaps(p, a, {70, 600, 1100, 160});
  DrawWheel(p, a);
  DrawDistances(p, a, {700, 890, 470, 440});
}

}  // namespace cli::plot
