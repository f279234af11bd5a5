// Tables and lists that gather some controls of one parent for a listener: where they stand in
// the tree, what their members are to a listener, the cells at rows and columns, and what is left
// when a member or the group goes first.

#include <gtest/gtest.h>

#include "gui/controls/acc_group.h"
#include "gui/controls/exceptions.h"
#include "test_controls.h"

using namespace gui;
using namespace spintrak_test;

namespace {

// A table of two rows under three headings, between a label before and a label after it, on a
// panel that is left out of the tree:
//   Before | H0 H1 H2 | R0 A0 B0 | R1 A1 (empty) | After
struct AccGroupTest : ::testing::Test, TShownForm {
  TCustomControl* Panel = new TCustomControl(Form);
  TTestLabel* Before = Label("Before", 0, 0);
  TTestLabel *H0 = Label("H0", 0, 20), *H1 = Label("H1", 40, 20), *H2 = Label("H2", 80, 20);
  TTestLabel *R0 = Label("R0", 0, 40), *A0 = Label("A0", 40, 40), *B0 = Label("B0", 80, 40);
  TTestLabel *R1 = Label("R1", 0, 60), *A1 = Label("A1", 40, 60);
  TTestLabel* After = Label("After", 0, 100);
  TAccTable* Table = nullptr;

  AccGroupTest() {
    Panel->SetParent(Form);
    Panel->SetBounds(10, 5, 200, 150);
    Panel->SetAccHidden(true);
    Table = &NewAccGroup<TAccTable>(*Panel, "Counts");
    Table->SetColumnHeaders(std::vector<TControl*>{H0, H1, H2});
    Table->AddRow(std::vector<TControl*>{R0, A0, B0});
    Table->AddRow(std::vector<TControl*>{R1, A1, nullptr});
    Show();
  }
  TTestLabel* Label(const char* name, int left, int top) {
    return new TTestLabel(Form, Panel, name, {left, top, 30, 15});
  }
  std::vector<TAccNode*> Children(TAccNode& of) const { return TAccessible(of).Children(); }
};

TEST_F(AccGroupTest, TheGroupStandsInTheTreeWhereItsFirstMemberStood) {
  EXPECT_EQ(Children(*Form), (std::vector<TAccNode*>{Before, Table, After})) << "through the panel left out";
  EXPECT_EQ(Children(*Table), (std::vector<TAccNode*>{H0, H1, H2, R0, A0, B0, R1, A1}));
  EXPECT_EQ(TAccessible(*Table).Parent(), Form) << "the nearest parent in the tree above its host";
  EXPECT_EQ(TAccessible(*A0).Parent(), Table);
  EXPECT_EQ(TAccessible(*Before).Parent(), Form);
  EXPECT_EQ(A0->Parent(), Panel) << "the controls themselves stay where they were";
  EXPECT_EQ(Panel->ControlCount(), 10) << "the group is none of the panel's controls";
  EXPECT_EQ(Panel->AccGroups().size(), 1u) << "the panel keeps it";
}

TEST_F(AccGroupTest, TheTableAnswersItsGeometryAndItsMembersTheirRoles) {
  EXPECT_EQ(Table->RowCount(), 2);
  EXPECT_EQ(Table->ColumnCount(), 3);
  struct TCase {
    int Row, Column;
    TControl* Cell;
  };
  const TCase cells[] = {
      {0, 0, R0},       {0, 2, B0},       {1, 1, A1},      {1, 2, nullptr},  // an empty place
      {-1, 0, nullptr}, {0, -1, nullptr}, {2, 0, nullptr}, {0, 3, nullptr},
  };
  for (const TCase& c : cells) EXPECT_EQ(Table->Cell(c.Row, c.Column), c.Cell) << c.Row << "," << c.Column;
  EXPECT_EQ(Table->RowHeader(1), R1);
  EXPECT_EQ(Table->RowHeader(2), nullptr);
  EXPECT_EQ(Table->ColumnHeader(2), H2);
  EXPECT_EQ(Table->ColumnHeader(3), nullptr);

  struct TMember {
    TControl* Control;
    std::optional<TAccCellPos> Position;
    TAccRole Role;
  };
  const TMember members[] = {
      {H1, std::nullopt, arColumnHeader},   {R0, TAccCellPos{0, 0}, arRowHeader},
      {B0, TAccCellPos{0, 2}, arTableCell}, {A1, TAccCellPos{1, 1}, arTableCell},
      {Before, std::nullopt, arFiller},  // outside the table: its own role
  };
  for (const TMember& m : members) {
    EXPECT_EQ(Table->Position(*m.Control), m.Position) << m.Control->Name();
    EXPECT_EQ(TAccessible(*m.Control).Role(), m.Role) << m.Control->Name();
  }
  EXPECT_EQ(TAccessible(*Table).Role(), arTable);
  EXPECT_EQ(TAccessible(*Table).Name(), "Counts");
}

TEST_F(AccGroupTest, TheGroupCoversItsMembersAndShowsWithItsHost) {
  EXPECT_EQ(TAccessible(*Table).Bounds(), (TRect{10, 25, 120, 80}))
      << "H0 at the top left, B0 and A1 at the bottom right";
  EXPECT_TRUE(TAccessible(*Table).States().Contains(asShowing));
  Panel->Hide();
  EXPECT_FALSE(TAccessible(*Table).States().Contains(asShowing));
  EXPECT_EQ(Table->Form(), Form);
}

TEST_F(AccGroupTest, AListGathersItsItemsInTheirOrder) {
  auto* list = &NewAccGroup<TAccGroup>(*Panel, arList, arListItem, "Last");
  list->Add(*After);
  list->Add(*Before);
  EXPECT_EQ(Children(*Form), (std::vector<TAccNode*>{list, Table}))
      << "at the place of Before, the first in z-order";
  EXPECT_EQ(Children(*list), (std::vector<TAccNode*>{After, Before}));
  EXPECT_EQ(TAccessible(*Before).Role(), arListItem);
}

TEST_F(AccGroupTest, WrongShapesAndStrangersAreRefused) {
  auto* other = new TTestLabel(Form, Form, "Other", {0, 0, 5, 5});
  auto* list = &NewAccGroup<TAccGroup>(*Panel, arList, arListItem, "");
  EXPECT_THROW(Table->AddRow(std::vector<TControl*>{R0, A0}), EInvalidOperation) << "too few cells";
  EXPECT_THROW(Table->SetColumnHeaders(std::vector<TControl*>{H0}), EInvalidOperation) << "set once";
  EXPECT_THROW(list->Add(*other), EInvalidOperation) << "a control of another parent";
  EXPECT_THROW(list->Add(*A0), EInvalidOperation) << "already in the table";
  TAccTable empty(*Panel, "");
  EXPECT_THROW(empty.SetColumnHeaders({}), EInvalidOperation);
  EXPECT_EQ(empty.RowCount(), 0);
  EXPECT_TRUE(Table->Members().size() == 8 && list->Members().empty()) << "a refused member is not taken";
  EXPECT_THROW(Form->AdoptAccGroup(std::make_unique<TAccGroup>(*Panel, arList, arListItem, "")), EInvalidOperation)
      << "a control keeps only the groups made for it";
  EXPECT_EQ(Form->AccGroups().size(), 0u);
}

TEST_F(AccGroupTest, AMemberFreedFirstLeavesAnEmptyPlaceAndAGroupFreedFirstGivesItsMembersBack) {
  delete A0;
  EXPECT_EQ(Table->Cell(0, 1), nullptr);
  EXPECT_EQ(Table->Cell(0, 2), B0) << "the others keep their places";
  EXPECT_EQ(Children(*Table).size(), 7u);
  delete H1;
  EXPECT_EQ(Table->ColumnHeader(1), nullptr);
  EXPECT_EQ(Table->ColumnCount(), 3);

  // A group of its own, not kept by the panel, freed before its members.
  auto list = std::make_unique<TAccGroup>(*Panel, arList, arListItem, "");
  list->Add(*Before);
  list->Add(*After);
  list.reset();
  EXPECT_EQ(Before->AccGroup(), nullptr);
  EXPECT_EQ(TAccessible(*After).Parent(), Form);
  EXPECT_EQ(Children(*Form), (std::vector<TAccNode*>{Before, Table, After}));
}

TEST_F(AccGroupTest, AGroupGoesWithItsHostAfterItsMembersAndGivesBackThoseThatMovedAway) {
  R1->SetParent(Form);  // still a member, no longer on the panel
  const TAliveToken::TWatch table = Table->AccWatch(), h0 = H0->Watch();
  delete Panel;
  EXPECT_FALSE(table.Alive());
  EXPECT_FALSE(h0.Alive()) << "the members on the panel went with it";
  EXPECT_EQ(R1->AccGroup(), nullptr);
  EXPECT_EQ(TAccessible(*R1).Role(), arFiller) << "its own role again";
  EXPECT_EQ(TAccessible(*R1).Parent(), Form);
  EXPECT_EQ(Children(*Form), (std::vector<TAccNode*>{R1}));
}

}  // namespace
