#include "platform/gtk/key_map.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace platform::gtk {
namespace {

TEST(KeyMap, LettersAndDigitsGiveTheirUpperCaseAndDigitCodes) {
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_a), 65);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Z), 90);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_0), 48);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_9), 57);
}

TEST(KeyMap, KeypadKeysKeepTheirOwnCodes) {
  // With NumLock on the unshifted keyval is the keypad digit; with it off, the navigation key.
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_0), 96);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_9), 105);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Decimal), 110);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Delete), 46);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Home), 36);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Enter), 13);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Multiply), 106);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_KP_Divide), 111);
}

TEST(KeyMap, EditingAndFunctionKeys) {
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Return), 13);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_ISO_Left_Tab), 9);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Escape), 27);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_space), 32);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Delete), 46);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Left), 37);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Down), 40);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_F1), 112);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_F12), 123);
  EXPECT_EQ(VirtualKeyFromKeyval(GDK_KEY_Cyrillic_a), 0);
}

TEST(KeyMap, LetterAndDigitKeysByTheirPlace) {
  EXPECT_EQ(VirtualKeyFromKeycode(10), '1');
  EXPECT_EQ(VirtualKeyFromKeycode(19), '0');
  EXPECT_EQ(VirtualKeyFromKeycode(24), 'Q');
  EXPECT_EQ(VirtualKeyFromKeycode(38), 'A');
  EXPECT_EQ(VirtualKeyFromKeycode(54), 'C');
  EXPECT_EQ(VirtualKeyFromKeycode(58), 'M');
  for (std::uint16_t other : {9, 20, 23, 34, 37, 47, 51, 59, 65})
    EXPECT_EQ(VirtualKeyFromKeycode(other), 0) << other;
}

TEST(KeyMap, ControlCharacters) {
  EXPECT_EQ(ControlCharacter(65, true, false), 1u);
  EXPECT_EQ(ControlCharacter('C', true, false), 3u);
  EXPECT_EQ(ControlCharacter('V', true, false), 22u);
  EXPECT_EQ(ControlCharacter(90, true, false), 26u);
  EXPECT_EQ(ControlCharacter(13, false, false), 13u);
  EXPECT_EQ(ControlCharacter(13, true, false), 10u);
  EXPECT_EQ(ControlCharacter(8, false, false), 8u);
  EXPECT_EQ(ControlCharacter(9, false, false), 9u);
  EXPECT_EQ(ControlCharacter(27, false, false), 27u);
}

TEST(KeyMap, AltLettersAndDigitsAreAccessKeys) {
  EXPECT_EQ(ControlCharacter('Y', false, true), U'y');
  EXPECT_EQ(ControlCharacter('N', false, true), U'n');
  EXPECT_EQ(ControlCharacter('7', false, true), U'7');
}

TEST(KeyMap, KeysWithoutCharacters) {
  EXPECT_EQ(ControlCharacter(46, false, false), 0u) << "Delete";
  EXPECT_EQ(ControlCharacter(37, false, false), 0u) << "Left";
  EXPECT_EQ(ControlCharacter(112, false, false), 0u) << "F1";
  EXPECT_EQ(ControlCharacter(65, false, false), 0u) << "plain letters come from the input method";
  EXPECT_EQ(ControlCharacter(65, true, true), 0u) << "Ctrl+Alt is AltGr on many layouts";
  EXPECT_EQ(ControlCharacter(13, false, true), 0u) << "Alt+Enter";
  EXPECT_EQ(ControlCharacter(112, false, true), 0u) << "Alt+F1";
  EXPECT_EQ(ControlCharacter(48, true, false), 0u);
}

}  // namespace
}  // namespace platform::gtk
