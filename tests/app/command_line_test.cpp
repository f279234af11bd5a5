#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/command_line.h"
#include "cmdline/parser.h"

namespace app_test {
namespace {

app::TCommandLine Parse(std::vector<std::string_view> args) { return app::ParseCommandLine(args); }

TEST(CommandLine, ReadsEachOption) {
  struct TCase {
    std::vector<std::string_view> Args;
    bool Help, Version, Resume, NoJournal;
    std::string File;
  };
  const std::vector<TCase> cases = {
      {{}, false, false, false, false, ""},
      {{"--help"}, true, false, false, false, ""},
      {{"-h"}, true, false, false, false, ""},
      {{"-V"}, false, true, false, false, ""},
      {{"--version"}, false, true, false, false, ""},
      {{"--resume"}, false, false, true, false, ""},
      {{"--resume", "a.txt"}, false, false, true, false, "a.txt"},
      {{"--resume=b c.txt"}, false, false, true, false, "b c.txt"},
      {{"--resume", "--no-journal"}, false, false, true, true, ""},
      {{"--no-journal", "--resume", "x"}, false, false, true, true, "x"},
      // Given twice, the last one holds, with its FILE or without one.
      {{"--resume", "a", "--resume"}, false, false, true, false, ""},
      {{"--resume", "--resume", "a"}, false, false, true, false, "a"},
      {{"--no-journal"}, false, false, false, true, ""},
  };
  for (const TCase& c : cases) {
    const app::TCommandLine line = Parse(c.Args);
    const std::string shown = c.Args.empty() ? "(none)" : std::string(c.Args[0]);
    EXPECT_EQ(line.Help, c.Help) << shown;
    EXPECT_EQ(line.Version, c.Version) << shown;
    EXPECT_EQ(line.Resume, c.Resume) << shown;
    EXPECT_EQ(line.NoJournal, c.NoJournal) << shown;
    EXPECT_EQ(line.ResumeFile, c.File) << shown;
  }
}

TEST(CommandLine, TheEntriesCanBeLeftUnannounced) {
  EXPECT_FALSE(Parse({}).NoAnnounce);
  EXPECT_TRUE(Parse({"--no-announce"}).NoAnnounce);
  EXPECT_TRUE(Parse({"--resume", "x", "--no-announce"}).NoAnnounce);
  EXPECT_THROW(Parse({"--no-announce=0"}), cmdline::TUsageError);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::vector<std::vector<std::string_view>> cases = {
      {"--bogus"},
      {"-x"},
      {"file.txt"},
      {"--help", "--bogus"},
      {"--help=yes"},
      {"--no-journal=1"},
      {"--resume", "a", "b"},
      {"--resum"},
      {"--resume="},
      {"--resume=", "file.txt"},
  };
  for (const auto& args : cases) EXPECT_THROW(Parse(args), cmdline::TUsageError) << args.back();
}

TEST(CommandLine, HelpNamesEveryOption) {
  for (const char* option :
       {"--resume [FILE]", "--no-journal", "--no-announce", "--help", "--version", "spintrak/sessions"})
    EXPECT_THAT(app::HelpText(), ::testing::HasSubstr(option));
}

}  // namespace
}  // namespace app_test
