#include "app/least_summary.h"

#include <vector>

#include "app/language.h"
#include "app/table_cell.h"
#include "gui/controls/acc_group.h"
#include "gui/graphics/text.h"

namespace app {

namespace {

const char* const kTitle = N_("Меньше всех.");
const char* const kNoSpins = N_("Спинов еще не было.");
// %1 the numbers listed.
const char* const kNumbers = N_("числа %1");
// %1 how many more are marked.
const char* const kAndMore = N_(" и еще %1");

// More marked numbers than this are counted, not listed: early on most numbers have none.
constexpr std::size_t kNumbersListed = 6;

bool Marked(const gui::TControl* cell) {
  const std::string& caption = cell ? cell->Caption() : std::string();
  return caption.size() > 2 && caption.front() == '(';
}

// The captions of the marked rows of one column, each row by its spoken caption.
std::vector<std::string> MarkedRows(const gui::TAccTable& table, int column) {
  std::vector<std::string> rows;
  for (int row = 0; row < table.RowCount(); ++row)
    if (Marked(table.Cell(row, column))) rows.push_back(SpokenRange(table.RowHeader(row)->Caption()));
  return rows;
}

std::string Join(const std::vector<std::string>& items, std::size_t listed) {
  std::string out;
  for (std::size_t i = 0; i < items.size() && i < listed; ++i) out += (i ? ", " : "") + items[i];
  if (items.size() > listed) out += TrFormat(kAndMore, {std::to_string(items.size() - listed)});
  return out;
}

}  // namespace

std::string LeastSummary(std::span<gui::TAccTable* const> tables) {
  if (tables.empty()) return Tr(kNoSpins);
  std::string out = Tr(kTitle);
  bool any = false;
  for (int column = 1; column < tables.front()->ColumnCount(); ++column) {
    std::vector<std::string> parts;
    for (std::size_t t = 0; t < tables.size(); ++t) {
      const std::vector<std::string> rows = MarkedRows(*tables[t], column);
      if (rows.empty()) continue;
      parts.push_back(t + 1 < tables.size() ? Join(rows, rows.size())
                                            : TrFormat(kNumbers, {Join(rows, kNumbersListed)}));
    }
    if (parts.empty()) continue;
    any = true;
    out += " " + tables.front()->ColumnHeader(column)->Caption() + ": " + parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i) out += "; " + parts[i];
    out += ".";
  }
  return any ? out : Tr(kNoSpins);
}

}  // namespace app
