// Figures of the banner pane on the desktop host, read by measure.sh: a form of the main window's
// size with the pane where the main window has it, the activation step run, the page loaded.
// Then, with --about N, N rounds of the about box opened and closed by its OK button, timing
// each close until the form is active again with the entry focused and the window holds the
// desktop's focus. Prints "ready" once the page is up, then waits for its standard input to close
// (the script reads the memory of the processes meanwhile). --engine-defaults makes the pane
// with the engine's own settings instead of ours.
#include "app/about_box.h"
#include "app/banner_pane.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/panel.h"
#include "gui/std/web_browser.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_web_view.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/signal.h"
#include "platform/gtk/web_engine.h"
#include "tests/e2e/form_controls.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

bool WindowHasFocus(gui::TForm& form) {
  return gtk_window_has_toplevel_focus(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget());
}

}  // namespace

int main(int argc, char** argv) {
  int aboutRounds = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--engine-defaults") == 0) platform::gtk::UseWebEngineDefaults(true);
    if (std::strcmp(argv[i], "--about") == 0 && i + 1 < argc) aboutRounds = std::atoi(argv[++i]);
  }
  try {
    platform::gtk::TGtkHost::Initialize(&argc, &argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  platform::gtk::TGtkHost host;
  gui::TApplication app(host);
  app.SetTitle("Spintrak");
  auto* form = app.CreateForm<gui::TForm>();
  form->SetName("Form1");
  form->SetCaption("Spintrak banner figures");
  form->SetClientSize(1166, 741);
  form->SetPosition(gui::poScreenCenter);
  auto* panel = e2e::MakeControl<gui::TPanel>(form, form, "UiPanel4", 0, 0, 596, 80);
  panel->SetCaption("");
  panel->SetBevelOuter(gui::bvLowered);
  panel->SetBevelInner(gui::bvRaised);
  auto* pane = e2e::MakeControl<gui::TWebBrowser>(form, panel, "WebBrowser1", 0, 0, 10, 10);
  pane->SetAlign(gui::alClient);
  auto* edit = e2e::MakeControl<gui::TEdit>(form, form, "UiNumericEdit1", 760, 12, 65, 21);
  auto* about = app.CreateForm<app::TAboutBox>();

  bool activated = false;
  form->OnActivate = [&](gui::TComponent*) {
    app::RefreshBanner(*pane, *edit);
    activated = true;
  };
  form->Show();
  auto pump = [&](auto done) {
    const auto limit = TClock::now() + std::chrono::seconds(30);
    while (!done() && TClock::now() < limit) {
      app.ProcessMessages();
      host.ProcessEvents(false);
      if (!done()) g_usleep(200);
    }
    return done();
  };
  if (!pump([&] { return pane->View() != nullptr; })) return 2;
  auto& web = static_cast<platform::gtk::TGtkWebView*>(pane->View())->View();
  if (!pump([&] { return web.Loaded(); })) {
    std::fprintf(stderr, "the page did not load\n");
    return 2;
  }

  std::vector<double> toActive, toFocus;
  for (int round = 0; round < aboutRounds; ++round) {
    TClock::time_point closed{};
    activated = false;
    // OK is clicked once the box is up; the close is the moment its loop ends.
    about->OnShow = [&](gui::TComponent*) {
      platform::gtk::CallWhenIdle([&] {
        closed = TClock::now();
        about->OKButton->Click();
      });
    };
    about->ShowModal();
    pump([&] { return activated && edit->Focused(); });
    toActive.push_back(MsSince(closed));
    pump([&] { return WindowHasFocus(*form); });
    toFocus.push_back(MsSince(closed));
  }
  if (aboutRounds > 0) {
    std::sort(toActive.begin(), toActive.end());
    std::sort(toFocus.begin(), toFocus.end());
    std::printf("about box closed -> main window active, entry focused: median %.1f ms, max %.1f ms\n",
                toActive[toActive.size() / 2], toActive.back());
    std::printf("about box closed -> main window holds the desktop focus: median %.1f ms, max %.1f ms\n",
                toFocus[toFocus.size() / 2], toFocus.back());
  }
  std::printf("ready\n");
  std::fflush(stdout);
  // Kept up (pane shown, page loaded) until the measuring script closes our input.
  char buffer[64];
  while (::read(0, buffer, sizeof buffer) > 0) {
  }
  return 0;
}
