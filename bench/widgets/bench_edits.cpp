// The numeric field's costs: one keystroke with its filter and the paint pass that follows, and
// reading plus writing a text of 20 characters with the number rules.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless/testing/input_script.h"
#include "tests/widgets/main_field.h"
#include "widgets/numeric_edit.h"
#include "widgets/numeric_picture.h"

namespace {

using namespace widgets;
using namespace platform::headless::testing;

struct TFieldBench : TTestApp {
  gui::TForm* Form = App.CreateForm<gui::TForm>();
  TUiNumericEdit* Field = new TUiNumericEdit(Form);
  TFieldBench() {
    SetNumberSeparators({'.', ','});
    Form->SetClientSize(200, 60);
    Field->SetParent(Form);
    Field->SetBounds(10, 10, 65, 21);
    widgets::testing::SetMainFieldProperties(*Field);
    Form->Show();
    Host.RunUntilIdle();
    Field->SetFocus();
    Field->SetText("12");
    Field->SetSelStart(2);
    Host.RunUntilIdle();
  }
  void Keystroke(std::uint16_t key, char32_t ch) {
    Host.KeyDown(*Form, key);
    Host.Char(*Form, ch);
    Host.KeyUp(*Form, key);
    Host.RunUntilIdle();
  }
};

// A digit typed and taken back with Backspace: two keystrokes, each filtered, edited and painted.
// per_key is the time of one of them.
void BM_FieldKeystroke(benchmark::State& state) {
  TFieldBench bench;
  for (auto _ : state) {
    bench.Keystroke('5', U'5');
    bench.Keystroke(gui::VK_BACK, 8);
  }
  state.counters["per_key"] = benchmark::Counter(double(state.iterations()) * 2,
                                                 benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FieldKeystroke)->Unit(benchmark::kMicrosecond);

// A letter, refused with a beep: the filter and nothing to paint.
void BM_FieldRejectedKey(benchmark::State& state) {
  TFieldBench bench;
  for (auto _ : state) bench.Keystroke('A', U'a');
}
BENCHMARK(BM_FieldRejectedKey)->Unit(benchmark::kMicrosecond);

void BM_ParseAndFormat20(benchmark::State& state) {
  const TNumericRules rules{false, true, {'.', ','}};
  const std::string text = "-12,345,678,901.2345";
  for (auto _ : state) {
    const long double value = ParseNumericText(text, rules);
    benchmark::DoNotOptimize(FormatNumericPicture(value, "#,##0.0000;(#,##0.0000)", rules.Separators));
  }
}
BENCHMARK(BM_ParseAndFormat20)->Unit(benchmark::kNanosecond);

// The main window's picture on twenty digits.
void BM_ParseAndFormat20Digits(benchmark::State& state) {
  const TNumericRules rules{true, true, {'.', ','}};
  const std::string text(20, '9');
  for (auto _ : state) {
    const long double value = ParseNumericText(text, rules);
    benchmark::DoNotOptimize(FormatNumericPicture(value, "0", rules.Separators));
  }
}
BENCHMARK(BM_ParseAndFormat20Digits)->Unit(benchmark::kNanosecond);

}  // namespace
