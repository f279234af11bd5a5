// The main window's statistics as a listener walks them: two tables with their headers and cells,
// and the strip of last numbers as a list, with texts that follow the entries.

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "platform/headless/headless_accessibility.h"
#include "tests/app/main_form_fixture.h"

namespace app_test {
namespace {

using gui::TAccessible;

struct AccessibilityTableTest : TMainFormFixture {
  gui::TAccTable& Table(std::string_view name) const {
    for (gui::TAccNode* c : TAccessible(*Form).Children())
      if (gui::TAccTable* table = c->AccAsTable(); table && TAccessible(*table).Name() == name) return *table;
    throw std::logic_error("no table " + std::string(name));
  }
  static std::string NameOf(gui::TAccNode* c) { return c ? TAccessible(*c).Name() : "(none)"; }
  // What a reader says of a cell: where it stands, then its text.
  static std::string Heard(gui::TAccNode* c) { return NameOf(c) + ": " + TAccessible(*c).Text()->Text; }
};

TEST_F(AccessibilityTableTest, BothTablesHaveTheirShapeAndHeadings) {
  struct TCase {
    std::string_view Table;
    int Rows;
    std::vector<std::string> Headings;
    std::string FirstRow, LastRow;
  };
  const std::vector<std::string> headings{"Игровое поле", "10 спинов", "20 спинов", "50 спинов", "Всего"};
  const TCase cases[] = {
      {"Простые шансы и дюжины", 9, headings, "Красное", "25 - 36"},
      {"Числа", 37, headings, "0", "36"},
  };
  for (const TCase& c : cases) {
    gui::TAccTable& table = Table(c.Table);
    EXPECT_EQ(table.RowCount(), c.Rows) << c.Table;
    ASSERT_EQ(table.ColumnCount(), 5) << c.Table;
    for (int column = 0; column < 5; ++column)
      EXPECT_EQ(NameOf(table.ColumnHeader(column)), c.Headings[static_cast<std::size_t>(column)]) << c.Table;
    EXPECT_EQ(NameOf(table.RowHeader(0)), c.FirstRow) << c.Table;
    EXPECT_EQ(NameOf(table.RowHeader(c.Rows - 1)), c.LastRow) << c.Table;
    EXPECT_EQ(TAccessible(table).Role(), gui::arTable);
  }
}

TEST_F(AccessibilityTableTest, CellsAtTheirRowsAndColumnsFollowTheEntries) {
  struct TCase {
    std::string_view Table;
    int Row, Column;
    std::string_view Control;
    std::string AtStart, AfterSeven;
  };
  const TCase cases[] = {
      {"Простые шансы и дюжины", 0, 1, "UiLabel36", "Красное, 10 спинов: пусто", "Красное, 10 спинов: 1"},
      {"Простые шансы и дюжины", 1, 4, "UiLabel44", "Черное, всего: пусто", "Черное, всего: 0, меньше всех"},
      {"Простые шансы и дюжины", 8, 1, "UiLabel76", "от 25 до 36, 10 спинов: пусто",
       "от 25 до 36, 10 спинов: 0, меньше всех"},
      {"Числа", 0, 1, "UiLabel10S0", "Число 0, 10 спинов: пусто", "Число 0, 10 спинов: 0, меньше всех"},
      {"Числа", 7, 1, "UiLabel10S7", "Число 7, 10 спинов: пусто", "Число 7, 10 спинов: 1"},
      {"Числа", 36, 4, "UiLabelAllS36", "Число 36, всего: пусто", "Число 36, всего: 0, меньше всех"},
  };
  for (const TCase& c : cases) {
    gui::TControl* cell = Table(c.Table).Cell(c.Row, c.Column);
    ASSERT_EQ(cell, &Control(c.Control)) << c.Table << " " << c.Row << "," << c.Column;
    EXPECT_EQ(Heard(cell), c.AtStart);
    EXPECT_EQ(TAccessible(*cell).Role(), gui::arTableCell);
    EXPECT_EQ(Table(c.Table).Position(*cell), (gui::TAccCellPos{c.Row, c.Column}));
  }
  Enter("7");
  for (const TCase& c : cases) EXPECT_EQ(Heard(Table(c.Table).Cell(c.Row, c.Column)), c.AfterSeven) << c.Control;
}

TEST_F(AccessibilityTableTest, TheStripIsAListOfItsLabelsNewestFirst) {
  const std::vector<gui::TAccNode*> top = TAccessible(*Form).Children();
  gui::TAccNode* list = platform::headless::FindAccessible(*Form, gui::arList, "Последние числа");
  ASSERT_NE(list, nullptr);
  const std::vector<gui::TAccNode*> items = TAccessible(*list).Children();
  ASSERT_EQ(items.size(), 21u);
  EXPECT_EQ(items.front(), &Control("UiLabelLast1"));
  EXPECT_EQ(items.back(), &Control("UiLabelLast21"));
  EXPECT_EQ(TAccessible(*items.front()).Role(), gui::arListItem);
  // The heading stays a label of its own, just before the list.
  const auto at = std::find(top.begin(), top.end(), list);
  ASSERT_NE(at, top.begin());
  EXPECT_EQ(*(at - 1), &Control("UiLabel4"));
  EXPECT_EQ(list->Form(), Form) << "a group on the window, kept by it";
  Enter("7");
  Enter("0");
  EXPECT_EQ(Heard(items[0]), "Последние числа, 1: 0, зеро");
  EXPECT_EQ(Heard(items[1]), "Последние числа, 2: 7, красное");
}

TEST_F(AccessibilityTableTest, TheWindowsTopLevelIsShortAndEveryGroupedLabelIsReachedOnce) {
  // The cells no longer crowd the window's own level: panels, top band and the three groups.
  const std::vector<gui::TAccNode*> top = TAccessible(*Form).Children();
  EXPECT_LT(top.size(), 30u);
  EXPECT_EQ(Form->AccGroups().size(), 3u) << "two tables and the strip, kept by the window";
  const std::vector<gui::TAccNode*> tree = platform::headless::AccessibleTree(*Form);
  for (std::string_view name : {"UiLabel36", "UiLabel117", "UiLabel30", "UiLabelLast21"})
    EXPECT_EQ(std::count(tree.begin(), tree.end(), &Control(name)), 1) << name;
}

}  // namespace
}  // namespace app_test
