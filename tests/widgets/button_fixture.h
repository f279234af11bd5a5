#pragma once
// A shown form on the headless host for the push-button and check-box tests, with pixel helpers,
// an event log, and the switch that saves a picture of a state (SPINTRAK_WIDGET_PNG=<folder>).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "platform/headless/testing/input_script.h"
#include "widgets/paint/color_ops.h"

namespace widgets::testing {

using namespace gui;
using namespace platform::headless::testing;

struct TButtonFixture : ::testing::Test, TTestApp {
  TForm* Form;
  std::vector<std::string> Reports;
  std::vector<std::string> Log;

  TButtonFixture() {
    Form = App.CreateForm<TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(320, 200);
    App.OnShowErrorReport = [this](const std::string&, const std::string& text) { Reports.push_back(text); };
  }
  ~TButtonFixture() override { SetHasFullColorDisplay(true); }

  template <class T>
  T* Make(const char* name, TRect bounds) {
    auto* c = new T(Form);
    c->SetName(name);
    c->SetParent(Form);
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return c;
  }
  // Records the mouse, key and click events of a control in Log as "name:event".
  template <class T>
  void Record(T& c) {
    const std::string n = c.Name();
    c.OnClick = [this, n](TComponent*) { Log.push_back(n + ":click"); };
    c.OnMouseDown = [this, n](TComponent*, TMouseButton, TShiftState, int, int) { Log.push_back(n + ":down"); };
    c.OnMouseUp = [this, n](TComponent*, TMouseButton, TShiftState, int, int) { Log.push_back(n + ":up"); };
    c.OnKeyDown = [this, n](TComponent*, std::uint16_t&, TShiftState) { Log.push_back(n + ":keydown"); };
    c.OnKeyUp = [this, n](TComponent*, std::uint16_t&, TShiftState) { Log.push_back(n + ":keyup"); };
  }
  int Count(const std::string& entry) const { return int(std::count(Log.begin(), Log.end(), entry)); }

  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
  void Run() { Host.RunUntilIdle(); }
  TColor Px(const TControl& c, int x, int y) {
    const TRect r = c.RectInForm();
    return PixelAt(Host, *Form, r.Left + x, r.Top + y);
  }
  // A control's pixels as painted now.
  TBitmap Shot(const TControl& c) {
    Form->PaintPending();
    const TRect r = c.RectInForm();
    TBitmap out(r.Width(), r.Height());
    out.Canvas().CopyRect(out.BoundsRect(), Form->BackBuffer(), r);
    return out;
  }
  void SavePng(const std::string& name) {
    if (const char* dir = std::getenv("SPINTRAK_WIDGET_PNG"); dir && *dir)
      Host.SaveFormPng(*Form, std::string(dir) + "/" + name + ".png");
  }
  TPoint At(const TControl& c, int x, int y) const {
    const TRect r = c.RectInForm();
    return {r.Left + x, r.Top + y};
  }
  void Press(TPoint p, TMouseButton button = mbLeft) {
    Host.MouseMove(*Form, p);
    Host.MouseDown(*Form, p, button);
    Run();
  }
  void Release(TPoint p, TMouseButton button = mbLeft) {
    Host.MouseMove(*Form, p);
    Host.MouseUp(*Form, p, button);
    Run();
  }
  void KeyDown(std::uint16_t key, TShiftState shift = {}) {
    Host.KeyDown(*Form, key, shift);
    Run();
  }
  void KeyUp(std::uint16_t key, TShiftState shift = {}) {
    Host.KeyUp(*Form, key, shift);
    Run();
  }
};

inline TColor Rgb(TColor c) { return ColorToRGB(c); }

// A glyph strip drawn in code: `cells` squares of `size` pixels on a key colour, each with a
// filled disc-like block in its own colour, so a test can tell the cells apart.
inline TBitmap TestGlyph(int size, int cells, TColor key, const std::vector<TColor>& inks) {
  TBitmap glyph(size * cells, size, key);
  for (int k = 0; k < cells; ++k)
    for (int y = size / 4; y < size - size / 4; ++y)
      for (int x = size / 4; x < size - size / 4; ++x)
        glyph.SetPixel(k * size + x, y, inks[std::size_t(k) % inks.size()]);
  return glyph;
}

}  // namespace widgets::testing
