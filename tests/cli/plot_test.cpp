#include "cli/plot.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/run_stats.h"
#include "stats/wheel.h"
#include "stats/wheel_order.h"
#include "tests/cli/stats_run.h"
#include "tests/cli/svg_shapes.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

// cairo and fontconfig keep the fonts they loaded for the life of the process; handed back at
// the end, so that the leak checker sees only what the plots themselves might leak.
class TFontCachesReleased : public ::testing::Environment {
 public:
  void TearDown() override {
    cairo_debug_reset_static_data();
    FcFini();
  }
};
[[maybe_unused]] ::testing::Environment* const FontCachesReleased =
    ::testing::AddGlobalTestEnvironment(new TFontCachesReleased);

class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder = fs::temp_directory_path() / ("plot_test_" + std::to_string(::getpid()));
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }
  std::string Path(const std::string& name) const { return (FFolder / name).string(); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FFolder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path FFolder;
};

// A history in which number x comes x + 1 times, so that every bar has its own height.
std::vector<std::int32_t> Staircase() {
  std::vector<std::int32_t> spins;
  for (std::int32_t x = 0; x < stats::WheelNumberCount; ++x) spins.insert(spins.end(), x + 1, x);
  return spins;
}

using testing::ReadShapes;
using testing::TShape;

bool IsWheelColour(const std::string& rgb) {
  return rgb == "0%,50%,0%" || rgb == "80%,8%,8%" || rgb == "13%,13%,13%";
}
std::string WheelRgb(std::int32_t x) {
  return x == 0 ? "0%,50%,0%" : stats::IsRed(x) ? "80%,8%,8%" : "13%,13%,13%";
}

// The filled rectangles of one colour within a band of the page, left to right.
std::vector<TShape> Bars(const std::vector<TShape>& shapes, bool (*colour)(const std::string&), double top,
                         double bottom) {
  std::vector<TShape> bars;
  for (const TShape& s : shapes)
    if (s.IsRectangle() && colour(s.Fill) && s.Top() >= top && s.Bottom() <= bottom) bars.push_back(s);
  std::sort(bars.begin(), bars.end(), [](const TShape& a, const TShape& b) { return a.Left() < b.Left(); });
  return bars;
}

// Panel (a): each count drawn from the expected count, up or down, so that deviations show at any
// length; and the fair band at its true width.
TEST_F(PlotTest, CountsAreDrawnFromTheExpectedCountWithTheFairBand) {
  const std::vector<std::int32_t> spins = Staircase();  // 703 spins: 19 expected of each
  const std::string path = Path("plot.svg");
  WritePlot(Analyse(spins, spins.size(), {}, 100), "staircase – лестница.txt", path);
  EXPECT_EQ(Files(), std::vector<std::string>{"plot.svg"});
  const std::vector<TShape> shapes = ReadShapes(path);
  ASSERT_FALSE(shapes.empty()) << "not well-formed XML";
  const std::vector<TShape> bars = Bars(shapes, IsWheelColour, 84, 320);
  ASSERT_EQ(bars.size(), 36u) << "18 came as often as expected and has no bar";
  const double unit = bars.back().Height() / 18;  // 36 came 37 times, 18 above the expected
  const double expectedY = bars.back().Bottom();
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const int x = static_cast<int>(i < 18 ? i : i + 1);
    EXPECT_NEAR(bars[i].Height(), unit * std::abs(x + 1 - 19), 0.02) << x;
    EXPECT_NEAR(x + 1 > 19 ? bars[i].Bottom() : bars[i].Top(), expectedY, 0.01) << x;
    EXPECT_EQ(bars[i].Fill, WheelRgb(x)) << x;
  }
  // The band holds a fair wheel's count 95 % of the time: the middle 95 % of Binomial(703, 1/37).
  const boost::math::binomial fair(703, 1.0 / 37);
  const double lower = boost::math::quantile(fair, 0.025);
  const double upper = boost::math::quantile(boost::math::complement(fair, 0.025));
  const std::vector<TShape> bands = Bars(
      shapes, [](const std::string& rgb) { return rgb == "82%,90%,82%"; }, 84, 320);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_NEAR(bands[0].Height(), unit * (upper - lower), 0.02);
  EXPECT_NEAR(bands[0].Bottom(), expectedY + unit * (19 - lower), 0.02);
}

// Panel (d): a wedge for each pocket, in the wheel's order clockwise from the top, reaching from
// the rim as far as its count.
TEST_F(PlotTest, TheWheelPanelShowsThePocketsInWheelOrder) {
  const std::vector<std::int32_t> spins = Staircase();
  WritePlot(Analyse(spins, spins.size(), {}, 100), "staircase", Path("plot.svg"));
  struct TPocket {
    double Angle, Reach;
    std::string Fill;
  };
  std::vector<TPocket> pockets;
  for (const TShape& s : ReadShapes(Path("plot.svg"))) {
    if (!s.Curved || !IsWheelColour(s.Fill)) continue;
    // A wedge starts on its outer arc and comes back along the rim; its middle is between the two.
    const testing::TPoint outer = s.Points.front(), inner = s.Points[3];
    const double mx = (outer.X + inner.X) / 2 - WheelCentreX, my = (outer.Y + inner.Y) / 2 - WheelCentreY;
    const double clockwiseFromTop = std::fmod(std::atan2(my, mx) + M_PI / 2 + 2 * M_PI, 2 * M_PI);
    pockets.push_back(
        {clockwiseFromTop, std::hypot(outer.X - WheelCentreX, outer.Y - WheelCentreY) - WheelRim, s.Fill});
  }
  ASSERT_EQ(pockets.size(), 37u);
  std::sort(pockets.begin(), pockets.end(), [](const TPocket& a, const TPocket& b) { return a.Angle < b.Angle; });
  // Every count is above the scale's low end of 0 here, so the reach is proportional to the count.
  const double unit = pockets[0].Reach / 1;
  for (int i = 0; i < 37; ++i) {
    const std::int32_t x = stats::WheelOrder[i];
    EXPECT_EQ(pockets[i].Fill, WheelRgb(x)) << i;
    EXPECT_NEAR(pockets[i].Reach, unit * (x + 1), 0.05) << x;
  }
}

// Panel (b) of a window: each share is the window's, against the fair share's line.
TEST_F(PlotTest, TheSharesOfAWindowAreTheWindows) {
  std::ofstream(Path("spins.txt")) << "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 3 5 7 9 12 14 16 18 2\n";
  ASSERT_EQ(Stats({"--plot=" + Path("plot.svg"), "--window=10", Path("spins.txt")}).Status, esOk);
  const std::vector<TShape> shapes = ReadShapes(Path("plot.svg"));
  const std::vector<TShape> bars = Bars(
      shapes, [](const std::string& rgb) { return rgb == "27%,51%,71%"; }, 384, 534);
  ASSERT_GE(bars.size(), 2u);
  // red: 9 of the 10 spins against 18/37; black: 1 of 10.
  const double observed[] = {0.9, 0.1};
  for (std::size_t k = 0; k < 2; ++k) {
    const double middle = bars[k].Left() + bars[k].Width() / 2;
    const TShape* line = nullptr;
    for (const TShape& s : shapes)
      if (s.Stroke == "10%,10%,10%" && s.StrokeWidth == 2 && s.Points.size() == 2 && s.Points[0].Y > 384 &&
          s.Points[0].Y < 534 && s.Points[0].X < middle && s.Points[1].X > middle)
        line = &s;
    ASSERT_NE(line, nullptr) << k;
    EXPECT_NEAR(bars[k].Height() / (bars[k].Bottom() - line->Points[0].Y), observed[k] / (18.0 / 37), 0.002) << k;
  }
}

// Panel (c): a seen number's gap as a bar in its colour made lighter, zero's green; an unseen
// number outlined as high as the whole history.
TEST_F(PlotTest, GapBarsHaveTheirNumbersColoursAndUnseenNumbersAreOutlined) {
  const std::vector<std::int32_t> spins = {5, 0, 7, 5, 11};  // gaps: 0 three, 7 two, 5 one, 11 none
  WritePlot(Analyse(spins, spins.size(), {}, 100), "gaps", Path("plot.svg"));
  const std::vector<TShape> shapes = ReadShapes(Path("plot.svg"));
  const auto tinted = [](const std::string& rgb) {
    return rgb == "50%,75%,50%" || rgb == "90%,54%,54%" || rgb == "56.5%,56.5%,56.5%";
  };
  const std::vector<TShape> bars = Bars(shapes, tinted, 600, 760);
  ASSERT_EQ(bars.size(), 3u);
  const double unit = bars[0].Height() / 3;
  EXPECT_EQ(bars[0].Fill, "50%,75%,50%");     // 0
  EXPECT_NEAR(bars[1].Height(), unit, 0.02);  // 5
  EXPECT_EQ(bars[1].Fill, "90%,54%,54%");
  EXPECT_NEAR(bars[2].Height(), unit * 2, 0.02);  // 7
  int outlined = 0;
  for (const TShape& s : shapes)
    if (s.IsRectangle() && s.Fill.empty() && s.Top() >= 600 && s.Bottom() <= 760 && s.StrokeWidth == 1) {
      ++outlined;
      EXPECT_NEAR(s.Height(), unit * 5 - 1, 0.02);
      EXPECT_TRUE(IsWheelColour(s.Stroke)) << s.Stroke;
    }
  EXPECT_EQ(outlined, 33);  // 37 less the four seen
}

// Panel (e): the distances from spin to spin, drawn from their expected count as the counts are.
TEST_F(PlotTest, TheDistancesPanelDrawsEachDistanceFromItsExpectedCount) {
  const std::vector<std::int32_t> spins = {0, 32, 15, 19};  // three throws of one pocket each
  WritePlot(Analyse(spins, spins.size(), {}, 100), "distances", Path("plot.svg"));
  const std::vector<TShape> bars = Bars(
      ReadShapes(Path("plot.svg")), [](const std::string& rgb) { return rgb == "45%,35%,60%"; }, 890, 1330);
  ASSERT_EQ(bars.size(), 37u);
  // Distance 1 came 3 times against 3/37 expected, every other none: 36 times as far off.
  const double unit = bars[0].Height();
  for (std::size_t d = 0; d < bars.size(); ++d) {
    EXPECT_NEAR(bars[d].Height(), d == 1 ? 36 * unit : unit, 0.05) << d;
    EXPECT_NEAR(d == 1 ? bars[d].Bottom() : bars[d].Top(), bars[0].Top(), 0.01) << d;
  }
}

TEST_F(PlotTest, PngAndPdfHaveTheRequestedSize) {
  const std::vector<std::int32_t> spins = {0};
  const TAnalysis analysis = Analyse(spins, 1);
  WritePlot(analysis, "one spin", Path("plot.PNG"));
  std::ifstream png(Path("plot.PNG"), std::ios::binary);
  unsigned char header[24] = {};
  png.read(reinterpret_cast<char*>(header), sizeof header);
  ASSERT_EQ(std::string(reinterpret_cast<char*>(header + 1), 3), "PNG");
  const auto at = [&](int i) {
    return header[i] << 24 | header[i + 1] << 16 | header[i + 2] << 8 | header[i + 3];
  };
  EXPECT_EQ(at(16), PlotWidth);
  EXPECT_EQ(at(20), PlotHeight);

  WritePlot(analysis, "one spin", Path("plot.pdf"));
  std::ifstream pdf(Path("plot.pdf"), std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(pdf)), std::istreambuf_iterator<char>());
  EXPECT_THAT(content, ::testing::StartsWith("%PDF-"));
  EXPECT_THAT(content, ::testing::HasSubstr("/MediaBox [ 0 0 1200 " + std::to_string(PlotHeight) + " ]"));
}

TEST_F(PlotTest, AFailedWriteLeavesNothingBehindAndTheOldFileWhole) {
  const std::vector<std::int32_t> spins = {1, 2, 3};
  const TAnalysis analysis = Analyse(spins, spins.size());
  std::ofstream(Path("old.svg")) << "kept";
  std::ofstream(Path("file")) << "not a folder";
  EXPECT_THROW(WritePlot(analysis, "t", Path("file/plot.svg")), TPlotError);
  EXPECT_THROW(WritePlot(analysis, "t", Path("plot.gif")), TPlotError);
  EXPECT_EQ(Files(), (std::vector<std::string>{"file", "old.svg"}));
  WritePlot(analysis, "t", Path("old.svg"));
  EXPECT_EQ(Files(), (std::vector<std::string>{"file", "old.svg"}));
  EXPECT_GT(fs::file_size(Path("old.svg")), 1000u);
}

// The user's file follows the umask, as any file a command makes does.
TEST_F(PlotTest, ThePlotsModeFollowsTheUmask) {
  const std::vector<std::int32_t> spins = {1, 2, 3};
  const TAnalysis analysis = Analyse(spins, spins.size());
  for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}}) {
    const mode_t old = ::umask(mask);
    WritePlot(analysis, "t", Path("plot.svg"));
    ::umask(old);
    EXPECT_EQ(fs::status(Path("plot.svg")).permissions(), fs::perms(0666 & ~mask)) << std::oct << mask;
  }
}

TEST_F(PlotTest, BadOptionsAndPathsAreClearErrors) {
  std::ofstream(Path("spins.txt")) << "1 2 3 0 36\n";
  std::ofstream(Path("file")) << "not a folder";
  const std::string spins = Path("spins.txt");
  struct TCase {
    std::vector<std::string> Args;
    int Status;
    std::string Message;
  };
  const TCase cases[] = {
      {{"--analysis", "--window=0", spins}, esUsage, "invalid window '0' (a whole number of spins, at least 1)"},
      {{"--analysis", "--window=abc", spins}, esUsage, "invalid window 'abc'"},
      {{"--analysis", "--window=-3", spins}, esUsage, "invalid window '-3'"},
      {{"--window=3", spins}, esUsage, "--window goes with --analysis or --plot"},
      {{"--analysis", "--format=csv", spins}, esUsage, "CSV is the table's alone"},
      {{"--plot=" + Path("plot.gif"), spins}, esUsage, "(name it .svg, .png or .pdf)"},
      {{"--plot", Path("plot"), spins}, esUsage, "cannot tell the plot's format"},
      {{"--plot", Path("file/plot.png"), spins},
       esInputOutput,
       "cannot write the plot \"" + Path("file/plot.png")},
      {{"--sessions", "--plot=x.svg"}, esUsage, "--sessions and --plot go one at a time"},
  };
  for (const TCase& c : cases) {
    const TRun run = Stats(c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args[0] << ' ' << c.Args[1];
    EXPECT_EQ(run.Out, "");
    EXPECT_THAT(run.Err, ::testing::HasSubstr(c.Message));
  }
  EXPECT_EQ(Files(), (std::vector<std::string>{"file", "spins.txt"}));

  // A plot alone prints nothing; with --analysis the analysis of the same window follows.
  const TRun plot = Stats({"--plot=" + Path("p.svg"), "--window=2", spins});
  EXPECT_EQ(plot.Status, esOk);
  EXPECT_EQ(plot.Out, "");
  const TRun both = Stats({"-a", "-p", Path("p.png"), "-w", "2", spins});
  EXPECT_EQ(both.Status, esOk);
  EXPECT_THAT(both.Out, ::testing::StartsWith("Analysis of the last 2 of 5 spins\n"));
  EXPECT_EQ(Files(), (std::vector<std::string>{"file", "p.png", "p.svg", "spins.txt"}));
}

}  // namespace
}  // namespace cli
