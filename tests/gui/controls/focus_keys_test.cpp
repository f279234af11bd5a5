#include <gtest/gtest.h>

#include "test_controls.h"

using namespace gui;
using namespace spintrak_test;
using namespace platform::headless::testing;

namespace {

struct FocusKeysTest : ::testing::Test, TShownForm {
  std::vector<std::string> Log;
};

TEST_F(FocusKeysTest, TabFollowsTabOrderSkipsWhatCannotTakeFocusAndWraps) {
  auto* b2 = new TTestButton(Form, Form, "B2", {0, 0, 50, 20});
  auto* b1 = new TTestButton(Form, Form, "B1", {0, 30, 50, 20});
  auto* off = new TTestButton(Form, Form, "Off", {0, 60, 50, 20});
  auto* hidden = new TTestButton(Form, Form, "Hidden", {0, 90, 50, 20});
  auto* noStop = new TTestButton(Form, Form, "NoStop", {0, 120, 50, 20});
  auto* b3 = new TTestButton(Form, Form, "B3", {0, 150, 50, 20});
  b2->SetTabOrder(1);
  b1->SetTabOrder(0);
  off->SetEnabled(false);
  hidden->SetVisible(false);
  noStop->SetTabStop(false);
  Show();
  EXPECT_EQ(Form->FocusedControl(), b1) << "the first control in Tab order gets the focus on showing";
  std::vector<TWinControl*> seen;
  for (int i = 0; i < 4; ++i) {
    Tab(Host, *Form);
    seen.push_back(Form->FocusedControl());
  }
  EXPECT_EQ(seen, (std::vector<TWinControl*>{b2, b3, b1, b2}));
  Tab(Host, *Form, true);
  EXPECT_EQ(Form->FocusedControl(), b1);
  Tab(Host, *Form, true);
  EXPECT_EQ(Form->FocusedControl(), b3) << "Shift+Tab wraps backwards";
}

TEST_F(FocusKeysTest, EnterReachesTheDialogStageBeforeTheFieldsKeyPress) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  auto* ok = new TTestButton(Form, Form, "OK", {0, 30, 50, 20});
  edit->Log = &Log;
  ok->OnClick = [&](TComponent*) { Log.push_back("OK.Click"); };
  Show();
  ASSERT_EQ(Form->FocusedControl(), edit);

  ok->Default = true;
  PressKey(Host, *Form, VK_RETURN);
  EXPECT_EQ(Log, (std::vector<std::string>{"Edit.Enter", "OK.Click"}))
      << "a key taken by the dialog stage reaches the field neither as key down nor as character";

  ok->Default = false;
  Log.clear();
  edit->OnKeyPress = [&](TComponent*, char& key) { Log.push_back("OnKeyPress " + std::to_string(key)); };
  PressKey(Host, *Form, VK_RETURN);
  EXPECT_EQ(Log, (std::vector<std::string>{"Edit.KeyDown 13", "OnKeyPress 13", "Edit.KeyPress 13"}));
}

TEST_F(FocusKeysTest, OnKeyPressRunsBeforeTheControlsOwnHandlingAndMayChangeTheKey) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  edit->OnKeyPress = [](TComponent*, char& key) {
    if (key == 'a') key = 'b';
    if (key == 'x') key = 0;
  };
  Show();
  TypeText(Host, *Form, "axa5");
  EXPECT_EQ(edit->Text, "bb5");
}

TEST_F(FocusKeysTest, ArrowsGoToAFieldThatWantsThemAndMoveFocusFromOneThatDoesNot) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  auto* b1 = new TTestButton(Form, Form, "B1", {0, 30, 50, 20});
  auto* b2 = new TTestButton(Form, Form, "B2", {0, 60, 50, 20});
  edit->Log = &Log;
  Show();
  PressKey(Host, *Form, VK_RIGHT);
  EXPECT_EQ(Form->FocusedControl(), edit);
  EXPECT_EQ(Log.back(), "Edit.KeyDown 39");
  b1->SetFocus();
  PressKey(Host, *Form, VK_DOWN);
  EXPECT_EQ(Form->FocusedControl(), b2);
}

TEST_F(FocusKeysTest, TextWithoutAKeyAfterAnArrowTakenByTheDialogStageIsTyped) {
  auto* b1 = new TTestButton(Form, Form, "B1", {0, 0, 50, 20});
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 30, 80, 20});
  Show();
  ASSERT_EQ(Form->FocusedControl(), b1);
  PressKey(Host, *Form, VK_DOWN);  // moves the focus and gives no character
  ASSERT_EQ(Form->FocusedControl(), edit);
  TypeText(Host, *Form, "\xD0\xB6");  // Cyrillic zhe from an input method, no key of its own
  EXPECT_EQ(edit->Text, "\xE6");
}

TEST_F(FocusKeysTest, TabCharacterIsNotTypedIntoTheFieldThatReceivedTheFocus) {
  new TTestButton(Form, Form, "B1", {0, 0, 50, 20});
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 30, 80, 20});
  Show();
  Tab(Host, *Form);
  ASSERT_EQ(Form->FocusedControl(), edit);
  TypeText(Host, *Form, "7");
  EXPECT_EQ(edit->Text, "7");
}

TEST_F(FocusKeysTest, ExitOfTheFocusedControlRunsBeforeTheClickOfTheControlThatTookTheFocus) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  auto* add = new TTestButton(Form, Form, "Add", {0, 30, 50, 20});
  edit->OnExit = [&](TComponent*) { Log.push_back("Edit.OnExit"); };
  add->OnEnter = [&](TComponent*) { Log.push_back("Add.OnEnter"); };
  add->OnClick = [&](TComponent*) { Log.push_back("Add.OnClick"); };
  Show();
  Click(Host, *Form, "Add");
  EXPECT_EQ(Log, (std::vector<std::string>{"Edit.OnExit", "Add.OnEnter", "Add.OnClick"}));
}

TEST_F(FocusKeysTest, AnExitHandlerMayKeepTheFocusAndThePressThenDoesNothing) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  auto* add = new TTestButton(Form, Form, "Add", {0, 30, 50, 20});
  int clicks = 0;
  edit->OnExit = [&](TComponent*) { edit->SetFocus(); };
  add->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  Click(Host, *Form, "Add");
  EXPECT_EQ(Form->FocusedControl(), edit);
  EXPECT_EQ(add->EnterCount, 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(FocusKeysTest, EveryControlHearsOfEveryFocusMove) {
  struct TWatcher : TTestLabel {
    using TTestLabel::TTestLabel;
    std::vector<TControl*> Seen;
    void FocusChanged(TControl* focused) override { Seen.push_back(focused); }
  };
  auto* panel = new TCustomControl(Form);
  panel->SetParent(Form);
  panel->SetBounds(100, 0, 100, 100);
  auto* deep = new TWatcher(Form, panel, "Deep", {0, 0, 10, 10});
  auto* b1 = new TTestButton(Form, Form, "B1", {0, 0, 50, 20});
  auto* b2 = new TTestButton(Form, Form, "B2", {0, 30, 50, 20});
  Show();
  b2->SetFocus();
  EXPECT_EQ(deep->Seen, (std::vector<TControl*>{b1, b2}));
}

TEST_F(FocusKeysTest, FocusSetBeforeShowingIsTakenWhenTheFormIsActivated) {
  new TTestButton(Form, Form, "B1", {0, 0, 50, 20});
  auto* b2 = new TTestButton(Form, Form, "B2", {0, 30, 50, 20});
  b2->SetFocus();
  EXPECT_EQ(Form->FocusedControl(), nullptr);
  EXPECT_EQ(Form->ActiveControl(), b2);
  Show();
  EXPECT_EQ(Form->FocusedControl(), b2);
  EXPECT_EQ(b2->EnterCount, 1);
}

TEST_F(FocusKeysTest, CharactersGoToAcceleratorsWhenTheFocusedControlTakesNone) {
  struct TAccelButton : TTestButton {
    using TTestButton::TTestButton;
    char Accel = 0;
    int Hits = 0;
    bool WantsChars() const override { return false; }
    bool DialogChar(char ch, TShiftState) override { return ch == Accel && ++Hits > 0; }
  };
  auto* yes = new TAccelButton(Form, Form, "Yes", {0, 0, 50, 20});
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 30, 80, 20});
  yes->Accel = 'y';
  Show();
  ASSERT_EQ(Form->FocusedControl(), yes);
  TypeText(Host, *Form, "y");
  EXPECT_EQ(yes->Hits, 1);
  edit->SetFocus();
  TypeText(Host, *Form, "y");
  EXPECT_EQ(yes->Hits, 1) << "a field that takes characters gets them first";
  EXPECT_EQ(edit->Text, "y");
  Host.KeyDown(*Form, 'Y', ssAlt);
  Host.Char(*Form, U'y');
  Host.RunUntilIdle();
  EXPECT_EQ(yes->Hits, 2) << "with Alt held the accelerators come first";
  EXPECT_EQ(edit->Text, "y");
  PressKey(Host, *Form, 'Z', ssAlt);
  EXPECT_EQ(edit->Text, "y") << "an Alt character that is no access key is not typed";
}

TEST_F(FocusKeysTest, DisablingOrFreeingTheFocusedControlMovesTheFocusAway) {
  auto* b1 = new TTestButton(Form, Form, "B1", {0, 0, 50, 20});
  auto* b2 = new TTestButton(Form, Form, "B2", {0, 30, 50, 20});
  Show();
  b1->SetEnabled(false);
  EXPECT_EQ(Form->FocusedControl(), nullptr);
  EXPECT_EQ(b1->ExitCount, 1);
  b2->SetFocus();
  delete b2;
  EXPECT_EQ(Form->FocusedControl(), nullptr);
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  Tab(Host, *Form);  // nothing left to focus; must not touch the freed control
  EXPECT_EQ(Form->FocusedControl(), nullptr);
}

}  // namespace
