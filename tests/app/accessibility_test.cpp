// The main window as an assistive technology reads it: roles, names, states and bounds, the names
// of the table cells as the history changes, the events of an entry, and the actions.

#include <algorithm>
#include <set>

#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/controls/application.h"
#include "gui/graphics/text.h"
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
    const std::vector<gui::TAccNode*> tree = AccessibleTree(*Form);
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
      {"UiNumericEdit1", arText, "Ввод выпавшего числа", on | asShowing | asFocusable | asFocused | asEditable,
       asReadOnly},
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
  for (gui::TAccNode* c : AccessibleTree(*Form)) {
    EXPECT_NE(TAccessible(*c).Role(), gui::arNone) << TAccessible(*c).Name();
    ASSERT_NE(TAccessible(*c).Parent(), nullptr) << TAccessible(*c).Name();
  }
  // Reached through the panels that hold them.
  EXPECT_EQ(TAccessible(Control("UiBitBtn1")).Parent(), &Control("UiPanel2"));
}

TEST_F(AccessibilityTest, EveryCellHasANameOfItsOwn) {
  std::set<std::string> names;
  int cells = 0;
  for (gui::TAccNode* c : AccessibleTree(*Form)) {
    const TAccessible acc(*c);
    if (acc.Role() != gui::arTableCell && acc.Role() != gui::arListItem) continue;
    ++cells;
    EXPECT_TRUE(names.insert(acc.Name()).second) << "twice: " << acc.Name();
  }
  EXPECT_EQ(cells, 21 + 9 * 4 + 37 * 4) << "strip, pair and dozen cells, single numbers";
}

// A cell's name says where it stands and stays; its text says the count in words, the mark included.
TEST_F(AccessibilityTest, CellTextsFollowTheHistory) {
  struct TCase {
    std::string_view Control;
    std::string Name, AtStart, AfterSeven, AfterCorrection;
  };
  const TCase cases[] = {
      {"UiLabel36", "Красное, 10 спинов", "пусто", "1", "0, меньше всех"},
      {"UiLabel41", "Черное, 10 спинов", "пусто", "0, меньше всех", "1"},
      {"UiLabel39", "Красное, всего", "пусто", "1", "0, меньше всех"},
      {"UiLabel46", "от 1 до 18, 10 спинов", "пусто", "1", "1"},
      {"UiLabel10S7", "Число 7, 10 спинов", "пусто", "1", "0, меньше всех"},
      {"UiLabelLast1", "Последние числа, 1", "пусто", "7, красное", "8, черное"},
      {"UiLabelLast2", "Последние числа, 2", "пусто", "пусто", "пусто"},
      {"UiLabel266", "0", "0", "1", "1"},
  };
  auto check = [&](std::string TCase::*text, const char* when) {
    for (const TCase& c : cases) {
      EXPECT_EQ(Acc(c.Control).Text()->Text, c.*text) << c.Control << " " << when;
      if (c.Control != "UiLabel266") {
        EXPECT_EQ(NameOf(c.Control), c.Name) << c.Control << " " << when;
      }
    }
  };
  check(&TCase::AtStart, "at start");
  Enter("7");
  check(&TCase::AfterSeven, "after 7");
  Answer([](gui::TForm& form) {
    auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
    EXPECT_TRUE(TAccessible(*prompt.Edit()).SetText("8"));
    EXPECT_TRUE(TAccessible(*prompt.OkButton()).Press());
  });
  DoubleClick(Host, *Form, "UiLabelLast1");
  ASSERT_EQ(Modals, 1);
  check(&TCase::AfterCorrection, "after the correction");
}

// One entry tells a listener only what it needs: what was typed, the field emptied, and the
// spin said through the field's description; the counter's new text. No cell says a word.
TEST_F(AccessibilityTest, AnEntryAnnouncesWhatChangedAndNothingElse) {
  App.SetAccListener(&Recorder);
  Enter("7");
  using gui::aeCaretMoved, gui::aeDescriptionChanged, gui::aeTextChanged;
  using platform::headless::TAccRecord;
  const std::string field = "Ввод выпавшего числа";
  EXPECT_EQ(Recorder.Events(), (std::vector<TAccRecord>{{"UiNumericEdit1", aeTextChanged, field},
                                                        {"UiNumericEdit1", aeCaretMoved, field},
                                                        {"UiLabel266", aeTextChanged, "1"},
                                                        {"UiNumericEdit1", aeTextChanged, field},
                                                        {"UiNumericEdit1", aeDescriptionChanged, field}}));
  EXPECT_EQ(Acc("UiNumericEdit1").Description(), "7, красное. Спин 1");
  Recorder.Clear();
  Enter("0");
  EXPECT_EQ(Acc("UiNumericEdit1").Description(), "0, зеро. Спин 2");
  for (const TAccRecord& r : Recorder.Events())
    EXPECT_TRUE(r.Control == "UiNumericEdit1" || r.Control == "UiLabel266") << r.Control;
  // Nothing is told once the listener is gone.
  App.SetAccListener(nullptr);
  Recorder.Clear();
  Enter("8");
  EXPECT_TRUE(Recorder.Events().empty());
}

TEST_F(AccessibilityTest, NoAnnounceMeansNoWordAfterAnEntry) {
  Form->SetAnnounceEntries(false);
  App.SetAccListener(&Recorder);
  Enter("7");
  EXPECT_EQ(Acc("UiNumericEdit1").Description(), "");
  for (const auto& r : Recorder.Events()) EXPECT_NE(r.Event, gui::aeDescriptionChanged) << r.Control;
  for (gui::TAccNode* c : AccessibleTree(*Form)) EXPECT_FALSE(TAccessible(*c).Live()) << TAccessible(*c).Name();
}

// The field is labelled by the caption beside it, and the caption labels the field.
TEST_F(AccessibilityTest, TheEntryAndItsCaptionNameEachOther) {
  EXPECT_EQ(Acc("UiNumericEdit1").LabelledBy(), &Control("UiLabel2"));
  EXPECT_EQ(Acc("UiLabel2").LabelFor(), &Control("UiNumericEdit1"));
  EXPECT_EQ(Acc("UiLabel3").LabelFor(), nullptr);
  EXPECT_EQ(Acc("UiBitBtn3").LabelledBy(), nullptr);
}

// Only an entry takes a text: a label, a cell or a button refuses it and keeps its own.
TEST_F(AccessibilityTest, WritesIntoWhatIsNotAnEntryAreRefused) {
  for (std::string_view name :
       {"UiLabel2", "UiLabel266", "UiLabel36", "UiLabelLast1", "UiBitBtn3", "UiCheckBox1"}) {
    const std::optional<gui::TAccText> before = Acc(name).Text();
    EXPECT_FALSE(Acc(name).SetText("5")) << name;
    EXPECT_EQ(Acc(name).Text(), before) << name;
  }
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

// A cell speaks words it does not draw; a reader that looks for its text on screen finds every
// character of it where the cell is, and none beyond.
TEST_F(AccessibilityTest, ACellsSpokenTextStandsWhereTheCellIs) {
  Enter("7");
  for (std::string_view name : {"UiLabel41", "UiLabelLast1", "UiLabel10S7"}) {
    const TAccessible acc = Acc(name);
    const int length = static_cast<int>(gui::Utf8ToAnsi(acc.Text()->Text).size());
    ASSERT_GT(length, 0) << name;
    for (int i : {0, length - 1}) EXPECT_EQ(acc.CharBounds(i), acc.Bounds()) << name << " " << i;
    EXPECT_FALSE(acc.CharBounds(length)) << name;
    EXPECT_FALSE(acc.CharBounds(-1)) << name;
  }
}

TEST_F(AccessibilityTest, TheExitQuestionIsADialogThatTakesThePressesWhileTheWindowTakesNone) {
  App.SetAccListener(&Recorder);
  bool pressedBehind = true;
  std::string dialogName;
  Answer([&](gui::TForm& form) {
    dialogName = TAccessible(form).Name();
    EXPECT_EQ(TAccessible(form).Role(), gui::arDialog);
    pressedBehind = Acc("UiBitBtn3").Press();
    gui::TAccNode* no = FindAccessible(form, gui::arPushButton, "No");
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
