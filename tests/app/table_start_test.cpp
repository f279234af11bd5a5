// Playing at a table: the window's title names it, the journal goes into the table's folder,
// --resume continues the table's last session, and --ask-table asks for it with the last table
// offered, Cancel playing at no table.

#include <gmock/gmock.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/session_start.h"
#include "cmdline/parser.h"
#include "dialogs/prompt_form.h"
#include "gui/std/edit.h"
#include "platform/headless/headless_window.h"
#include "session/journal.h"
#include "session/sessions.h"
#include "session/tables.h"
#include "tests/app/main_form_fixture.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;
using platform::headless::testing::Click;
using ::testing::HasSubstr;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct TableStartTest : TMainFormFixture {
  TableStartTest() { Env.Set("XDG_STATE_HOME", (Temp.Path() / "state").string()); }

  fs::path Folder() const { return Temp.Path() / "state" / "spintrak" / "sessions"; }
  fs::path TableFolder(const std::string& table) const { return session::TableFolder(Folder().string(), table); }
  std::string Title() const {
    return dynamic_cast<platform::headless::THeadlessWindow&>(*Form->HostWindow()).Title();
  }
  std::optional<std::string> Start(std::vector<std::string_view> args) {
    return app::StartSession(*Form, app::ParseCommandLine(args));
  }
  void Write(const fs::path& file, const std::string& content, int ageSeconds) {
    fs::create_directories(file.parent_path());
    fs::permissions(Folder(), fs::perms(0700));
    std::ofstream(file) << content;
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(ageSeconds));
  }
  // Answers the table's question: the text offered is kept in `offered`; no `typed` cancels.
  void AnswerTable(std::optional<std::string> typed, std::string* offered = nullptr) {
    Answer([this, typed, offered](gui::TForm& form) {
      auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
      if (offered) *offered = prompt.Edit()->Text();
      if (typed) prompt.Edit()->SetText(gui::Utf8ToAnsi(*typed));
      Click(Host, form, typed ? "OK" : "Cancel");
    });
  }
};

TEST_F(TableStartTest, TheTitleNamesTheTableAndTheJournalGoesIntoItsFolder) {
  struct TCase {
    std::string Table, Folder;
  };
  for (const TCase& c : std::vector<TCase>{{"Стол у окна", "Стол у окна"},
                                           {"a/b", "a%2Fb"},
                                           {"..", "%2E."},
                                           {"東京 7", "東京 7"},
                                           {std::string(64, 'x'), std::string(64, 'x')}}) {
    EXPECT_EQ(Start({"--table", c.Table}), std::nullopt) << c.Table;
    EXPECT_EQ(Title(), "Spintrak \u2014 " + c.Table);
    Enter("7");
    const std::vector<session::TSessionFile> files = session::ListSessions((Folder() / c.Folder).string());
    ASSERT_EQ(files.size(), 1u) << c.Table;
    // The window's history so far, written into the new session's file.
    EXPECT_THAT(ReadFile(Folder() / c.Folder / files[0].Name), ::testing::EndsWith("7\n"));
    Form->SetJournal(nullptr);
  }
  EXPECT_TRUE(session::ListSessions(Folder().string()).empty());
  EXPECT_FALSE(fs::exists(Temp.Path() / "state" / "spintrak" / "b"));
}

TEST_F(TableStartTest, WithoutATableTheTitleAndTheFolderAreAsEver) {
  EXPECT_EQ(Start({}), std::nullopt);
  EXPECT_EQ(Title(), "Spintrak");
  Enter("5");
  EXPECT_EQ(session::ListSessions(Folder().string()).size(), 1u);
}

TEST_F(TableStartTest, ResumeContinuesTheTablesLastSession) {
  Write(TableFolder("Б") / "2026-12-01_20-00-00.txt", "1\n", 50);
  Write(TableFolder("Б") / "2026-12-02_20-00-00.txt", "2\n3\n", 40);
  Write(TableFolder("В") / "2026-12-03_20-00-00.txt", "4\n", 30);
  Write(Folder() / "2026-12-04_20-00-00.txt", "5\n", 20);
  EXPECT_EQ(Start({"--table", "Б", "--resume"}), std::nullopt);
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{2, 3}));
  Enter("6");
  EXPECT_EQ(ReadFile(TableFolder("Б") / "2026-12-02_20-00-00.txt"), "2\n3\n6\n");
  Form->SetJournal(nullptr);

  const std::optional<std::string> none = Start({"--table", "Г", "--resume"});
  ASSERT_TRUE(none.has_value());
  EXPECT_THAT(*none, HasSubstr("There is no session of the table \"Г\" to resume"));
  Enter("8");
  EXPECT_EQ(session::ListSessions(TableFolder("Г").string()).size(), 1u);
}

TEST_F(TableStartTest, ATableFolderOthersMayWriteToIsNotResumed) {
  Write(TableFolder("Б") / "2026-12-01_20-00-00.txt", "1\n", 50);
  fs::permissions(TableFolder("Б"), fs::perms(0777));
  const std::optional<std::string> report = Start({"--table", "Б", "--resume"});
  ASSERT_TRUE(report.has_value());
  EXPECT_THAT(*report, HasSubstr("Others may write to the folder \"" + TableFolder("Б").string() + "\""));
  EXPECT_TRUE(Spins().empty());
}

TEST_F(TableStartTest, TheAskedTableIsPlayedAtWithTheLastOneOffered) {
  Write(TableFolder("Стол 1") / "2026-12-01_20-00-00.txt", "1\n", 50);
  Write(TableFolder("Стол 2") / "2026-12-02_20-00-00.txt", "1\n", 10);
  Write(TableFolder("Стол 3") / "2026-12-03_20-00-00.txt", "1\n", 30);
  std::string offered;
  AnswerTable("  Новый стол ", &offered);
  EXPECT_EQ(Start({"--ask-table"}), std::nullopt);
  EXPECT_EQ(Modals, 1);
  EXPECT_EQ(gui::AnsiToUtf8(offered), "Стол 2");
  EXPECT_EQ(Title(), "Spintrak \u2014 Новый стол");
  Enter("9");
  EXPECT_EQ(session::ListSessions(TableFolder("Новый стол").string()).size(), 1u);
}

TEST_F(TableStartTest, TheOfferedTableIsTakenEvenWhereTheCodePageCannotHoldItsName) {
  Write(TableFolder("東京") / "2026-12-01_20-00-00.txt", "1\n", 50);
  std::string offered;
  Answer([&](gui::TForm& form) {
    offered = dynamic_cast<dialogs::TPromptForm&>(form).Edit()->Text();
    Click(Host, form, "OK");
  });
  EXPECT_EQ(Start({"--ask-table", "--resume"}), std::nullopt);
  EXPECT_EQ(offered, "??");
  EXPECT_EQ(Title(), "Spintrak \u2014 東京");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{1}));
}

TEST_F(TableStartTest, CancelOrNoNamePlaysAtNoTable) {
  Write(TableFolder("Стол 1") / "2026-12-01_20-00-00.txt", "1\n", 50);
  for (const std::optional<std::string>& typed :
       {std::optional<std::string>(), std::optional<std::string>("  ")}) {
    AnswerTable(typed);
    EXPECT_EQ(Start({"--ask-table"}), std::nullopt);
    EXPECT_EQ(Title(), "Spintrak");
    Enter("4");
    Form->SetJournal(nullptr);
  }
  EXPECT_EQ(session::ListSessions(Folder().string()).size(), 2u);
  EXPECT_EQ(session::ListSessions(TableFolder("Стол 1").string()).size(), 1u);
}

TEST_F(TableStartTest, AnAskedNameThatCannotBeATablesIsToldAndThePlayGoesOnAtNoTable) {
  AnswerTable(std::string(65, 'x'));
  const std::optional<std::string> report = Start({"--ask-table"});
  ASSERT_TRUE(report.has_value());
  EXPECT_THAT(*report, HasSubstr("Cannot play at that table: a table's name can have at most 64 characters"));
  EXPECT_EQ(Title(), "Spintrak");
  ASSERT_NE(Form->Journal(), nullptr);
  Enter("4");
  EXPECT_EQ(session::ListSessions(Folder().string()).size(), 1u);
}

TEST(TableCommandLine, ANameThatCannotBeATablesIsAMistakeOfTheCommandLine) {
  struct TCase {
    std::vector<std::string_view> Args;
    std::string Reason;
  };
  const std::string tooLong(65, 'x');
  const std::vector<TCase> cases = {
      {{"--table", ""}, "cannot be empty"},
      {{"--table", tooLong}, "at most 64 characters, not 65"},
      {{"--table", "a\tb"}, "control character"},
      {{"--table", "x", "--ask-table"}, "go one at a time"},
      {{"--table", "x", "--resume", "a.txt"}, "--resume FILE goes without a table"},
      {{"--ask-table", "--resume=a.txt"}, "--resume FILE goes without a table"},
  };
  for (const TCase& c : cases) {
    try {
      app::ParseCommandLine(c.Args);
      ADD_FAILURE() << c.Reason;
    } catch (const cmdline::TUsageError& e) {
      EXPECT_THAT(e.what(), HasSubstr(c.Reason));
    }
  }
  EXPECT_EQ(app::ParseCommandLine(std::vector<std::string_view>{"--table", " Стол "}).Table, "Стол");
  EXPECT_TRUE(app::ParseCommandLine(std::vector<std::string_view>{"--ask-table", "--resume"}).AskTable);
}

}  // namespace
}  // namespace app_test
