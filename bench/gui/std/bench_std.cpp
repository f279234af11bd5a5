// Keystroke cost of the single-line entry (edit, re-layout and repaint of the form), by text length,
// and the repaint of a push button.

#include <benchmark/benchmark.h>

#include <string>

#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "platform/headless/testing/input_script.h"

namespace {

using namespace gui;
using namespace platform::headless::testing;

struct TBench : TTestApp {
  TForm* Form = App.CreateForm<TForm>();
  TBench() { Form->SetClientSize(300, 100); }
};

// Types one character and takes it back with Backspace, each followed by the paint pass.
void BM_EditKeystroke(benchmark::State& state) {
  TBench bench;
  auto* edit = new TEdit(bench.Form);
  edit->SetParent(bench.Form);
  edit->SetBounds(10, 10, 200, 21);
  edit->SetText(std::string(std::size_t(state.range(0)), 'x'));
  bench.Form->Show();
  bench.Host.RunUntilIdle();
  edit->SetSelStart(edit->Text().size() / 2);
  for (auto _ : state) {
    bench.Host.Char(*bench.Form, U'a');
    bench.Host.RunUntilIdle();
    bench.Host.Char(*bench.Form, 8);
    bench.Host.RunUntilIdle();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_EditKeystroke)->Arg(8)->Arg(255)->Arg(4096)->Unit(benchmark::kMicrosecond);

void BM_ButtonRepaint(benchmark::State& state) {
  TBench bench;
  auto* button = new TButton(bench.Form);
  button->SetParent(bench.Form);
  button->SetCaption("&Cancel");
  bench.Form->Show();
  bench.Host.RunUntilIdle();
  for (auto _ : state) button->Repaint();
}
BENCHMARK(BM_ButtonRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
