#pragma once

// The statistics tables walked cell by cell by a listener: F4 puts a screen reader's focus on a
// count, the arrows move it by a row or a column, Page Up and Page Down to the other table, Home
// and End to the row's first and last cell, and F4 or Esc give it back to the focused control.
// The walked cell holds the focus for assistive technologies only (TForm::SetAccFocus), so a
// screen reader speaks it with its headers as it would a cell of a focused table, while the
// keyboard focus and the window's look stay as they are. Any other key ends the walk and goes
// on to the window.

#include <cstdint>
#include <vector>

#include "gui/controls/acc_group.h"
#include "gui/host.h"

namespace gui {
class TForm;
}

namespace app {

class TTableWalk {
 public:
  TTableWalk(gui::TForm& form, std::vector<gui::TAccTable*> tables);

  // Whether a cell holds the screen reader's focus now.
  bool Active() const;
  // A key of the window, before its controls see it; true when the walk took it.
  bool Key(std::uint16_t key, gui::TShiftState shift);

 private:
  // Moves by rows and columns within the table, stopping at its edges and passing empty places.
  void Move(int rows, int columns);
  void SwitchTable(int by);
  void Tell();

  gui::TForm& FForm;
  std::vector<gui::TAccTable*> FTables;
  std::size_t FTable = 0;
  gui::TAccCellPos FAt{0, 1};  // the first count of the first row
};

}  // namespace app
