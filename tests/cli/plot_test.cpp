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
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/run_stats.h"
#include "stats/wheel.h"

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

struct TBar {
  double Left, Height;
  std::string Fill;
};

// The filled rectangles of the counts panel, read back from the SVG: their fills are the wheel's
// colours at full strength, which no other part of the plot uses.
std::vector<TBar> CountBars(xmlNode* node, std::vector<TBar> bars = {}) {
  static const std::regex fill(R"(fill:rgb\(([0-9.%,]+)\))");
  static const std::regex rectangle(R"(^M ([0-9.]+) ([0-9.]+) L ([0-9.]+) \2 L \3 ([0-9.]+) L \1 \4 Z)");
  for (xmlNode* n = node; n; n = n->next) {
    if (n->type == XML_ELEMENT_NODE && xmlStrcmp(n->name, BAD_CAST "path") == 0) {
      xmlChar* style = xmlGetProp(n, BAD_CAST "style");
      xmlChar* d = xmlGetProp(n, BAD_CAST "d");
      std::smatch colour, shape;
      const std::string s = style ? reinterpret_cast<const char*>(style) : "";
      const std::string path = d ? reinterpret_cast<const char*>(d) : "";
      if (std::regex_search(s, colour, fill) && std::regex_search(path, shape, rectangle)) {
        const std::string rgb = colour[1];
        if (rgb == "0%,50%,0%" || rgb == "80%,8%,8%" || rgb == "13%,13%,13%")
          bars.push_back({std::stod(shape[1]), std::stod(shape[4]) - std::stod(shape[2]), rgb});
      }
      xmlFree(style);
      xmlFree(d);
    }
    bars = CountBars(n->children, std::move(bars));
  }
  return bars;
}

TEST_F(PlotTest, TheSvgIsWellFormedWithABarForEachNumberAsHighAsItsCount) {
  const std::vector<std::int32_t> spins = Staircase();
  const std::string path = Path("plot.svg");
  WritePlot(Analyse(spins, spins.size()), "staircase – лестница.txt", path);
  EXPECT_EQ(Files(), std::vector<std::string>{"plot.svg"});

  xmlDoc* document = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  ASSERT_NE(document, nullptr) << "not well-formed XML";
  std::vector<TBar> bars = CountBars(xmlDocGetRootElement(document));
  xmlFreeDoc(document);
  ASSERT_EQ(bars.size(), 37u);
  std::sort(bars.begin(), bars.end(), [](const TBar& a, const TBar& b) { return a.Left < b.Left; });
  // Cairo keeps coordinates to 1/256 of a pixel: the unit comes from the tallest bar.
  const double unit = bars[36].Height / 37;
  for (int x = 0; x < 37; ++x) {
    EXPECT_NEAR(bars[x].Height, unit * (x + 1), 0.02) << x;
    const char* expected = x == 0 ? "0%,50%,0%" : stats::IsRed(x) ? "80%,8%,8%" : "13%,13%,13%";
    EXPECT_EQ(bars[x].Fill, expected) << x;
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
  EXPECT_THAT(content, ::testing::HasSubstr("/MediaBox [ 0 0 1200 800 ]"));
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

struct TRun {
  int Status;
  std::string Out, Err;
};

TRun Stats(std::vector<std::string> args) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out, err;
  const int status = RunStats(views, out, err, {});
  return {status, out.str(), err.str()};
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
