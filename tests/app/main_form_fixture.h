#pragma once
// The main window on the headless host, shown and active, with the dialogs' error report, and
// helpers that read its labels and answer its dialogs.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/headless/testing/input_script.h"

namespace app_test {

struct TMainFormFixture : ::testing::Test {
  platform::headless::testing::TTestApp Test;
  platform::headless::THeadlessHost& Host = Test.Host;
  gui::TApplication& App = Test.App;
  app::TForm1* Form = nullptr;

  TMainFormFixture();

  gui::TControl& Control(std::string_view name) const;
  const std::string& CaptionOf(std::string_view name) const { return Control(name).Caption(); }
  gui::TColor FontColorOf(std::string_view name) const { return Control(name).Font().Color(); }
  std::vector<std::int32_t> Spins() const;

  // Types the text into the entry field and presses Enter.
  void Enter(std::string_view typed);
  // Answers every modal form shown from now on; each call counts in Modals.
  void Answer(std::function<void(gui::TForm&)> answer);
  int Modals = 0;
};

}  // namespace app_test
