// spintrak-stats: the statistics of Spintrak's window for a whole history of spins at once.

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/run_stats.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const char* noColor = std::getenv("NO_COLOR");
  const cli::TTerminal terminal{isatty(STDOUT_FILENO) == 1, noColor != nullptr && *noColor != '\0'};
  return cli::RunStats(args, std::cout, std::cerr, terminal);
}
