#pragma once
// The analysis as one picture: the 37 counts against a fair wheel's band, the chances' shares,
// the gaps, the wheel with its counts and sectors, and the dealer's distances. SVG, PNG or PDF by
// the file's extension.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/analysis.h"

namespace cli {

enum class TPlotFormat : std::uint8_t { pfSvg, pfPng, pfPdf };

inline constexpr int PlotWidth = 1200;
inline constexpr int PlotHeight = 1390;

// Where the wheel panel sits: its centre, the rim its bars start from and their longest reach.
inline constexpr double WheelCentreX = 330, WheelCentreY = 1120, WheelRim = 130, WheelBarReach = 90;

// The format named by the file's extension (.svg, .png, .pdf, in any case), if any.
std::optional<TPlotFormat> PlotFormatOf(std::string_view path);

// The plot could not be written; the message names the file.
class TPlotError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Draws the analysis and writes it to `path`, first to a file beside it that is then renamed,
// so that `path` is either the whole plot or untouched. `title` names what was analysed.
void WritePlot(const TAnalysis& analysis, const std::string& title, const std::string& path);

}  // namespace cli
