// Figures of the main window on the desktop (not a test): launch to its first complete frame and
// the resident memory then (the web engine starts only after that frame), the labels one entry
// repaints, and, with --latency, Enter pressed to counter, strip and tables on screen with 1 000
// and 1 000 000 spins in the history. The launching script passes its clock in SPINTRAK_LAUNCH_NS
// (CLOCK_REALTIME). --journal gives the window its session journal as the program does (in
// XDG_STATE_HOME); --resume FILE starts it resumed from FILE, as `spintrak --resume FILE` does.

#include "app/language.h"
#include "app/session_start.h"
#include "app/startup.h"
#include "bench/e2e/process_figures.h"
#include "gui/controls/application.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "session/journal.h"
#include "widgets/label.h"
#include "widgets/numeric_edit.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using e2e::NowNs;
using e2e::StatusField;

GdkWindow* WindowOf(gui::TForm& form) {
  return gtk_widget_get_window(GTK_WIDGET(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget()));
}

// Whether the X server holds the form's buffer inside a rectangle of its client area. At a scale
// factor the shot, like the buffer, holds that many device pixels per logical pixel.
bool ScreenShowsBuffer(gui::TForm& form, const gui::TRect& logical) {
  GdkPixbuf* shot = gdk_pixbuf_get_from_window(WindowOf(form), logical.Left, logical.Top,
                                               logical.Right - logical.Left, logical.Bottom - logical.Top);
  if (shot == nullptr) return false;
  const int s = form.BackBuffer().Scale();
  const gui::TRect r{logical.Left * s, logical.Top * s, logical.Right * s, logical.Bottom * s};
  if (gdk_pixbuf_get_width(shot) != r.Width() || gdk_pixbuf_get_height(shot) != r.Height()) {
    g_object_unref(shot);
    return false;
  }
  const guchar* pixels = gdk_pixbuf_get_pixels(shot);
  const int stride = gdk_pixbuf_get_rowstride(shot), channels = gdk_pixbuf_get_n_channels(shot);
  bool same = true;
  for (int y = r.Top; y < r.Bottom && same; ++y)
    for (int x = r.Left; x < r.Right && same; ++x) {
      const guchar* p = pixels + (y - r.Top) * stride + (x - r.Left) * channels;
      const std::uint32_t expected = form.BackBuffer().ScanLine(y)[x];
      same = p[0] == ((expected >> 16) & 0xFF) && p[1] == ((expected >> 8) & 0xFF) && p[2] == (expected & 0xFF);
    }
  g_object_unref(shot);
  return same;
}

void Pump(gui::TApplication& app) {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
  app.ProcessMessages();
}

// Runs a shell command while the loop goes on, so that the window can answer the window
// manager (taking the focus needs the client's help).
void RunCommand(gui::TApplication& app, const std::string& command) {
  const gchar* argv[] = {"sh", "-c", command.c_str(), nullptr};
  GPid pid = 0;
  if (!g_spawn_async(nullptr, const_cast<gchar**>(argv), nullptr,
                     GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD), nullptr, nullptr, &pid,
                     nullptr))
    return;
  bool done = false;
  g_child_watch_add(
      pid,
      +[](GPid child, gint, gpointer data) {
        g_spawn_close_pid(child);
        *static_cast<bool*>(data) = true;
      },
      &done);
  while (!done) {
    g_main_context_iteration(nullptr, TRUE);
    app.ProcessMessages();
  }
}

// Starts a shell command and returns at once.
void StartCommand(const std::string& command) {
  const gchar* argv[] = {"sh", "-c", command.c_str(), nullptr};
  g_spawn_async(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr,
                nullptr);
}

int LabelPaints(app::TForm1& form) {
  int paints = 0;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* label = dynamic_cast<widgets::TUiLabel*>(form.Components(i))) paints += label->PaintCount();
  return paints;
}

// Enter pressed in the field, 20 times, each time until the server shows the result.
void MeasureEnter(gui::TApplication& app, app::TForm1& form, std::size_t spins) {
  std::vector<std::int32_t> fill(spins - form.History().Length());
  std::mt19937 random(7);
  for (auto& spin : fill) spin = static_cast<std::int32_t>(random() % 37);
  form.PrefillHistory(fill);
  // The journal holds the history before the entries, as in a resumed session.
  if (form.Journal() != nullptr) form.Journal()->Rewrite(form.History().Spins());
  Pump(app);
  std::uint32_t pressed = 0;
  std::chrono::steady_clock::time_point seen, recorded;
  form.UiNumericEdit1->OnKeyDown = [&](gui::TComponent*, std::uint16_t& key, gui::TShiftState) {
    if (key != gui::VK_RETURN) return;
    pressed = gtk_get_current_event_time();
    seen = std::chrono::steady_clock::now();
  };
  // The entry ends by clearing the field: the program's own share of the time.
  form.UiNumericEdit1->OnChange = [&](gui::TComponent*) {
    if (form.UiNumericEdit1->Text().empty()) recorded = std::chrono::steady_clock::now();
  };
  std::vector<double> handling;
  // Below the top band (the banner's page is drawn by the web engine, not from the buffer), and
  // the counter.
  const gui::TRect below{0, 80, form.ClientWidth(), form.ClientHeight()};
  const gui::TRect counter = form.UiLabel266->RectInForm();
  const gui::TRect strip{0, 79, form.ClientWidth(), 108};
  std::vector<std::uint32_t> latencies;
  auto* window = static_cast<platform::gtk::TGtkWindow*>(form.HostWindow());
  std::vector<double> pixels, rectangles, paints, afterHandling;
  for (int i = 0; i < 20; ++i) {
    RunCommand(app, "xdotool type " + std::to_string(i % 37));
    Pump(app);
    const std::size_t before = form.History().Length();
    const platform::gtk::TPaintTally painted = window->Painted();
    StartCommand("xdotool key Return");
    // Every label of an entry reaches the screen in the same frame, so the strip row (small,
    // quick to read back) tells when it arrived; the whole area is compared after the clock is read.
    std::uint32_t arrived = 0;
    for (;;) {
      Pump(app);
      if (form.History().Length() == before || form.HasPendingPaint() || !ScreenShowsBuffer(form, strip)) continue;
      const auto seenOnScreen = std::chrono::steady_clock::now();
      arrived = gdk_x11_get_server_time(WindowOf(form));
      afterHandling.push_back(std::chrono::duration<double, std::milli>(seenOnScreen - recorded).count());
      if (ScreenShowsBuffer(form, below) && ScreenShowsBuffer(form, counter)) break;
    }
    const platform::gtk::TPaintTally& now = window->Painted();
    paints.push_back(static_cast<double>(now.Paints - painted.Paints));
    rectangles.push_back(static_cast<double>(now.Rectangles - painted.Rectangles));
    pixels.push_back(static_cast<double>(now.Pixels - painted.Pixels));
    latencies.push_back(arrived - pressed);
    handling.push_back(std::chrono::duration<double, std::milli>(recorded - seen).count());
  }
  std::sort(handling.begin(), handling.end());
  // The figures include reading the strip row back from the server once, timed here on its own.
  const std::uint32_t readStart = gdk_x11_get_server_time(WindowOf(form));
  ScreenShowsBuffer(form, strip);
  const std::uint32_t readMs = gdk_x11_get_server_time(WindowOf(form)) - readStart;
  std::sort(latencies.begin(), latencies.end());
  std::printf(
      "Enter to counter, strip and tables on screen with %zu spins: median %u ms, slowest %u ms of 20"
      " (one read-back of the strip: %u ms; the program's handling: median %.1f ms, slowest %.1f ms)\n",
      spins, latencies[latencies.size() / 2], latencies.back(), readMs, handling[handling.size() / 2],
      handling.back());
  for (auto* figures : {&paints, &rectangles, &pixels, &afterHandling})
    std::sort(figures->begin(), figures->end());
  std::printf(
      "  presented per entry with %zu spins: median %.0f pixels in %.0f rectangles, %.0f paint(s)"
      " (the whole window: %d pixels); handling done to on screen: median %.1f ms\n",
      spins, pixels[pixels.size() / 2], rectangles[rectangles.size() / 2], paints[paints.size() / 2],
      form.ClientWidth() * form.ClientHeight(), afterHandling[afterHandling.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const long long mainNs = NowNs();
  const char* launch = std::getenv("SPINTRAK_LAUNCH_NS");
  const long long startNs = launch != nullptr ? std::atoll(launch) : mainNs;
  bool latency = false;
  app::TCommandLine session;
  session.NoJournal = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--latency") == 0) latency = true;
    if (std::strcmp(argv[i], "--journal") == 0) session.NoJournal = false;
    if (std::strcmp(argv[i], "--resume") == 0 && i + 1 < argc) {
      session.Resume = true;
      session.NoJournal = false;
      session.ResumeFile = argv[++i];
    }
  }
  platform::gtk::TGtkHost::Initialize(&argc, &argv);
  app::UseLanguageOfEnvironment();
  platform::gtk::TGtkHost host;
  gui::TApplication app(host);
  app::TForm1& form = app::StartUp(app);
  if (const std::optional<std::string> report = app::StartSession(form, session)) {
    std::fprintf(stderr, "%s\n", report->c_str());
    return 1;
  }
  form.Show();
  // The first paint of the window, not the work queued behind it: the banner's engine starts
  // right after that frame, from the loop.
  bool shown = false;
  g_signal_connect_after(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget(), "draw",
                         G_CALLBACK(+[](GtkWidget*, cairo_t*, gpointer done) -> gboolean {
                           *static_cast<bool*>(done) = true;
                           return FALSE;
                         }),
                         &shown);
  while (!shown) host.ProcessEvents(true);
  gdk_display_sync(gdk_display_get_default());
  const long long frameNs = NowNs();
  std::printf(
      "main window%s: first frame %.1f ms after launch (%.1f ms after main), resident%s, peak%s\n",
      session.Resume ? (" resumed with " + std::to_string(form.History().Length()) + " spins").c_str() : "",
      (frameNs - startNs) / 1e6, (frameNs - mainNs) / 1e6, StatusField("VmRSS").c_str(),
      StatusField("VmHWM").c_str());
  std::fflush(stdout);
  if (!latency) return 0;

  Pump(app);
  const std::string xid = std::to_string(GDK_WINDOW_XID(WindowOf(form)));
  RunCommand(app, "xdotool windowactivate --sync " + xid + " windowfocus --sync " + xid);
  // Typed and pressed by separate calls: a key chained after typing in one call gets lost.
  for (const char* n : {"5", "17", "5"})
    RunCommand(app, std::string("xdotool type ") + n + "; xdotool key Return");
  while (form.History().Length() < 3) Pump(app);
  app.Idle();
  const int paints = LabelPaints(form);
  RunCommand(app, "xdotool type 5; xdotool key Return");
  while (form.History().Length() < 4) Pump(app);
  app.Idle();
  std::printf("one entry (5 after 5, 17, 5) repainted %d of 265 labels\n", LabelPaints(form) - paints);

  MeasureEnter(app, form, 1000);
  std::printf("after the entries with 1000 spins: resident%s\n", StatusField("VmRSS").c_str());
  MeasureEnter(app, form, 1000000);
  return 0;
}
