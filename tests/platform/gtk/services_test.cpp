#include "platform/gtk/services.h"
#include "platform/gtk/environment.h"
#include "platform/gtk/web_view.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace platform::gtk {
namespace {

namespace fs = std::filesystem;

struct TTempDir {
  TTempDir() {
    char pattern[] = "/tmp/spintrak-gtk-XXXXXX";
    Path = mkdtemp(pattern);
  }
  ~TTempDir() { fs::remove_all(Path); }
  fs::path Path;
};

TEST(Environment, DefaultsOnlyWhereTheUserSetNothing) {
  unsetenv("GDK_GL");
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "", 1);
  ApplyEnvironmentDefaults();
  EXPECT_STREQ(getenv("GDK_GL"), "disable");
  EXPECT_STREQ(getenv("WEBKIT_DISABLE_COMPOSITING_MODE"), "") << "an empty value is the user's choice";
  setenv("GDK_GL", "always", 1);
  ApplyEnvironmentDefaults();
  EXPECT_STREQ(getenv("GDK_GL"), "always");
}

TEST(Services, TargetsBecomeAddresses) {
  EXPECT_EQ(TargetToUri("http://example.org/a b"), "http://example.org/a b");
  EXPECT_EQ(TargetToUri("mailto:x@example.org"), "mailto:x@example.org");
  EXPECT_EQ(TargetToUri("/tmp/a b.htm"), "file:///tmp/a%20b.htm");
  EXPECT_EQ(TargetToUri("www.example.org"), "http://www.example.org");
  EXPECT_FALSE(TargetToUri(""));
  EXPECT_FALSE(TargetToUri("abc"));
  EXPECT_FALSE(TargetToUri(" x "));
}

// A desktop entry that handles a private scheme by touching a file proves that the launch went to
// the default handler and did not wait for it.
TEST(Services, OpensWithTheDefaultHandlerAndReportsFailure) {
  TTempDir home;
  const fs::path marker = home.Path / "opened";
  fs::create_directories(home.Path / "applications");
  std::ofstream(home.Path / "applications" / "spintrak-test.desktop")
      << "[Desktop Entry]\nType=Application\nName=Test handler\nExec=sh -c 'sleep 1; echo \"$1\" > "
      << marker.string() << "' sh %u\nMimeType=x-scheme-handler/spintraktest;\n";
  std::ofstream(home.Path / "mimeapps.list")
      << "[Default Applications]\nx-scheme-handler/spintraktest=spintrak-test.desktop\n";
  setenv("XDG_DATA_HOME", home.Path.c_str(), 1);
  setenv("XDG_CONFIG_HOME", home.Path.c_str(), 1);
  setenv("XDG_DATA_DIRS", home.Path.c_str(), 1);

  const auto start = std::chrono::steady_clock::now();
  std::string error;
  ASSERT_TRUE(OpenWithDefaultHandler("spintraktest:page", &error)) << error;
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900))
      << "the launch must not wait for the handler";
  for (int i = 0; i < 100 && !fs::exists(marker); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_TRUE(fs::exists(marker));
  std::string opened;
  std::getline(std::ifstream(marker), opened);
  EXPECT_EQ(opened, "spintraktest:page");

  EXPECT_FALSE(OpenWithDefaultHandler("nosuchscheme:page", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(OpenWithDefaultHandler("relative.htm", &error));
}

TEST(WebView, ReadsThePageTitle) {
  TTempDir dir;
  const fs::path page = dir.Path / "page.htm";
  std::ofstream(page) << "<HTML><HEAD><TITLE>test</TITLE>\r\n</HEAD><BODY></BODY></HTML>\r\n";
  EXPECT_EQ(ReadHtmlTitle(page), "test");
  std::ofstream(page) << "<html><title lang=en>A &amp; B";
  EXPECT_EQ(ReadHtmlTitle(page), "") << "unterminated";
  std::ofstream(page) << "<html><title lang=en>A &amp; B</title>";
  EXPECT_EQ(ReadHtmlTitle(page), "A &amp; B");
  EXPECT_EQ(ReadHtmlTitle(dir.Path / "missing.htm"), "");
}

}  // namespace
}  // namespace platform::gtk
