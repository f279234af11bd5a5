#pragma once
// What the start-up measuring programs read about themselves: the wall clock, to compare with the
// launching script's, and fields of /proc/self/status such as the resident memory.

#include <ctime>
#include <fstream>
#include <string>

namespace e2e {

inline long long NowNs() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The text after "name:" in /proc/self/status, or "?".
inline std::string StatusField(const char* name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(name, 0) == 0) return line.substr(line.find(':') + 1);
  return "?";
}

}  // namespace e2e
