// Keyboard, mouse and focus input of a top-level window.
#include "platform/gtk/gtk_window.h"

#include "gui/graphics/geometry.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/key_map.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace platform::gtk {

namespace {

gui::TShiftState ShiftOf(guint state) {
  gui::TShiftState shift;
  if (state & GDK_SHIFT_MASK) shift.Include(gui::ssShift);
  if (state & GDK_CONTROL_MASK) shift.Include(gui::ssCtrl);
  if (state & GDK_MOD1_MASK) shift.Include(gui::ssAlt);
  if (state & GDK_BUTTON1_MASK) shift.Include(gui::ssLeft);
  if (state & GDK_BUTTON2_MASK) shift.Include(gui::ssMiddle);
  if (state & GDK_BUTTON3_MASK) shift.Include(gui::ssRight);
  return shift;
}

bool ButtonOf(guint button, gui::TMouseButton& result, gui::TShiftFlag& flag) {
  switch (button) {
    case 1:
      result = gui::mbLeft;
      flag = gui::ssLeft;
      return true;
    case 2:
      result = gui::mbMiddle;
      flag = gui::ssMiddle;
      return true;
    case 3:
      result = gui::mbRight;
      flag = gui::ssRight;
      return true;
    default: return false;
  }
}

gui::TPoint PointOf(double x, double y) {
  return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

// The code of the key itself, whatever the shift state: the keyval without Shift, but with NumLock
// so keypad keys are digits while it is on. Keys of a non-Latin group take their code from the
// first group, where letters sit in the same places, or, on a layout without a Latin group, from
// the key's place on the keyboard.
int VirtualKeyOf(const GdkEventKey* event) {
  GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
  const auto numLock = GdkModifierType(event->state & GDK_MOD2_MASK);
  guint keyval = 0;
  if (gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, numLock, event->group, &keyval, nullptr,
                                          nullptr, nullptr)) {
    if (const int code = VirtualKeyFromKeyval(keyval)) return code;
  }
  if (event->group != 0 && gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, numLock, 0,
                                                               &keyval, nullptr, nullptr, nullptr)) {
    if (const int code = VirtualKeyFromKeyval(keyval)) return code;
  }
  if (const int code = VirtualKeyFromKeyval(event->keyval)) return code;
  return VirtualKeyFromKeycode(event->hardware_keycode);
}

}  // namespace

bool TGtkWindow::Admit(const GdkEvent* event) {
  if (FHost.HoldingInput()) {
    FHost.HoldBack(event);
    return false;
  }
  if (!FHost.AcceptsInput(this)) return false;
  FHost.NoteEventTime(gdk_event_get_time(event));
  return true;
}

bool TGtkWindow::IsOwnKeyEvent(const GdkEventKey* event) const {
  // While a modal window holds the grab, GTK hands it the key events of the windows it blocks.
  return gdk_window_get_toplevel(event->window) == gtk_widget_get_window(FWindow);
}

bool TGtkWindow::PaneHasFocus() const {
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(FWindow));
  return focus != nullptr && focus != FArea;
}

bool TGtkWindow::ReturnedByPane(const GdkEventKey* event) {
  // The web engine hands a key the page did not use back to the window after the page has seen
  // it: a Tab that left the page comes back when the form's canvas has the focus again. It is
  // the same event (time, key and state); it was the page's and is not handled a second time.
  const TPaneKey key{event->type, event->time, event->hardware_keycode, event->state};
  const auto seen = std::find(FPaneKeys.begin(), FPaneKeys.end(), key);
  if (seen == FPaneKeys.end()) return false;
  FPaneKeys.erase(seen);
  return true;
}

bool TGtkWindow::PassToPane(const GdkEventKey* event) {
  if (!PaneHasFocus() || FHost.HoldingInput() || !FHost.AcceptsInput(this)) return false;
  // The pane gets the key through the toolkit's own propagation to the focus widget.
  if (FPaneKeys.size() == kPaneKeysKept) FPaneKeys.pop_front();
  FPaneKeys.push_back({event->type, event->time, event->hardware_keycode, event->state});
  return true;
}

int TGtkWindow::OnKeyPress(GtkWidget*, GdkEventKey* event, TGtkWindow* self) {
  if (!self->IsOwnKeyEvent(event) || self->ReturnedByPane(event)) return TRUE;
  if (self->PassToPane(event)) return FALSE;
  if (!self->Admit(reinterpret_cast<GdkEvent*>(event))) return TRUE;
  const int key = VirtualKeyOf(event);
  const bool ctrl = (event->state & GDK_CONTROL_MASK) != 0;
  const bool alt = (event->state & GDK_MOD1_MASK) != 0;
  std::weak_ptr<bool> alive = self->FAlive;
  if (key != 0) {
    self->FEvents.HostKeyDown(static_cast<std::uint16_t>(key), ShiftOf(event->state));
    if (alive.expired()) return TRUE;
  }
  // Keys whose character no input method gives (Enter, Ctrl+letter, Alt+letter, Backspace, Tab,
  // Esc) are turned into characters here; everything printable comes from the input method's commit,
  // which handles dead keys and non-Latin layouts.
  if (const char32_t ch = ControlCharacter(key, ctrl, alt)) {
    gtk_im_context_reset(self->FIm);
    self->FEvents.HostChar(ch);
    return TRUE;
  }
  if (!ctrl && !alt) gtk_im_context_filter_keypress(self->FIm, event);
  return TRUE;
}

int TGtkWindow::OnKeyRelease(GtkWidget*, GdkEventKey* event, TGtkWindow* self) {
  if (!self->IsOwnKeyEvent(event) || self->ReturnedByPane(event)) return TRUE;
  if (self->PassToPane(event)) return FALSE;
  if (!self->Admit(reinterpret_cast<GdkEvent*>(event))) return TRUE;
  gtk_im_context_filter_keypress(self->FIm, event);
  if (const int key = VirtualKeyOf(event))
    self->FEvents.HostKeyUp(static_cast<std::uint16_t>(key), ShiftOf(event->state));
  return TRUE;
}

void TGtkWindow::OnCommit(GtkIMContext*, const char* text, TGtkWindow* self) {
  std::weak_ptr<bool> alive = self->FAlive;
  for (const char* p = text; *p != '\0'; p = g_utf8_next_char(p)) {
    const gunichar ch = g_utf8_get_char_validated(p, -1);
    if (ch == static_cast<gunichar>(-1) || ch == static_cast<gunichar>(-2)) return;
    self->FEvents.HostChar(static_cast<char32_t>(ch));
    if (alive.expired()) return;
  }
}

int TGtkWindow::OnButtonPress(GtkWidget* area, GdkEventButton* event, TGtkWindow* self) {
  // The toolkit's 2- and 3-button events come in addition to the plain presses; the control layer
  // counts clicks itself from the presses and their times.
  if (event->type != GDK_BUTTON_PRESS || event->window != gtk_widget_get_window(area)) return TRUE;
  if (!self->Admit(reinterpret_cast<GdkEvent*>(event))) return TRUE;
  gui::TMouseButton button;
  gui::TShiftFlag flag;
  if (!ButtonOf(event->button, button, flag)) return TRUE;
  if (!gtk_widget_has_focus(area)) gtk_widget_grab_focus(area);
  self->FEvents.HostMouseDown(button, PointOf(event->x, event->y), ShiftOf(event->state).Include(flag),
                              event->time);
  return TRUE;
}

int TGtkWindow::OnButtonRelease(GtkWidget* area, GdkEventButton* event, TGtkWindow* self) {
  if (event->window != gtk_widget_get_window(area) || !self->Admit(reinterpret_cast<GdkEvent*>(event)))
    return TRUE;
  gui::TMouseButton button;
  gui::TShiftFlag flag;
  if (!ButtonOf(event->button, button, flag)) return TRUE;
  self->FEvents.HostMouseUp(button, PointOf(event->x, event->y), ShiftOf(event->state).Exclude(flag), event->time);
  return TRUE;
}

int TGtkWindow::OnMotion(GtkWidget* area, GdkEventMotion* event, TGtkWindow* self) {
  if (event->window != gtk_widget_get_window(area) || !self->Admit(reinterpret_cast<GdkEvent*>(event)))
    return TRUE;
  self->FEvents.HostMouseMove(PointOf(event->x, event->y), ShiftOf(event->state), event->time);
  return TRUE;
}

int TGtkWindow::OnLeave(GtkWidget* area, GdkEventCrossing* event, TGtkWindow* self) {
  // Crossings caused by grabs starting are not the pointer moving out; a child window (a browser
  // pane) is outside our own canvas, so entering it is leaving.
  if (event->window != gtk_widget_get_window(area) || event->mode == GDK_CROSSING_GRAB ||
      event->mode == GDK_CROSSING_GTK_GRAB || event->mode == GDK_CROSSING_STATE_CHANGED)
    return FALSE;
  if (self->FHost.HoldingInput()) {
    self->FHost.HoldBack(reinterpret_cast<GdkEvent*>(event));
    return FALSE;
  }
  self->FEvents.HostMouseLeave();
  return FALSE;
}

int TGtkWindow::OnFocus(GtkWidget*, GdkEventFocus* event, TGtkWindow* self) {
  if (event->in)
    gtk_im_context_focus_in(self->FIm);
  else
    gtk_im_context_focus_out(self->FIm);
  self->FEvents.HostFocusChanged(event->in != 0);
  return FALSE;
}

int TGtkWindow::OnQueryTooltip(GtkWidget*, int x, int y, int keyboard, GtkTooltip* tooltip, TGtkWindow* self) {
  if (keyboard) return FALSE;
  std::string text;
  gui::TRect area;
  if (!self->FEvents.HostTooltipAt(gui::TPoint{x, y}, text, area) || text.empty()) return FALSE;
  gtk_tooltip_set_text(tooltip, text.c_str());
  // Moving within the same control keeps the tooltip; leaving it asks again.
  const GdkRectangle tip{area.Left, area.Top, area.Width(), area.Height()};
  gtk_tooltip_set_tip_area(tooltip, &tip);
  return TRUE;
}

}  // namespace platform::gtk
