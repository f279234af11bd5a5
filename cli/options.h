#pragma once
// The command line of spintrak-stats.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/table_format.h"

namespace cli {

enum class TColorWhen : std::uint8_t { cwAuto, cwAlways, cwNever };

struct TOptions {
  TOutputFormat Format = TOutputFormat::ofText;
  TColorWhen Color = TColorWhen::cwAuto;
  bool SkipInvalid = false;
  bool Help = false;
  bool Version = false;
  bool Sessions = false;           // list the sessions folder
  bool Last = false;               // read the most recent session
  bool Tables = false;             // list the tables
  std::string Table;               // read this table's sessions; empty: none named
  bool Analysis = false;           // the analysis instead of the table
  std::size_t Window = 0;          // analyse the last this many spins; 0: all of them
  std::string Plot;                // where to draw the analysis; empty: no plot
  std::vector<std::string> Files;  // in the order given; empty means standard input
};

// Reads the arguments after the program name. Options and files may come in any order; "--"
// ends the options and "-" names standard input. Throws cmdline::TUsageError.
TOptions ParseOptions(std::span<const std::string_view> args);

std::string HelpText();

}  // namespace cli
