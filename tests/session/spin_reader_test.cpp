#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "session/spin_reader.h"

namespace session {
namespace {

using TSpins = std::vector<std::int32_t>;

TSpins Parse(std::string_view text, TInvalidTokens invalid = TInvalidTokens::itStop) {
  TSpins spins;
  TSpinParser parser("log", spins, invalid);
  parser.Feed(text);
  parser.Finish();
  return spins;
}

// The error that stopping at the first bad token gives.
TSpinInputError ErrorOf(std::string_view text) {
  try {
    Parse(text);
  } catch (const TSpinInputError& e) {
    return e;
  }
  ADD_FAILURE() << "no error for \"" << text << '"';
  return TSpinInputError("", 0, "", "");
}

TEST(SpinParser, EverySeparatorAndLineEndingSplitsTokens) {
  EXPECT_EQ(Parse("1\n2,3;4 5\t6\r\n7\r8,,; \n\n9"), (TSpins{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Parse("36"), (TSpins{36}));
  EXPECT_EQ(Parse("0 007 36\n"), (TSpins{0, 7, 36}));
}

TEST(SpinParser, ErrorsNameTheLineWhateverTheLineEndings) {
  EXPECT_EQ(ErrorOf("1\n2\n37").Line(), 3u);
  EXPECT_EQ(ErrorOf("1\r\n2\r\nx").Line(), 3u);
  EXPECT_EQ(ErrorOf("1\r2\rx").Line(), 3u);
  EXPECT_EQ(ErrorOf("1\r\n\r\n\n2 3 x").Line(), 4u);
  // A lone CR followed by a token and then LF: two line ends, not one CR LF.
  EXPECT_EQ(ErrorOf("1\r2\nx").Line(), 3u);
  EXPECT_EQ(ErrorOf("\r19\n2 u0").Line(), 3u);
  const TSpinInputError e = ErrorOf("5, 12\n7; 40, 3");
  EXPECT_EQ(e.Source(), "log");
  EXPECT_EQ(e.Token(), "40");
  EXPECT_STREQ(e.what(), "log:2: \"40\" is not a wheel number (a whole number from 0 to 36)");
}

TEST(SpinParser, RefusesEverythingButTheNumbersOfTheWheel) {
  for (const char* bad : {"37", "-1", "+5", "5.0", "1e1", "99999999", "0x1", "five"})
    EXPECT_EQ(ErrorOf(std::string("1 ") + bad + " 2").Token(), bad) << bad;
  // The double-zero pocket must not count as zero.
  EXPECT_EQ(ErrorOf("00").Token(), "00");
  EXPECT_EQ(ErrorOf("000").Token(), "000");
}

TEST(SpinParser, ShowsBinaryAndOverlongTokensSafely) {
  EXPECT_EQ(ErrorOf(std::string("1\x1b[2J\x01", 6)).Token(), "1\\x1B[2J\\x01");
  EXPECT_EQ(ErrorOf("\"\\").Token(), "\\\"\\\\");
}

// A token longer than any wheel number is refused as soon as it is seen, naming its line and
// column, whatever the size of the pieces it comes in; skipping leaves it out whole.
TEST(SpinParser, ALongTokenIsRefusedAtOnceWithItsLineAndColumn) {
  const std::string longToken(5000, '7');
  const TSpinInputError e = ErrorOf("1 2\n3 " + longToken + " 4");
  EXPECT_EQ(e.Line(), 2u);
  EXPECT_EQ(e.Token(), "777777777...");
  EXPECT_STREQ(e.what(),
               "log:2: \"777777777...\" at column 3 is longer than any wheel number (8 characters at most)");
  EXPECT_EQ(Parse("00000007"), TSpins{7});

  TSpins spins;
  TSpinParser parser("log", spins, TInvalidTokens::itStop);
  parser.Feed("5 ");
  for (int i = 0; i < 8; ++i) parser.Feed(std::string(1, '\0'));
  EXPECT_THROW(parser.Feed(std::string(1, '\0')), TSpinInputError) << "the ninth byte, not the end of the token";

  TSpins skipped;
  TSpinParser skipping("log", skipped, TInvalidTokens::itSkip);
  for (const std::string& piece : {std::string("1 "), longToken, longToken, std::string(" 2")})
    skipping.Feed(piece);
  skipping.Finish();
  EXPECT_EQ(skipped, (TSpins{1, 2}));
  EXPECT_EQ(skipping.Skipped().size(), 1u);

  // Wherever the pieces are cut, the same error.
  const std::string text = "1 2\r\n3 " + std::string(12, '7') + " 4";
  for (std::size_t a = 0; a <= text.size(); ++a) {
    TSpins spins;
    TSpinParser parser("log", spins, TInvalidTokens::itSkip);
    parser.Feed(std::string_view(text).substr(0, a));
    parser.Feed(std::string_view(text).substr(a));
    parser.Finish();
    ASSERT_EQ(parser.Skipped().size(), 1u) << a;
    EXPECT_STREQ(parser.Skipped()[0].what(),
                 "log:2: \"777777777...\" at column 3 is longer than any wheel number (8 characters at most)")
        << a;
    EXPECT_EQ(spins, (TSpins{1, 2, 3, 4})) << a;
  }
}

TEST(SpinParser, ALeadingByteOrderMarkIsNoToken) {
  EXPECT_EQ(Parse("\xEF\xBB\xBF"
                  "5\n6"),
            (TSpins{5, 6}));
  EXPECT_EQ(Parse("\xEF\xBB\xBF\n6"), (TSpins{6}));
  EXPECT_EQ(ErrorOf("5 \xEF\xBB\xBF"
                    "6")
                .Token(),
            "\\xEF\\xBB\\xBF6");
}

TEST(SpinParser, ASourceWithoutSpinsIsAnError) {
  for (const char* empty : {"", "\n", " ,; \r\n"}) {
    const TSpinInputError e = ErrorOf(empty);
    EXPECT_EQ(e.Line(), 0u);
    EXPECT_STREQ(e.what(), "log: holds no spins");
  }
}

TEST(SpinParser, SkippingKeepsTheGoodTokensAndListsTheBad) {
  TSpins spins{4};
  TSpinParser parser("log", spins, TInvalidTokens::itSkip);
  parser.Feed("1 x 2\n37,3\n");
  parser.Finish();
  EXPECT_EQ(spins, (TSpins{4, 1, 2, 3}));
  ASSERT_EQ(parser.Skipped().size(), 2u);
  EXPECT_EQ(parser.Skipped()[0].Line(), 1u);
  EXPECT_EQ(parser.Skipped()[1].Token(), "37");
  EXPECT_EQ(parser.Skipped()[1].Line(), 2u);

  TSpins none;
  TSpinParser empty("nothing", none, TInvalidTokens::itSkip);
  empty.Feed("x y");
  empty.Finish();
  EXPECT_TRUE(none.empty());
  ASSERT_EQ(empty.Skipped().size(), 3u);
  EXPECT_STREQ(empty.Skipped()[2].what(), "nothing: holds no spins");
}

// The reader hands the text over in pieces; wherever a piece ends, the result is the same.
TEST(SpinParser, PiecesSplitAnywhereGiveTheSameResult) {
  const std::string text =
      "\xEF\xBB\xBF"
      "12,3\r\n\r\n36;0 7\r19\n2";
  const TSpins whole = Parse(text);
  for (std::size_t a = 0; a <= text.size(); ++a)
    for (std::size_t b = a; b <= text.size(); ++b) {
      TSpins spins;
      TSpinParser parser("log", spins, TInvalidTokens::itStop);
      parser.Feed(std::string_view(text).substr(0, a));
      parser.Feed(std::string_view(text).substr(a, b - a));
      parser.Feed(std::string_view(text).substr(b));
      parser.Finish();
      ASSERT_EQ(spins, whole) << a << ' ' << b;
    }
  const std::string bad = "1\r\n2\r3\n44\n";
  for (std::size_t a = 0; a <= bad.size(); ++a) {
    TSpins spins;
    TSpinParser parser("log", spins, TInvalidTokens::itSkip);
    parser.Feed(std::string_view(bad).substr(0, a));
    parser.Feed(std::string_view(bad).substr(a));
    parser.Finish();
    ASSERT_EQ(parser.Skipped().size(), 1u) << a;
    EXPECT_EQ(parser.Skipped()[0].Line(), 4u) << a;
    EXPECT_EQ(parser.Skipped()[0].Token(), "44") << a;
  }
}

TEST(ReadSpins, ReadsFilesLargerThanOneReadAndReportsUnreadableOnes) {
  const auto path = std::filesystem::temp_directory_path() / ("spin_reader_test_" + std::to_string(::getpid()));
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 400'000; ++i) out << i % 37 << (i % 3 == 0 ? "\r\n" : ",");
  }
  TSpins spins;
  EXPECT_TRUE(ReadSpins(path.string(), spins, TInvalidTokens::itStop).empty());
  ASSERT_EQ(spins.size(), 400'000u);
  for (int i = 0; i < 400'000; ++i) ASSERT_EQ(spins[i], i % 37) << i;
  std::filesystem::remove(path);

  EXPECT_THROW(ReadSpins(path.string(), spins, TInvalidTokens::itSkip), TSpinReadError);
  EXPECT_THROW(ReadSpins(std::filesystem::temp_directory_path().string(), spins, TInvalidTokens::itSkip),
               TSpinReadError);
}

// Endless sources: a device of NUL bytes ends at its first long token; where only a regular file
// will do, a FIFO is refused without waiting for a writer and a device without reading it.
TEST(ReadSpins, EndlessSourcesEndAtOnceAndRegularOnlyRefusesTheRest) {
  TSpins spins;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(ReadSpins("/dev/zero", spins, TInvalidTokens::itStop), TSpinInputError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  const auto fifo = std::filesystem::temp_directory_path() / ("spin_reader_fifo_" + std::to_string(::getpid()));
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo.string(), std::string("/dev/zero")}) {
    try {
      ReadSpins(path, spins, TInvalidTokens::itStop, true);
      ADD_FAILURE() << path << " was read";
    } catch (const TSpinReadError& e) {
      EXPECT_STREQ(e.what(), (path + ": It is not a regular file").c_str());
    }
  }
  std::filesystem::remove(fifo);
  EXPECT_TRUE(spins.empty());
}

}  // namespace
}  // namespace session
