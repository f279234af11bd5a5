#include "cmdline/parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace cmdline_test {
namespace {

using cmdline::TOption;
using cmdline::TParser;
using cmdline::TUsageError;
using cmdline::TValueJoin;

constexpr TOption kQuiet{"-q,--quiet", "", "say less"};
constexpr TOption kColor{"--color,--colour", "WHEN", "auto, always\nor never"};
constexpr TOption kFile{"-o,--output", "[FILE]", "write there"};
constexpr TOption kLong{"--a-rather-long-name", "VALUE", "first\nsecond"};

struct TLine {
  bool Quiet = false;
  std::string Color, File;
  std::vector<std::string> Rest;
};

void Declare(TParser& parser, TLine& line) {
  parser.Flag(kQuiet, line.Quiet);
  parser.Value(kColor, line.Color);
  parser.OptionalValue(kFile, line.File);
  parser.Operands(line.Rest);
}

TEST(OptionsHelp, NamesInTheirColumnTheAliasLeftOutTheTextIndented) {
  TLine line;
  TParser parser("prog", TValueJoin::vjEquals);
  Declare(parser, line);
  parser.Value(kLong, line.Color);
  EXPECT_EQ(parser.OptionsHelp(),
            "  -q, --quiet          say less\n"
            "      --color=WHEN     auto, always\n"
            "                       or never\n"
            "  -o, --output=[FILE]  write there\n"
            "      --a-rather-long-name=VALUE\n"
            "                       first\n"
            "                       second\n");
  TParser blank("prog", TValueJoin::vjBlank);
  blank.Value(kColor, line.Color);
  EXPECT_EQ(blank.OptionsHelp(), "      --color WHEN     auto, always\n                       or never\n");
}

TEST(Parser, ReadsTheLastOfARepeatedValueAndOperandsInOrder) {
  struct TCase {
    std::vector<std::string_view> Args;
    bool Quiet;
    std::string Color, File;
    std::vector<std::string> Rest;
    std::size_t FileCount;
  };
  const std::vector<TCase> cases = {
      {{}, false, "", "", {}, 0},
      {{"a", "-q", "b", "c"}, true, "", "", {"a", "b", "c"}, 0},
      {{"--color=x", "--colour", "y"}, false, "y", "", {}, 0},
      {{"-q", "--quiet"}, true, "", "", {}, 0},
      {{"-o"}, false, "", "", {}, 1},
      {{"-o", "f", "-o"}, false, "", "", {}, 2},
      {{"-o", "-o", "f"}, false, "", "f", {}, 2},
      {{"--", "-q"}, false, "", "", {"-q"}, 0},
  };
  for (const TCase& c : cases) {
    TLine line;
    TParser parser("prog", TValueJoin::vjEquals);
    Declare(parser, line);
    parser.Parse(c.Args);
    const std::string shown = c.Args.empty() ? "(none)" : std::string(c.Args[0]);
    EXPECT_EQ(line.Quiet, c.Quiet) << shown;
    EXPECT_EQ(line.Color, c.Color) << shown;
    EXPECT_EQ(line.File, c.File) << shown;
    EXPECT_EQ(line.Rest, c.Rest) << shown;
    EXPECT_EQ(parser.Count(kFile), c.FileCount) << shown;
  }
}

TEST(Parser, RefusesWhatItDoesNotKnowAndValuesForFlags) {
  const std::vector<std::vector<std::string_view>> cases = {
      {"--bogus"}, {"-x"}, {"--quiet=1"}, {"--color"}, {"-h"}};
  for (const auto& args : cases) {
    TLine line;
    TParser parser("prog", TValueJoin::vjEquals);
    Declare(parser, line);
    EXPECT_THROW(parser.Parse(args), TUsageError) << args.front();
  }
}

TEST(CheckedValue, ARefusedValueIsAUsageErrorNamingIt) {
  const auto positive = [](const std::string& text) {
    if (text.starts_with('-')) throw std::invalid_argument("not positive");
    return std::stoi(text);
  };
  EXPECT_EQ(cmdline::CheckedValue("count", "7", positive), 7);
  try {
    cmdline::CheckedValue("count", "-7", positive);
    ADD_FAILURE() << "-7 was taken";
  } catch (const TUsageError& e) {
    EXPECT_STREQ(e.what(), "invalid count '-7': not positive");
  }
  // Only a refusal is the user's fault.
  EXPECT_THROW(cmdline::CheckedValue("count", "99999999999", positive), std::out_of_range);
}

TEST(Reports, AUsageErrorEndsWithTheHintAndAFailedWriteSaysWhy) {
  EXPECT_EQ(cmdline::UsageErrorText("prog", "bad"), "prog: bad\nTry 'prog --help' for more information.\n");
  EXPECT_EQ(cmdline::UsageErrorText("prog", "bad", "Usage: prog\n"),
            "prog: bad\nUsage: prog\nTry 'prog --help' for more information.\n");
  std::ostringstream written;
  EXPECT_EQ(cmdline::WriteText(written, "text\n"), std::nullopt);
  EXPECT_EQ(written.str(), "text\n");
  std::ostringstream refused;
  refused.setstate(std::ios::badbit);
  EXPECT_EQ(cmdline::WriteText(refused, "text\n"), "the stream refused it");
  EXPECT_THAT(cmdline::VersionText("prog"), ::testing::MatchesRegex("prog [0-9]+\\.[0-9]+\n"));
}

}  // namespace
}  // namespace cmdline_test
