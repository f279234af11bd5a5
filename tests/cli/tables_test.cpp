// spintrak-stats and the tables: a table's sessions read as one history oldest first, each a
// session of its own, the tables listed, and the sessions listed with their tables.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/run_stats.h"
#include "session/tables.h"
#include "tests/app/temp_env.h"
#include "tests/cli/stats_run.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct TablesTest : ::testing::Test {
  spintrak_test::TTempFolder Temp;
  spintrak_test::TScopedEnv Env;
  fs::path Folder = Temp.Path() / "spintrak" / "sessions";

  TablesTest() {
    Env.Set("XDG_STATE_HOME", Temp.Path().string());
    fs::create_directories(Folder);
  }
  // A session of `table` (none: outside any table), changed `ageSeconds` ago.
  void Write(const std::string& table, const std::string& name, const std::string& content, int ageSeconds) {
    const fs::path folder = table.empty() ? Folder : fs::path(session::TableFolder(Folder.string(), table));
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << content;
    fs::last_write_time(folder / name, fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
  }
  static std::int64_t Distances(const TRun& run) {
    std::int64_t total = 0;
    const auto document = nlohmann::json::parse(run.Out);
    for (const auto& count : document["wheel"]["distances"]["counts"]) total += count.get<int>();
    return total;
  }
};

// Oldest start first whatever was changed last; the distances stop where a session ends; a
// session whose spins were all taken back is empty, not an error.
TEST_F(TablesTest, ATablesSessionsAreOneHistoryOldestFirst) {
  Write("Стол у окна", "2026-12-01_20-00-00.txt", "1 1 1 1 1 1 1 1 1 1\n", 0);
  Write("Стол у окна", "2026-12-01_20-00-00-2.txt", "", 0);
  Write("Стол у окна", "2026-12-02_20-00-00.txt", "2 2 2 2 2 2 2 2 2 2\n", 100);
  Write("", "2026-12-03_20-00-00.txt", "3\n", 0);
  Write("other", "2026-12-03_20-00-00.txt", "4\n", 0);
  const TRun table = Stats({"--table", "Стол у окна", "--format=csv"});
  EXPECT_EQ(table.Status, esOk) << table.Err;
  EXPECT_EQ(table.Err, "");
  EXPECT_THAT(table.Out, HasSubstr("\n\"2\",10,"));
  EXPECT_THAT(table.Out, HasSubstr("\n\"1\",0,"));
  EXPECT_THAT(table.Out, HasSubstr("\n\"3\",0,"));
  // Nine steps of 0 in each session; none from the last 1 to the first 2.
  EXPECT_EQ(Distances(Stats({"--table=Стол у окна", "-a", "-f", "json"})), 18);
}

TEST_F(TablesTest, ATablesSessionWithABadTokenStopsTheReadingNamingIt) {
  Write("a/b", "2026-12-01_20-00-00.txt", "1\n", 0);
  Write("a/b", "2026-12-02_20-00-00.txt", "5\n37\n", 0);
  const TRun run = Stats({"--table", "a/b"});
  EXPECT_EQ(run.Status, esBadInput);
  EXPECT_THAT(run.Err, HasSubstr("a%2Fb/2026-12-02_20-00-00.txt:2: \"37\" is not a wheel number"));
  EXPECT_EQ(Stats({"--table", "a/b", "-s"}).Status, esOk);
}

TEST_F(TablesTest, TheTablesAreListedWithTheirSessionsSpinsAndDates) {
  Write("Стол 1", "2026-12-01_20-00-00.txt", "1 2 3\n", 0);
  Write("Стол 1", "2026-12-05_20-00-00.txt", "4\n", 0);
  Write("\"x\", y", "2026-12-02_21-00-00.txt", "5 6\n", 0);
  Write("..", "2026-12-03_22-00-00.txt", "7\n", 0);
  Write("", "2026-12-04_20-00-00.txt", "8\n", 0);
  const TRun text = Stats({"--tables"});
  EXPECT_EQ(text.Status, esOk);
  const std::string today = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char day[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", &local);
    return std::string(day);
  }();
  const std::string last = "  " + today + " ";
  EXPECT_EQ(text.Out.substr(0, text.Out.find('\n')), "table   sessions       spins  first                last");
  EXPECT_THAT(text.Out, HasSubstr("\n\"x\", y         1           2  2026-12-02 21:00:00" + last));
  EXPECT_THAT(text.Out, HasSubstr("\n..             1           1  2026-12-03 22:00:00" + last));
  EXPECT_THAT(text.Out, HasSubstr("\nСтол 1         2           4  2026-12-01 20:00:00" + last));
  EXPECT_LT(text.Out.find("\n.."), text.Out.find("\nСтол"));
  const TRun csv = Stats({"--tables", "--format=csv"});
  EXPECT_THAT(csv.Out, HasSubstr("\n\"\"\"x\"\", y\",1,2,\"2026-12-02 21:00:00\",\"" + today));
  const auto json = nlohmann::json::parse(Stats({"--tables", "-f", "json"}).Out);
  ASSERT_EQ(json["tables"].size(), 3u);
  EXPECT_EQ(json["tables"][2]["name"], "Стол 1");
  EXPECT_EQ(json["tables"][2]["sessions"], 2);
  EXPECT_EQ(json["tables"][2]["spins"], 4);
  EXPECT_EQ(json["tables"][2]["first"], "2026-12-01 20:00:00");
}

TEST_F(TablesTest, EverySessionIsListedWithItsTable) {
  Write("", "2026-12-04_20-00-00.txt", "8\n", 0);
  Write("Стол 1", "2026-12-01_20-00-00.txt", "1 2 3\n", 0);
  const TRun text = Stats({"--sessions"});
  EXPECT_THAT(text.Out, HasSubstr("2026-12-04_20-00-00.txt  2026-12-04 20:00:00          1  -\n"));
  EXPECT_THAT(text.Out, HasSubstr("2026-12-01_20-00-00.txt  2026-12-01 20:00:00          3  Стол 1\n"));
  const auto json = nlohmann::json::parse(Stats({"--sessions", "-f", "json"}).Out);
  EXPECT_EQ(json["sessions"][0]["table"], nullptr);
  EXPECT_EQ(json["sessions"][1]["table"], "Стол 1");
  const TRun one = Stats({"--sessions", "--table", "Стол 1", "-f", "csv"});
  EXPECT_EQ(one.Out,
            "\"file\",\"start\",\"spins\",\"invalid\",\"table\"\n"
            "\"2026-12-01_20-00-00.txt\",\"2026-12-01 20:00:00\",3,0,\"Стол 1\"\n");
}

TEST_F(TablesTest, ANameThatCannotBeATablesIsAMistakeOfTheCommandLine) {
  Write("x", "2026-12-01_20-00-00.txt", "1\n", 0);
  for (const auto& args : {std::vector<std::string>{"--table", ""},
                           {"--table", std::string(65, 'x')},
                           {"--table", "a\nb"},
                           {"--table", "x", "file.txt"},
                           {"--table", "x", "--last"},
                           {"--tables", "--analysis"},
                           {"--tables", "--table", "x"},
                           {"--tables", "file.txt"}}) {
    const TRun run = Stats(args);
    EXPECT_EQ(run.Status, esUsage) << args[1];
    EXPECT_EQ(run.Out, "");
  }
  EXPECT_THAT(Stats({"--table", std::string(65, 'x')}).Err, HasSubstr("at most 64 characters"));
  const TRun none = Stats({"--table", "y"});
  EXPECT_EQ(none.Status, esInputOutput);
  EXPECT_THAT(none.Err, HasSubstr("no session of the table \"y\""));
  EXPECT_EQ(Stats({"--table", std::string(64, 'x')}).Status, esInputOutput);
}

}  // namespace
}  // namespace cli
