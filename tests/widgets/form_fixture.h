#pragma once
// A shown headless form to put widgets on, and probes of what they painted into its back buffer.

#include <gtest/gtest.h>

#include <set>

#include "gui/controls/form.h"
#include "platform/headless/testing/input_script.h"

namespace widgets::testing {

// Where a colour other than the background lies inside an area; Empty when nowhere.
struct TInk {
  gui::TRect Bounds;
  std::set<gui::TColor> Colors;
  bool Empty() const { return Bounds.IsEmpty(); }
};

struct TFormFixture : ::testing::Test, platform::headless::testing::TTestApp {
  gui::TForm* Form = nullptr;

  // The form's colour is one that no widget paints by default, so untouched pixels stand out.
  static constexpr gui::TColor FormColor = 0x4080C0;

  explicit TFormFixture(int width = 200, int height = 120) {
    Form = App.CreateForm<gui::TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(width, height);
    Form->SetColor(FormColor);
  }

  template <typename T>
  T* Add(gui::TRect bounds, gui::TWinControl* parent = nullptr, const char* name = nullptr) {
    auto* c = new T(Form);
    if (name) c->SetName(name);
    c->SetParent(parent ? parent : Form);
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return c;
  }

  void Show() {
    Form->Show();
    Idle();
  }
  void Idle() { Host.RunUntilIdle(); }
  // A pixel of the back buffer as painted so far (nothing pending is painted first).
  gui::TColor Px(int x, int y) const { return gui::ColorToRGB(Form->BackBuffer().GetPixel(x, y)); }

  TInk InkIn(const gui::TRect& area, gui::TColor background) const {
    TInk ink;
    const gui::TColor bg = gui::ColorToRGB(background);
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) {
        const gui::TColor c = Px(x, y);
        if (c == bg) continue;
        ink.Colors.insert(c);
        ink.Bounds = gui::UnionRect(ink.Bounds, {x, y, x + 1, y + 1});
      }
    return ink;
  }
};

}  // namespace widgets::testing
