#pragma once

// Dialog units: every measure of the standard dialogs is a multiple of the average character size
// of the dialog's font, so the windows grow and shrink with the font.

#include "gui/graphics/font.h"

namespace dialogs {

// a * b / c rounded to the nearest integer, halves away from zero, computed without overflow.
// A zero divisor gives -1, as the classic call did.
int MulDiv(int a, int b, int c);

struct TDialogUnits {
  int X = 0;  // width of "A".."Z" "a".."z" divided by 52, rounded down
  int Y = 0;  // height of that string

  int Horz(int n) const { return MulDiv(n, X, 4); }
  int Vert(int n) const { return MulDiv(n, Y, 8); }
};

TDialogUnits DialogUnitsOf(const gui::TFont& font);

}  // namespace dialogs
