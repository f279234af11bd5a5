#pragma once
// The plot's page and its panels.

#include <cairo.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "cli/analysis.h"
#include "cli/plot_painter.h"

namespace cli::plot {

// Draws the whole page.
void Draw(cairo_t* cr, const TAnalysis& a, const std::string& title);

// What a fair wheel gives one pocket in `trials` spins: the expected count and the band its count
// falls in 95 % of the time (all three 0 without spins). Both the count panel and the wheel read it.
struct TFairBand {
  double Expected = 0, Lower = 0, Upper = 0;
};
TFairBand FairBand(std::int64_t trials);

// 37 counts as bars from the count a fair wheel expects, up or down, on an axis zoomed around it,
// with the band where a fair wheel's count falls 95 % of the time: a deviation of 1 % is as
// plain after a million spins as after a thousand.
struct TDeviations {
  std::string Title;
  std::array<std::int64_t, stats::WheelNumberCount> Counts{};
  std::size_t Trials = 0;  // each count is Binomial(Trials, 1/37) on a fair wheel
  std::function<std::string(int)> Label;
  std::function<TRgb(int)> Colour;
};
void DrawDeviations(TPainter& p, const TDeviations& panel, const TBox& box);

// The wheel: its pockets round a circle, each count as a bar from the rim, the expected count
// and the fair band as rings, the sectors outside and the hottest arc outlined.
void DrawWheel(TPainter& p, const TAnalysis& a);
// The dealer's distances, as the counts are drawn.
void DrawDistances(TPainter& p, const TAnalysis& a, const TBox& box);

}  // namespace cli::plot
