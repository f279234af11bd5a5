// A terminal front end to the statistics: type each wheel result, see the strip and the tables.
// It drives the same display rules as the window, through a sink that keeps the label texts.

#include <iomanip>
#include <iostream>
#include <map>
#include <string>

#include "stats/display_rules.h"

namespace {

class TTextLabels final : public stats::TLabelSink {
 public:
  void SetCaption(std::string_view name, std::string_view text) override { FCaptions[std::string(name)] = text; }
  void SetFontColor(std::string_view, stats::TColor) override {}
  const std::string& operator[](std::string_view name) const {
    static const std::string empty;
    auto it = FCaptions.find(name);
    return it == FCaptions.end() ? empty : it->second;
  }

 private:
  std::map<std::string, std::string, std::less<>> FCaptions;
};

void Show(const stats::SpinHistory& history, const TTextLabels& labels) {
  using stats::SpinWindow;
  std::cout << "\nSpins: " << history.Length() << "\nLast numbers:";
  for (int k = 1; k <= stats::StripLength; ++k) std::cout << ' ' << labels[stats::StripLabelName(k)];
  std::cout << "\n\n" << std::left << std::setw(10) << "" << std::right;
  for (const char* heading : {"10", "20", "50", "all"}) std::cout << std::setw(8) << heading;
  static const char* const rows[] = {"red", "black", "1-18", "19-36", "even", "odd", "1-12", "13-24", "25-36"};
  for (int row = 0; row < 9; ++row) {
    std::cout << '\n' << std::left << std::setw(10) << rows[row] << std::right;
    for (SpinWindow w : stats::SpinWindows)
      std::cout << std::setw(8)
                << labels[row < 6 ? stats::PairLabelName(row, w) : stats::DozenLabelName(row - 6, w)];
  }
  std::cout << "\n\nnumber";
  for (int n = 0; n <= 36; ++n) {
    std::cout << '\n' << std::setw(6) << n;
    for (SpinWindow w : stats::SpinWindows) std::cout << std::setw(8) << labels[stats::NumberLabelName(w, n)];
  }
  std::cout << "\n\nMarked counts, in parentheses, came up least.\n";
}

}  // namespace

int main() {
  stats::SpinHistory history;
  TTextLabels labels;
  std::cout << "Spintrak: type each number the wheel produced (0..36), or q to quit.\n";
  for (std::string line; std::cout << "> " << std::flush, std::getline(std::cin, line);) {
    if (line == "q" || line == "quit") break;
    try {
      std::size_t used = 0;
      const int number = std::stoi(line, &used);
      if (used != line.size()) throw std::invalid_argument(line);
      history.Append(number);
    } catch (const std::exception&) {
      std::cout << "Not a wheel number: \"" << line << "\"\n";
      continue;
    }
    stats::LastNumbersStrip(history, labels);
    stats::StatsPanel(history, labels);
    Show(history, labels);
  }
  return 0;
}
