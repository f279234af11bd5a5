// The about box's round trip on the headless host: shown modally, closed by OK, and the main
// window's activation step (page rewritten, pane navigated, entry focused) after it; and that
// step alone. The desktop host's figures come from bench/e2e/measure.sh.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/about_box.h"
#include "app/banner_pane.h"
#include "gui/std/edit.h"
#include "gui/std/panel.h"
#include "gui/std/web_browser.h"
#include "platform/headless/testing/input_script.h"

namespace {

using namespace gui;
using platform::headless::testing::TTestApp;

struct TMainWindow {
  TTestApp Test;
  std::filesystem::path Temp;
  TForm* Form;
  TEdit* Edit;
  TWebBrowser* Pane;
  app::TAboutBox* About;

  TMainWindow() {
    // Not temp_directory_path: it reads TEMP too, which the previous run pointed at its own folder.
    const char* tmpdir = std::getenv("TMPDIR");
    std::string pattern = std::string(tmpdir && *tmpdir ? tmpdir : "/tmp") + "/spintrak-bench-XXXXXX";
    Temp = ::mkdtemp(pattern.data());
    ::setenv("TEMP", Temp.c_str(), 1);
    Form = Test.App.CreateForm<TForm>();
    Form->SetClientSize(1166, 741);
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 596, 80);
    Pane = new TWebBrowser(Form);
    Pane->SetParent(panel);
    Pane->SetAlign(alClient);
    Edit = new TEdit(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(760, 12, 65, 21);
    About = Test.App.CreateForm<app::TAboutBox>();
    Form->OnActivate = [this](TComponent*) { app::RefreshBanner(*Pane, *Edit); };
    Form->Show();
    Test.Host.RunUntilIdle();
  }
  ~TMainWindow() { std::filesystem::remove_all(Temp); }
};

void BM_AboutBoxOpenCloseAndActivation(benchmark::State& state) {
  TMainWindow main;
  main.Test.Host.OnModal = [&](TForm& box) {
    platform::headless::testing::Click(main.Test.Host, box, "OKButton");
  };
  for (auto _ : state) {
    main.About->ShowModal();
    main.Test.Host.RunUntilIdle();
    if (!main.Edit->Focused()) state.SkipWithError("the entry did not get the focus back");
  }
}
BENCHMARK(BM_AboutBoxOpenCloseAndActivation)->Unit(benchmark::kMillisecond);

void BM_ActivationStep(benchmark::State& state) {
  TMainWindow main;
  for (auto _ : state) app::RefreshBanner(*main.Pane, *main.Edit);
}
BENCHMARK(BM_ActivationStep)->Unit(benchmark::kMicrosecond);

}  // namespace
