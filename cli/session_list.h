#pragma once
// spintrak-stats --sessions: the sessions Spintrak keeps, each with its start and its spins.

#include <ostream>
#include <string>

#include "cli/table_format.h"

namespace cli {

// Writes one line (or object) per session of `folder`, oldest start first. A file that cannot be
// read shows no count; tokens that are not wheel numbers are counted apart. Throws
// std::runtime_error when the folder cannot be read. Returns the number of sessions.
std::size_t WriteSessionList(const std::string& folder, TOutputFormat format, std::ostream& out);

}  // namespace cli
