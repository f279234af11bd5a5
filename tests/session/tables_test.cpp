// Tables: any name a player types makes a folder of its own that reads back as that name, a name
// that cannot be used is refused with its reason, and a table's folder is checked as the
// sessions folder is.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "session/journal.h"
#include "session/tables.h"
#include "tests/session/journal_fixture.h"

namespace session_test {
namespace {

using ::testing::HasSubstr;
using namespace session;

std::string Repeat(std::string_view piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(TableName, EveryNameAPlayerTypesGetsAFolderThatReadsBack) {
  struct TCase {
    std::string Name, Folder, Kept;
  };
  const std::vector<TCase> cases = {
      {"Casino Royal 3", "Casino Royal 3", "Casino Royal 3"},
      {"  Стол у окна ", "Стол у окна", "Стол у окна"},
      {"a/b", "a%2Fb", "a/b"},
      {"..", "%2E.", ".."},
      {".", "%2E", "."},
      {"../etc", "%2E.%2Fetc", "../etc"},
      {".hidden", "%2Ehidden", ".hidden"},
      {"100%", "100%25", "100%"},
      {"%2F", "%252F", "%2F"},
      {"a.b..", "a.b..", "a.b.."},
      {Repeat("x", 64), Repeat("x", 64), Repeat("x", 64)},
      {Repeat("ж", 64), Repeat("ж", 64), Repeat("ж", 64)},
      {Repeat("/", 64), Repeat("%2F", 64), Repeat("/", 64)},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(CheckTableName(c.Name), c.Kept) << c.Name;
    EXPECT_EQ(TableFolderName(c.Name), c.Folder) << c.Name;
    EXPECT_EQ(TableOfFolderName(c.Folder), c.Kept) << c.Name;
    EXPECT_EQ(CheckUsableTableName(c.Name), c.Kept) << c.Name;
  }
}

TEST(TableName, ANameThatCannotBeAFolderIsRefusedWithItsReason) {
  struct TCase {
    std::string Name, Reason;
  };
  const std::vector<TCase> cases = {
      {"", "cannot be empty"},
      {"   ", "cannot be empty"},
      {Repeat("x", 65), "at most 64 characters, not 65"},
      {Repeat("ж", 65), "at most 64 characters, not 65"},
      {"a\nb", "control character"},
      {"a\tb", "control character"},
      {std::string("a\0b", 3), "control character"},
      {"a\x7f", "control character"},
      {"a\xc2\x85", "control character"},
      {"a\xff", "must be UTF-8"},
      {"\xc0\xaf", "must be UTF-8"},      // an overlong "/"
      {"\xed\xa0\x80", "must be UTF-8"},  // a surrogate
      {"\xd0", "must be UTF-8"},          // cut short
      {Repeat("\xf0\x9f\x8e\xb2", 64), "too long for a folder name"},
  };
  for (const TCase& c : cases) {
    for (const auto check : {TableFolderName, CheckUsableTableName}) {
      try {
        check(c.Name);
        ADD_FAILURE() << c.Name << " was taken";
      } catch (const TTableNameError& e) {
        EXPECT_THAT(e.what(), HasSubstr(c.Reason)) << c.Name;
      }
    }
  }
}

TEST(TableName, OnlyTheFoldersTablesMakeAreTables) {
  for (const char* folder : {".", "..", ".git", "a/b", "50%", "%2f", "%2", "%41", " x", "x ", "%0A"})
    EXPECT_EQ(TableOfFolderName(folder), std::nullopt) << folder;
}

TEST(Tables, ListedByNameAndTheLastPlayedFound) {
  spintrak_test::TTempFolder temp;
  const fs::path sessions = temp.Path();
  for (const char* name : {"Б", "a%2Fb", "%2E.", ".hidden", "50%"}) fs::create_directory(sessions / name);
  WriteFile(sessions / "2026-12-08_21-15-03.txt", "1\n");
  fs::create_directory_symlink(sessions / "Б", sessions / "link");
  std::vector<std::string> names;
  for (const TTable& table : ListTables(sessions.string())) names.push_back(table.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"..", "a/b", "Б"}));
  EXPECT_EQ(LastTable(sessions.string()), std::nullopt);
  WriteFile(sessions / "a%2Fb" / "2026-12-01_20-00-00.txt", "2\n");
  WriteFile(sessions / "Б" / "2026-12-02_20-00-00.txt", "3\n");
  fs::last_write_time(sessions / "a%2Fb" / "2026-12-01_20-00-00.txt",
                      fs::file_time_type::clock::now() + std::chrono::seconds(5));
  EXPECT_EQ(LastTable(sessions.string()), "a/b");
  EXPECT_EQ(ListTables((sessions / "none").string()).size(), 0u);
}

// The table's folder, the sessions folder and the state folder must all be the user's alone.
TEST_F(TJournalFixture, AJournalAtATableChecksItsFolderAsTheSessionsFolder) {
  const fs::path table = Folder / TableFolderName("a/b");
  for (const fs::path& open : {table, Folder, Folder.parent_path()}) {
    fs::remove_all(Temp.Path() / "state");
    fs::create_directories(table);
    fs::permissions(open, fs::perms(0777));
    TJournal journal(table.string(), Start, true);
    const std::optional<std::string> report = journal.Append(TSpins{5});
    ASSERT_TRUE(report.has_value()) << open;
    EXPECT_THAT(*report, HasSubstr("Others may write to the folder \"" + open.string() + "\"")) << open;
    EXPECT_TRUE(fs::is_empty(table)) << open;
  }
  fs::remove_all(Temp.Path() / "state");
  TJournal journal(table.string(), Start, true);
  EXPECT_EQ(journal.Append(TSpins{5}), std::nullopt);
  EXPECT_EQ(ReadFile(journal.Path()), "5\n");
  EXPECT_EQ(fs::status(table).permissions(), fs::perms(0700));
}

}  // namespace
}  // namespace session_test
