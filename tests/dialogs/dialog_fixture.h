#pragma once

// A headless application with the dialogs' error report installed, and helpers to answer the
// modal dialogs one after another.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/error_report.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/headless/testing/input_script.h"

namespace dialogs_test {

struct TDialogFixture : ::testing::Test {
  platform::headless::testing::TTestApp Test;
  platform::headless::THeadlessHost& Host = Test.Host;
  gui::TApplication& App = Test.App;

  TDialogFixture();

  // Answers the next modal form with `answer` (a fresh answer for every modal form shown).
  void Answer(std::function<void(gui::TForm&)> answer);

  // When SPINTRAK_DIALOG_PNG_DIR is set, saves the form there under the name (for looking at).
  void SavePicture(gui::TForm& form, const std::string& name);
};

}  // namespace dialogs_test
