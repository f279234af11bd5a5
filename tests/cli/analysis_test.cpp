#include "cli/analysis.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/analysis_format.h"
#include "tests/cli/expect_relative.h"

namespace cli {
namespace {

using Spins = std::vector<std::int32_t>;

Spins FromCounts(const std::vector<std::int64_t>& counts) {
  Spins spins;
  for (std::size_t x = 0; x < counts.size(); ++x)
    spins.insert(spins.end(), counts[x], static_cast<std::int32_t>(x));
  return spins;
}

// The reference values come from scipy (tests/cli/reference/make_reference.py), not from this code.
TEST(Analysis, ChiSquareTestsAgreeWithAnIndependentImplementation) {
  std::ifstream file(SPINTRAK_REFERENCE_DIR "/chi_square_reference.json");
  ASSERT_TRUE(file) << "reference data missing";
  const auto cases = nlohmann::json::parse(file);
  ASSERT_GE(cases.size(), 20u);
  int unreliable = 0;
  for (const auto& reference : cases) {
    const std::string name = reference["name"];
    const Spins spins = FromCounts(reference["counts"].get<std::vector<std::int64_t>>());
    const TAnalysis analysis = Analyse(spins, spins.size(), {}, 100);  // the arcs are not compared here
    ASSERT_EQ(analysis.Tests.size(), reference["tests"].size()) << name;
    for (std::size_t t = 0; t < analysis.Tests.size(); ++t) {
      const TChiSquareTest& test = analysis.Tests[t];
      const auto& expected = reference["tests"][t];
      const std::string what = name + ", " + test.Name;
      EXPECT_EQ(test.Name, expected["test"]) << what;
      EXPECT_EQ(test.DegreesOfFreedom, expected["degrees_of_freedom"]) << what;
      ExpectRelative(test.Statistic, expected["statistic"], 1e-12, what + ", statistic");
      ExpectRelative(test.PValue, expected["p_value"], 1e-9, what + ", p-value");
      EXPECT_EQ(test.Reliable, expected["smallest_expected"].get<double>() >= 5) << what;
      unreliable += !test.Reliable;
    }
    for (int x = 0; x < 37; ++x)
      EXPECT_NEAR(analysis.Numbers[x].Residual, reference["residuals"][x].get<double>(), 1e-9) << name << ' ' << x;
  }
  EXPECT_GT(unreliable, 0) << "the reference must hold histories too small for the test";
}

TEST(Analysis, ReadingStatesTheFindingOrWhyThereIsNone) {
  const std::array<double, 2> halves = {0.5, 0.5};
  EXPECT_EQ(Reading(ChiSquareTest("t", {"a", "b"}, {3, 2}, halves)),
            "too few spins to test: an expected count is 2.5, below 5, so a p-value would not be reliable");
  EXPECT_EQ(Reading(ChiSquareTest("t", {"a", "b"}, {50, 50}, halves)),
            "no evidence against a fair wheel at the 5 % level");
  EXPECT_EQ(Reading(ChiSquareTest("t", {"a", "b"}, {100, 0}, halves)),
            "the numbers are unlikely under a fair wheel: p = 1.5e-23");
  const TChiSquareTest empty = ChiSquareTest("t", {"a", "b"}, {0, 0}, halves);
  EXPECT_FALSE(empty.Reliable);
  EXPECT_EQ(empty.Statistic, 0);
}

std::string GapsText(const std::array<TGap, 37>& gaps, std::initializer_list<int> numbers) {
  std::string text;
  for (int x : numbers)
    text += std::to_string(x) + ':' + (gaps[x].Current ? std::to_string(*gaps[x].Current) : "never") + '/' +
            std::to_string(gaps[x].Longest) + ' ';
  return text;
}

TEST(Analysis, GapsOfNumbers) {
  struct TCase {
    Spins History;
    std::string Expected;  // number: current/longest for 0, 5 and 7
  };
  const TCase cases[] = {
      {{}, "0:never/0 5:never/0 7:never/0 "},
      {{5}, "0:never/1 5:0/0 7:never/1 "},
      {{5, 1, 1, 5, 0}, "0:0/4 5:1/2 7:never/5 "},
      {{7, 1, 2, 3, 7, 0, 0}, "0:0/5 5:never/7 7:2/3 "},
  };
  for (const TCase& c : cases) EXPECT_EQ(GapsText(NumberGapsOf(c.History), {0, 5, 7}), c.Expected);
}

TEST(Analysis, GapsOfChancesCountZeroAsWithoutThem) {
  // red, black, 1-12, 13-24, 25-36, 1st, 2nd, 3rd column: current/longest
  const auto text = [](const Spins& spins) {
    std::string out;
    for (const TChanceGap& g : ChanceGapsOf(spins))
      out +=
          (g.Gap.Current ? std::to_string(*g.Gap.Current) : "never") + '/' + std::to_string(g.Gap.Longest) + ' ';
    return out;
  };
  EXPECT_EQ(text({}), "never/0 never/0 never/0 never/0 never/0 never/0 never/0 never/0 ");
  EXPECT_EQ(text({0}), "never/1 never/1 never/1 never/1 never/1 never/1 never/1 never/1 ");
  // 1 is red, first dozen, first column; 0 is in nothing; 2 is black, first dozen, second column.
  EXPECT_EQ(text({1, 0, 0, 2}), "3/3 0/3 0/2 never/4 never/4 3/3 0/3 never/4 ");
}

TEST(Analysis, LongestRunsAreBrokenByZero) {
  const auto text = [](const Spins& spins) {
    std::string out;
    for (const TChanceRun& r : LongestRunsOf(spins)) out += r.Chance + ' ' + std::to_string(r.Longest) + ' ';
    return out;
  };
  EXPECT_EQ(text({}), "red 0 black 0 even 0 odd 0 1-18 0 19-36 0 ");
  EXPECT_EQ(text({0, 0}), "red 0 black 0 even 0 odd 0 1-18 0 19-36 0 ");
  EXPECT_EQ(text({3}), "red 1 black 0 even 0 odd 1 1-18 1 19-36 0 ");
  // Three reds, a zero, two reds: the zero ends the run of three instead of joining them into five.
  EXPECT_EQ(text({1, 3, 5, 0, 7, 9}), "red 3 black 0 even 0 odd 3 1-18 3 19-36 0 ");
  EXPECT_EQ(text({20, 22, 24, 26, 19}), "red 1 black 4 even 4 odd 1 1-18 0 19-36 5 ");
}

TEST(Analysis, ColumnsAreCountedAndMarkedAsTheTableMarksDozens) {
  // 11 spins: the last 20 column is shown, the last 50 not yet. Oldest spin 3 (3rd column) is
  // outside the last 10.
  const Spins spins = {3, 1, 4, 7, 2, 5, 1, 0, 2, 4, 0};
  const TAnalysis a = Analyse(spins, spins.size());
  ASSERT_EQ(a.Columns.size(), 3u);
  EXPECT_EQ(a.Columns[0].Name, "1st column");
  EXPECT_EQ(a.Columns[0].Cells[0]->Count, 5);
  EXPECT_FALSE(a.Columns[0].Cells[0]->Marked);
  EXPECT_EQ(a.Columns[1].Cells[0]->Count, 3);
  EXPECT_EQ(a.Columns[2].Cells[0]->Count, 0);
  EXPECT_TRUE(a.Columns[2].Cells[0]->Marked);
  EXPECT_EQ(a.Columns[2].Cells[1]->Count, 1);
  EXPECT_TRUE(a.Columns[2].Cells[1]->Marked);
  EXPECT_FALSE(a.Columns[0].Cells[2].has_value());
  // The shares: five reds (3, 1, 7, 5, 1) and four blacks; the zeros count in neither.
  ASSERT_EQ(a.Shares.size(), 12u);
  EXPECT_EQ(a.Shares[0].Chance, "red");
  EXPECT_EQ(a.Shares[0].Observed, 5);
  EXPECT_EQ(a.Shares[1].Observed, 4);
  EXPECT_DOUBLE_EQ(a.Shares[0].Expected, 18.0 / 37);
  EXPECT_EQ(a.Shares[11].Chance, "3rd column");
  EXPECT_EQ(a.Shares[11].Observed, 1);
  EXPECT_DOUBLE_EQ(a.Shares[11].Expected, 12.0 / 37);
  // Ties mark every column at the smallest count.
  const TAnalysis tie = Analyse(Spins{1, 2, 3}, 3);
  for (const TStatsRow& row : tie.Columns) EXPECT_TRUE(row.Cells[3]->Marked) << row.Name;
}

TEST(Analysis, OutsideThreeAndTheWrittenForms) {
  Spins spins(3700);
  for (std::size_t i = 0; i < spins.size(); ++i) spins[i] = static_cast<std::int32_t>(i % 37);
  for (int i = 0; i < 40; ++i) spins.push_back(17);  // 140 against 101 expected: about +3.8
  const TAnalysis a = Analyse(spins, spins.size() + 5);
  EXPECT_EQ(a.OutsideThree(), std::vector<std::int32_t>{17});
  std::ostringstream text, json;
  WriteAnalysisText(a, text, false);
  EXPECT_THAT(text.str(), ::testing::StartsWith("Analysis of the last 3740 of 3745 spins\n"));
  EXPECT_THAT(text.str(), ::testing::HasSubstr("  Outside +-3: 17\n"));
  EXPECT_THAT(text.str(), ::testing::HasSubstr("do not change the chances"));
  WriteAnalysisJson(a, json);
  const auto document = nlohmann::json::parse(json.str());
  EXPECT_EQ(document["outside_3"], nlohmann::json::parse("[17]"));
  EXPECT_EQ(document["numbers"][17]["observed"], 140);
  EXPECT_EQ(document["tests"].size(), 4u);
  EXPECT_TRUE(document["tests"][0]["p_value"].is_number());
  EXPECT_EQ(document["columns"]["rows"][0]["row"], "1st column");

  // Too few spins: no p-value to read, and a warning in its place.
  std::ostringstream small;
  WriteAnalysisJson(Analyse(Spins{1, 2, 3}, 3), small);
  const auto few = nlohmann::json::parse(small.str());
  EXPECT_TRUE(few["tests"][0]["p_value"].is_null());
  EXPECT_THAT(few["tests"][0]["reading"].get<std::string>(), ::testing::HasSubstr("below 5"));
}

}  // namespace
}  // namespace cli
