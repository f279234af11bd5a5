#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/run_stats.h"
#include "tests/app/temp_env.h"
#include "tests/cli/stats_run.h"

namespace cli {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class TTempFile {
 public:
  explicit TTempFile(const std::string& content) {
    static int serial = 0;
    FPath = std::filesystem::temp_directory_path() /
            ("run_stats_test_" + std::to_string(::getpid()) + "_" + std::to_string(serial++) + ".txt");
    std::ofstream(FPath, std::ios::binary) << content;
  }
  ~TTempFile() { std::filesystem::remove(FPath); }
  std::string Path() const { return FPath.string(); }

 private:
  std::filesystem::path FPath;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(RunStats, BadInputPrintsNothingButAnErrorNamingFileLineAndToken) {
  const TTempFile good("1 2 3\n"), bad("4\n5\n5 36 37\n"), empty("");
  const TRun run = Stats({good.Path(), bad.Path()});
  EXPECT_EQ(run.Status, esBadInput);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "spintrak-stats: " + bad.Path() + ":3: \"37\" is not a wheel number (a whole number from 0 to 36)\n");

  const TRun none = Stats({good.Path(), empty.Path()});
  EXPECT_EQ(none.Status, esBadInput);
  EXPECT_EQ(none.Out, "");
  EXPECT_EQ(none.Err, "spintrak-stats: " + empty.Path() + ": holds no spins\n");

  const TRun missing = Stats({good.Path(), good.Path() + ".gone"});
  EXPECT_EQ(missing.Status, esInputOutput);
  EXPECT_EQ(missing.Out, "");
  EXPECT_THAT(missing.Err, HasSubstr(".gone: No such file or directory"));
}

TEST(RunStats, SkippingInvalidTokensWarnsAndCountsTheRest) {
  std::string log = "5\n";
  for (int i = 0; i < 13; ++i) log += "x\n";
  const TTempFile file(log), empty("\n");
  const TRun run = Stats({"--skip-invalid", file.Path(), empty.Path()});
  EXPECT_EQ(run.Status, esOk);
  EXPECT_THAT(run.Out, HasSubstr("Spins: 1\n"));
  const auto warnings = Lines(run.Err);
  ASSERT_EQ(warnings.size(), 11u);
  EXPECT_EQ(warnings[0], "spintrak-stats: warning: " + file.Path() +
                             ":2: \"x\" is not a wheel number (a whole number "
                             "from 0 to 36), left out");
  EXPECT_EQ(warnings[10], "spintrak-stats: warning: 4 more left out");

  const TRun nothing = Stats({"-s", empty.Path()});
  EXPECT_EQ(nothing.Status, esBadInput);
  EXPECT_EQ(nothing.Out, "");
  EXPECT_THAT(nothing.Err, HasSubstr("no spins to count"));
}

TEST(RunStats, FilesFormOneHistoryInTheOrderGiven) {
  const TTempFile older("1,2"), newer("3;4");
  EXPECT_THAT(Stats({older.Path(), "--", newer.Path()}).Out, HasSubstr("Last 4 (newest first): 4 3 2 1\n"));
  EXPECT_THAT(Stats({newer.Path(), older.Path()}).Out, HasSubstr("Last 4 (newest first): 2 1 4 3\n"));
}

TEST(RunStats, TextLinesUpTheDigitsAndColoursOnlyWhereAsked) {
  std::string log;
  for (int i = 0; i < 30; ++i) log += std::to_string(i % 37 == 5 ? 0 : (i * 7) % 37) + "\n";
  const TTempFile file(log);
  const TRun plain = Stats({file.Path()});
  ASSERT_EQ(plain.Status, esOk);
  const auto lines = Lines(plain.Out);
  // The spin count, the strip, a blank line, the header, then 46 rows and two group breaks.
  ASSERT_EQ(lines.size(), 4u + 46u + 2u);
  EXPECT_THAT(lines[3], HasSubstr("last 10   last 20   last 50"));
  for (std::size_t i = 4; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    EXPECT_EQ(lines[i].size(), lines[3].size()) << lines[i];
    // A marked count's closing parenthesis stands where a plain count has its trailing blank.
    for (std::size_t at = lines[i].find(')'); at != std::string::npos; at = lines[i].find(')', at + 1))
      EXPECT_EQ(lines[3][at], ' ') << lines[i];
  }
  EXPECT_THAT(plain.Out, Not(HasSubstr("\x1b[")));

  EXPECT_THAT(Stats({file.Path()}, {.OutputIsTerminal = true}).Out, HasSubstr("\x1b[32m("));
  EXPECT_THAT(Stats({file.Path()}, {.OutputIsTerminal = true, .NoColor = true}).Out, Not(HasSubstr("\x1b[")));
  EXPECT_THAT(Stats({"--color=always", file.Path()}).Out, HasSubstr("\x1b[32m("));
  EXPECT_THAT(Stats({"--color", "never", file.Path()}, {.OutputIsTerminal = true}).Out, Not(HasSubstr("\x1b[")));
}

TEST(RunStats, CsvAndJsonCarryEveryCellWithItsMark) {
  const TTempFile file("5");
  const TRun csv = Stats({"--format=csv", file.Path()});
  ASSERT_EQ(csv.Status, esOk);
  const auto rows = Lines(csv.Out);
  ASSERT_EQ(rows.size(), 47u);
  for (const std::string& row : rows) EXPECT_EQ(std::count(row.begin(), row.end(), ','), 8) << row;
  EXPECT_EQ(rows[1], "\"red\",1,0,,,,,1,0");
  EXPECT_EQ(rows[2], "\"black\",0,1,,,,,0,1");
  EXPECT_EQ(rows[15], "\"5\",1,0,,,,,1,0");

  // The fields of the JSON as it was first written, read from the document as it is now.
  const TRun json = Stats({"-fjson", file.Path()});
  ASSERT_EQ(json.Status, esOk);
  const auto document = nlohmann::json::parse(json.Out);
  EXPECT_EQ(document["spins"], 1);
  EXPECT_EQ(document["last"], nlohmann::json::parse("[5]"));
  EXPECT_EQ(document["columns"], nlohmann::json::parse(R"(["last 10", "last 20", "last 50", "all"])"));
  ASSERT_EQ(document["rows"].size(), 46u);
  EXPECT_EQ(document["rows"][1], nlohmann::json::parse(R"({"row": "black", "cells": [{"count": 0, "marked": true},
                                                         null, null, {"count": 0, "marked": true}]})"));
  EXPECT_EQ(document["rows"][45], nlohmann::json::parse(R"({"row": "36", "cells": [{"count": 0, "marked": true},
                                                          null, null, {"count": 0, "marked": true}]})"));
  EXPECT_EQ(json.Out.back(), '\n');
}

TEST(RunStats, CommandLineConventions) {
  const TRun help = Stats({"--help", "--bogus-after-help-is-still-an-error"});
  EXPECT_EQ(help.Status, esUsage);
  for (const auto& args : {std::vector<std::string>{"--help"}, {"-h"}, {"-sh"}}) {
    const TRun run = Stats(args);
    EXPECT_EQ(run.Status, esOk);
    EXPECT_THAT(run.Out, HasSubstr("Usage: spintrak-stats [OPTION]... [FILE]..."));
    EXPECT_EQ(run.Err, "");
  }
  EXPECT_THAT(Stats({"--version"}).Out, ::testing::MatchesRegex("spintrak-stats [0-9]+\\.[0-9]+.*\n"));

  // An empty value is an error, not the next argument taken as the value; a plot needs a name.
  const TTempFile log("5");
  for (const auto& args : {std::vector<std::string>{"--analysis", "--window=", log.Path()},
                           {"--analysis", "--window=", "7"},
                           {"--plot=", log.Path()},
                           {"--format=", log.Path()}})
    EXPECT_THAT(Stats(args).Err, HasSubstr("is given an empty value")) << args[args.size() - 2];
  for (const auto& args : {std::vector<std::string>{"--format=xml"},
                           {"--format"},
                           {"-x"},
                           {"--help=yes"},
                           {"--color=sometimes"},
                           {"--analysis", "--window=", log.Path()},
                           {"--plot=", log.Path()},
                           {"--format=", log.Path()},
                           {"--plot=.png", log.Path()},
                           {"--plot=out/.svg", log.Path()}}) {
    const TRun run = Stats(args);
    EXPECT_EQ(run.Status, esUsage) << args[0] << ' ' << args.back();
    EXPECT_EQ(run.Out, "");
    EXPECT_THAT(run.Err, HasSubstr("Try 'spintrak-stats --help'"));
  }
}

TEST(RunStats, AnOutputThatCannotBeWrittenIsAnError) {
  const TTempFile file("5");
  std::ostringstream out, err;
  out.setstate(std::ios::badbit);
  const std::string path = file.Path();
  const std::vector<std::string_view> args = {path};
  EXPECT_EQ(RunStats(args, out, err, {}), esInputOutput);
  EXPECT_THAT(err.str(), HasSubstr("cannot write the output"));
}

}  // namespace
}  // namespace cli

namespace cli {
namespace {

// The sessions Spintrak keeps, read back: a private state folder with three sessions.
struct SessionsTest : ::testing::Test {
  spintrak_test::TTempFolder Temp;
  spintrak_test::TScopedEnv Env;
  std::filesystem::path Folder = Temp.Path() / "spintrak" / "sessions";

  SessionsTest() {
    Env.Set("XDG_STATE_HOME", Temp.Path().string());
    std::filesystem::create_directories(Folder);
  }
  void Write(const std::string& name, const std::string& content, int ageSeconds) {
    std::ofstream(Folder / name, std::ios::binary) << content;
    std::filesystem::last_write_time(
        Folder / name, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
  }
};

TEST_F(SessionsTest, ListsEverySessionWithItsStartAndSpins) {
  Write("2026-12-08_21-15-03.txt", "1\n2\n3\n", 30);
  Write("2026-12-08_21-15-03-2.txt", "1\nx\n", 20);
  Write("2026-12-07_09-00-00.txt", "36\n", 10);
  Write("notes.txt", "1\n", 0);
  const TRun text = Stats({"--sessions"});
  EXPECT_EQ(text.Status, esOk);
  EXPECT_EQ(Lines(text.Out),
            (std::vector<std::string>{
                "file                       start                  spins",
                "2026-12-07_09-00-00.txt    2026-12-07 09:00:00          1",
                "2026-12-08_21-15-03.txt    2026-12-08 21:15:03          3",
                "2026-12-08_21-15-03-2.txt  2026-12-08 21:15:03          1  (1 token is not a wheel number)",
            }));
  const TRun csv = Stats({"--sessions", "--format=csv"});
  EXPECT_THAT(csv.Out, HasSubstr("\"2026-12-08_21-15-03-2.txt\",\"2026-12-08 21:15:03\",1,1,\n"));
  const TRun json = Stats({"--sessions", "--format=json"});
  EXPECT_EQ(nlohmann::json::parse(json.Out)["sessions"][0],
            nlohmann::json::parse(R"({"file": "2026-12-07_09-00-00.txt", "start": "2026-12-07 09:00:00",
                                      "spins": 1, "invalid": 0, "table": null})"));
}

TEST_F(SessionsTest, LastReadsTheSessionPlayedLast) {
  Write("2026-12-08_21-15-03.txt", "1\n2\n3\n", 30);
  Write("2026-12-07_09-00-00.txt", "36\n", 10);  // resumed and played on today
  const TRun last = Stats({"--last", "--format=csv"});
  EXPECT_EQ(last.Status, esOk);
  EXPECT_THAT(last.Out, HasSubstr("\"36\",1,0,,,,,1,0"));
}

TEST_F(SessionsTest, WithoutSessions) {
  const TRun list = Stats({"--sessions"});
  EXPECT_EQ(list.Status, esOk);
  EXPECT_EQ(list.Out, "");
  EXPECT_THAT(list.Err, HasSubstr("no sessions in \"" + Folder.string() + "\""));
  const TRun last = Stats({"--last"});
  EXPECT_EQ(last.Status, esInputOutput);
  EXPECT_THAT(last.Err, HasSubstr("no session to read in \"" + Folder.string() + "\""));
}

TEST(RunStatsSessions, OptionsThatDoNotGoTogether) {
  for (const auto& args : {std::vector<std::string>{"--last", "a.txt"},
                           {"--sessions", "a.txt"},
                           {"--sessions", "--last"},
                           {"--last=1"}}) {
    const TRun run = Stats(args);
    EXPECT_EQ(run.Status, esUsage) << args[0] << ' ' << args.back();
    EXPECT_EQ(run.Out, "");
  }
}

// Each file is a session: the wheel's distances run within a file, and a window keeps the
// boundaries that fall inside it.
TEST(RunStats, TheWheelsDistancesStopWhereAFileEnds) {
  const TTempFile first("0 32 15\n"), second("0 26\n");
  const auto pairs = [](const TRun& run) {
    std::int64_t total = 0;
    const auto document = nlohmann::json::parse(run.Out);
    for (const auto& count : document["wheel"]["distances"]["counts"]) total += count.get<int>();
    return total;
  };
  EXPECT_EQ(pairs(Stats({"-a", "-f", "json", first.Path()})), 2);
  EXPECT_EQ(pairs(Stats({"-a", "-f", "json", first.Path(), second.Path()})), 3);             // not 15 -> 0
  EXPECT_EQ(pairs(Stats({"-a", "-f", "json", "-w", "3", first.Path(), second.Path()})), 1);  // 0 -> 26 only
  EXPECT_EQ(pairs(Stats({"-a", "-f", "json", "-w", "2", first.Path(), second.Path()})), 1);
}

}  // namespace
}  // namespace cli
