#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "session/journal.h"
#include "session/spin_reader.h"
#include "tests/session/journal_fixture.h"

namespace session_test {
namespace {

using session::TJournal;
using ::testing::HasSubstr;

using ResumeTest = TJournalFixture;

TEST_F(ResumeTest, AGoodFileGoesOnWhereItEnded) {
  struct TCase {
    std::string Content;
    TSpins Spins;
    std::string AfterEntry;       // the file after one more spin, 9
    std::string AfterCorrection;  // the file after that spin is corrected to 10
  };
  const std::vector<TCase> cases = {
      {"7\n0\n32\n", {7, 0, 32}, "7\n0\n32\n9\n", "7\n0\n32\n10\n"},
      // Another program's layout: the new line must not join the last number.
      {"5, 17; 0", {5, 17, 0}, "5, 17; 0\n9\n", "5\n17\n0\n10\n"},
      // A file of CR LF lines gets CR LF lines.
      {"\xEF\xBB\xBF"
       "1\r\n2\r\n",
       {1, 2},
       "\xEF\xBB\xBF"
       "1\r\n2\r\n9\r\n",
       "1\r\n2\r\n10\r\n"},
      {"3\r\n4", {3, 4}, "3\r\n4\r\n9\r\n", "3\r\n4\r\n10\r\n"},
      {"", {}, "9\n", "10\n"},
      // Blanks only: an empty session too.
      {" \n\t\n", {}, " \n\t\n9\n", "10\n"},
  };
  fs::create_directories(Folder);
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const fs::path path = Folder / ("case" + std::to_string(c) + ".txt");
    WriteFile(path, cases[c].Content);
    TSpins history;
    const std::unique_ptr<TJournal> journal = TJournal::Resume(path.string(), history);
    EXPECT_EQ(history, cases[c].Spins) << c;
    history.push_back(9);
    EXPECT_EQ(journal->Append(history), std::nullopt);
    EXPECT_EQ(ReadFile(path), cases[c].AfterEntry) << c;
    // A correction writes one number a line, and keeps the file's mode.
    fs::permissions(path, fs::perms(0640));
    history.back() = 10;
    EXPECT_EQ(journal->Rewrite(history, history.size() - 1), std::nullopt);
    EXPECT_EQ(ReadFile(path), cases[c].AfterCorrection) << c;
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640)) << c;
  }
}

TEST_F(ResumeTest, ABadFileIsRefusedAndLeftUntouched) {
  fs::create_directories(Folder);
  const fs::path good = Folder / "good.txt";
  WriteFile(good, "1\n");
  struct TCase {
    std::string Name;
    std::function<void(const fs::path&)> Make;
    std::string Reason;
  };
  const std::vector<TCase> cases = {
      {"token", [](const fs::path& p) { WriteFile(p, "1\n2\n3x\n4\n"); }, ":3: \"3x\" is not a wheel number"},
      {"double-zero", [](const fs::path& p) { WriteFile(p, "00\n"); }, ":1: \"00\" is not on a single-zero wheel"},
      {"missing", [](const fs::path&) {}, ": No such file or directory"},
      {"link", [&](const fs::path& p) { fs::create_symlink(good, p); }, ": It is a symbolic link"},
      {"fifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }, ": It is not a regular file"},
      {"folder", [](const fs::path& p) { fs::create_directory(p); }, ": It is not a regular file"},
  };
  for (const TCase& c : cases) {
    const fs::path path = Folder / c.Name;
    c.Make(path);
    const std::string before = fs::is_regular_file(path) ? ReadFile(path) : "";
    TSpins history;
    try {
      TJournal::Resume(path.string(), history);
      ADD_FAILURE() << c.Name << " was resumed";
    } catch (const std::exception& e) {
      EXPECT_EQ(std::string(e.what()).find(path.string() + c.Reason), 0u) << e.what();
    }
    EXPECT_TRUE(history.empty()) << c.Name;
    if (fs::is_regular_file(path)) {
      EXPECT_EQ(ReadFile(path), before) << c.Name;
    }
  }
  EXPECT_EQ(ReadFile(good), "1\n");
}

TEST_F(ResumeTest, AnotherUsersFileIsNeverWritten) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
  fs::create_directories(Folder);
  const fs::path path = Folder / "theirs.txt";
  WriteFile(path, "1\n");
  ASSERT_EQ(::chown(path.c_str(), spintrak_test::kNobody, spintrak_test::kNobody), 0);
  TSpins history;
  EXPECT_THROW(TJournal::Resume(path.string(), history), session::TSpinReadError);
  EXPECT_EQ(ReadFile(path), "1\n");
}

TEST_F(ResumeTest, OneWriterPerFile) {
  TJournal first(Folder.string(), Start);
  ASSERT_EQ(first.Append(TSpins{3}), std::nullopt);
  TSpins history;
  EXPECT_THROW(TJournal::Resume(first.Path(), history), session::TJournalBusy);
  EXPECT_TRUE(history.empty());

  // The lock moves with the file when a correction replaces it.
  ASSERT_EQ(first.Rewrite(TSpins{4}), std::nullopt);
  EXPECT_THROW(TJournal::Resume(first.Path(), history), session::TJournalBusy);
  EXPECT_EQ(ReadFile(first.Path()), "4\n");
}

TEST_F(ResumeTest, AFinishedSessionCanBeResumedAgain) {
  std::string path;
  {
    TJournal first(Folder.string(), Start);
    ASSERT_EQ(first.Append(TSpins{3}), std::nullopt);
    path = first.Path();
  }
  TSpins history;
  const auto second = TJournal::Resume(path, history);
  EXPECT_EQ(history, TSpins{3});
  EXPECT_EQ(second->Path(), path);
}

}  // namespace
}  // namespace session_test
