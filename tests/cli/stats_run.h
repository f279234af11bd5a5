#pragma once

// spintrak-stats run in the test's own process: its exit status and what it wrote to each stream.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run_stats.h"

namespace cli {

struct TRun {
  int Status;
  std::string Out, Err;
};

inline TRun Stats(std::vector<std::string> args, TTerminal terminal = {}) {
  const std::vector<std::string_view> views(args.begin(), args.end());
  std::ostringstream out, err;
  const int status = RunStats(views, out, err, terminal);
  return {status, out.str(), err.str()};
}

}  // namespace cli
