// The banner page: its exact bytes, where it goes, and every kind of entry it refuses to write
// through or over.
#include "app/banner_page.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/app/temp_env.h"

namespace {

namespace fs = std::filesystem;
using app::EBannerWriteError;
using spintrak_test::TScopedEnv;
using spintrak_test::TTempFolder;

constexpr const char* kExpectedPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
    "<HTML><HEAD><TITLE>test</TITLE>\r\n"
    "<META content=\"text/html; charset=UTF8\" http-equiv=Content-Type>\r\n"
    "</HEAD>\r\n"
    "<BODY background=bkgrnd.jpg>\r\n"
    "\r\n"
    "<script type=\"text/javascript\" src=\"http://www.spintrak.example/rtr/1\"></script>\r\n"
    "\r\n"
    "</body>\r\n"
    "</HTML>\r\n";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The error's text, or "" when the write went through.
std::string WriteError(const fs::path& folder) {
  try {
    app::WriteBannerFile(folder.string(), app::kBannerFileName, app::BannerPage());
  } catch (const EBannerWriteError& error) {
    return error.what();
  }
  return {};
}

std::string Refusal(const fs::path& folder, const std::string& reason) {
  return "Cannot create file \"" + (folder / "SKTemp1.htm").string() + "\". " + reason;
}

// Only the entries a test made itself: a refused or finished write leaves nothing of its own.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(BannerPage, IsTheTenLinesEachEndedByCrLf) { EXPECT_EQ(app::BannerPage(), kExpectedPage); }

TEST(BannerPage, IsWrittenOwnerOnlyAndRewrittenWholeNotAppended) {
  TTempFolder folder;
  const fs::path page = folder.Path() / "SKTemp1.htm";
  // An older, longer page of our own, readable by everybody.
  std::ofstream(page) << std::string(4000, 'x');
  fs::permissions(page, fs::perms(0644));
  const mode_t oldMask = ::umask(0);
  const std::string first = WriteError(folder.Path());
  const std::string second = WriteError(folder.Path());
  ::umask(oldMask);
  EXPECT_EQ(first, "");
  EXPECT_EQ(second, "");
  EXPECT_EQ(ReadFile(page), kExpectedPage);
  struct stat info {};
  ASSERT_EQ(::stat(page.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(Entries(folder.Path()), std::vector<std::string>{"SKTemp1.htm"});
}

TEST(BannerPage, RefusesALinkAndLeavesWhatItPointsAtAlone) {
  TTempFolder folder;
  TTempFolder elsewhere;
  const fs::path victim = elsewhere.Path() / "important.txt";
  std::ofstream(victim) << "keep me";
  fs::create_symlink(victim, folder.Path() / "SKTemp1.htm");
  EXPECT_EQ(WriteError(folder.Path()), Refusal(folder.Path(), "It is a symbolic link"));
  EXPECT_EQ(ReadFile(victim), "keep me");
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "SKTemp1.htm"));

  // A dangling link would otherwise create its target.
  TTempFolder dangling;
  fs::create_symlink(elsewhere.Path() / "created.txt", dangling.Path() / "SKTemp1.htm");
  EXPECT_EQ(WriteError(dangling.Path()), Refusal(dangling.Path(), "It is a symbolic link"));
  EXPECT_FALSE(fs::exists(elsewhere.Path() / "created.txt"));
  EXPECT_EQ(Entries(dangling.Path()), std::vector<std::string>{"SKTemp1.htm"});
}

TEST(BannerPage, RefusesAFifoWithoutBlockingAndAFolderInItsPlace) {
  TTempFolder folder;
  ASSERT_EQ(::mkfifo((folder.Path() / "SKTemp1.htm").c_str(), 0600), 0);
  // Opening the FIFO for writing would wait for a reader for ever; the test would time out.
  EXPECT_EQ(WriteError(folder.Path()), Refusal(folder.Path(), "It is not a regular file"));
  EXPECT_TRUE(fs::is_fifo(folder.Path() / "SKTemp1.htm"));

  TTempFolder withFolder;
  fs::create_directory(withFolder.Path() / "SKTemp1.htm");
  EXPECT_EQ(WriteError(withFolder.Path()), Refusal(withFolder.Path(), "It is not a regular file"));
}

TEST(BannerPage, RefusesAnotherUsersFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  TTempFolder folder;
  const fs::path page = folder.Path() / "SKTemp1.htm";
  std::ofstream(page) << "theirs";
  ASSERT_EQ(::chown(page.c_str(), spintrak_test::kNobody, spintrak_test::kNobody), 0);
  EXPECT_EQ(WriteError(folder.Path()), Refusal(folder.Path(), "It belongs to another user"));
  EXPECT_EQ(ReadFile(page), "theirs");
}

TEST(BannerPage, RefusesAMissingOrUnwritableFolderOrAFile) {
  TTempFolder base;
  EXPECT_EQ(WriteError(base.Path() / "missing"), Refusal(base.Path() / "missing", "No such file or directory"));
  std::ofstream(base.Path() / "plain") << "x";
  EXPECT_EQ(WriteError(base.Path() / "plain"), Refusal(base.Path() / "plain", "Not a directory"));

  const fs::path locked = base.Path() / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms(0555));
  {
    // Root writes anywhere; as an ordinary user the folder is closed to us.
    spintrak_test::TRunAsOrdinaryUser ordinary;
    EXPECT_EQ(WriteError(locked), Refusal(locked, "Permission denied"));
  }
  EXPECT_TRUE(Entries(locked).empty());
}

TEST(BannerFolder, IsTheTempVariableInAnyCaseElseTmpdirElseTmp) {
  TScopedEnv env;
  env.ClearTemp();
  env.Set("TMPDIR", "");
  EXPECT_EQ(app::BannerFolder(), "/tmp");
  env.Set("TMPDIR", "/var/tmp/x");
  EXPECT_EQ(app::BannerFolder(), "/var/tmp/x");
  // Set but empty counts as not set: the page never goes to the root folder.
  env.Set("TEMP", "");
  EXPECT_EQ(app::BannerFolder(), "/var/tmp/x");
  env.ClearTemp();
  env.Set("Temp", "/home/u/t");
  EXPECT_EQ(app::BannerFolder(), "/home/u/t");
  EXPECT_EQ(app::BannerPagePath(), "/home/u/t/SKTemp1.htm");
}

}  // namespace
