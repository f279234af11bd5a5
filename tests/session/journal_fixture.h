#pragma once
// A private sessions folder and helpers that read what a journal left on disk.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/temp_env.h"

namespace session_test {

using TSpins = std::vector<std::int32_t>;
namespace fs = std::filesystem;

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

// The journal's own format: one number a line.
inline std::string Lines(const TSpins& spins) {
  std::string text;
  for (std::int32_t spin : spins) text += std::to_string(spin) + "\n";
  return text;
}

// Every entry of a folder, hidden ones too, by name.
inline std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct TJournalFixture : ::testing::Test {
  spintrak_test::TTempFolder Temp;
  fs::path Folder = Temp.Path() / "state" / "spintrak" / "sessions";
  // 2026-12-08 21:15:03 in the test's time zone.
  std::time_t Start = [] {
    std::tm local{};
    local.tm_year = 126;
    local.tm_mon = 11;
    local.tm_mday = 8;
    local.tm_hour = 21;
    local.tm_min = 15;
    local.tm_sec = 3;
    local.tm_isdst = -1;
    return std::mktime(&local);
  }();
};

}  // namespace session_test
