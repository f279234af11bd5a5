#include "tests/e2e/form_controls.h"

#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/color.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>

namespace e2e {

std::string XidOf(gui::TForm& form) {
  return Xid(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget());
}

std::string ShowOnScreen(gui::TForm& form) {
  form.Show();
  EXPECT_TRUE(WaitUntil([&] { return form.HostWindow() != nullptr; }));
  if (form.HostWindow() == nullptr) return {};
  bool shown = false;
  static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->AfterFirstFrame([&shown] { shown = true; });
  EXPECT_TRUE(WaitUntil([&] { return shown; }));
  const std::string xid = XidOf(form);
  Focus(xid);
  return xid;
}

void PaintBox(gui::TCanvas& canvas, const gui::TRect& rect, gui::TColor face, const std::string& text,
              bool focused) {
  canvas.Brush.Style = gui::bsSolid;
  canvas.Brush.Color = face;
  canvas.FillRect(rect);
  canvas.Brush.Color = focused ? gui::clHighlight : gui::clBtnShadow;
  canvas.FrameRect(rect);
  canvas.Brush.Style = gui::bsClear;
  canvas.Font.SetName("MS Sans Serif");
  canvas.Font.SetHeight(-11);
  canvas.Font.SetColor(gui::clWindowText);
  gui::TRect inner = rect.Inflate(-3, -3);
  gui::DrawText(canvas, text, inner, gui::DT_NOPREFIX | gui::DT_SINGLELINE | gui::DT_VCENTER);
}

TE2EEdit::TE2EEdit(gui::TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  SetColor(gui::clWindow);
}

void TE2EEdit::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) {
  auto alive = Watch();
  if (button == gui::mbLeft && CanFocus()) SetFocus();
  if (alive) TCustomControl::MouseDown(button, shift, x, y);
}

void TE2EEdit::KeyPress(char& key) {
  auto alive = Watch();
  TCustomControl::KeyPress(key);
  if (!alive) return;
  if (static_cast<unsigned char>(key) >= 32) {
    Text += key;
    Invalidate();
  }
}

void TE2EEdit::Paint(gui::TCanvas& canvas) { PaintBox(canvas, ClientRect(), gui::clWindow, Text, Focused()); }
void TE2EEdit::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}
void TE2EEdit::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

TE2EButton::TE2EButton(gui::TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  // Each press of a fast double click is a press of its own.
  SetControlStyle(ControlStyle().Exclude(gui::csDoubleClicks).Exclude(gui::csClickEvents));
}

bool TE2EButton::DialogKey(std::uint16_t key, gui::TShiftState shift) {
  if (key == gui::VK_RETURN && (Default || Focused()) && CanFocus()) {
    Click();
    return true;
  }
  return TCustomControl::DialogKey(key, shift);
}

void TE2EButton::Click() {
  auto alive = Watch();
  TCustomControl::Click();
  if (alive && ModalResult != 0) Form()->SetModalResult(ModalResult);
}

void TE2EButton::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseDown(button, shift, x, y);
  if (!alive || button != gui::mbLeft) return;
  if (CanFocus()) SetFocus();
  if (alive) FPressed = true;
}

void TE2EButton::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) {
  auto alive = Watch();
  TCustomControl::MouseUp(button, shift, x, y);
  if (!alive || !FPressed || button != gui::mbLeft) return;
  FPressed = false;
  if (ClientRect().Contains({x, y})) Click();
}

void TE2EButton::KeyUp(std::uint16_t& key, gui::TShiftState shift) {
  auto alive = Watch();
  if (key == gui::VK_SPACE) Click();
  if (alive) TCustomControl::KeyUp(key, shift);
}

void TE2EButton::Paint(gui::TCanvas& canvas) {
  PaintBox(canvas, ClientRect(), gui::clBtnFace, Caption(), Focused());
}
void TE2EButton::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}
void TE2EButton::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}

void TE2ECheck::Click() {
  Checked = !Checked;
  Invalidate();
  TE2EButton::Click();
}

void TE2ECheck::Paint(gui::TCanvas& canvas) {
  PaintBox(canvas, ClientRect(), Checked ? gui::clInfoBk : gui::clBtnFace,
           std::string(Checked ? "[x] " : "[ ] ") + Caption(), Focused());
}

void TE2ELabel::Paint(gui::TCanvas& canvas) { PaintBox(canvas, ClientRect(), gui::clBtnFace, Caption(), false); }

}  // namespace e2e
