#pragma once
// The statistics table written out as aligned text, CSV or JSON.

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>
#include <span>

#include "cli/stats_table.h"

namespace cli {

enum class TOutputFormat : std::uint8_t { ofText, ofCsv, ofJson };

// Text for a person: the spin count, the strip of the newest spins, then the table with its
// columns aligned on the digits and the marked counts in parentheses; with `color`, marked
// counts are green and the strip shows each number in its wheel colour.
void WriteText(const TStatsTable& table, std::ostream& out, bool color);

// The rows alone, under a header of the window names, aligned as WriteText aligns them; a blank
// line goes before each row for which `blankBefore` holds.
void WriteTextRows(std::span<const TStatsRow> rows, std::ostream& out, bool color,
                   const std::function<bool(std::size_t)>& blankBefore = {});

// One line per row: the row's name, then for each window its count and 1 when it is marked,
// 0 when not; both empty where the window does not show the column yet.
void WriteCsv(const TStatsTable& table, std::ostream& out);

// {"spins": n, "last": [...], "columns": [...], "rows": [{"row": name, "cells": [{"count": n,
// "marked": bool} or null, ...]}, ...]}
void WriteJson(const TStatsTable& table, std::ostream& out);

// The rows as WriteJson writes them: [{"row": name, "cells": [...]}, ...].
nlohmann::ordered_json JsonRows(std::span<const TStatsRow> rows);

// Every JSON document of the program goes out through here: indented by two, keys in the order
// they were added, one newline at the end.
void WriteJsonDocument(const nlohmann::ordered_json& document, std::ostream& out);

}  // namespace cli
