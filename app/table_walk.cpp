#include "app/table_walk.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "gui/controls/form.h"

namespace app {

namespace {

constexpr std::uint16_t kWalkKey = gui::VK_F4;

// What each key does: rows, columns, and a move to another table. Home and End ask for more
// columns than a row has: the walk stops at the row's ends.
constexpr int kRowEnd = 1000;
struct TWalkKey {
  std::uint16_t Key;
  int Rows, Columns, Table;
};
constexpr TWalkKey kWalkKeys[] = {
    {gui::VK_LEFT, 0, -1, 0},       {gui::VK_RIGHT, 0, 1, 0},     {gui::VK_UP, -1, 0, 0},
    {gui::VK_DOWN, 1, 0, 0},        {gui::VK_PRIOR, 0, 0, -1},    {gui::VK_NEXT, 0, 0, 1},
    {gui::VK_HOME, 0, -kRowEnd, 0}, {gui::VK_END, 0, kRowEnd, 0},
};

}  // namespace

TTableWalk::TTableWalk(gui::TForm& form, std::vector<gui::TAccTable*> tables)
    : FForm(form), FTables(std::move(tables)) {}

bool TTableWalk::Active() const {
  const gui::TControl* at = FForm.AccFocus();
  return at && !FTables.empty() && at == FTables[FTable]->Cell(FAt.Row, FAt.Column);
}

bool TTableWalk::Key(std::uint16_t key, gui::TShiftState shift) {
  if (FTables.empty()) return false;
  const bool active = Active();
  if (!shift.Empty() || (!active && key != kWalkKey)) {
    if (active) FForm.SetAccFocus(nullptr);
    return false;
  }
  if (!active) {
    Tell();
    return true;
  }
  if (key == kWalkKey || key == gui::VK_ESCAPE) {
    FForm.SetAccFocus(nullptr);
    return true;
  }
  const auto* row =
      std::find_if(std::begin(kWalkKeys), std::end(kWalkKeys), [key](const TWalkKey& k) { return k.Key == key; });
  if (row == std::end(kWalkKeys)) {
    // Not a key of the walk: the focused control gets the screen reader back, then the key.
    FForm.SetAccFocus(nullptr);
    return false;
  }
  if (row->Table != 0)
    SwitchTable(row->Table);
  else
    Move(row->Rows, row->Columns);
  return true;
}

void TTableWalk::Move(int rows, int columns) {
  const gui::TAccTable& table = *FTables[FTable];
  const int stepRow = rows > 0 ? 1 : rows < 0 ? -1 : 0, stepColumn = columns > 0 ? 1 : columns < 0 ? -1 : 0;
  gui::TAccCellPos to = FAt;
  for (int left = std::max(std::abs(rows), std::abs(columns)); left > 0; --left) {
    gui::TAccCellPos next{to.Row + stepRow, to.Column + stepColumn};
    // Past empty places to the next cell in that direction, if there is one.
    while (next.Row >= 0 && next.Row < table.RowCount() && next.Column >= 0 && next.Column < table.ColumnCount() &&
           !table.Cell(next.Row, next.Column))
      next = {next.Row + stepRow, next.Column + stepColumn};
    if (!table.Cell(next.Row, next.Column)) break;
    to = next;
  }
  if (to == FAt) return;
  FAt = to;
  Tell();
}

void TTableWalk::SwitchTable(int by) {
  const int count = static_cast<int>(FTables.size());
  const int to = std::clamp(static_cast<int>(FTable) + by, 0, count - 1);
  if (to == static_cast<int>(FTable)) return;
  FTable = static_cast<std::size_t>(to);
  const gui::TAccTable& table = *FTables[FTable];
  FAt = {std::min(FAt.Row, table.RowCount() - 1), std::min(FAt.Column, table.ColumnCount() - 1)};
  if (!table.Cell(FAt.Row, FAt.Column)) FAt = {0, 0};
  Tell();
}

void TTableWalk::Tell() {
  if (gui::TControl* cell = FTables[FTable]->Cell(FAt.Row, FAt.Column)) FForm.SetAccFocus(cell);
}

}  // namespace app
