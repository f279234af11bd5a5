#include "cli/analysis_format.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/table_format.h"
#include "cli/wheel_format.h"

namespace cli {

namespace {

std::string Fixed(double value, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Right(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string GapText(const std::optional<std::size_t>& spins) { return spins ? std::to_string(*spins) : "never"; }

std::string Scope(const TAnalysis& a) {
  if (a.Spins == a.History)
    return std::to_string(a.Spins) + (a.Spins == 1 ? " spin" : " spins") + " (all of them)";
  return "the last " + std::to_string(a.Spins) + " of " + std::to_string(a.History) + " spins";
}

void WriteTests(const TAnalysis& a, std::ostream& out) {
  out << "Fairness of the wheel: Pearson's chi-square against a fair wheel\n";
  for (const TChiSquareTest& test : a.Tests) {
    out << "  " << test.Name << ": chi-square " << Fixed(test.Statistic, 2) << ", " << test.DegreesOfFreedom
        << " degrees of freedom";
    if (test.Reliable) out << ", p = " << FormatP(test.PValue);
    out << "\n    " << Reading(test) << '\n';
  }
}

void WriteDeviations(const TAnalysis& a, std::ostream& out) {
  out << "\nEach number: the standardised residual is (observed - expected) / standard deviation\n"
      << "  number  observed  expected  residual\n";
  for (const TNumberDeviation& d : a.Numbers)
    out << Right(std::to_string(d.Number), 8) << Right(std::to_string(d.Observed), 10)
        << Right(Fixed(d.Expected, 2), 10) << Right(Fixed(d.Residual, 2), 10) << '\n';
  const std::vector<std::int32_t> outside = a.OutsideThree();
  out << "  Outside +-3: ";
  if (outside.empty()) out << "none";
  for (std::size_t i = 0; i < outside.size(); ++i) out << (i ? ", " : "") << outside[i];
  out << "\n  (With 37 numbers, about one history in ten shows at least one number outside +-3 by chance "
         "alone.)\n";
}

void WriteGaps(const TAnalysis& a, std::ostream& out) {
  out << "\nGaps: spins since it last came, and the longest stretch without it\n"
      << "  number   current  longest\n";
  for (std::size_t x = 0; x < a.NumberGaps.size(); ++x)
    out << Right(std::to_string(x), 8) << Right(GapText(a.NumberGaps[x].Current), 10)
        << Right(std::to_string(a.NumberGaps[x].Longest), 9) << '\n';
  out << "  chance      current  longest\n";
  for (const TChanceGap& g : a.ChanceGaps)
    out << "  " << g.Chance << std::string(10 - g.Chance.size(), ' ') << Right(GapText(g.Gap.Current), 9)
        << Right(std::to_string(g.Gap.Longest), 9) << '\n';
}

void WriteRuns(const TAnalysis& a, std::ostream& out) {
  out << "\nLongest runs (zero breaks every run):";
  for (std::size_t i = 0; i < a.Runs.size(); ++i)
    out << (i ? ", " : " ") << a.Runs[i].Chance << ' ' << a.Runs[i].Longest;
  out << '\n';
}

nlohmann::ordered_json GapJson(const TGap& gap) {
  return {{"current", gap.Current ? nlohmann::ordered_json(*gap.Current) : nullptr}, {"longest", gap.Longest}};
}

// JSON has no NaN or infinity; a number that is not finite is written as null.
nlohmann::ordered_json Number(double value) {
  return std::isfinite(value) ? nlohmann::ordered_json(value) : nullptr;
}

// Breaks `text` at blanks into lines of at most `width` characters.
std::string Wrapped(const std::string& text, std::size_t width) {
  std::string out;
  std::size_t lineStart = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (out.size() > lineStart && out.size() - lineStart + 1 + (end - start) > width) {
      out += '\n';
      lineStart = out.size();
    } else if (out.size() > lineStart) {
      out += ' ';
    }
    out.append(text, start, end - start);
    start = end + 1;
  }
  return out;
}

}  // namespace

void WriteAnalysisText(const TAnalysis& a, std::ostream& out, bool color) {
  out << "Analysis of " << Scope(a) << "\n\n";
  WriteTests(a, out);
  WriteDeviations(a, out);
  WriteGaps(a, out);
  WriteRuns(a, out);
  out << "\nColumns (the smallest count of each window marked, as in the table)\n";
  WriteTextRows(a.Columns, out, color);
  WriteWheelText(a.Wheel, out);
  out << '\n' << Wrapped(FairWheelNote, 96) << '\n';
}

void WriteAnalysisJson(const TAnalysis& a, std::ostream& out) {
  nlohmann::ordered_json tests = nlohmann::ordered_json::array();
  for (const TChiSquareTest& t : a.Tests)
    tests.push_back({{"test", t.Name},
                     {"cells", t.Cells},
                     {"observed", t.Observed},
                     {"expected", t.Expected},
                     {"statistic", Number(t.Statistic)},
                     {"degrees_of_freedom", t.DegreesOfFreedom},
                     {"p_value", t.Reliable ? Number(t.PValue) : nullptr},
                     {"reliable", t.Reliable},
                     {"reading", Reading(t)}});
  nlohmann::ordered_json numbers = nlohmann::ordered_json::array();
  for (const TNumberDeviation& d : a.Numbers) {
    nlohmann::ordered_json gap = GapJson(a.NumberGaps[static_cast<std::size_t>(d.Number)]);
    numbers.push_back({{"number", d.Number},
                       {"observed", d.Observed},
                       {"expected", d.Expected},
                       {"residual", d.Residual},
                       {"gap", std::move(gap)}});
  }
  nlohmann::ordered_json gaps = nlohmann::ordered_json::array();
  for (const TChanceGap& g : a.ChanceGaps) gaps.push_back({{"chance", g.Chance}, {"gap", GapJson(g.Gap)}});
  nlohmann::ordered_json runs = nlohmann::ordered_json::array();
  for (const TChanceRun& r : a.Runs) runs.push_back({{"chance", r.Chance}, {"longest", r.Longest}});
  nlohmann::ordered_json shares = nlohmann::ordered_json::array();
  for (const TChanceShare& share : a.Shares)
    shares.push_back({{"chance", share.Chance}, {"observed", share.Observed}, {"expected_share", share.Expected}});
  WriteJsonDocument({{"spins", a.Spins},
                     {"history", a.History},
                     {"tests", std::move(tests)},
                     {"numbers", std::move(numbers)},
                     {"outside_3", a.OutsideThree()},
                     {"chance_gaps", std::move(gaps)},
                     {"runs", std::move(runs)},
                     {"shares", std::move(shares)},
                     {"columns", {{"columns", ColumnNames}, {"rows", JsonRows(a.Columns)}}},
                     {"wheel", WheelJson(a.Wheel)},
                     {"note", FairWheelNote}},
                    out);
}

}  // namespace cli
