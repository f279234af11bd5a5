#include "cli/wheel_format.h"

#include <cmath>
#include <cstdio>

#include "stats/wheel_order.h"

namespace cli {

namespace {

constexpr double Level = 0.05;

std::string Fixed(double value, int decimals) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
  // Counted in characters, not bytes: the sector names hold an accented letter.
  std::size_t length = 0;
  for (const char c : text) length += (static_cast<unsigned char>(c) >> 6) != 2;
  const std::string pad(length < width ? width - length : 0, ' ');
  return right ? pad + text : text + pad;
}

std::string Pockets(std::span<const std::int32_t> numbers) {
  std::string text;
  for (const std::int32_t x : numbers) text += (text.empty() ? "" : " ") + std::to_string(x);
  return text;
}

std::string Counted(std::int64_t count, const char* what) {
  return std::to_string(count) + ' ' + what + (count == 1 ? "" : "s");
}
std::string Counted(std::size_t count, const char* what) {
  return Counted(static_cast<std::int64_t>(count), what);
}

std::string SpinCount(double spins) {
  char text[48];
  std::snprintf(text, sizeof text, "%.0f", spins);
  return text;
}

nlohmann::ordered_json Number(double value) {
  return std::isfinite(value) ? nlohmann::ordered_json(value) : nullptr;
}

const char* const FewSpins = "too few spins: an expected count is below 5, so a p-value would not be reliable";
const char* const FewColours = "too few spins: fewer than 10 reds or 10 blacks";
const char* const NoHalves = "too few spins: the history cannot be cut into two halves";

void WriteSectors(const TWheelAnalysis& w, std::ostream& out) {
  out << "  sector               observed  expected  residual\n";
  for (const TSectorCount& s : w.Sectors)
    out << "  " << Padded(std::string(s.Name), 19, false) << Padded(std::to_string(s.Observed), 10, true)
        << Padded(Fixed(s.Expected, 2), 10, true) << Padded(Fixed(s.Residual, 2), 10, true) << '\n';
  const TChiSquareTest& t = w.SectorTest;
  out << "  voisins, tiers, orphelins against 17 : 12 : 8: chi-square " << Fixed(t.Statistic, 2) << ", "
      << t.DegreesOfFreedom << " degrees of freedom";
  if (t.Reliable) out << ", p = " << FormatP(t.PValue);
  out << "\n    " << (t.Reliable ? Finding("the sectors' shares", t.PValue) : FewSpins) << '\n';
}

std::string NeededText(const std::optional<double>& needed, std::size_t spins) {
  if (!needed) return "no excess to detect";
  std::string text = "about " + SpinCount(*needed) + " spins";
  if (*needed > static_cast<double>(spins))
    return text + " (about " + SpinCount(*needed - static_cast<double>(spins)) + " more)";
  return text + " (this history is long enough)";
}

void WriteArcs(const TWheelAnalysis& w, std::ostream& out) {
  const TArcSearch& search = w.ArcSearch;
  out << "\n  The hottest arc of neighbouring pockets of each width. \"p chosen\" is the p-value as if that arc\n"
      << "  had been picked before looking; \"p corrected\" allows for having searched all 37 positions and\n"
      << "  all four widths, by " << search.Simulations << " simulated fair wheels of " << w.Spins
      << " spins (the same each run).\n"
      << "  width  pockets                      observed  expected   p chosen  p corrected\n";
  for (const TArcFinding& arc : search.Arcs) {
    out << Padded(std::to_string(arc.Width), 7, true) << "  " << Padded(Pockets(arc.Numbers), 27, false)
        << Padded(std::to_string(arc.Observed), 10, true) << Padded(Fixed(arc.Expected, 2), 10, true)
        << Padded(FormatP(arc.PUncorrected), 11, true) << Padded(FormatP(arc.PCorrected), 13, true) << '\n'
        << "         " << ArcReading(arc) << '\n';
  }
  if (!search.Arcs.empty())
    out << "  (A corrected p-value near 0.05 is within +-" << Fixed(search.SimulationError(Level), 4)
        << " of the value endless simulation would give.)\n";
  out << "\n  Spins that would tell: 80 % power at the 5 % level, allowing for the search\n";
  for (const TArcFinding& arc : search.Arcs) {
    const double ratio = arc.Expected > 0 ? static_cast<double>(arc.Observed) / arc.Expected : 0.0;
    out << Padded(std::to_string(arc.Width), 7, true) << "  a bias of x" << Fixed(ratio, 2)
        << " as observed: " << NeededText(arc.SpinsNeeded, w.Spins)
        << "\n           of x1.25: " << NeededText(arc.SpinsNeededFixed, w.Spins) << '\n';
  }
}

void WriteHoldout(const THoldout& h, std::ostream& out) {
  out << "\n  Confirmation on fresh data: the hottest arc of the first half, tested once on the second\n";
  if (!h.Possible) {
    out << "    " << NoHalves << '\n';
    return;
  }
  out << "    first " << Counted(h.FirstSpins, "spin") << ": " << Pockets(h.Numbers) << " came "
      << Counted(h.FirstObserved, "time") << "\n    last " << Counted(h.SecondSpins, "spin") << ": "
      << h.SecondObserved << " against " << Fixed(h.SecondExpected, 2) << " expected, p = " << FormatP(h.PValue)
      << '\n'
      << "    "
      << (h.PValue < Level ? "the arc stayed hot on fresh spins: unlikely under a fair wheel, worth watching"
                           : "fresh spins do not confirm it: a lucky look explains the first half as well")
      << '\n';
}

void WriteDistances(const TDistances& d, std::ostream& out) {
  out << "\n  The dealer's signature: pockets clockwise from each spin to the next in the same session\n";
  for (int row = 0; row < 4; ++row) {
    out << "   ";
    for (int k = row * 10; k < std::min(row * 10 + 10, stats::WheelNumberCount); ++k)
      out << Padded(std::to_string(k) + ":" + std::to_string(d.Counts[static_cast<std::size_t>(k)]), 9, true);
    out << '\n';
  }
  out << "    most frequent:" << (d.MostFrequent.empty() ? " none yet" : "");
  for (std::size_t i = 0; i < d.MostFrequent.size(); ++i)
    out << (i ? ", " : " ") << d.MostFrequent[i] << " (" << d.Counts[static_cast<std::size_t>(d.MostFrequent[i])]
        << ")";
  out << "\n    chi-square " << Fixed(d.Test.Statistic, 2) << ", " << d.Test.DegreesOfFreedom
      << " degrees of freedom";
  if (d.Test.Reliable) out << ", p = " << FormatP(d.Test.PValue);
  out << "\n    " << (d.Test.Reliable ? Finding("the distances", d.Test.PValue) : FewSpins) << '\n';
}

void WriteIndependence(const TRunsTest& r, const TColourPairs& c, std::ostream& out) {
  out << "\n  Independence of the spins, zero left out\n    runs of red and black: " << r.Runs << " runs of "
      << r.Reds << " reds and " << r.Blacks << " blacks";
  if (r.Reliable)
    out << ", " << Fixed(r.ExpectedRuns, 1) << " expected, z = " << Fixed(r.Z, 2) << ", p = " << FormatP(r.PValue);
  out << "\n      " << (r.Reliable ? Finding("the runs", r.PValue) : FewColours) << '\n';
  out << "    colour after colour: red then red " << c.Counts[0][0] << ", red then black " << c.Counts[0][1]
      << ",\n      black then red " << c.Counts[1][0] << ", black then black " << c.Counts[1][1];
  if (c.Reliable)
    out << "; chi-square " << Fixed(c.Statistic, 2) << ", 1 degree of freedom, p = " << FormatP(c.PValue);
  out << "\n      " << (c.Reliable ? Finding("the pairs", c.PValue) : FewSpins) << '\n';
}

// A p-value in JSON: the value, or null and why there is none.
void PValueJson(nlohmann::ordered_json& object, bool reliable, double p, const char* reason) {
  object["p_value"] = reliable ? Number(p) : nullptr;
  if (!reliable) object["reason"] = reason;
}

nlohmann::ordered_json NeededJson(const std::optional<double>& needed) {
  return needed ? nlohmann::ordered_json(static_cast<std::int64_t>(*needed)) : nullptr;
}

}  // namespace

std::string Finding(const std::string& what, double p) {
  if (p < Level) return what + " are unlikely under a fair wheel: p = " + FormatP(p);
  return "no evidence against a fair wheel at the 5 % level";
}

std::string ArcReading(const TArcFinding& arc) {
  if (arc.PCorrected < Level)
    return "unlikely on a fair wheel even allowing for the search: corrected p = " + FormatP(arc.PCorrected);
  if (arc.PUncorrected < Level)
    return "only the uncorrected p-value is small: a fair wheel often shows such an arc somewhere";
  return "nothing surprising: a fair wheel does this often";
}

void WriteWheelText(const TWheelAnalysis& w, std::ostream& out) {
  const std::span<const std::int32_t> order = stats::WheelOrder;
  out << "\nThe wheel, pockets clockwise from zero:\n  " << Pockets(order.first(19)) << "\n  "
      << Pockets(order.subspan(19)) << '\n';
  WriteSectors(w, out);
  WriteArcs(w, out);
  WriteHoldout(w.Holdout, out);
  WriteDistances(w.Distances, out);
  WriteIndependence(w.Runs, w.ColourPairs, out);
}

nlohmann::ordered_json WheelJson(const TWheelAnalysis& w) {
  nlohmann::ordered_json sectors = nlohmann::ordered_json::array();
  for (const TSectorCount& s : w.Sectors)
    sectors.push_back({{"name", s.Name},
                       {"numbers", std::vector<std::int32_t>(s.Numbers.begin(), s.Numbers.end())},
                       {"observed", s.Observed},
                       {"expected", s.Expected},
                       {"residual", s.Residual}});
  nlohmann::ordered_json sectorTest = {{"statistic", Number(w.SectorTest.Statistic)},
                                       {"degrees_of_freedom", w.SectorTest.DegreesOfFreedom}};
  PValueJson(sectorTest, w.SectorTest.Reliable, w.SectorTest.PValue, FewSpins);
  nlohmann::ordered_json arcs = nlohmann::ordered_json::array();
  for (const TArcFinding& a : w.ArcSearch.Arcs)
    arcs.push_back(
        {{"width", a.Width},
         {"numbers", a.Numbers},
         {"observed", a.Observed},
         {"expected", a.Expected},
         {"p_value_uncorrected", Number(a.PUncorrected)},
         {"p_value", Number(a.PCorrected)},
         {"simulations", w.ArcSearch.Simulations},
         {"simulation_error", Number(w.ArcSearch.SimulationError(a.PCorrected))},
         {"spins_needed",
          {{"observed_bias", NeededJson(a.SpinsNeeded)}, {"bias_1_25", NeededJson(a.SpinsNeededFixed)}}},
         {"reading", ArcReading(a)}});
  const THoldout& h = w.Holdout;
  nlohmann::ordered_json holdout = {{"width", h.Width},
                                    {"numbers", h.Numbers},
                                    {"first_spins", h.FirstSpins},
                                    {"first_observed", h.FirstObserved},
                                    {"second_spins", h.SecondSpins},
                                    {"second_observed", h.SecondObserved},
                                    {"second_expected", h.SecondExpected}};
  PValueJson(holdout, h.Possible, h.PValue, NoHalves);
  const TDistances& d = w.Distances;
  nlohmann::ordered_json distances = {{"counts", d.Counts},
                                      {"most_frequent", d.MostFrequent},
                                      {"statistic", Number(d.Test.Statistic)},
                                      {"degrees_of_freedom", d.Test.DegreesOfFreedom}};
  PValueJson(distances, d.Test.Reliable, d.Test.PValue, FewSpins);
  nlohmann::ordered_json runs = {{"reds", w.Runs.Reds},
                                 {"blacks", w.Runs.Blacks},
                                 {"runs", w.Runs.Runs},
                                 {"expected_runs", w.Runs.ExpectedRuns},
                                 {"z", w.Runs.Z}};
  PValueJson(runs, w.Runs.Reliable, w.Runs.PValue, FewColours);
  nlohmann::ordered_json pairs = {
      {"counts", w.ColourPairs.Counts}, {"statistic", Number(w.ColourPairs.Statistic)}, {"degrees_of_freedom", 1}};
  PValueJson(pairs, w.ColourPairs.Reliable, w.ColourPairs.PValue, FewSpins);
  return {{"order", stats::WheelOrder},
          {"sectors", std::move(sectors)},
          {"sector_test", std::move(sectorTest)},
          {"arcs", std::move(arcs)},
          {"search_level", Number(w.ArcSearch.SearchLevel)},
          {"holdout", std::move(holdout)},
          {"distances", std::move(distances)},
          {"independence", {{"runs", std::move(runs)}, {"colour_pairs", std::move(pairs)}}}};
}

}  // namespace cli
