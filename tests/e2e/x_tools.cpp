#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>

#include "gui/graphics/bitmap.h"
#include "platform/gtk/gtk_host.h"
// After the test framework: the X11 headers define macros (None, Bool) that clash with it.
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>

namespace e2e {

TCommandResult Run(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  gchar* out = nullptr;
  gint status = -1;
  GError* error = nullptr;
  TCommandResult result;
  if (!g_spawn_sync(nullptr, args.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, &out, nullptr, &status,
                    &error)) {
    result.Output = error->message;
    g_error_free(error);
    return result;
  }
  result.ExitCode =
      g_spawn_check_wait_status(status, nullptr) ? 0 : (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  result.Output = out != nullptr ? out : "";
  g_free(out);
  return result;
}

namespace {
int Running = 0;
}

void Start(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  GPid pid = 0;
  GError* error = nullptr;
  if (!g_spawn_async(nullptr, args.data(), nullptr, GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD),
                     nullptr, nullptr, &pid, &error)) {
    ADD_FAILURE() << argv[0] << ": " << error->message;
    g_error_free(error);
    return;
  }
  ++Running;
  g_child_watch_add(
      pid,
      +[](GPid child, gint, gpointer) {
        g_spawn_close_pid(child);
        --Running;
      },
      nullptr);
}

bool WaitForStarted() {
  return WaitUntil([] { return Running == 0; });
}

std::string RunOk(const std::vector<std::string>& argv) {
  TCommandResult r = Run(argv);
  std::string line;
  for (const auto& a : argv) line += a + " ";
  EXPECT_EQ(r.ExitCode, 0) << line << "\n" << r.Output;
  return r.Output;
}

namespace {
std::function<void()> Pump;
}

void SetPump(std::function<void()> pump) { Pump = std::move(pump); }

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (Pump) Pump();
    if (done()) break;
    if (std::chrono::steady_clock::now() > deadline) return false;
    // Wakes at least every 10 ms so a condition that changes outside the loop is seen.
    bool fired = false;
    const guint tick = g_timeout_add(
        10,
        +[](gpointer data) -> gboolean {
          *static_cast<bool*>(data) = true;
          return G_SOURCE_REMOVE;
        },
        &fired);
    g_main_context_iteration(nullptr, TRUE);
    if (!fired) g_source_remove(tick);
  }
  return true;
}

void Settle() {
  for (int round = 0; round < 2; ++round) {
    if (Pump) Pump();
    gdk_display_sync(gdk_display_get_default());
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
  }
  gdk_display_sync(gdk_display_get_default());
}

std::string Xid(GtkWindow* window) {
  return std::to_string(gdk_x11_window_get_xid(gtk_widget_get_window(GTK_WIDGET(window))));
}

TGeometry ClientGeometry(const std::string& xid) {
  const std::string info = RunOk({"xwininfo", "-id", xid});
  auto field = [&info](const char* name) {
    std::smatch m;
    const std::regex re(std::string(name) + ":\\s+(-?\\d+)");
    return std::regex_search(info, m, re) ? std::stoi(m[1]) : -99999;
  };
  return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")};
}

std::string WindowState(const std::string& xid) { return RunOk({"xprop", "-id", xid, "_NET_WM_STATE"}); }

bool WaitForKeptAbove(const std::string& xid, bool above) {
  return WaitUntil([&] {
    Settle();
    return (WindowState(xid).find("_NET_WM_STATE_ABOVE") != std::string::npos) == above;
  });
}

void Focus(const std::string& xid) {
  RunOk({"xdotool", "windowactivate", "--sync", xid});
  RunOk({"xdotool", "windowfocus", "--sync", xid});
  Settle();
}

long ScreenDifference(const std::string& xid, const std::string& png, const std::vector<gui::TRect>& except) {
  const std::string shot = TempDir() + "/shot-" + xid + ".png";
  RunOk({"import", "-window", xid, shot});
  if (!except.empty()) {
    std::vector<std::string> mask = {"-fill", "black"};
    for (const gui::TRect& r : except) {
      mask.push_back("-draw");
      mask.push_back("rectangle " + std::to_string(r.Left) + "," + std::to_string(r.Top) + " " +
                     std::to_string(r.Right - 1) + "," + std::to_string(r.Bottom - 1));
    }
    for (const std::string& file : {shot, png}) {
      std::vector<std::string> command = {"convert", file};
      command.insert(command.end(), mask.begin(), mask.end());
      command.push_back(file);
      RunOk(command);
    }
  }
  // compare prints the count of differing pixels on stderr and exits 1 when there are any.
  const std::string command = "compare -metric AE '" + shot + "' '" + png + "' null: 2>&1";
  TCommandResult r = Run({"sh", "-c", command});
  try {
    return std::stol(r.Output);
  } catch (...) {
    ADD_FAILURE() << "compare: " << r.Output;
    return -1;
  }
}

long WaitForScreenToShow(const std::string& xid, const gui::TBitmap& buffer,
                         const std::vector<gui::TRect>& except) {
  const std::string png = TempDir() + "/buffer-" + xid + ".png";
  long difference = -1;
  WaitUntil([&] {
    Settle();
    buffer.SaveToFile(png);
    difference = ScreenDifference(xid, png, except);
    return difference == 0;
  });
  return difference;
}

namespace {
std::string TheTempDir;
}

std::string TempDir() {
  if (TheTempDir.empty()) {
    std::string pattern = std::string(g_get_tmp_dir()) + "/spintrak-e2e-XXXXXX";
    TheTempDir = g_mkdtemp(pattern.data());
  }
  return TheTempDir;
}

void RemoveTempDir() {
  if (!TheTempDir.empty()) std::filesystem::remove_all(TheTempDir);
  TheTempDir.clear();
}

platform::gtk::TGtkHost* Host = nullptr;

int RunTests(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  try {
    platform::gtk::TGtkHost::Initialize(&argc, &argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  platform::gtk::TGtkHost host;
  Host = &host;
  const int result = RUN_ALL_TESTS();
  Host = nullptr;
  RemoveTempDir();
  return result;
}

}  // namespace e2e
