// A long session on the headless host: 100 000 spins typed into the entry field with Enter and
// 1 000 corrections through the strip and the prompt, all through the real event path. The heap
// must stay flat after warm-up, apart from the history itself, and the window must show exactly
// what the display rules give for the spins entered, at every checkpoint.

#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "app/startup.h"
#include "dialogs/prompt_form.h"
#include "gui/std/edit.h"
#include "platform/headless/testing/input_script.h"
#include "stats/display_rules.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's allocator keeps its own count; not every compiler ships the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

namespace script = platform::headless::testing;

constexpr int Entries = 100'000;
constexpr int Corrections = 1'000;
constexpr int WarmUp = 10'000;
constexpr int Checkpoint = 10'000;

std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

std::size_t ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmRSS:")) return std::stoul(line.substr(6));
  return 0;
}

// What the window's labels must show: the display rules run straight over the spins.
class TExpectedLabels final : public stats::TLabelSink {
 public:
  struct TLabel {
    std::string Caption;
    stats::TColor Color = 0;
    bool Colored = false;
  };
  std::map<std::string, TLabel, std::less<>> Labels;

  void SetCaption(std::string_view name, std::string_view text) override {
    Labels[std::string(name)].Caption = text;
  }
  void SetFontColor(std::string_view name, stats::TColor color) override {
    Labels[std::string(name)].Color = color;
    Labels[std::string(name)].Colored = true;
  }
};

void ExpectWindowShows(gui::TForm& form, const std::vector<std::int32_t>& spins) {
  stats::SpinHistory history;
  for (std::int32_t x : spins) history.Append(x);
  TExpectedLabels expected;
  stats::LastNumbersStrip(history, expected);
  stats::StatsPanel(history, expected);
  for (const auto& [name, label] : expected.Labels) {
    const gui::TControl& control = script::FindControl(form, name);
    ASSERT_EQ(control.Caption(), label.Caption) << name << " after " << spins.size() << " spins";
    if (label.Colored) {
      ASSERT_EQ(control.Font().Color(), label.Color) << name << " after " << spins.size() << " spins";
    }
  }
  ASSERT_EQ(script::FindControl(form, "UiLabel266").Caption(), std::to_string(spins.size()));
}

TEST(Soak, HundredThousandEntriesAndThousandCorrections) {
  script::TTestApp test;
  app::TForm1& form = app::StartUp(test.App);
  form.Show();
  test.Host.RunUntilIdle();

  std::mt19937 random(16);
  std::uniform_int_distribution<std::int32_t> wheel(0, 36);
  std::uniform_int_distribution<int> depth(1, stats::StripLength);
  std::vector<std::int32_t> spins;
  spins.reserve(Entries);

  std::int32_t correction = 0;
  test.Host.OnModal = [&](gui::TForm& prompt) {
    dynamic_cast<dialogs::TPromptForm&>(prompt).Edit()->SetText(std::to_string(correction));
    script::Click(test.Host, prompt, "OK");
  };

  const auto start = std::chrono::steady_clock::now();
  std::size_t heapAfterWarmUp = 0, residentAfterWarmUp = 0, heapPeak = 0;
  int corrections = 0;
  for (int i = 1; i <= Entries; ++i) {
    const std::int32_t spin = wheel(random);
    script::TypeText(test.Host, form, std::to_string(spin));
    script::PressKey(test.Host, form, gui::VK_RETURN);
    spins.push_back(spin);

    if (i % (Entries / Corrections) == 0) {
      const int k = depth(random);
      correction = wheel(random);
      script::DoubleClick(test.Host, form, "UiLabelLast" + std::to_string(k));
      spins[spins.size() - static_cast<std::size_t>(k)] = correction;
      ++corrections;
    }
    if (i == WarmUp) {
      heapAfterWarmUp = HeapInUse();
      residentAfterWarmUp = ResidentKilobytes();
    }
    if (i > WarmUp) heapPeak = std::max(heapPeak, HeapInUse());
    if (i % Checkpoint == 0) {
      ASSERT_NO_FATAL_FAILURE(ExpectWindowShows(form, spins));
      std::printf("soak: %6d spins, %4d corrections, heap %8zu bytes, resident %6zu kB, %6.1f s\n", i, corrections,
                  HeapInUse(), ResidentKilobytes(),
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }

  EXPECT_EQ(corrections, Corrections);
  EXPECT_EQ(test.App.ErrorReportCount(), 0);
  const auto history = form.History().Spins();
  ASSERT_EQ(std::vector<std::int32_t>(history.begin(), history.end()), spins);
  // The history grows by four bytes a spin; its storage may be twice what it holds. Anything
  // else that stays behind per entry or per correction would add up to far more than the slack.
  const std::size_t allowance = 2 * sizeof(std::int32_t) * Entries + 256 * 1024;
  EXPECT_LE(heapPeak - heapAfterWarmUp, allowance)
      << "heap after warm-up " << heapAfterWarmUp << ", peak afterwards " << heapPeak;
  std::printf("soak: heap after warm-up %zu bytes, peak afterwards %zu bytes (+%zu); resident %zu kB -> %zu kB\n",
              heapAfterWarmUp, heapPeak, heapPeak - heapAfterWarmUp, residentAfterWarmUp, ResidentKilobytes());
}

}  // namespace
