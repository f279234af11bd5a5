#pragma once

// Small controls for the end-to-end form: an entry, a push button, a check box and a label that
// takes double clicks. They paint plainly; what matters is that real input reaches them through
// the host and the control layer.

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/graphic_control.h"
#include "gui/graphics/text.h"

#include <string>

namespace gui {
class TForm;
}

namespace e2e {

// A control owned by `form`, named and placed in `parent`.
template <class T>
T* MakeControl(gui::TForm* form, gui::TWinControl* parent, const char* name, int left, int top, int width,
               int height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// The X window id of a form's window.
std::string XidOf(gui::TForm& form);
// Shows the form, waits until its first frame is on screen, gives it the desktop's focus and
// returns its X window id. Fails the current test when the form does not come up.
std::string ShowOnScreen(gui::TForm& form);

// Paints a caption on a control's canvas: a filled, framed box with the text inside.
void PaintBox(gui::TCanvas& canvas, const gui::TRect& rect, gui::TColor face, const std::string& text,
              bool focused);

class TE2EEdit : public gui::TCustomControl {
 public:
  explicit TE2EEdit(gui::TComponent* owner);
  std::string Text;  // Windows-1251

 protected:
  void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
  void KeyPress(char& key) override;
  void Paint(gui::TCanvas& canvas) override;
  void DoEnter() override;
  void DoExit() override;
};

// Takes the focus on a left press and clicks on a release inside; Space clicks; Enter clicks the
// default button from anywhere on the form.
class TE2EButton : public gui::TCustomControl {
 public:
  explicit TE2EButton(gui::TComponent* owner);
  bool Default = false;
  int ModalResult = 0;
  bool DialogKey(std::uint16_t key, gui::TShiftState shift) override;
  void Click() override;

 protected:
  void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
  void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
  void KeyUp(std::uint16_t& key, gui::TShiftState shift) override;
  void Paint(gui::TCanvas& canvas) override;
  void DoEnter() override;
  void DoExit() override;

  bool FPressed = false;
};

// A button that toggles before its OnClick runs.
class TE2ECheck : public TE2EButton {
 public:
  explicit TE2ECheck(gui::TComponent* owner) : TE2EButton(owner) {}
  bool Checked = false;
  void Click() override;

 protected:
  void Paint(gui::TCanvas& canvas) override;
};

// A label that reports double clicks.
class TE2ELabel : public gui::TGraphicControl {
 public:
  explicit TE2ELabel(gui::TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint(gui::TCanvas& canvas) override;
};

}  // namespace e2e
