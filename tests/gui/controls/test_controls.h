#pragma once

// Small controls with the habits the widget set relies on, for exercising the control layer.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/controls/graphic_control.h"
#include "platform/headless/testing/input_script.h"

namespace spintrak_test {

using namespace gui;

// Placement of a test control: left, top, width, height.
struct TBox {
  int X, Y, W, H;
};

// A push button: takes the focus on a left press, clicks on a release inside, Space clicks,
// a quick second press is another press.
class TTestButton : public TCustomControl {
 public:
  explicit TTestButton(TComponent* owner, TWinControl* parent, const char* name, TBox bounds)
      : TCustomControl(owner) {
    SetName(name);
    SetParent(parent);
    SetBounds(bounds.X, bounds.Y, bounds.W, bounds.H);
    SetTabStop(true);
    SetControlStyle(ControlStyle().Exclude(csDoubleClicks).Exclude(csClickEvents));
  }
  bool Default = false;
  bool Pressed = false;
  int EnterCount = 0, ExitCount = 0;

  bool DialogKey(std::uint16_t key, TShiftState shift) override {
    if (key == VK_RETURN && Default && CanFocus()) {
      Click();
      return true;
    }
    return TCustomControl::DialogKey(key, shift);
  }

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    auto alive = Watch();
    TCustomControl::MouseDown(button, shift, x, y);
    if (!alive || button != mbLeft) return;
    if (CanFocus()) SetFocus();
    if (alive && Focused()) Pressed = true;
  }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    auto alive = Watch();
    TCustomControl::MouseUp(button, shift, x, y);
    if (!alive || !Pressed) return;
    Pressed = false;
    if (ClientRect().Contains({x, y})) Click();
  }
  void KeyUp(std::uint16_t& key, TShiftState shift) override {
    auto alive = Watch();
    if (key == VK_SPACE) Click();
    if (alive) TCustomControl::KeyUp(key, shift);
  }
  void DoEnter() override {
    ++EnterCount;
    TCustomControl::DoEnter();
  }
  void DoExit() override {
    ++ExitCount;
    TCustomControl::DoExit();
  }
};

// An entry field: wants the arrow keys, takes characters, records what reached it.
class TTestEdit : public TCustomControl {
 public:
  explicit TTestEdit(TComponent* owner, TWinControl* parent, const char* name, TBox bounds)
      : TCustomControl(owner) {
    SetName(name);
    SetParent(parent);
    SetBounds(bounds.X, bounds.Y, bounds.W, bounds.H);
    SetTabStop(true);
    SetColor(clWindow);
  }
  std::string Text;
  std::vector<std::string>* Log = nullptr;

  bool WantsKey(std::uint16_t key, TShiftState) const override {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  }

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    auto alive = Watch();
    if (button == mbLeft && CanFocus()) SetFocus();
    if (alive) TCustomControl::MouseDown(button, shift, x, y);
  }
  void KeyDown(std::uint16_t& key, TShiftState shift) override {
    if (Log) Log->push_back(Name() + ".KeyDown " + std::to_string(key));
    TCustomControl::KeyDown(key, shift);
  }
  void KeyPress(char& key) override {
    auto alive = Watch();
    TCustomControl::KeyPress(key);  // OnKeyPress first, then the field's own handling
    if (!alive) return;
    if (Log) Log->push_back(Name() + ".KeyPress " + std::to_string(static_cast<unsigned char>(key)));
    if (static_cast<unsigned char>(key) >= 32) Text += key;
  }
  void DoEnter() override {
    if (Log) Log->push_back(Name() + ".Enter");
    TCustomControl::DoEnter();
  }
  void DoExit() override {
    if (Log) Log->push_back(Name() + ".Exit");
    TCustomControl::DoExit();
  }
};

// A label-like graphic control: a new caption paints at once, a new colour at the next pass.
class TTestLabel : public TGraphicControl {
 public:
  explicit TTestLabel(TComponent* owner, TWinControl* parent, const char* name, TBox bounds)
      : TGraphicControl(owner) {
    SetName(name);
    SetParent(parent);
    SetBounds(bounds.X, bounds.Y, bounds.W, bounds.H);
  }
  TColor Fill = clNavy;
  void SetFill(TColor c) {
    if (c == Fill) return;
    Fill = c;
    Invalidate();
  }

 protected:
  void TextChanged() override {
    Invalidate();
    Update();
  }
  void Paint(TCanvas& canvas) override {
    canvas.Brush.Color = Fill;
    canvas.FillRect(ClientRect());
  }
};

// A form built on the headless host, shown and idle.
struct TShownForm : platform::headless::testing::TTestApp {
  TForm* Form;
  TShownForm() {
    Form = App.CreateForm<TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(300, 200);
    // An error inside the layer would otherwise vanish into an unanswered report.
    App.OnShowErrorReport = [](const std::string&, const std::string& text) {
      ADD_FAILURE() << "error report: " << text;
    };
  }
  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
};

}  // namespace spintrak_test
