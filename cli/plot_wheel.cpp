#include <algorithm>
#include <cmath>

#include "cli/plot.h"
#include "cli/plot_panels.h"
#include "stats/wheel_order.h"

namespace cli::plot {

namespace {

constexpr int Pockets = stats::WheelNumberCount;
constexpr double Step = 2 * M_PI / Pockets;

// The angle of the middle of the pocket at wheel position `i`: zero at the top, clockwise.
double AngleOf(double i) { return -M_PI / 2 + i * Step; }

// The sectors' marks outside the bars: each a ring piece over its pockets, jeu zéro further out
// since it lies within voisins.
void DrawSectors(TPainter& p, double outside) {
  constexpr TRgb Shades[] = {{0.55, 0.65, 0.80}, {0.80, 0.70, 0.50}, {0.65, 0.78, 0.60}, {0.75, 0.60, 0.75}};
  for (std::size_t s = 0; s < stats::WheelSectors.size(); ++s) {
    const stats::TWheelSector& sector = stats::WheelSectors[s];
    const double r = outside + (sector.Partition ? 0 : 12);
    // A sector is one or two runs of neighbouring pockets; each run gets its own mark.
    std::size_t start = 0;
    for (std::size_t k = 1; k <= sector.Numbers.size(); ++k) {
      const bool runEnds =
          k == sector.Numbers.size() ||
          stats::WheelPosition(sector.Numbers[k]) != (stats::WheelPosition(sector.Numbers[k - 1]) + 1) % Pockets;
      if (!runEnds) continue;
      const int first = stats::WheelPosition(sector.Numbers[start]);
      const auto length = static_cast<double>(k - start);
      p.Wedge(WheelCentreX, WheelCentreY, r, r + 7, AngleOf(first - 0.45), AngleOf(first + length - 0.55),
              Shades[s]);
      if (start == 0) {
        const double middle = AngleOf(first + length / 2 - 0.5);
        const double lr = outside + (sector.Partition ? 40 : 26);
        p.Text(WheelCentreX + lr * std::cos(middle), WheelCentreY + lr * std::sin(middle) + 4,
               std::string(sector.Name), 11, TAlign::taCenter);
      }
      start = k;
    }
  }
}

// The arc least likely on a fair wheel among the hottest of each width.
const TArcFinding* HottestArc(const TAnalysis& a) {
  const TArcFinding* hottest = nullptr;
  for (const TArcFinding& arc : a.Wheel.ArcSearch.Arcs)
    if (!hottest || arc.PUncorrected < hottest->PUncorrected) hottest = &arc;
  return hottest;
}

}  // namespace

void DrawWheel(TPainter& p, const TAnalysis& a) {
  p.Text(40, 822,
         "(d) The wheel: counts as bars from the rim; rings: expected (dashed), fair band; orange: hottest arc",
         13, TAlign::taLeft, true);
  const auto [expected, lower, upper] = FairBand(static_cast<std::int64_t>(a.Spins));
  std::int64_t fewest = a.Numbers[0].Observed, most = fewest;
  for (const TNumberDeviation& d : a.Numbers) {
    fewest = std::min(fewest, d.Observed);
    most = std::max(most, d.Observed);
  }
  // As in panel (a), the scale is zoomed around the expected count; the rim is its low end.
  double low = std::min(lower, static_cast<double>(fewest)), high = std::max(upper, static_cast<double>(most));
  const double margin = std::max(1.0, (high - low) * 0.08);
  low = std::max(0.0, low - margin);
  high += margin;
  const auto radius = [&](double v) { return WheelRim + (v - low) / (high - low) * WheelBarReach; };
  p.Wedge(WheelCentreX, WheelCentreY, radius(lower), radius(upper), 0, 2 * M_PI, Band);
  p.Circle(WheelCentreX, WheelCentreY, WheelRim, Ink, 1);
  for (int i = 0; i < Pockets; ++i) {
    const std::int32_t x = stats::WheelOrder[i];
    const double count = static_cast<double>(a.Numbers[static_cast<std::size_t>(x)].Observed);
    if (count > low)
      p.Wedge(WheelCentreX, WheelCentreY, WheelRim, radius(count), AngleOf(i - 0.35), AngleOf(i + 0.35),
              WheelColour(x));
    const double r = WheelRim - 12;
    p.Text(WheelCentreX + r * std::cos(AngleOf(i)), WheelCentreY + r * std::sin(AngleOf(i)) + 4, std::to_string(x),
           10, TAlign::taCenter);
  }
  if (a.Spins > 0) p.Circle(WheelCentreX, WheelCentreY, radius(expected), Ink, 1.5, true);
  DrawSectors(p, WheelRim + WheelBarReach + 8);
  if (const TArcFinding* hot = HottestArc(a); hot && a.Spins > 0) {
    const int first = stats::WheelPosition(hot->Numbers.front());
    p.WedgeOutline(WheelCentreX, WheelCentreY, WheelRim - 22, WheelRim + WheelBarReach + 4, AngleOf(first - 0.5),
                   AngleOf(first + hot->Width - 0.5), Hot, 2.5);
  }
  p.Text(WheelCentreX, WheelCentreY + 4,
         a.Spins > 0 ? Format("rim %.0f", low) + Format(", outer end %.0f", high) : "no spins", 11,
         TAlign::taCenter);
}

void DrawDistances(TPainter& p, const TAnalysis& a, const TBox& box) {
  TDeviations panel{"(e) The dealer's signature: pockets clockwise to the next spin", a.Wheel.Distances.Counts, 0,
                    [](int k) { return k % 2 == 0 ? std::to_string(k) : std::string(); },
                    [](int) { return Distance; }};
  for (const std::int64_t count : panel.Counts) panel.Trials += static_cast<std::size_t>(count);
  DrawDeviations(p, panel, box);
}

}  // namespace cli::plot
