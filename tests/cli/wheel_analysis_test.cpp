#include "cli/wheel_analysis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/analysis.h"
#include "cli/analysis_format.h"
#include "cli/wheel_format.h"
#include "tests/cli/expect_relative.h"

namespace cli {
namespace {

using Spins = std::vector<std::int32_t>;
using Starts = std::vector<std::size_t>;

// The reference values come from scipy (tests/cli/reference/make_wheel_reference.py), worked out
// there from the wheel's order alone.
TEST(WheelAnalysis, AgreesWithAnIndependentImplementation) {
  std::ifstream file(SPINTRAK_REFERENCE_DIR "/wheel_reference.json");
  ASSERT_TRUE(file) << "reference data missing";
  const auto reference = nlohmann::json::parse(file);
  ASSERT_GE(reference["cases"].size(), 5u);
  for (const auto& c : reference["cases"]) {
    const std::string name = c["name"];
    const Spins spins = c["spins"].get<Spins>();
    const Starts starts = c["session_starts"].get<Starts>();
    const TWheelAnalysis w = AnalyseWheel(spins, starts, TArcNull(spins.size(), 50));
    ASSERT_EQ(w.ArcSearch.Arcs.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
      const TArcFinding& arc = w.ArcSearch.Arcs[k];
      const auto& expected = c["arcs"][k];
      EXPECT_EQ(arc.Numbers, expected["numbers"].get<Spins>()) << name << ' ' << arc.Width;
      EXPECT_EQ(arc.Observed, expected["observed"]) << name << ' ' << arc.Width;
      ExpectRelative(arc.PUncorrected, expected["p_value_uncorrected"], 1e-9, name + ", arc tail");
    }
    ExpectRelative(w.SectorTest.Statistic, c["sector_statistic"], 1e-12, name + ", sector statistic");
    ExpectRelative(w.SectorTest.PValue, c["sector_p_value"], 1e-9, name + ", sector p");
    EXPECT_EQ(w.Holdout.Numbers, c["holdout"]["numbers"].get<Spins>()) << name;
    EXPECT_EQ(w.Holdout.SecondObserved, c["holdout"]["second_observed"]) << name;
    ExpectRelative(w.Holdout.PValue, c["holdout"]["p_value"], 1e-9, name + ", holdout p");
    EXPECT_EQ(std::vector<std::int64_t>(w.Distances.Counts.begin(), w.Distances.Counts.end()),
              c["distance_counts"].get<std::vector<std::int64_t>>())
        << name;
    ExpectRelative(w.Distances.Test.Statistic, c["distance_statistic"], 1e-12, name + ", distance statistic");
    ExpectRelative(w.Distances.Test.PValue, c["distance_p_value"], 1e-9, name + ", distance p");
    EXPECT_EQ(w.Runs.Runs, c["runs"]) << name;
    ExpectRelative(w.Runs.Z, c["runs_z"], 1e-12, name + ", runs z");
    ExpectRelative(w.Runs.PValue, c["runs_p_value"], 1e-9, name + ", runs p");
    for (std::size_t a = 0; a < 2; ++a)
      for (std::size_t b = 0; b < 2; ++b) EXPECT_EQ(w.ColourPairs.Counts[a][b], c["pairs"][a][b]) << name;
    ExpectRelative(w.ColourPairs.Statistic, c["pairs_statistic"], 1e-12, name + ", pairs statistic");
    ExpectRelative(w.ColourPairs.PValue, c["pairs_p_value"], 1e-9, name + ", pairs p");
  }
  for (const auto& t : reference["tails"])
    ExpectRelative(ArcTail(t["spins"], t["width"], t["observed"]), t["tail"], 1e-9, "tail " + t.dump());
}

TEST(WheelAnalysis, SectorsOfAHandMadeHistory) {
  // 0, 0 and 32: voisins and jeu zéro; 17: orphelins; 27: tiers.
  const TWheelAnalysis w = AnalyseWheel(Spins{0, 0, 32, 17, 27}, {}, TArcNull(5, 10));
  ASSERT_EQ(w.Sectors.size(), 4u);
  const std::int64_t observed[] = {3, 1, 1, 3};
  const double shares[] = {17, 12, 8, 7};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(w.Sectors[k].Observed, observed[k]) << w.Sectors[k].Name;
    EXPECT_DOUBLE_EQ(w.Sectors[k].Expected, 5 * shares[k] / 37) << w.Sectors[k].Name;
  }
  EXPECT_EQ(w.SectorTest.DegreesOfFreedom, 2);
  EXPECT_FALSE(w.SectorTest.Reliable);  // 5 spins: 8/37 of them is far below 5
}

TEST(WheelAnalysis, HottestArcsAndTheirTiesGoToTheFirstClockwiseFromZero) {
  // 5 24 16 are neighbours (wheel positions 19 to 21); 33 follows 16.
  const TWheelAnalysis w = AnalyseWheel(Spins{5, 24, 16, 24, 33, 0}, {}, TArcNull(6, 10));
  EXPECT_EQ(w.ArcSearch.Arcs[0].Numbers, (Spins{5, 24, 16}));
  EXPECT_EQ(w.ArcSearch.Arcs[0].Observed, 4);
  EXPECT_EQ(w.ArcSearch.Arcs[1].Numbers, (Spins{10, 5, 24, 16, 33}));
  EXPECT_EQ(w.ArcSearch.Arcs[1].Observed, 5);
  // One spin: every arc of three holding zero has it; the first clockwise from zero starts there.
  const TWheelAnalysis one = AnalyseWheel(Spins{0}, {}, TArcNull(1, 10));
  EXPECT_EQ(one.ArcSearch.Arcs[0].Numbers, (Spins{0, 32, 15}));
  EXPECT_FALSE(one.Holdout.Possible);
}

TEST(WheelAnalysis, DistancesAndColourPairsStopAtASessionBoundary) {
  struct TCase {
    Spins History;
    Starts SessionStarts;
    std::vector<std::pair<int, std::int64_t>> Distances;  // distance: count, the rest 0
    std::array<std::int64_t, 4> Pairs;                    // red-red, red-black, black-red, black-black
  };
  const TCase cases[] = {
      // 0 -> 32 one pocket on, 32 -> 15 one more, 15 -> 0 thirty-five on.
      {{0, 32, 15, 0}, {}, {{1, 2}, {35, 1}}, {0, 1, 0, 0}},
      // The same spins as two sessions: 15 -> 0 spans the boundary and is not a throw.
      {{0, 32, 15, 0}, {3}, {{1, 2}}, {0, 1, 0, 0}},
      // Red 1, black 2, zero, red 3 | black 4, black 6: the zero breaks two pairs, the boundary one.
      {{1, 2, 0, 3, 4, 6}, {4}, {{20, 1}, {31, 1}, {35, 1}, {6, 1}}, {0, 1, 0, 1}},
      {{7}, {}, {}, {0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    const TDistances d = DistancesOf(c.History, c.SessionStarts);
    std::array<std::int64_t, 37> expected{};
    for (const auto& [distance, count] : c.Distances) expected[static_cast<std::size_t>(distance)] = count;
    EXPECT_EQ(d.Counts, expected) << ::testing::PrintToString(c.History);
    const TColourPairs p = ColourPairsOf(c.History, c.SessionStarts);
    EXPECT_EQ((std::array<std::int64_t, 4>{p.Counts[0][0], p.Counts[0][1], p.Counts[1][0], p.Counts[1][1]}),
              c.Pairs)
        << ::testing::PrintToString(c.History);
  }
}

TEST(WheelAnalysis, RunsOfRedAndBlackLeaveZeroOut) {
  // Red red, zero, black black, red: the zero joins nothing and breaks nothing.
  const TRunsTest few = RunsTestOf(Spins{1, 3, 0, 2, 4, 5});
  EXPECT_EQ(few.Reds, 3);
  EXPECT_EQ(few.Blacks, 2);
  EXPECT_EQ(few.Runs, 3);
  EXPECT_FALSE(few.Reliable);
  Spins alternating;
  for (int i = 0; i < 20; ++i) alternating.insert(alternating.end(), {1, 0, 2});
  const TRunsTest many = RunsTestOf(alternating);
  EXPECT_EQ(many.Runs, 40);
  EXPECT_TRUE(many.Reliable);
  EXPECT_GT(many.Z, 5);  // far more changes of colour than chance gives
  EXPECT_LT(many.PValue, 1e-6);
}

TEST(WheelAnalysis, HoldoutTestsTheFirstHalfsArcOnTheSecond) {
  // First half: 17 34 6 ... come again and again; second half: they come twice in ten.
  Spins spins = {17, 34, 6, 17, 34, 6, 17, 34, 6, 1};
  spins.insert(spins.end(), {17, 0, 0, 0, 34, 0, 0, 0, 0, 0});
  const THoldout h = HoldoutOf(spins);
  ASSERT_TRUE(h.Possible);
  EXPECT_EQ(h.Numbers, (Spins{17, 34, 6}));
  EXPECT_EQ(h.FirstSpins, 10u);
  EXPECT_EQ(h.FirstObserved, 9);
  EXPECT_EQ(h.SecondObserved, 2);
  EXPECT_DOUBLE_EQ(h.SecondExpected, 10 * 3.0 / 37);
  EXPECT_NEAR(h.PValue, ArcTail(10, 3, 2), 1e-15);
}

TEST(WheelAnalysis, ReadingsBetweenOneAndFivePercentSayUnlikely) {
  const std::array<double, 2> halves = {0.5, 0.5};
  // 60 against 40: chi-square 4, p = 0.0455.
  const TChiSquareTest test = ChiSquareTest("t", {"a", "b"}, {60, 40}, halves);
  EXPECT_EQ(Reading(test), "the numbers are unlikely under a fair wheel: p = 0.0455");
  EXPECT_EQ(Finding("the distances", 0.0455), "the distances are unlikely under a fair wheel: p = 0.0455");
  EXPECT_EQ(Finding("the distances", 0.05), "no evidence against a fair wheel at the 5 % level");
  struct TCase {
    double Uncorrected, Corrected;
    const char* Starts;
  };
  const TCase cases[] = {
      {0.0004, 0.03, "unlikely on a fair wheel even allowing for the search: corrected p = 0.0300"},
      {0.02, 0.4, "only the uncorrected p-value is small"},
      {0.049, 0.9, "only the uncorrected p-value is small"},
      {0.3, 1, "nothing surprising"},
  };
  for (const TCase& c : cases) {
    TArcFinding arc;
    arc.PUncorrected = c.Uncorrected;
    arc.PCorrected = c.Corrected;
    EXPECT_THAT(ArcReading(arc), ::testing::StartsWith(c.Starts)) << c.Uncorrected;
  }
}

TEST(WheelAnalysis, SpinsNeededShrinkWithTheBiasAndGrowWithTheSearch) {
  // One arc of 5 at x1.25, chosen in advance at the 5 % level: the normal approximation's answer.
  const double p0 = 5.0 / 37, p1 = 1.25 * p0;
  const double alone =
      std::pow((1.6448536 * std::sqrt(p0 * (1 - p0)) + 0.8416212 * std::sqrt(p1 * (1 - p1))) / (p1 - p0), 2);
  EXPECT_NEAR(*SpinsNeeded(5, 1.25, 0.05), std::ceil(alone), 1);
  EXPECT_GT(*SpinsNeeded(5, 1.25, 0.001), 1.5 * alone);
  EXPECT_LT(*SpinsNeeded(5, 1.5, 0.05), alone / 3);
  EXPECT_FALSE(SpinsNeeded(5, 1.0, 0.05));
  EXPECT_FALSE(SpinsNeeded(5, 0.8, 0.05));
}

TEST(WheelAnalysis, TheSimulationIsTheSameEachRunAndItsLevelIsBelowFivePercent) {
  const TArcNull a(1000, 500), b(1000, 500), other(1000, 500, 99);
  EXPECT_EQ(a.Corrected(0.01), b.Corrected(0.01));
  EXPECT_EQ(a.SearchLevel(0.05), b.SearchLevel(0.05));
  EXPECT_NE(a.SearchLevel(0.05), other.SearchLevel(0.05));
  // Searching 148 arcs, an arc must be far rarer than 5 % for the search to err 5 % of the time.
  EXPECT_LT(a.SearchLevel(0.05), 0.005);
  EXPECT_GT(a.SearchLevel(0.05), 0.05 / 148 / 2);
  EXPECT_DOUBLE_EQ(a.Corrected(0), 1.0 / 501);
  EXPECT_DOUBLE_EQ(a.Corrected(1), 1.0);
}

TEST(WheelAnalysis, WrittenAsTextAndJson) {
  Spins spins;
  for (int i = 0; i < 400; ++i) spins.push_back((i * 7) % 37);
  const TAnalysis a = Analyse(spins, spins.size(), Starts{200}, 200);
  std::ostringstream text, json;
  WriteAnalysisText(a, text, false);
  EXPECT_THAT(text.str(), ::testing::HasSubstr("\nThe wheel, pockets clockwise from zero:\n  0 32 15 19 4"));
  EXPECT_THAT(text.str(), ::testing::HasSubstr("by 200 simulated fair wheels of 400 spins"));
  WriteAnalysisJson(a, json);
  const auto w = nlohmann::json::parse(json.str())["wheel"];
  EXPECT_EQ(w["order"].size(), 37u);
  EXPECT_EQ(w["sectors"][0]["name"], "voisins du zéro");
  EXPECT_EQ(w["arcs"].size(), 4u);
  EXPECT_EQ(w["arcs"][0]["simulations"], 200);
  EXPECT_TRUE(w["arcs"][0]["p_value"].is_number());
  EXPECT_TRUE(w["arcs"][0]["spins_needed"]["bias_1_25"].is_number_integer());
  EXPECT_EQ(w["distances"]["counts"].size(), 37u);
  std::int64_t pairs = 0;
  for (const auto& count : w["distances"]["counts"]) pairs += count.get<std::int64_t>();
  EXPECT_EQ(pairs, 398);  // 399 steps, less the one across the session boundary
  EXPECT_TRUE(w["independence"]["runs"]["p_value"].is_number());
  // Too few spins: null p-values, each with its reason.
  std::ostringstream small;
  WriteAnalysisJson(Analyse(Spins{1, 2, 3}, 3, {}, 10), small);
  const auto few = nlohmann::json::parse(small.str())["wheel"];
  for (const char* part : {"sector_test", "distances"}) {
    EXPECT_TRUE(few[part]["p_value"].is_null()) << part;
    EXPECT_THAT(few[part]["reason"].get<std::string>(), ::testing::HasSubstr("too few spins")) << part;
  }
  EXPECT_TRUE(few["independence"]["runs"]["p_value"].is_null());
}

}  // namespace
}  // namespace cli
