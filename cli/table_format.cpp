#include "cli/table_format.h"

#include <algorithm>
#include <string>
#include <vector>

#include "stats/wheel.h"

namespace cli {

namespace {

constexpr const char* Green = "\x1b[32m";
constexpr const char* Red = "\x1b[31m";
constexpr const char* Reset = "\x1b[0m";
constexpr std::size_t Gap = 2;

// A plain count keeps a blank where a marked one has its closing parenthesis, so the digits of
// both line up when right-aligned.
std::string CellText(const std::optional<TStatsCell>& cell) {
  if (!cell) return "- ";
  const std::string digits = std::to_string(cell->Count);
  return cell->Marked ? '(' + digits + ')' : digits + ' ';
}

void WriteStrip(const TStatsTable& table, std::ostream& out, bool color) {
  out << "Last " << table.Last.size() << " (newest first):";
  for (std::int32_t x : table.Last) {
    out << ' ';
    const stats::TColor wheel = stats::ColorOfNumber(x);
    const char* code = !color ? nullptr : wheel == stats::clRed ? Red : wheel == stats::clGreen ? Green : nullptr;
    if (code)
      out << code << x << Reset;
    else
      out << x;
  }
  out << '\n';
}

}  // namespace

void WriteText(const TStatsTable& table, std::ostream& out, bool color) {
  out << "Spins: " << table.Spins << '\n';
  WriteStrip(table, out, color);
  out << '\n';
  WriteTextRows(table.Rows, out, color,
                [](std::size_t r) { return r > 0 && TStatsTable::GroupOf(r) != TStatsTable::GroupOf(r - 1); });
}

void WriteTextRows(std::span<const TStatsRow> rows, std::ostream& out, bool color,
                   const std::function<bool(std::size_t)>& blankBefore) {
  std::size_t nameWidth = 0;
  for (const TStatsRow& row : rows) nameWidth = std::max(nameWidth, row.Name.size());
  std::vector<std::size_t> widths;
  for (std::size_t c = 0; c < ColumnNames.size(); ++c) {
    std::size_t width = std::string(ColumnNames[c]).size() + 1;  // the header sits over the digits
    for (const TStatsRow& row : rows) width = std::max(width, CellText(row.Cells[c]).size());
    widths.push_back(width);
  }

  out << std::string(nameWidth, ' ');
  for (std::size_t c = 0; c < ColumnNames.size(); ++c) {
    const std::string header = ColumnNames[c];
    out << std::string(Gap + widths[c] - header.size() - 1, ' ') << header << ' ';
  }
  out << '\n';

  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (blankBefore && blankBefore(r)) out << '\n';
    const TStatsRow& row = rows[r];
    out << row.Name << std::string(nameWidth - row.Name.size(), ' ');
    for (std::size_t c = 0; c < row.Cells.size(); ++c) {
      const std::string text = CellText(row.Cells[c]);
      out << std::string(Gap + widths[c] - text.size(), ' ');
      if (color && row.Cells[c] && row.Cells[c]->Marked)
        out << Green << text << Reset;
      else
        out << text;
    }
    out << '\n';
  }
}

nlohmann::ordered_json JsonRows(std::span<const TStatsRow> rows) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const TStatsRow& row : rows) {
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (const auto& cell : row.Cells) {
      if (cell)
        cells.push_back({{"count", cell->Count}, {"marked", cell->Marked}});
      else
        cells.push_back(nullptr);
    }
    json.push_back({{"row", row.Name}, {"cells", std::move(cells)}});
  }
  return json;
}

void WriteCsv(const TStatsTable& table, std::ostream& out) {
  out << "row";
  for (const char* column : ColumnNames) out << ',' << column << ',' << column << " marked";
  out << '\n';
  for (const TStatsRow& row : table.Rows) {
    // Quoted, so that a spreadsheet keeps "1-12" as text instead of reading a date.
    out << '"' << row.Name << '"';
    for (const auto& cell : row.Cells) {
      if (cell)
        out << ',' << cell->Count << ',' << (cell->Marked ? 1 : 0);
      else
        out << ",,";
    }
    out << '\n';
  }
}

void WriteJson(const TStatsTable& table, std::ostream& out) {
  WriteJsonDocument(
      {{"spins", table.Spins}, {"last", table.Last}, {"columns", ColumnNames}, {"rows", JsonRows(table.Rows)}},
      out);
}

void WriteJsonDocument(const nlohmann::ordered_json& document, std::ostream& out) {
  // Names of files and folders need not be UTF-8; a stray byte becomes U+FFFD instead of an exception.
  out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace cli
