#pragma once
// spintrak-stats --sessions and --tables: the sessions Spintrak keeps, each with its start, its
// spins and its table, and the tables with their sessions, spins and dates.

#include <optional>
#include <ostream>
#include <string>

#include "cli/table_format.h"

namespace cli {

// Writes one line (or object) per session of `folder` and of its tables: first those played at
// no table, then each table's by its name, each oldest start first; only the table `onlyTable`
// when one is given. A file that cannot be read shows no count; tokens that are not wheel
// numbers are counted apart. Throws std::runtime_error when a folder cannot be read. Returns the
// number of sessions.
std::size_t WriteSessionList(const std::string& folder, TOutputFormat format, std::ostream& out,
                             const std::optional<std::string>& onlyTable = std::nullopt);

// Writes one line (or object) per table of the sessions folder `folder`, by name: its sessions,
// its spins, the start of its oldest session and the last change of any. Returns the number of
// tables.
std::size_t WriteTableList(const std::string& folder, TOutputFormat format, std::ostream& out);

// A text as a CSV field: in quotes, a quote inside doubled.
std::string CsvField(const std::string& text);

}  // namespace cli
