// The window with a journal: resumed history shown as if typed, every change in the file before
// it shows, and a session that cannot be resumed leaving the window empty with a new journal.

#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <gmock/gmock.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "app/session_start.h"
#include "dialogs/prompt_form.h"
#include "gui/std/edit.h"
#include "session/journal.h"
#include "session/sessions.h"
#include "stats/display_rules.h"
#include "tests/app/main_form_fixture.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;
using platform::headless::testing::Click;
using platform::headless::testing::DoubleClick;

app::TCommandLine Line(bool resume, std::string file = {}, bool noJournal = false) {
  app::TCommandLine line;
  line.Resume = resume;
  line.ResumeFile = std::move(file);
  line.NoJournal = noJournal;
  return line;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct SessionStartTest : TMainFormFixture {
  SessionStartTest() { Env.Set("XDG_STATE_HOME", (Temp.Path() / "state").string()); }

  fs::path Folder() const { return Temp.Path() / "state" / "spintrak" / "sessions"; }
  std::vector<std::string> Sessions() const {
    std::vector<std::string> names;
    for (const auto& file : session::ListSessions(Folder().string())) names.push_back(file.Name);
    return names;
  }
  std::optional<std::string> Start(app::TCommandLine line) { return app::StartSession(*Form, line); }
  void Correct(std::string_view label, const char* typed) {
    Answer([this, typed](gui::TForm& form) {
      auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
      prompt.Edit()->SetText(typed);
      Click(Host, form, "OK");
    });
    DoubleClick(Host, *Form, label);
  }
};

TEST_F(SessionStartTest, EveryChangeIsInTheFileAndNothingBeforeTheFirstSpin) {
  EXPECT_EQ(Start({}), std::nullopt);
  Host.RunUntilIdle();
  EXPECT_TRUE(Sessions().empty());
  for (const char* n : {"7", "0", "32"}) Enter(n);
  ASSERT_EQ(Sessions().size(), 1u);
  const fs::path file = Folder() / Sessions()[0];
  EXPECT_EQ(ReadFile(file), "7\n0\n32\n");
  Correct("UiLabelLast3", "8");
  EXPECT_EQ(ReadFile(file), "8\n0\n32\n");
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "8");
  EXPECT_EQ(App.ErrorReportCount(), 0);
}

TEST_F(SessionStartTest, NoJournalWritesNothing) {
  EXPECT_EQ(Start(Line(false, {}, true)), std::nullopt);
  for (const char* n : {"7", "0"}) Enter(n);
  EXPECT_FALSE(fs::exists(Temp.Path() / "state"));
}

TEST_F(SessionStartTest, ResumingShowsTheHistoryAsIfTyped) {
  fs::create_directories(Folder());
  std::ofstream(Folder() / "2026-12-07_20-00-00.txt") << "1\n2\n";
  std::ofstream(Folder() / "2026-12-08_20-00-00.txt") << "7\n0\n32\n";
  EXPECT_EQ(Start(Line(true)), std::nullopt);
  Host.RunUntilIdle();
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabel266"), "3");
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "32");
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "7");
  Enter("5");
  EXPECT_EQ(ReadFile(Folder() / "2026-12-08_20-00-00.txt"), "7\n0\n32\n5\n");
  EXPECT_EQ(Sessions().size(), 2u);  // no new file
}

TEST_F(SessionStartTest, ASessionThatCannotBeResumedLeavesTheWindowEmptyWithANewJournal) {
  fs::create_directories(Folder());
  const fs::path bad = Folder() / "bad.txt";
  std::ofstream(bad) << "1\n2\n3x\n";
  const fs::path held = Folder() / "held.txt";
  std::ofstream(held) << "4\n";
  // Another running program keeps this one; a lock taken through another open file description
  // stands for it.
  const int other = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  struct TCase {
    app::TCommandLine Line;
    std::string Report;
  };
  const std::vector<TCase> cases = {
      {Line(true, bad.string()),
       "Cannot resume the session: " + bad.string() + ":3: \"3x\" is not a wheel number"},
      {Line(true, held.string()),
       "Cannot resume the session: " + held.string() + ": another running Spintrak is keeping this session"},
      {Line(true, (Folder() / "none.txt").string()),
       "Cannot resume the session: " + (Folder() / "none.txt").string() + ": No such file or directory"},
  };
  for (const TCase& c : cases) {
    const std::optional<std::string> report = Start(c.Line);
    ASSERT_TRUE(report.has_value());
    EXPECT_THAT(*report, ::testing::StartsWith(c.Report));
    EXPECT_TRUE(Spins().empty());
    ASSERT_NE(Form->Journal(), nullptr);
    EXPECT_FALSE(Form->Journal()->Exists());
  }
  EXPECT_EQ(ReadFile(bad), "1\n2\n3x\n");
  EXPECT_EQ(ReadFile(held), "4\n");
  ::close(other);
}

// Without a journal too, only a regular file is read: a FIFO would block before the window
// opens and a device may never end. A file of blanks is an empty session, as an empty one is.
TEST_F(SessionStartTest, ResumingWithoutAJournalReadsOnlyRegularFiles) {
  fs::create_directories(Folder());
  const fs::path fifo = Folder() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo.string(), std::string("/dev/zero")}) {
    const std::optional<std::string> report = Start(Line(true, path, true));
    ASSERT_TRUE(report.has_value()) << path;
    EXPECT_THAT(*report,
                ::testing::StartsWith("Cannot resume the session: " + path + ": It is not a regular file"));
  }
  for (const bool noJournal : {true, false}) {
    const fs::path blanks = Folder() / "blanks.txt";
    std::ofstream(blanks) << " \n\t\n";
    EXPECT_EQ(Start(Line(true, blanks.string(), noJournal)), std::nullopt) << noJournal;
    EXPECT_TRUE(Spins().empty());
  }
}

TEST_F(SessionStartTest, ResumingWithoutASessionSaysWhere) {
  const std::optional<std::string> report = Start(Line(true));
  ASSERT_TRUE(report.has_value());
  EXPECT_THAT(*report, ::testing::HasSubstr("There is no session to resume in \"" + Folder().string() + "\""));
}

// The window reports a journal that cannot be written once, and behaves as without one.
TEST_F(SessionStartTest, AJournalThatCannotBeWrittenIsReportedOnce) {
  std::ofstream(Temp.Path() / "state") << "in the way";
  EXPECT_EQ(Start({}), std::nullopt);
  std::vector<std::string> reports;
  Answer([&](gui::TForm& form) {
    reports.push_back(form.Caption());
    Click(Host, form, "OK");
  });
  for (const char* n : {"7", "0", "32"}) Enter(n);
  EXPECT_EQ(App.ErrorReportCount(), 1);
  EXPECT_THAT(App.LastErrorReport(),
              ::testing::StartsWith("Cannot write the session journal \"" + (Folder()).string() + "/"));
  EXPECT_THAT(App.LastErrorReport(), ::testing::HasSubstr("\"state\" is not a folder"));
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabel266"), "3");
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "32");
}

}  // namespace
}  // namespace app_test
