// What the journal does after a failed write: it catches up by the cheapest write that works,
// reports a failure once per kind, and keeps its durability calls in their order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "session/disk_flusher.h"
#include "session/journal.h"
#include "tests/session/file_calls_recorder.h"
#include "tests/session/journal_fixture.h"

namespace session_test {
namespace {

using session::TJournal;
using ::testing::HasSubstr;

using RecoveryTest = TJournalFixture;

bool WaitFor(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!done() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return done();
}

// The recipe: a resumed file in a folder of mode 0500, as an ordinary user. The correction
// cannot be written beside the file; the spins after it still reach the file, and the
// correction follows as soon as the folder takes a new file.
TEST_F(RecoveryTest, ACorrectionThatCannotBeWrittenHoldsNoSpinBack) {
  fs::create_directories(Folder);
  const fs::path path = Folder / "played.txt";
  WriteFile(path, "1\n2\n3\n");
  ASSERT_EQ(::chown(Folder.c_str(), spintrak_test::kNobody, spintrak_test::kNobody), 0);
  ASSERT_EQ(::chown(path.c_str(), spintrak_test::kNobody, spintrak_test::kNobody), 0);
  fs::permissions(Folder, fs::perms(0500));
  TFileCallsRecorder calls;
  spintrak_test::TRunAsOrdinaryUser user;

  TSpins history;
  const std::unique_ptr<TJournal> journal = TJournal::Resume(path.string(), history);
  history.push_back(4);
  EXPECT_EQ(journal->Append(history), std::nullopt);
  history[3] = 5;
  const std::optional<std::string> report = journal->Rewrite(history, 3);
  ASSERT_TRUE(report.has_value());
  EXPECT_THAT(*report, HasSubstr("Permission denied"));
  for (int spin : {6, 7}) {
    history.push_back(spin);
    EXPECT_EQ(journal->Append(history), std::nullopt) << "the same failure again is not reported";
  }
  EXPECT_EQ(ReadFile(path), "1\n2\n3\n4\n6\n7\n") << "every spin, the correction still pending";
  EXPECT_TRUE(journal->CorrectionPending());

  // A failure of another kind is reported again.
  fs::permissions(Folder, fs::perms(0700));
  calls.FailingSyncs = 1;
  history.push_back(8);
  const std::optional<std::string> again = journal->Append(history);
  ASSERT_TRUE(again.has_value());
  EXPECT_THAT(*again, HasSubstr("Input/output error"));
  EXPECT_EQ(ReadFile(path), "1\n2\n3\n4\n6\n7\n8\n");

  history.push_back(9);
  EXPECT_EQ(journal->Append(history), std::nullopt);
  EXPECT_EQ(ReadFile(path), Lines(history));
  EXPECT_FALSE(journal->Behind(history));
  EXPECT_THAT(Entries(Folder), ::testing::ElementsAre("played.txt"));
}

// The recipe of a nearly full disk: room for the new lines, not for a second copy.
TEST_F(RecoveryTest, ANearlyFullDiskTakesTheSpinsAndTheCorrectionLater) {
  fs::create_directories(Folder);
  if (::mount("tmpfs", Folder.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0)
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                 << "); the nearly-full-disk case needs root and a sandbox that allows mounting";
  struct TUnmount {
    fs::path Where;
    ~TUnmount() { ::umount2(Where.c_str(), MNT_DETACH); }
  } unmount{Folder};

  TJournal journal(Folder.string(), Start);
  TSpins history;
  for (int i = 0; i < 8000; ++i) history.push_back(10 + i % 27);  // 24 000 bytes
  ASSERT_EQ(journal.Append(history), std::nullopt);
  {
    std::ofstream filler(Folder / "filler", std::ios::binary);
    while (filler.put('x')) filler.flush();
  }
  // Two pages free again: room for lines, none for a copy of the history.
  fs::resize_file(Folder / "filler", fs::file_size(Folder / "filler") - 8192);

  history[0] = 1;
  const std::optional<std::string> report = journal.Rewrite(history, 0);
  ASSERT_TRUE(report.has_value());
  EXPECT_THAT(*report, HasSubstr("No space left on device"));
  TSpins onDisk = history;
  onDisk[0] = 10;
  for (int i = 0; i < 100; ++i) {
    history.push_back(i % 37);
    onDisk.push_back(i % 37);
    EXPECT_EQ(journal.Append(history), std::nullopt);
  }
  EXPECT_EQ(ReadFile(journal.Path()), Lines(onDisk));

  fs::remove(Folder / "filler");
  history.push_back(17);
  EXPECT_EQ(journal.Append(history), std::nullopt);
  EXPECT_EQ(ReadFile(journal.Path()), Lines(history));
  EXPECT_THAT(Entries(Folder), ::testing::ElementsAre("2026-12-08_21-15-03.txt"));
}

// Folders someone else controls are refused, with the folder named; the journal stays unmade.
TEST_F(RecoveryTest, OnlyFoldersOfTheUsersOwnTakeTheJournal) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a folder to another user";
  const fs::path others = Temp.Path() / "others";
  fs::create_directories(others / "spintrak" / "sessions");
  for (const fs::path& p : {others, others / "spintrak", others / "spintrak" / "sessions"})
    ASSERT_EQ(::chown(p.c_str(), spintrak_test::kNobody, spintrak_test::kNobody), 0);
  struct TCase {
    std::string Name;
    std::function<void(const fs::path& state)> Make;
    std::string Reason;
  };
  const std::vector<TCase> cases = {
      {"open to all",
       [](const fs::path& state) {
         fs::create_directories(state / "spintrak" / "sessions");
         fs::permissions(state / "spintrak" / "sessions", fs::perms(0777));
       },
       "Others may write to the folder \"STATE/spintrak/sessions\""},
      {"linked to another's",
       [&](const fs::path& state) {
         fs::create_directories(state);
         fs::create_directory_symlink(others / "spintrak", state / "spintrak");
       },
       "The folder \"STATE/spintrak\" belongs to another user"},
      {"state linked to another's", [&](const fs::path& state) { fs::create_directory_symlink(others, state); },
       "\"STATE\" is a link to a folder of another user"},
  };
  for (const TCase& c : cases) {
    const fs::path state = Temp.Path() / c.Name;
    c.Make(state);
    TJournal journal((state / "spintrak" / "sessions").string(), Start);
    const std::optional<std::string> report = journal.Append(TSpins{5});
    std::string reason = c.Reason;
    reason.replace(reason.find("STATE"), 5, state.string());
    ASSERT_TRUE(report.has_value()) << c.Name;
    EXPECT_THAT(*report, HasSubstr(reason)) << c.Name;
    EXPECT_FALSE(journal.Exists()) << c.Name;
  }
  EXPECT_TRUE(fs::is_empty(others / "spintrak" / "sessions"));
  // A link to a folder of the user's own is fine.
  fs::create_directories(Temp.Path() / "mine");
  fs::create_directory_symlink(Temp.Path() / "mine", Temp.Path() / "linked");
  TJournal journal((Temp.Path() / "linked" / "spintrak" / "sessions").string(), Start);
  EXPECT_EQ(journal.Append(TSpins{5}), std::nullopt);
}

// A correction killed half-way leaves its new file; the next run removes it once its process
// is gone, and nothing else.
TEST_F(RecoveryTest, TheLeftoverOfAKilledCorrectionIsRemoved) {
  fs::create_directories(Folder);
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = ".2026-12-07_20-00-00.txt." + std::to_string(child) + ".4711";
  const std::string alive = ".2026-12-07_20-00-00.txt." + std::to_string(::getpid()) + ".4711";
  for (const std::string& name :
       {dead, alive, std::string(".notes.txt.1.2"), std::string("2026-12-07_20-00-00.txt")})
    WriteFile(Folder / name, "1\n");
  TJournal journal(Folder.string(), Start);
  ASSERT_EQ(journal.Append(TSpins{3}), std::nullopt);
  EXPECT_THAT(Entries(Folder), ::testing::ElementsAre(alive, ".notes.txt.1.2", "2026-12-07_20-00-00.txt",
                                                      "2026-12-08_21-15-03.txt"));
}

// The durability calls: every entry's line is synced by the flusher; a correction syncs its new
// file before the rename and the folder after it; a failed sync leads to a whole rewrite.
TEST_F(RecoveryTest, EveryEntryIsSyncedAndACorrectionSyncsBeforeItsRename) {
  TFileCallsRecorder calls;
  TJournal journal(Folder.string(), Start);
  const std::string path = (Folder / "2026-12-08_21-15-03.txt").string();
  TSpins history;
  for (int i = 0; i < 3; ++i) {
    // One entry per round, after the flusher went quiet: each must wake it.
    history.push_back(i);
    const std::size_t before = calls.Count("fdatasync");
    ASSERT_EQ(journal.Append(history), std::nullopt);
    EXPECT_TRUE(WaitFor([&] { return calls.Count("fdatasync") > before; })) << "entry " << i;
    ASSERT_TRUE(WaitFor([&] { return journal.Flusher()->Completed() > static_cast<std::uint64_t>(i); }));
  }
  const std::size_t start = calls.Calls().size();
  history[0] = 9;
  ASSERT_EQ(journal.Rewrite(history, 0), std::nullopt);
  ASSERT_TRUE(WaitFor([&] { return calls.Count("fsync") >= 2; }));
  std::vector<std::string> order;
  for (std::size_t i = start; i < calls.Calls().size(); ++i) order.push_back(calls.Calls()[i].Name);
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(order[0], "fdatasync") << "the new file is synced before it takes the name";
  EXPECT_EQ(order[1], "rename");
  EXPECT_THAT(order, ::testing::Contains("fsync")) << "and the folder after it";

  // A flush that fails: the next change writes the whole history again.
  calls.FailingSyncs = 1;
  history.push_back(5);
  ASSERT_EQ(journal.Append(history), std::nullopt);
  ASSERT_TRUE(WaitFor([&] { return calls.FailingSyncs == 0; }));
  const std::uint64_t done = journal.Flusher()->Completed();
  ASSERT_TRUE(WaitFor([&] { return journal.Flusher()->Completed() > done - 1; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const std::size_t renames = calls.Count("rename");
  history.push_back(6);
  EXPECT_EQ(journal.Append(history), std::nullopt);
  EXPECT_EQ(calls.Count("rename"), renames + 1) << "a whole rewrite after the failed flush";
  EXPECT_EQ(ReadFile(path), Lines(history));
}

// The last flush at the end: its failure is told, not dropped.
TEST_F(RecoveryTest, TheFinalFlushsFailureIsTold) {
  TFileCallsRecorder calls;
  TJournal journal(Folder.string(), Start);
  ASSERT_EQ(journal.Append(TSpins{1}), std::nullopt);
  ASSERT_TRUE(WaitFor([&] { return journal.Flusher()->Completed() > 0; }));
  calls.FailingSyncs = 1;
  ASSERT_EQ(journal.Append(TSpins{1, 2}), std::nullopt);
  const std::optional<std::string> error = journal.Close();
  ASSERT_TRUE(error.has_value());
  EXPECT_THAT(*error, HasSubstr("Input/output error"));
}

}  // namespace
}  // namespace session_test
