#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "session/sessions.h"
#include "tests/session/journal_fixture.h"

namespace session_test {
namespace {

using ::testing::ElementsAre;

TEST(SessionsFolder, FollowsTheDesktopsStateFolder) {
  struct TCase {
    const char* StateHome;  // null: unset
    const char* Home;
    std::string Folder;
  };
  const std::vector<TCase> cases = {
      {"/x/state", "/home/p", "/x/state/spintrak/sessions"},
      {nullptr, "/home/p", "/home/p/.local/state/spintrak/sessions"},
      {"", "/home/p", "/home/p/.local/state/spintrak/sessions"},
      {"relative/state", "/home/p", "/home/p/.local/state/spintrak/sessions"},
  };
  for (const TCase& c : cases) {
    spintrak_test::TScopedEnv env;
    if (c.StateHome)
      env.Set("XDG_STATE_HOME", c.StateHome);
    else
      env.Unset("XDG_STATE_HOME");
    env.Set("HOME", c.Home);
    EXPECT_EQ(session::SessionsFolder(), c.Folder) << (c.StateHome ? c.StateHome : "(unset)");
  }
}

TEST(SessionsFolder, ListsOnlySessionFilesOldestFirst) {
  spintrak_test::TTempFolder temp;
  const fs::path folder = temp.Path();
  for (const char* name : {"2026-12-08_21-15-03.txt", "2026-12-08_21-15-03-10.txt", "2026-12-08_21-15-03-2.txt",
                           "2025-01-31_09-00-00.txt", "notes.txt", "2026-12-08_21-15-03-1.txt",
                           "2026-12-08_21-15-03.txt~", ".2026-12-08_21-15-03.txt.12.34", "2026-12-8_21-15-03.txt"})
    WriteFile(folder / name, "1\n");
  fs::create_directory(folder / "2024-01-01_00-00-00.txt");
  fs::create_symlink(folder / "notes.txt", folder / "2024-01-02_00-00-00.txt");

  std::vector<std::string> names;
  for (const session::TSessionFile& file : session::ListSessions(folder.string())) names.push_back(file.Name);
  EXPECT_THAT(names, ElementsAre("2025-01-31_09-00-00.txt", "2026-12-08_21-15-03.txt", "2026-12-08_21-15-03-2.txt",
                                 "2026-12-08_21-15-03-10.txt"));
  EXPECT_EQ(session::ListSessions(folder.string())[0].Start, "2025-01-31 09:00:00");
  EXPECT_TRUE(session::ListSessions((folder / "missing").string()).empty());
}

TEST(SessionsFolder, TheMostRecentSessionIsTheOnePlayedLast) {
  spintrak_test::TTempFolder temp;
  const fs::path folder = temp.Path();
  EXPECT_EQ(session::MostRecentSession(folder.string()), std::nullopt);
  WriteFile(folder / "2026-12-07_20-00-00.txt", "1\n");
  WriteFile(folder / "2026-12-08_20-00-00.txt", "1\n");
  EXPECT_EQ(session::MostRecentSession(folder.string())->Name, "2026-12-08_20-00-00.txt");
  // Yesterday's session resumed and played on.
  fs::last_write_time(folder / "2026-12-07_20-00-00.txt",
                      fs::last_write_time(folder / "2026-12-08_20-00-00.txt") + std::chrono::seconds(5));
  EXPECT_EQ(session::MostRecentSession(folder.string())->Name, "2026-12-07_20-00-00.txt");
}

}  // namespace
}  // namespace session_test
