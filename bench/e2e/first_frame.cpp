// Start-up figures of the desktop host: the time from process start to the first frame of a form
// of the main window's client size on screen, and the resident memory at that point (no web view).
// The launching script passes its clock reading in SPINTRAK_LAUNCH_NS (CLOCK_REALTIME, ns).
#include "bench/e2e/process_figures.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/recording_form.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using e2e::NowNs;
using e2e::StatusField;

int main(int argc, char** argv) {
  const long long mainNs = NowNs();
  const char* launch = std::getenv("SPINTRAK_LAUNCH_NS");
  const long long startNs = launch != nullptr ? std::atoll(launch) : mainNs;
  try {
    platform::gtk::TGtkHost::Initialize(&argc, &argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  platform::gtk::TGtkHost host;
  gui::THostWindowParams params;
  params.Title = "Spintrak first frame";
  params.ClientWidth = 1166;
  params.ClientHeight = 741;
  e2e::TRecordingForm form(host, params);
  form.Window().CenterOnScreen();
  bool shown = false;
  static_cast<platform::gtk::TGtkWindow&>(form.Window()).AfterFirstFrame([&shown] { shown = true; });
  form.Window().Show();
  while (!shown) host.ProcessEvents(true);
  // The frame counts once the X server has drawn it.
  gdk_display_sync(gdk_display_get_default());
  const long long frameNs = NowNs();
  std::printf("first frame %.1f ms after launch (%.1f ms after main), resident%s, peak%s\n",
              (frameNs - startNs) / 1e6, (frameNs - mainNs) / 1e6, StatusField("VmRSS").c_str(),
              StatusField("VmHWM").c_str());
  return 0;
}
