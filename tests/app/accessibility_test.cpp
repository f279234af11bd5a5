// The main window as an assistive technology reads it: roles, names, states and bounds, the names
// of the table cells as the history changes, the events of an entry, and the actions.

#include <algorithm>
#include <set>

#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/controls/application.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "platform/headless/headless_accessibility.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/custom_check_box.h"

namespace app_test {
namespace {

using gui::TAccessible;
using gui::TAccStates;
using platform::headless::AccessibleTree;
using platform::headless::FindAccessible;
using platform::headless::THeadlessAccRecorder;
using platform::headless::testing::DoubleClick;

struct AccessibilityTest : TMainFormFixture {
  THeadlessAccRecorder Recorder;
  ~AccessibilityTest() override { App.SetAccListener(nullptr); }

  // A control of the window by name, the window itself included.
  gui::TControl& Named(std::string_view name) const { return name == Form->Name() ? *Form : Control(name); }
  TAccessible Acc(std::string_view name) const { return TAccessible(Named(name)); }
  std::string NameOf(std::string_view name) const { return Acc(name).Name(); }
  bool InTree(std::string_view name) const {
    const std::vector<gui::TControl*> tree = AccessibleTree(*Form);
    return std::find(tree.begin(), tree.end(), &Named(name)) != tree.end();
  }
};

TEST_F(AccessibilityTest, EveryKindOfControlHasItsRoleNameAndStates) {
  using namespace gui;
  struct TCase {
    std::string_view Control;
    TAccRole Role;
    std::string Name;
    TAccStates Has;
    TAccStates HasNot;
  };
  const TAccStates on = asEnabled | asVisible;
  const TCase cases[] = {
      {"Form1", arFrame, "Spintrak", on | asShowing, {}},
      {"UiBitBtn1", arPushButton, "Выход", on | asShowing | asFocusable, asPressed | asFocused | asChecked},
      {"UiBitBtn2", arPushButton, "О программе", on | asShowing | asFocusable, asPressed},
      {"UiBitBtn3", arPushButton, "Добавить число", on | asShowing | asFocusable, asDefault},
      {"UiNumericEdit1", arText, "", on | asShowing | asFocusable | asFocused | asEditable, asReadOnly},
      {"UiCheckBox1", arCheckBox, "показывать окно поверх всех окон", on | asShowing | asFocusable,
       asChecked | asReadOnly},
      {"UiLabel2", arLabel, "Ввод выпавшего числа", on | asShowing, asFocusable},
      {"UiLabel3", arLabel, "Количество спинов", on | asShowing, asFocusable},
      {"UiLabel266", arLabel, "0", on | asShowing, {}},
      {"UiLabel4", arLabel, "Последние числа", on | asShowing, {}},
      {"UiLabel40", arRowHeader, "Красное", on | asShowing, {}},
      {"UiPanel1", arFiller, "", on | asShowing, asFocused},
      {"UiPanel3", arFiller, "", on | asShowing, {}},
      {"WebBrowser1", arPanel, "Баннер", on, {}},
  };
  for (const TCase& c : cases) {
    const TAccessible acc = Acc(c.Control);
    EXPECT_EQ(acc.Role(), c.Role) << c.Control;
    EXPECT_EQ(acc.Name(), c.Name) << c.Control;
    EXPECT_EQ(acc.States() & c.Has, c.Has) << c.Control << " has " << acc.States().Bits();
    EXPECT_TRUE((acc.States() & c.HasNot).Empty()) << c.Control << " has " << acc.States().Bits();
    EXPECT_TRUE(InTree(c.Control) || c.Control == "Form1") << c.Control;
  }
}

TEST_F(AccessibilityTest, BoundsAreInTheWindowsClientArea) {
  struct TCase {
    std::string_view Control;
    gui::TRect Bounds;
  };
  const TCase cases[] = {
      {"Form1", {0, 0, 1166, 742}},          {"UiBitBtn1", {1020, 2, 1165, 75}},
      {"UiBitBtn3", {820, 10, 849, 0}},      {"UiNumericEdit1", {750, 12, 815, 33}},
      {"UiLabelLast1", {133, 80, 165, 108}}, {"UiLabel36", {194, 153, 244, 191}},
      {"UiCheckBox1", {24, 664, 251, 702}},  // sized to its caption
  };
  for (const TCase& c : cases) {
    gui::TRect expected = c.Bounds;
    // The add button keeps its own height; only its place and width come from the layout.
    if (expected.Bottom == 0) expected.Bottom = expected.Top + Named(c.Control).Height();
    EXPECT_EQ(Acc(c.Control).Bounds(), expected) << c.Control;
  }
}

TEST_F(AccessibilityTest, LinesAreLeftOutAndTheirRoomGoesToNoOne) {
  EXPECT_FALSE(InTree("UiSeparator1"));
  EXPECT_FALSE(InTree("UiBorder1"));
  for (gui::TControl* c : AccessibleTree(*Form)) {
    EXPECT_NE(TAccessible(*c).Role(), gui::arNone) << c->Name();
    ASSERT_NE(TAccessible(*c).Parent(), nullptr) << c->Name();
  }
  // Reached through the panels that hold them.
  EXPECT_EQ(TAccessible(Control("UiBitBtn1")).Parent(), &Control("UiPanel2"));
}

TEST_F(AccessibilityTest, EveryCellHasANameOfItsOwn) {
  std::set<std::string> names;
  int cells = 0;
  for (gui::TControl* c : AccessibleTree(*Form)) {
    const std::string name = TAccessible(*c).Name();
    if (name.find(": ") == std::string::npos) continue;
    ++cells;
    EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
  }
  EXPECT_EQ(cells, 21 + 9 * 4 + 37 * 4) << "strip, pair and dozen cells, single numbers";
}

TEST_F(AccessibilityTest, CellNamesFollowTheHistory) {
  struct TCase {
    std::string_view Control;
    std::string AtStart, AfterSeven, AfterCorrection;
  };
  const TCase cases[] = {
      {"UiLabel36", "Красное, 10 спинов: пусто", "Красное, 10 спинов: 1", "Красное, 10 спинов: 0, меньше всех"},
      {"UiLabel41", "Черное, 10 спинов: пусто", "Черное, 10 спинов: 0, меньше всех", "Черное, 10 спинов: 1"},
      {"UiLabel39", "Красное, всего: пусто", "Красное, всего: 1", "Красное, всего: 0, меньше всех"},
      {"UiLabel46", "от 1 до 18, 10 спинов: пусто", "от 1 до 18, 10 спинов: 1", "от 1 до 18, 10 спинов: 1"},
      {"UiLabel10S7", "Число 7, 10 спинов: пусто", "Число 7, 10 спинов: 1", "Число 7, 10 спинов: 0, меньше всех"},
      {"UiLabelLast1", "Последние числа, 1: пусто", "Последние числа, 1: 7, красное",
       "Последние числа, 1: 8, черное"},
      {"UiLabelLast2", "Последние числа, 2: пусто", "Последние числа, 2: пусто", "Последние числа, 2: пусто"},
      {"UiLabel266", "0", "1", "1"},
  };
  for (const TCase& c : cases) EXPECT_EQ(NameOf(c.Control), c.AtStart) << c.Control;
  Enter("7");
  for (const TCase& c : cases) EXPECT_EQ(NameOf(c.Control), c.AfterSeven) << c.Control;
  Answer([](gui::TForm& form) {
    auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
    EXPECT_TRUE(TAccessible(*prompt.Edit()).SetText("8"));
    EXPECT_TRUE(TAccessible(*prompt.OkButton()).Press());
  });
  DoubleClick(Host, *Form, "UiLabelLast1");
  ASSERT_EQ(Modals, 1);
  for (const TCase& c : cases) EXPECT_EQ(NameOf(c.Control), c.AfterCorrection) << c.Control;
}

TEST_F(AccessibilityTest, AnEntryAnnouncesWhatChangedAndNothingElse) {
  App.SetAccListener(&Recorder);
  Enter("7");
  using platform::headless::TAccRecord;
  EXPECT_EQ(Recorder.EventsOf("UiLabel266"), (std::vector<TAccRecord>{{"UiLabel266", gui::aeTextChanged, "1"}}));
  EXPECT_EQ(Recorder.EventsOf("UiLabelLast1"),
            (std::vector<TAccRecord>{{"UiLabelLast1", gui::aeTextChanged, "Последние числа, 1: 7, красное"}}));
  EXPECT_EQ(Recorder.EventsOf("UiLabel36"),
            (std::vector<TAccRecord>{{"UiLabel36", gui::aeTextChanged, "Красное, 10 спинов: 1"}}));
  // Typed (the caret moving past the digit), then emptied for the next number; the focus stayed
  // where it was.
  EXPECT_EQ(Recorder.EventsOf("UiNumericEdit1"),
            (std::vector<TAccRecord>{{"UiNumericEdit1", gui::aeTextChanged, ""},
                                     {"UiNumericEdit1", gui::aeCaretMoved, ""},
                                     {"UiNumericEdit1", gui::aeTextChanged, ""}}));
  EXPECT_TRUE(Recorder.EventsOf("UiLabelLast2").empty()) << "an equal caption is no change";
  EXPECT_TRUE(Recorder.EventsOf("UiLabel37").empty()) << "the last 20 are not written before the 11th spin";
  for (const TAccRecord& r : Recorder.Events()) EXPECT_NE(r.Event, gui::aeFocus) << r.Control;
  // Nothing is told once the listener is gone.
  App.SetAccListener(nullptr);
  Recorder.Clear();
  Enter("8");
  EXPECT_TRUE(Recorder.Events().empty());
}

TEST_F(AccessibilityTest, ActionsRunTheHandlersOfTheUsersInput) {
  EXPECT_TRUE(Acc("UiNumericEdit1").SetText("7"));
  EXPECT_EQ(Acc("UiNumericEdit1").Text()->Text, "7");
  EXPECT_TRUE(Acc("UiBitBtn3").Press());
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7}));
  EXPECT_EQ(NameOf("UiLabel266"), "1");
  EXPECT_TRUE(Acc("UiNumericEdit1").SetText("4x2")) << "the field's own filter drops the letter";
  EXPECT_EQ(Acc("UiNumericEdit1").Text()->Text, "42");

  App.SetAccListener(&Recorder);
  EXPECT_TRUE(Acc("UiCheckBox1").Press());
  EXPECT_TRUE(Acc("UiCheckBox1").States().Contains(gui::asChecked));
  EXPECT_TRUE(Form->TopMost()) << "the box's click handler ran";
  EXPECT_EQ(Recorder.EventsOf("UiCheckBox1").size(), 1u);

  Control("UiBitBtn3").SetEnabled(false);
  EXPECT_FALSE(Acc("UiBitBtn3").Press()) << "a disabled button takes no press";
  EXPECT_FALSE(Acc("UiBitBtn3").States().Contains(gui::asEnabled));
  EXPECT_FALSE(Acc("UiLabel2").Press()) << "a label has no press";
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7}));
}

// The counter and the head of the strip are spoken as they change; nothing else is.
TEST_F(AccessibilityTest, TheCounterAndTheNewestNumberAreLiveRegions) {
  std::vector<std::string> live;
  for (gui::TControl* c : AccessibleTree(*Form))
    if (TAccessible(*c).Live()) live.push_back(c->Name());
  EXPECT_EQ(live, (std::vector<std::string>{"UiLabel266", "UiLabelLast1"}));
  Form->SetAnnounceEntries(false);
  for (gui::TControl* c : AccessibleTree(*Form)) EXPECT_FALSE(TAccessible(*c).Live()) << c->Name();
}

// The third state of a check box that allows it reads as indeterminate, not as checked.
TEST_F(AccessibilityTest, AGrayedCheckBoxIsIndeterminate) {
  auto& box = dynamic_cast<widgets::TUiCustomCheckBox&>(Control("UiCheckBox1"));
  box.SetAllowGrayed(true);
  App.SetAccListener(&Recorder);
  struct TStep {
    widgets::TCheckBoxState State;
    bool Checked, Indeterminate;
  };
  const TStep steps[] = {
      {widgets::cbGrayed, false, true}, {widgets::cbChecked, true, false}, {widgets::cbUnchecked, false, false}};
  for (const TStep& step : steps) {
    Recorder.Clear();
    EXPECT_TRUE(Acc("UiCheckBox1").Press());
    EXPECT_EQ(box.State(), step.State);
    const TAccStates states = Acc("UiCheckBox1").States();
    EXPECT_EQ(states.Contains(gui::asChecked), step.Checked) << int(step.State);
    EXPECT_EQ(states.Contains(gui::asIndeterminate), step.Indeterminate) << int(step.State);
    EXPECT_EQ(Recorder.EventsOf("UiCheckBox1"),
              (std::vector<platform::headless::TAccRecord>{
                  {"UiCheckBox1", gui::aeStateChanged, "показывать окно поверх всех окон"}}));
  }
}

// A label's characters stand where the label draws them: side by side across its text, which
// the counter centres in its box.
TEST_F(AccessibilityTest, ALabelsCharactersAreWhereItDrawsThem) {
  struct TCase {
    std::string_view Control;
    int Count;
  };
  for (const TCase& c : {TCase{"UiLabel3", 17}, TCase{"UiLabel266", 1}}) {
    const TAccessible acc = Acc(c.Control);
    const gui::TRect box = acc.Bounds();
    std::optional<gui::TRect> first = acc.CharBounds(0), last = acc.CharBounds(c.Count - 1);
    ASSERT_TRUE(first && last) << c.Control;
    EXPECT_FALSE(acc.CharBounds(c.Count)) << c.Control;
    EXPECT_GE(first->Left, box.Left) << c.Control;
    EXPECT_LE(last->Right, box.Right) << c.Control;
    EXPECT_GT(last->Right - first->Left, c.Count * 4) << c.Control;
    EXPECT_EQ(first->Top, last->Top) << c.Control;
  }
  const gui::TRect box = Acc("UiLabel266").Bounds();
  const gui::TRect digit = *Acc("UiLabel266").CharBounds(0);
  EXPECT_NEAR(digit.Left - box.Left, box.Right - digit.Right, 1) << "the counter is centred";
}

TEST_F(AccessibilityTest, TheExitQuestionIsADialogThatTakesThePressesWhileTheWindowTakesNone) {
  App.SetAccListener(&Recorder);
  bool pressedBehind = true;
  std::string dialogName;
  Answer([&](gui::TForm& form) {
    dialogName = TAccessible(form).Name();
    EXPECT_EQ(TAccessible(form).Role(), gui::arDialog);
    pressedBehind = Acc("UiBitBtn3").Press();
    gui::TControl* no = FindAccessible(form, gui::arPushButton, "No");
    ASSERT_NE(no, nullptr);
    EXPECT_NE(FindAccessible(form, gui::arLabel, "Вы уверены, что хотите выйти из программы?"), nullptr);
    EXPECT_TRUE(TAccessible(*no).Press());
  });
  EXPECT_TRUE(Acc("UiBitBtn1").Press());
  EXPECT_EQ(Modals, 1);
  EXPECT_FALSE(pressedBehind) << "the modal question holds the input";
  EXPECT_EQ(dialogName, "Confirm");
  EXPECT_FALSE(App.Terminated()) << "No keeps the program running";
  bool shown = false;
  for (const auto& r : Recorder.Events()) shown = shown || r.Event == gui::aeWindowShown;
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace app_test
