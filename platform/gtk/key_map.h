#pragma once

#include <cstdint>

namespace platform::gtk {

// Key codes and characters as the control layer expects them: Windows virtual-key codes and the
// characters a Windows message loop would produce. Both work on GDK keyvals, given as plain numbers
// so this header stays free of toolkit headers.

// The virtual-key code of an unshifted keyval (translated with NumLock kept, so keypad digits come
// as keypad digits when NumLock is on); 0 when the key has no code the program knows.
int VirtualKeyFromKeyval(std::uint32_t keyval);

// The code of a letter or digit key by its place on the keyboard (X keycode of the usual evdev
// keyboard), for layouts that have no Latin group at all; 0 for other keys.
int VirtualKeyFromKeycode(std::uint16_t keycode);

// The character a key press produces that no input method commits: control characters and the
// keys Windows turns into characters (Enter 13, Ctrl+Enter 10, Backspace 8, Tab 9, Esc 27,
// Ctrl+A..Ctrl+Z 1..26), and the access-key character of Alt+letter or Alt+digit (lower case).
// `virtualKey` is the code from VirtualKeyFromKeyval, so Ctrl+letter and Alt+letter work on any
// layout. Returns 0 when the press gives no such character (Delete, arrows, printable keys).
char32_t ControlCharacter(int virtualKey, bool ctrl, bool alt);

}  // namespace platform::gtk
