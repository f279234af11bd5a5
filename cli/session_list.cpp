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
    case TOutputFormat::ofJson: {
      nlohmann::ordered_json sessions = nlohmann::ordered_json::array();
      for (const TSessionRow& row : rows)
        sessions.push_back({{"file", row.Name},
                            {"start", row.Start},
                            {"spins", row.Spins ? nlohmann::ordered_json(*row.Spins) : nullptr},
                            {"invalid", row.Bad}});
      WriteJsonDocument({{"folder", folder}, {"sessions", std::move(sessions)}}, out);
      break;
    }
  }
  return rows.size();
}

}  // namespace cli
