#pragma once
// The whole of spintrak-stats behind its main(), so tests can run it in process.

#include <ostream>
#include <span>
#include <string_view>

#include "cmdline/parser.h"

namespace cli {

// Exit statuses, as the help text lists them.
enum TExitStatus : int { esOk = 0, esBadInput = 1, esUsage = cmdline::kUsageStatus, esInputOutput = 3 };

inline constexpr std::string_view ProgramName = "spintrak-stats";

struct TTerminal {
  bool OutputIsTerminal = false;
  bool NoColor = false;  // NO_COLOR is set
};

// Runs the program on the arguments after its name; writes the result to `out` and messages to
// `err`, and returns the exit status. Nothing reaches `out` unless the whole input was read.
int RunStats(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, TTerminal terminal);

}  // namespace cli
