#include "cli/session_list.h"

#include <cstdio>
#include <ctime>
#include <vector>

#include "session/sessions.h"
#include "session/spin_reader.h"
#include "session/tables.h"

namespace cli {

namespace {

struct TSessionRow {
  std::string Name, Start;
  std::optional<std::size_t> Spins;  // none: the file cannot be read
  std::size_t Bad = 0;               // tokens that are not wheel numbers
  std::optional<std::string> Table;
  std::int64_t Modified = 0;
};

TSessionRow RowOf(const std::string& folder, const session::TSessionFile& file) {
  TSessionRow row{file.Name, file.Start, std::nullopt, 0, std::nullopt, file.Modified};
  std::vector<std::int32_t> spins;
  try {
    for (const session::TSpinInputError& skipped :
         session::ReadSpins(folder + "/" + file.Name, spins, session::TInvalidTokens::itSkip))
      if (skipped.Line() != 0) ++row.Bad;
    row.Spins = spins.size();
  } catch (const session::TSpinReadError&) {
  }
  return row;
}

std::vector<TSessionRow> RowsOf(const std::string& folder, const std::optional<std::string>& table) {
  std::vector<TSessionRow> rows;
  for (const session::TSessionFile& file : session::ListSessions(folder)) {
    rows.push_back(RowOf(folder, file));
    rows.back().Table = table;
  }
  return rows;
}

std::string Count(const std::optional<std::size_t>& spins) { return spins ? std::to_string(*spins) : "?"; }

// Columns line up by characters, not bytes: a Cyrillic name is as wide as a Latin one.
std::size_t Width(const std::string& text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return width;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

void WriteSessionText(const std::vector<TSessionRow>& rows, std::ostream& out) {
  if (rows.empty()) return;
  std::size_t nameWidth = 4;
  bool tables = false;
  for (const TSessionRow& row : rows) {
    nameWidth = std::max(nameWidth, row.Name.size());
    tables = tables || row.Table.has_value();
  }
  out << Padded("file", nameWidth + 2) << "start                  spins" << (tables ? "  table" : "") << '\n';
  for (const TSessionRow& row : rows) {
    char spins[24];
    std::snprintf(spins, sizeof spins, "%10s", Count(row.Spins).c_str());
    out << Padded(row.Name, nameWidth + 2) << row.Start << ' ' << spins;
    if (tables) out << "  " << (row.Table ? *row.Table : "-");
    if (!row.Spins) out << "  (cannot be read)";
    if (row.Bad > 0)
      out << "  (" << row.Bad << (row.Bad == 1 ? " token is" : " tokens are") << " not a wheel number)";
    out << '\n';
  }
}

std::string LocalTime(std::int64_t nanoseconds) {
  const std::time_t seconds = static_cast<std::time_t>(nanoseconds / 1'000'000'000);
  std::tm local{};
  ::localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace

std::string CsvField(const std::string& text) {
  std::string field = "\"";
  for (const char c : text) field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + '"';
}

std::size_t WriteSessionList(const std::string& folder, TOutputFormat format, std::ostream& out,
                             const std::optional<std::string>& onlyTable) {
  std::vector<TSessionRow> rows;
  if (!onlyTable) rows = RowsOf(folder, std::nullopt);
  for (const session::TTable& table : session::ListTables(folder))
    if (!onlyTable || table.Name == *onlyTable)
      for (TSessionRow& row : RowsOf(table.Folder, table.Name)) rows.push_back(std::move(row));
  switch (format) {
    case TOutputFormat::ofText: WriteSessionText(rows, out); break;
    case TOutputFormat::ofCsv:
      out << "\"file\",\"start\",\"spins\",\"invalid\",\"table\"\n";
      for (const TSessionRow& row : rows)
        out << '"' << row.Name << "\",\"" << row.Start << "\"," << (row.Spins ? Count(row.Spins) : "") << ','
            << row.Bad << ',' << (row.Table ? CsvField(*row.Table) : "") << '\n';
      break;
    case TOutputFormat::ofJson: {
      nlohmann::ordered_json sessions = nlohmann::ordered_json::array();
      for (const TSessionRow& row : rows)
        sessions.push_back({{"file", row.Name},
                            {"start", row.Start},
                            {"spins", row.Spins ? nlohmann::ordered_json(*row.Spins) : nullptr},
                            {"invalid", row.Bad},
                            {"table", row.Table ? nlohmann::ordered_json(*row.Table) : nullptr}});
      WriteJsonDocument({{"folder", folder}, {"sessions", std::move(sessions)}}, out);
      break;
    }
  }
  return rows.size();
}

std::size_t WriteTableList(const std::string& folder, TOutputFormat format, std::ostream& out) {
  struct TTableRow {
    std::string Name, First, Last;
    std::size_t Sessions = 0, Spins = 0, Unreadable = 0;
  };
  std::vector<TTableRow> rows;
  for (const session::TTable& table : session::ListTables(folder)) {
    TTableRow& row = rows.emplace_back(TTableRow{table.Name, "", ""});
    std::int64_t last = 0;
    for (const TSessionRow& session : RowsOf(table.Folder, table.Name)) {
      if (row.First.empty()) row.First = session.Start;
      last = std::max(last, session.Modified);
      ++row.Sessions;
      row.Spins += session.Spins.value_or(0);
      row.Unreadable += !session.Spins.has_value();
    }
    if (row.Sessions > 0) row.Last = LocalTime(last);
  }
  switch (format) {
    case TOutputFormat::ofText: {
      if (rows.empty()) break;
      std::size_t nameWidth = 5;
      for (const TTableRow& row : rows) nameWidth = std::max(nameWidth, Width(row.Name));
      out << Padded("table", nameWidth + 2) << "sessions       spins  first                last\n";
      for (const TTableRow& row : rows) {
        char counts[48];
        std::snprintf(counts, sizeof counts, "%8zu  %10zu", row.Sessions, row.Spins);
        out << Padded(row.Name, nameWidth + 2) << counts << "  " << Padded(row.First.empty() ? "-" : row.First, 19)
            << "  " << (row.Last.empty() ? "-" : row.Last);
        if (row.Unreadable > 0) out << "  (" << row.Unreadable << " cannot be read)";
        out << '\n';
      }
      break;
    }
    case TOutputFormat::ofCsv:
      out << "\"table\",\"sessions\",\"spins\",\"first\",\"last\",\"unreadable\"\n";
      for (const TTableRow& row : rows)
        out << CsvField(row.Name) << ',' << row.Sessions << ',' << row.Spins << ',' << CsvField(row.First) << ','
            << CsvField(row.Last) << ',' << row.Unreadable << '\n';
      break;
    case TOutputFormat::ofJson: {
      nlohmann::ordered_json tables = nlohmann::ordered_json::array();
      auto date = [](const std::string& text) {
        return text.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(text);
      };
      for (const TTableRow& row : rows)
        tables.push_back({{"name", row.Name},
                          {"sessions", row.Sessions},
                          {"spins", row.Spins},
                          {"first", date(row.First)},
                          {"last", date(row.Last)},
                          {"unreadable", row.Unreadable}});
      WriteJsonDocument({{"folder", folder}, {"tables", std::move(tables)}}, out);
      break;
    }
  }
  return rows.size();
}

}  // namespace cli
