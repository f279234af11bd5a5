#pragma once

// Helpers for tests on the headless host: a ready application, and input written as the user
// would give it (click a control by name, double-click, type, press keys, Tab), each queued
// through the host's entry points and then run until the application is idle.

#include <string_view>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/headless/headless_host.h"
#include "platform/headless/headless_window.h"

namespace platform::headless::testing {

// A headless host with an application on it; the application goes first when destroyed.
struct TTestApp {
  THeadlessHost Host;
  gui::TApplication App{Host};
};

// A control of the form by name (its own components first, then any control below it);
// throws std::logic_error naming the control when there is none.
gui::TControl& FindControl(gui::TForm& form, std::string_view name);
// The centre of a control in its form's client coordinates.
gui::TPoint CentreOf(const gui::TControl& control);

// The pointer moved onto a point or onto the centre of a named control.
void MoveTo(THeadlessHost& host, gui::TForm& form, gui::TPoint pos);
void MoveOnto(THeadlessHost& host, gui::TForm& form, std::string_view name);
// A press on the centre of a named control that is not released yet, and a release anywhere.
void PressOn(THeadlessHost& host, gui::TForm& form, std::string_view name, gui::TMouseButton button = gui::mbLeft);
void ReleaseAt(THeadlessHost& host, gui::TForm& form, gui::TPoint pos, gui::TMouseButton button = gui::mbLeft);

void ClickAt(THeadlessHost& host, gui::TForm& form, gui::TPoint pos, gui::TMouseButton button = gui::mbLeft);
void Click(THeadlessHost& host, gui::TForm& form, std::string_view name, gui::TMouseButton button = gui::mbLeft);
// Two presses 50 ms apart on the same spot: a double click for controls that accept one.
void DoubleClick(THeadlessHost& host, gui::TForm& form, std::string_view name);
// Key down, the character the key gives (if any, as the classic keyboard gives it), key up.
void PressKey(THeadlessHost& host, gui::TForm& form, std::uint16_t key, gui::TShiftState shift = {});
// Each character of the UTF-8 text as a key press; characters without a key of their own arrive
// as input-method text (a character without key down and up).
void TypeText(THeadlessHost& host, gui::TForm& form, std::string_view utf8);
void Tab(THeadlessHost& host, gui::TForm& form, bool backwards = false);
// The character a key gives on the classic keyboard, or 0 for none; Alt+letter gives the
// letter as an access key.
char32_t CharOfKey(std::uint16_t key, gui::TShiftState shift);
// A pixel of the form's client area as it is painted now.
gui::TColor PixelAt(THeadlessHost& host, gui::TForm& form, int x, int y);

}  // namespace platform::headless::testing
