#include "cli/session_list.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "session/sessions.h"
#include "session/spin_reader.h"

namespace cli {

namespace {

struct TSessionRow {
  std::string Name, Start;
  std::optional<std::size_t> Spins;  // none: the file cannot be read
  std::size_t Bad = 0;               // tokens that are not wheel numbers
};

TSessionRow RowOf(const std::string& folder, const session::TSessionFile& file) {
  TSessionRow row{file.Name, file.Start, std::nullopt, 0};
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

std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string Count(const std::optional<std::size_t>& spins) { return spins ? std::to_string(*spins) : "?"; }

}  // namespace

std::size_t WriteSessionList(const std::string& folder, TOutputFormat format, std::ostream& out) {
  std::vector<TSessionRow> rows;
  for (const session::TSessionFile& file : session::ListSessions(folder)) rows.push_back(RowOf(folder, file));
  switch (format) {
    case TOutputFormat::ofText: {
      if (rows.empty()) break;
      std::size_t nameWidth = 4;
      for (const TSessionRow& row : rows) nameWidth = std::max(nameWidth, row.Name.size());
      out << "file" << std::string(nameWidth - 4 + 2, ' ') << "start                  spins\n";
      for (const TSessionRow& row : rows) {
        char spins[24];
        std::snprintf(spins, sizeof spins, "%10s", Count(row.Spins).c_str());
        out << row.Name << std::string(nameWidth - row.Name.size() + 2, ' ') << row.Start << ' ' << spins;
        if (!row.Spins) out << "  (cannot be read)";
        if (row.Bad > 0)
          out << "  (" << row.Bad << (row.Bad == 1 ? " token is" : " tokens are") << " not a wheel number)";
        out << '\n';
      }
      break;
    }
    case TOutputFormat::ofCsv:
      out << "\"file\",\"start\",\"spins\",\"invalid\"\n";
      for (const TSessionRow& row : rows)
        out << '"' << row.Name << "\",\"" << row.Start << "\"," << (row.Spins ? Count(row.Spins) : "") << ','
            << row.Bad << '\n';
      break;
    case TOutputFormat::ofJson:
      out << "{\n  \"folder\": " << JsonString(folder) << ",\n  \"sessions\": [";
      for (std::size_t i = 0; i < rows.size(); ++i)
        out << (i == 0 ? "\n" : ",\n") << "    {\"file\": \"" << rows[i].Name << "\", \"start\": \""
            << rows[i].Start << "\", \"spins\": " << (rows[i].Spins ? Count(rows[i].Spins) : "null")
            << ", \"invalid\": " << rows[i].Bad << '}';
      out << (rows.empty() ? "]\n}\n" : "\n  ]\n}\n");
      break;
  }
  return rows.size();
}

}  // namespace cli
