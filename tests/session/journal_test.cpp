#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "session/disk_flusher.h"
#include "session/journal.h"
#include "tests/session/journal_fixture.h"

namespace session_test {
namespace {

using session::TJournal;
using ::testing::ElementsAre;

struct TChange {
  int K;  // 0: an entry of Spin; else the correction of the k-th newest spin to Spin
  std::int32_t Spin;
};

using JournalTest = TJournalFixture;

TEST_F(JournalTest, TheFileEqualsTheHistoryAfterEveryChange) {
  const std::vector<std::vector<TChange>> cases = {
      {{0, 7}, {0, 0}, {0, 32}, {3, 8}, {0, 36}},
      {{0, 5}, {1, 6}, {1, 7}, {0, 1}},
      {{0, 0}, {0, 0}, {2, 36}, {0, 12}, {0, 13}, {1, 14}, {4, 15}},
  };
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const fs::path folder = Folder / std::to_string(c);
    TJournal journal(folder.string(), Start);
    TSpins history;
    for (const TChange& change : cases[c]) {
      if (change.K == 0) {
        history.push_back(change.Spin);
        EXPECT_EQ(journal.Append(history), std::nullopt);
      } else {
        history[history.size() - static_cast<std::size_t>(change.K)] = change.Spin;
        EXPECT_EQ(journal.Rewrite(history), std::nullopt);
      }
      EXPECT_EQ(ReadFile(journal.Path()), Lines(history)) << "case " << c;
      // The rewrite leaves nothing of its own beside the journal.
      EXPECT_THAT(Entries(folder), ElementsAre("2026-12-08_21-15-03.txt")) << "case " << c;
    }
  }
}

TEST_F(JournalTest, NothingIsMadeBeforeTheFirstSpinAndThenOwnerOnly) {
  const mode_t oldMask = ::umask(0);
  {
    TJournal journal(Folder.string(), Start);
    EXPECT_FALSE(journal.Exists());
    EXPECT_FALSE(fs::exists(Temp.Path() / "state"));
    EXPECT_EQ(journal.Append(TSpins{17}), std::nullopt);
  }
  ::umask(oldMask);
  for (const fs::path& folder : {Temp.Path() / "state", Temp.Path() / "state" / "spintrak", Folder})
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
  EXPECT_EQ(fs::status(Folder / "2026-12-08_21-15-03.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(JournalTest, RunsStartedInTheSameSecondTakeSuffixes) {
  std::vector<std::unique_ptr<TJournal>> journals;
  for (int i = 0; i < 3; ++i) {
    journals.push_back(std::make_unique<TJournal>(Folder.string(), Start));
    EXPECT_EQ(journals.back()->Append(TSpins{i}), std::nullopt);
  }
  EXPECT_THAT(Entries(Folder),
              ElementsAre("2026-12-08_21-15-03-2.txt", "2026-12-08_21-15-03-3.txt", "2026-12-08_21-15-03.txt"));
  EXPECT_EQ(ReadFile(Folder / "2026-12-08_21-15-03-3.txt"), "2\n");
}

TEST_F(JournalTest, EachLineIsFlushedToDiskSoonAfterTheEntry) {
  TJournal journal(Folder.string(), Start);
  TSpins history;
  for (int i = 0; i < 5; ++i) {
    history.push_back(i);
    ASSERT_EQ(journal.Append(history), std::nullopt);
    const std::uint64_t before = journal.Flusher()->Completed();
    history.push_back(i + 10);
    ASSERT_EQ(journal.Append(history), std::nullopt);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (journal.Flusher()->Completed() == before && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_GT(journal.Flusher()->Completed(), before) << "entry " << i;
  }
}

// A failure is reported once; a success in between arms the report again. Failures come from the
// file system itself, so they hold for a test that runs as root.
TEST_F(JournalTest, AFailureIsReportedOnceUntilAWriteSucceeds) {
  const fs::path state = Temp.Path() / "state";
  WriteFile(state, "not a folder");
  TJournal journal(Folder.string(), Start);
  const std::string path = (Folder / "2026-12-08_21-15-03.txt").string();

  TSpins history{4};
  EXPECT_EQ(journal.Append(history),
            "Cannot write the session journal \"" + path + "\". \"state\" is not a folder");
  history.push_back(5);
  EXPECT_EQ(journal.Append(history), std::nullopt);
  history[0] = 6;
  EXPECT_EQ(journal.Rewrite(history), std::nullopt);

  fs::remove(state);
  history.push_back(7);
  EXPECT_EQ(journal.Append(history), std::nullopt);
  EXPECT_EQ(ReadFile(path), "6\n5\n7\n");  // all that was missed, written whole

  // The folder goes away under the running journal: a correction cannot be written beside
  // the file, and that is reported; the entry after it is not.
  fs::remove_all(state);
  history[0] = 8;
  const std::optional<std::string> again = journal.Rewrite(history);
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(*again, "Cannot write the session journal \"" + path + "\". No such file or directory");
  history.push_back(9);
  EXPECT_EQ(journal.Append(history), std::nullopt);
}

// A real full disk: a small tmpfs. Mounting needs root and a sandbox that allows it.
TEST_F(JournalTest, AFullDiskLosesNoSpinAndLeavesNoHalfLine) {
  fs::create_directories(Folder);
  if (::mount("tmpfs", Folder.c_str(), "tmpfs", 0, "size=16k,mode=0700") != 0)
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno)
                 << "); the full-disk case needs root and a sandbox that allows mounting";
  struct TUnmount {
    fs::path Where;
    ~TUnmount() { ::umount2(Where.c_str(), MNT_DETACH); }
  } unmount{Folder};

  TJournal journal(Folder.string(), Start);
  TSpins history{1};
  ASSERT_EQ(journal.Append(history), std::nullopt);
  // Fill the disk to the last byte.
  {
    std::ofstream filler(Folder / "filler", std::ios::binary);
    const std::string block(512, 'x');
    while (filler.write(block.data(), 1)) filler.flush();
  }
  // The file's last page still has room; the entries fill it, and then the disk is full.
  int reports = 0;
  std::size_t firstFailure = 0;
  for (int i = 0; i < 20'000 && reports == 0; ++i) {
    history.push_back(10 + i % 27);
    if (journal.Append(history)) {
      ++reports;
      firstFailure = history.size();
    }
  }
  ASSERT_EQ(reports, 1) << "the disk never filled up";
  for (int i = 0; i < 5; ++i) {
    history.push_back(30 + i);
    if (journal.Append(history)) ++reports;
  }
  history[history.size() - 2] = 2;
  if (journal.Rewrite(history)) ++reports;
  EXPECT_EQ(reports, 1);
  // The file holds the history as it was before the disk filled up, with no half line.
  EXPECT_EQ(ReadFile(journal.Path()), Lines(TSpins(history.begin(), history.begin() + (firstFailure - 1))));

  fs::remove(Folder / "filler");
  history.push_back(17);
  EXPECT_EQ(journal.Append(history), std::nullopt);
  EXPECT_EQ(ReadFile(journal.Path()), Lines(history));
  EXPECT_THAT(Entries(Folder), ElementsAre("2026-12-08_21-15-03.txt"));
}

}  // namespace
}  // namespace session_test
