#pragma once

// A shown form on the headless host for the plain-control tests, with pixel helpers and the
// switch that saves a picture of a state for looking at (SPINTRAK_STD_PNG=<folder>).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gui/controls/form.h"
#include "platform/headless/testing/input_script.h"

namespace spintrak_test {

using namespace gui;
using namespace platform::headless::testing;

struct TStdFixture : ::testing::Test, TTestApp {
  TForm* Form;
  std::vector<std::string> Reports;

  TStdFixture() {
    Form = App.CreateForm<TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(300, 200);
    App.OnShowErrorReport = [this](const std::string&, const std::string& text) { Reports.push_back(text); };
  }
  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
  TColor Px(int x, int y) { return PixelAt(Host, *Form, x, y); }
  // A pixel of a control, in the control's own coordinates.
  TColor Px(const TControl& c, int x, int y) {
    const TRect r = c.RectInForm();
    return Px(r.Left + x, r.Top + y);
  }
  void SavePng(const std::string& name) {
    if (const char* dir = std::getenv("SPINTRAK_STD_PNG"); dir && *dir)
      Host.SaveFormPng(*Form, std::string(dir) + "/" + name + ".png");
  }
  // Presses and releases at a point of the form without moving in between.
  void PressAt(TPoint p) {
    Host.MouseMove(*Form, p);
    Host.MouseDown(*Form, p);
    Host.RunUntilIdle();
  }
  void ReleaseAt(TPoint p) {
    Host.MouseMove(*Form, p);
    Host.MouseUp(*Form, p);
    Host.RunUntilIdle();
  }
};

inline TColor Rgb(TColor c) { return ColorToRGB(c); }

}  // namespace spintrak_test
