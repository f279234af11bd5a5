#include "platform/headless/testing/input_script.h"

#include <stdexcept>
#include <string>

#include "gui/controls/win_control.h"

namespace platform::headless::testing {

namespace {

gui::TControl* FindBelow(gui::TWinControl& parent, std::string_view name) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    gui::TControl* c = parent.Controls(i);
    if (c->Name() == name) return c;
    if (c->IsWindowed())
      if (gui::TControl* deeper = FindBelow(static_cast<gui::TWinControl&>(*c), name)) return deeper;
  }
  return nullptr;
}

// Decodes one UTF-8 sequence; a malformed byte stands for itself.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto b = static_cast<unsigned char>(text[i++]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
  for (; extra > 0 && i < text.size(); --extra) cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  return cp;
}

}  // namespace

gui::TControl& FindControl(gui::TForm& form, std::string_view name) {
  if (auto* c = dynamic_cast<gui::TControl*>(form.FindComponent(name))) return *c;
  if (gui::TControl* c = FindBelow(form, name)) return *c;
  throw std::logic_error("no control named '" + std::string(name) + "' on form '" + form.Name() + "'");
}

gui::TPoint CentreOf(const gui::TControl& control) {
  const gui::TRect r = control.RectInForm();
  return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

void MoveTo(THeadlessHost& host, gui::TForm& form, gui::TPoint pos) {
  host.MouseMove(form, pos);
  host.RunUntilIdle();
}

void MoveOnto(THeadlessHost& host, gui::TForm& form, std::string_view name) {
  MoveTo(host, form, CentreOf(FindControl(form, name)));
}

void PressOn(THeadlessHost& host, gui::TForm& form, std::string_view name, gui::TMouseButton button) {
  const gui::TPoint pos = CentreOf(FindControl(form, name));
  host.MouseMove(form, pos);
  host.MouseDown(form, pos, button);
  host.RunUntilIdle();
}

void ReleaseAt(THeadlessHost& host, gui::TForm& form, gui::TPoint pos, gui::TMouseButton button) {
  host.MouseMove(form, pos);
  host.MouseUp(form, pos, button);
  host.RunUntilIdle();
}

void ClickAt(THeadlessHost& host, gui::TForm& form, gui::TPoint pos, gui::TMouseButton button) {
  host.MouseMove(form, pos);
  host.MouseDown(form, pos, button);
  host.MouseUp(form, pos, button);
  host.RunUntilIdle();
}

void Click(THeadlessHost& host, gui::TForm& form, std::string_view name, gui::TMouseButton button) {
  ClickAt(host, form, CentreOf(FindControl(form, name)), button);
}

void DoubleClick(THeadlessHost& host, gui::TForm& form, std::string_view name) {
  const gui::TPoint pos = CentreOf(FindControl(form, name));
  host.MouseMove(form, pos);
  host.MouseDown(form, pos);
  host.MouseUp(form, pos);
  host.RunUntilIdle();
  host.AdvanceClock(50);
  host.MouseDown(form, pos);
  host.MouseUp(form, pos);
  host.RunUntilIdle();
}

char32_t CharOfKey(std::uint16_t key, gui::TShiftState shift) {
  const bool ctrl = shift.Contains(gui::ssCtrl);
  if (shift.Contains(gui::ssAlt)) {
    // Alt with a letter or digit gives the key's own character, the access key; with Ctrl (AltGr)
    // or on other keys, nothing.
    if (ctrl) return 0;
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    if (key >= '0' && key <= '9') return key;
    return 0;
  }
  switch (key) {
    case gui::VK_RETURN: return ctrl ? 10 : 13;
    case gui::VK_BACK: return 8;
    case gui::VK_TAB: return 9;
    case gui::VK_ESCAPE: return 27;
    case gui::VK_SPACE: return 32;
    case gui::VK_MULTIPLY: return '*';
    case gui::VK_ADD: return '+';
    case gui::VK_SUBTRACT: return '-';
    case gui::VK_DECIMAL: return '.';
    case gui::VK_DIVIDE: return '/';
    default: break;
  }
  if (key >= 'A' && key <= 'Z') {
    if (ctrl) return key - 'A' + 1;
    return shift.Contains(gui::ssShift) ? key : key - 'A' + 'a';
  }
  if (key >= '0' && key <= '9' && !ctrl) return key;
  if (key >= gui::VK_NUMPAD0 && key <= gui::VK_NUMPAD0 + 9 && !ctrl) return '0' + (key - gui::VK_NUMPAD0);
  return 0;
}

void PressKey(THeadlessHost& host, gui::TForm& form, std::uint16_t key, gui::TShiftState shift) {
  host.KeyDown(form, key, shift);
  if (char32_t ch = CharOfKey(key, shift)) host.Char(form, ch);
  host.KeyUp(form, key, shift);
  host.RunUntilIdle();
}

void TypeText(THeadlessHost& host, gui::TForm& form, std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t ch = NextCodePoint(utf8, i);
    std::uint16_t key = 0;
    gui::TShiftState shift;
    if (ch >= 'a' && ch <= 'z')
      key = static_cast<std::uint16_t>(ch - 'a' + 'A');
    else if (ch >= 'A' && ch <= 'Z')
      key = static_cast<std::uint16_t>(ch), shift = gui::ssShift;
    else if ((ch >= '0' && ch <= '9') || ch == ' ')
      key = static_cast<std::uint16_t>(ch);
    if (key) host.KeyDown(form, key, shift);
    host.Char(form, ch);
    if (key) host.KeyUp(form, key, shift);
  }
  host.RunUntilIdle();
}

void Tab(THeadlessHost& host, gui::TForm& form, bool backwards) {
  PressKey(host, form, gui::VK_TAB, backwards ? gui::TShiftState(gui::ssShift) : gui::TShiftState());
}

gui::TColor PixelAt(THeadlessHost& host, gui::TForm& form, int x, int y) {
  host.RunUntilIdle();
  return host.Pixel(form, x, y);
}

}  // namespace platform::headless::testing
