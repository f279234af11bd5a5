// The statistics tables walked cell by cell for a screen reader (F4): which cell a listener is
// told holds the focus after each key, that it is the one focused object meanwhile, and how the
// walk gives the focus back.

#include "app/spin_field.h"
#include "gui/controls/acc_group.h"
#include "platform/headless/headless_accessibility.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/check_box.h"

namespace app_test {
namespace {

using gui::TAccessible;
using platform::headless::THeadlessAccRecorder;
using platform::headless::testing::Click;
using platform::headless::testing::PressKey;
using platform::headless::testing::TypeText;

struct TableWalkTest : TMainFormFixture {
  THeadlessAccRecorder Recorder;
  TableWalkTest() { App.SetAccListener(&Recorder); }
  ~TableWalkTest() override { App.SetAccListener(nullptr); }

  gui::TControl* Cell(std::size_t table, int row, int column) const {
    return Form->AccGroups()[table]->AccAsTable()->Cell(row, column);
  }
  bool Focused(gui::TControl& control) const { return TAccessible(control).States().Contains(gui::asFocused); }
  // How often the window's cells and its entry field have been painted.
  int Painted() const {
    int count = Form->UiNumericEdit1->PaintCount();
    for (const auto& group : Form->AccGroups())
      for (const gui::TControl* member : group->Members()) count += member->PaintCount();
    return count;
  }
  // The controls told to hold the focus, in order, since the last call.
  std::vector<std::string> Told() {
    std::vector<std::string> out;
    for (const auto& r : Recorder.Events())
      if (r.Event == gui::aeFocus) out.push_back(r.Control);
    Recorder.Clear();
    return out;
  }
};

TEST_F(TableWalkTest, TheKeysMoveByCellsRowsAndTablesAndStopAtTheEdges) {
  struct TStep {
    std::uint16_t Key;
    std::size_t Table;
    int Row, Column;
  };
  using namespace gui;
  const TStep steps[] = {
      {VK_F4, 0, 0, 1},                                              // the first count: red over 10 spins
      {VK_RIGHT, 0, 0, 2}, {VK_END, 0, 0, 4},  {VK_RIGHT, 0, 0, 4},  // the row's end holds
      {VK_DOWN, 0, 1, 4},  {VK_HOME, 0, 1, 0}, {VK_LEFT, 0, 1, 0},  {VK_UP, 0, 0, 0},
      {VK_UP, 0, 0, 0},    // the top holds
      {VK_NEXT, 1, 0, 0},  // the numbers' table, the same place
      {VK_NEXT, 1, 0, 0},  {VK_END, 1, 0, 4},  {VK_DOWN, 1, 1, 4},  {VK_PRIOR, 0, 1, 4},
  };
  Form->Update();  // what start-up left to paint
  const int painted = Painted();
  const gui::TControl* was = nullptr;
  for (const TStep& s : steps) {
    const std::string at = std::to_string(s.Key) + " to " + std::to_string(s.Table) + ":" + std::to_string(s.Row) +
                           "," + std::to_string(s.Column);
    PressKey(Host, *Form, s.Key);
    gui::TControl* cell = Cell(s.Table, s.Row, s.Column);
    ASSERT_EQ(Form->AccFocus(), cell) << at;
    EXPECT_TRUE(Focused(*cell)) << at;
    EXPECT_EQ(Told(), cell == was ? std::vector<std::string>{} : std::vector<std::string>{cell->Name()})
        << at << ": told once as it moves, not at an edge";
    was = cell;
  }
  EXPECT_EQ(Form->FocusedControl(), Form->UiNumericEdit1) << "the keyboard focus never moved";
  EXPECT_FALSE(Focused(*Form->UiNumericEdit1)) << "one focused object for a listener";
  Form->Update();
  EXPECT_EQ(Painted(), painted) << "nothing on screen changes";
}

TEST_F(TableWalkTest, F4OrEscGiveTheFocusBackAndAnyOtherKeyGoesOnToTheWindow) {
  for (std::uint16_t leave : {gui::VK_F4, gui::VK_ESCAPE}) {
    PressKey(Host, *Form, gui::VK_F4);
    PressKey(Host, *Form, leave);
    EXPECT_EQ(Form->AccFocus(), nullptr) << leave;
    EXPECT_EQ(Told(), (std::vector<std::string>{"UiLabel36", "UiNumericEdit1"})) << leave;
    EXPECT_TRUE(Focused(*Form->UiNumericEdit1)) << leave;
  }
  // A number typed during the walk ends it and goes into the field, as without the walk.
  PressKey(Host, *Form, gui::VK_F4);
  TypeText(Host, *Form, "7");
  PressKey(Host, *Form, gui::VK_RETURN);
  EXPECT_EQ(Spins(), std::vector<std::int32_t>{7});
  EXPECT_EQ(Form->AccFocus(), nullptr);
  // The keyboard focus moving on without a key (a click) ends it too.
  PressKey(Host, *Form, gui::VK_F4);
  Click(Host, *Form, "UiCheckBox1");
  EXPECT_EQ(Form->FocusedControl(), Form->UiCheckBox1);
  EXPECT_EQ(Form->AccFocus(), nullptr);
  EXPECT_TRUE(Focused(*Form->UiCheckBox1));
}

}  // namespace
}  // namespace app_test
