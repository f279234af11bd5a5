#include "cli/stats_table.h"

#include <charconv>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "stats/display_rules.h"

namespace cli {

namespace {

constexpr std::size_t PairRows = 6;
constexpr std::size_t DozenRows = 3;
constexpr std::array<const char*, PairRows + DozenRows> ChanceNames = {"red", "black", "1-18",  "19-36", "even",
                                                                       "odd", "1-12",  "13-24", "25-36"};

// Stands in for the window's labels: each caption and colour the display rules write lands in
// the table cell that the label shows.
class TTableSink final : public stats::TLabelSink {
 public:
  explicit TTableSink(TStatsTable& table) : FTable(table) {
    for (stats::SpinWindow window : stats::SpinWindows) {
      const auto column = static_cast<std::size_t>(window);
      for (std::size_t row = 0; row < PairRows; ++row)
        FCells.emplace(stats::PairLabelName(static_cast<int>(row), window), TTarget{row, column});
      for (std::size_t d = 0; d < DozenRows; ++d)
        FCells.emplace(stats::DozenLabelName(static_cast<int>(d), window), TTarget{PairRows + d, column});
      for (int n = 0; n < stats::WheelNumberCount; ++n)
        FCells.emplace(stats::NumberLabelName(window, n),
                       TTarget{PairRows + DozenRows + static_cast<std::size_t>(n), column});
    }
  }

  void SetCaption(std::string_view name, std::string_view text) override {
    TStatsCell& cell = Cell(name);
    const bool marked = text.size() >= 2 && text.front() == '(' && text.back() == ')';
    if (marked) text = text.substr(1, text.size() - 2);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), cell.Count);
    if (error != std::errc{} || end != text.data() + text.size())
      throw std::logic_error("unexpected count caption \"" + std::string(text) + '"');
  }

  void SetFontColor(std::string_view name, stats::TColor color) override {
    Cell(name).Marked = color == stats::clGreen;
  }

 private:
  struct TTarget {
    std::size_t Row, Column;
  };

  TStatsCell& Cell(std::string_view name) {
    const auto it = FCells.find(name);
    if (it == FCells.end()) throw std::logic_error("no table cell for label " + std::string(name));
    auto& cell = FTable.Rows[it->second.Row].Cells[it->second.Column];
    if (!cell) cell.emplace();
    return *cell;
  }

  TStatsTable& FTable;
  std::unordered_map<std::string_view, TTarget> FCells;
};

}  // namespace

TRowGroup TStatsTable::GroupOf(std::size_t row) noexcept {
  if (row < PairRows) return TRowGroup::rgPairs;
  if (row < PairRows + DozenRows) return TRowGroup::rgDozens;
  return TRowGroup::rgNumbers;
}

TStatsTable BuildStatsTable(std::span<const std::int32_t> spins) {
  TStatsTable table;
  table.Spins = spins.size();
  for (std::size_t k = 1; k <= static_cast<std::size_t>(stats::StripLength) && k <= spins.size(); ++k)
    table.Last.push_back(spins[spins.size() - k]);

  for (const char* name : ChanceNames) table.Rows.push_back({name, {}});
  for (int n = 0; n < stats::WheelNumberCount; ++n) table.Rows.push_back({std::to_string(n), {}});

  TTableSink sink(table);
  stats::StatsPanel(stats::ComputeStatistics(spins), spins.size(), sink);
  return table;
}

}  // namespace cli
