// The numeric field as the player uses it: typing, pasting, reading and writing the value, and
// the range step and reformatting when the focus moves.

#include "edit_fixture.h"

namespace widgets::testing {
namespace {

using gui::VK_BACK;
using gui::VK_DECIMAL;
using gui::VK_END;
using gui::VK_HOME;
using gui::VK_RETURN;
using gui::VK_RIGHT;

const std::string TwentyNines(20, '9');

struct NumericEdit : TEditFixture {
  NumericEdit() { Show(); }
};

TEST_F(NumericEdit, CreationDefaults) {
  TUiNumericEdit edit(nullptr);
  EXPECT_EQ(edit.Width(), 65);
  EXPECT_EQ(edit.Height(), 21);
  EXPECT_EQ(edit.Text(), "0");
  EXPECT_EQ(edit.Alignment(), gui::taRightJustify);
  EXPECT_EQ(edit.DisplayFormat(), ",0;(,0)");
  EXPECT_TRUE(edit.IntegersOnly());
  EXPECT_TRUE(edit.AllowScientificNotation());
  EXPECT_TRUE(edit.BeepOnInvalidKey());
  EXPECT_FALSE(edit.AllowBlank());
  EXPECT_FALSE(edit.CheckRange());
  EXPECT_FALSE(edit.CalculatorVisible());
  EXPECT_EQ(edit.Min(), 0);
  EXPECT_EQ(edit.Max(), 0);
}

TEST_F(NumericEdit, ALoadedFieldShowsItsValueInItsPictureWithoutChangeEvents) {
  EXPECT_EQ(Field->Text(), "0");
  EXPECT_TRUE(Events.empty());
  Form->BeginLoading();
  auto* loaded = new TUiNumericEdit(Form);
  int changes = 0;
  loaded->OnChange = [&](gui::TComponent*) { ++changes; };
  loaded->SetValue(5);
  loaded->SetDisplayFormat("0.0");
  EXPECT_EQ(loaded->Text(), "5") << "the picture waits for the end of loading";
  Form->EndLoading();
  EXPECT_EQ(loaded->Text(), "5.0");
  EXPECT_EQ(changes, 0);
}

TEST_F(NumericEdit, RejectedKeysBeepAndLeaveTheText) {
  Focus(*Field);
  Type("a ,");
  EXPECT_EQ(Host.Beeps(), 3);
  EXPECT_EQ(Field->Text(), "0");
  Type("5");
  EXPECT_EQ(Field->Text(), "5") << "the text was selected on entry and is typed over";
  Field->SetBeepOnInvalidKey(false);
  Type("x");
  EXPECT_EQ(Host.Beeps(), 3);
}

TEST_F(NumericEdit, EnterReachesTheOwnerFirstAndIsThenRejectedWithABeep) {
  std::vector<int> seen;
  Field->OnKeyPress = [&](gui::TComponent*, char& key) {
    seen.push_back(key);
    EXPECT_EQ(Host.Beeps(), 0) << "the owner runs before the filter";
  };
  Focus(*Field);
  Key(VK_RETURN);
  EXPECT_EQ(seen, std::vector<int>{13});
  EXPECT_EQ(Host.Beeps(), 1);
  EXPECT_EQ(Field->Text(), "0");
  // An owner that takes the key itself leaves nothing to reject.
  Field->OnKeyPress = [](gui::TComponent*, char& key) { key = 0; };
  Key(VK_RETURN);
  EXPECT_EQ(Host.Beeps(), 1);
}

TEST_F(NumericEdit, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  char seen = 0;
  Field->OnKeyPress = [&](gui::TComponent*, char& key) { seen = key; };
  SetNumberSeparators({',', '.'});
  Focus(*Field);
  Key(VK_DECIMAL);
  EXPECT_EQ(seen, ',');
  EXPECT_EQ(Host.Beeps(), 1) << "an integer field rejects it";
  Field->SetIntegersOnly(false);
  Key(VK_END);
  Key(VK_DECIMAL);
  EXPECT_EQ(Field->Text(), "0,");
  // The flag goes with the next key: a later "." is the keyboard's own and not this locale's.
  Type("5.");
  EXPECT_EQ(Field->Text(), "0,5");
  EXPECT_EQ(Host.Beeps(), 2);
}

TEST_F(NumericEdit, NothingGoesInFrontOfASignAndASignOnlyInFront) {
  Focus(*Field);
  Type("-5");
  Key(VK_HOME);
  Type("3");
  Key(VK_BACK);
  EXPECT_EQ(Host.Beeps(), 2);
  EXPECT_EQ(Field->Text(), "-5");
  Key(VK_RIGHT);
  Type("3");
  EXPECT_EQ(Field->Text(), "-35");
  Key(VK_END);
  Type("-+");
  EXPECT_EQ(Host.Beeps(), 4);
  Key(VK_HOME);
  Key(VK_RIGHT, gui::ssShift);
  Type("+");
  EXPECT_EQ(Field->Text(), "+35") << "a selection from the start that holds the sign";
  Key(VK_END);
  Key(VK_HOME, gui::ssShift);
  Type("-");
  EXPECT_EQ(Field->Text(), "-") << "the whole text selected";
}

struct TPasteCase {
  TNumberSeparators Separators;
  const char* Pasted;
  long double Value;
  const char* AfterLeaving;
};

TEST_F(NumericEdit, PastedTextIsTakenUnfilteredAndReadUnderEitherSeparator) {
  const TPasteCase cases[] = {
      {{'.', ','}, "abc", 0, "0"}, {{'.', ','}, "3.7", 3.7L, "4"}, {{'.', ','}, "3,7", 37, "36"},
      {{',', '.'}, "abc", 0, "0"}, {{',', '.'}, "3.7", 37, "36"},  {{',', '.'}, "3,7", 3.7L, "4"},
  };
  for (const TPasteCase& c : cases) {
    SCOPED_TRACE(std::string(c.Pasted) + " with decimal separator " + c.Separators.Decimal);
    SetNumberSeparators(c.Separators);
    Focus(*Field);
    Paste(c.Pasted);
    EXPECT_EQ(Field->Text(), c.Pasted);
    EXPECT_EQ(Field->Value(), c.Value);
    EXPECT_EQ(Host.Beeps(), 0);
    Focus(*Other);
    EXPECT_EQ(Field->Text(), c.AfterLeaving);
  }
  Focus(*Field);
  Field->SetReadOnly(true);
  Paste("12");
  Key('X', gui::ssCtrl);
  EXPECT_EQ(Field->Text(), "4") << "a read-only field neither pastes nor cuts";
}

TEST_F(NumericEdit, ReadingIntegerValue) {
  Field->SetText("");
  EXPECT_EQ(Field->IntegerValue(), 0);
  EXPECT_EQ(Field->Text(), "0") << "reading an empty text writes the minimum into it";
  const std::pair<const char*, std::int64_t> cases[] = {
      {"-", 0}, {"50", 50}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}};
  for (const auto& [text, expected] : cases) {
    Field->SetText(text);
    EXPECT_EQ(Field->IntegerValue(), expected) << text;
    EXPECT_EQ(Field->Text(), text) << "reading applies no range";
  }
  Field->SetText(TwentyNines);
  EXPECT_THROW(Field->IntegerValue(), EInvalidOp);
  EXPECT_EQ(Field->Value(), 99999999999999999999.0L);
}

TEST_F(NumericEdit, AnIntegerValueOutOfRangeReachesTheErrorReport) {
  std::int64_t recorded = -1;
  Field->OnKeyPress = [&](gui::TComponent*, char& key) {
    if (key == '\r') recorded = Field->IntegerValue();
  };
  Focus(*Field);
  Type(TwentyNines);
  Key(VK_RETURN);
  EXPECT_EQ(recorded, -1);
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_NE(Reports[0].find("Invalid floating point operation"), std::string::npos) << Reports[0];
}

TEST_F(NumericEdit, WritingTheValueRewritesTheTextOnlyWhenTheNumberChanges) {
  Field->SetText("50");
  Events.clear();
  Field->SetIntegerValue(36);
  EXPECT_EQ(Field->Text(), "36");
  Field->SetIntegerValue(36);
  Field->SetText("36");
  EXPECT_EQ(Events, std::vector<std::string>{"change 36"});
  Field->SetValue(100);
  EXPECT_EQ(Field->Text(), "100") << "writing applies no range";
  Field->SetText("0036");
  Field->SetValue(36);
  EXPECT_EQ(Field->Text(), "0036") << "the same number: the text stays as typed";
}

// Leaving the field: each row of the table above TUiNumericEdit.
struct TLeaveRow {
  std::string Before;
  std::string After;
};

class LeavingTheField : public NumericEdit, public ::testing::WithParamInterface<TLeaveRow> {};

TEST_P(LeavingTheField, PullsTheValueIntoRangeAndReformats) {
  Focus(*Field);
  Field->SetText(GetParam().Before);
  Events.clear();
  Focus(*Other);
  EXPECT_EQ(Field->Text(), GetParam().After);
  ASSERT_FALSE(Events.empty());
  EXPECT_EQ(Events.back(), "exit " + GetParam().After) << "OnExit sees the reformatted text";
  EXPECT_EQ(Host.Beeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, LeavingTheField,
                         ::testing::Values(TLeaveRow{"50", "36"}, TLeaveRow{"-5", "0"}, TLeaveRow{"", "0"},
                                           TLeaveRow{"(3)", "0"}, TLeaveRow{"007", "7"},
                                           TLeaveRow{std::string(20, '9'), "36"}));

TEST_F(NumericEdit, ARangeHandlerMayCorrectOrKeepTheEnteredValue) {
  std::vector<std::pair<long double, long double>> calls;
  bool correct = true;
  Field->OnRangeError = [&](gui::TComponent*, long double entered, long double adjusted, bool& autoCorrect) {
    calls.emplace_back(entered, adjusted);
    EXPECT_TRUE(autoCorrect);
    autoCorrect = correct;
  };
  Focus(*Field);
  Field->SetText("-7");
  Focus(*Other);
  EXPECT_EQ(Field->Text(), "0");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].first, -7);
  EXPECT_EQ(calls[0].second, 0);

  correct = false;
  Focus(*Field);
  Field->SetText("50");
  Events.clear();
  Focus(*Other);
  EXPECT_TRUE(Field->Focused()) << "the field keeps the focus";
  EXPECT_EQ(Field->Text(), "50");
  EXPECT_TRUE(Events.empty()) << "no reformatting and no OnExit";
  EXPECT_TRUE(Field->FocusInside());
}

TEST_F(NumericEdit, AFieldThatCanNoLongerHoldTheFocusLetsItGoWithTheEnteredValue) {
  // Keeping the focus is asked for, but the field is being disabled: taking the focus back
  // would fail, so the field lets it go as if the value had been accepted.
  Field->OnRangeError = [](gui::TComponent*, long double, long double, bool& autoCorrect) { autoCorrect = false; };
  Focus(*Field);
  Field->SetText("50");
  Field->SetEnabled(false);
  Host.RunUntilIdle();
  EXPECT_TRUE(Reports.empty()) << (Reports.empty() ? "" : Reports[0]);
  EXPECT_FALSE(Field->Focused());
  EXPECT_FALSE(Field->FocusInside());
  EXPECT_EQ(Field->Text(), "50");
}

TEST_F(NumericEdit, EqualBoundsApplyNoRangeUnlessCheckRangeIsSet) {
  Field->SetMax(0);
  Focus(*Field);
  Field->SetText("50");
  Focus(*Other);
  EXPECT_EQ(Field->Text(), "50");
  Field->SetCheckRange(true);
  Focus(*Field);
  Focus(*Other);
  EXPECT_EQ(Field->Text(), "0");
}

TEST_F(NumericEdit, AButtonTakingTheFocusReadsTheClampedValue) {
  std::string shown;
  std::int64_t read = -1;
  Button->OnClick = [&](gui::TComponent*) {
    Events.push_back("click");
    shown = Field->Text();
    read = Field->IntegerValue();
  };
  Focus(*Field);
  Type("50");
  Events.clear();
  Click(Host, *Form, "Button1");
  EXPECT_EQ(shown, "36");
  EXPECT_EQ(read, 36);
  EXPECT_EQ(Events, (std::vector<std::string>{"change 36", "exit 36", "click"}));
}

TEST_F(NumericEdit, GainingTheFocusReformatsAndSelectsEverything) {
  Field->SetText("007");
  Events.clear();
  Focus(*Field);
  EXPECT_EQ(Field->Text(), "7");
  EXPECT_EQ(Field->SelLength(), 1);
  EXPECT_EQ(Events, (std::vector<std::string>{"change 7", "enter"}));
  // After Clear the field stays empty until the focus comes back.
  Field->Clear();
  Focus(*Other);
  Field->Clear();
  EXPECT_EQ(Field->Text(), "");
  Focus(*Field);
  EXPECT_EQ(Field->Text(), "0");
  EXPECT_EQ(Field->SelLength(), 1);
  // A click into the field places the caret instead of selecting.
  Focus(*Other);
  Click(Host, *Form, "UiNumericEdit1");
  EXPECT_TRUE(Field->Focused());
  EXPECT_EQ(Field->SelLength(), 0);
}

TEST_F(NumericEdit, SwitchingToAnotherApplicationAndBackIsNoFocusChange) {
  Focus(*Field);
  Type("50");
  Host.FocusChanged(*Form, false);
  Host.RunUntilIdle();
  Host.FocusChanged(*Form, true);
  Host.RunUntilIdle();
  EXPECT_EQ(Field->Text(), "50");
  EXPECT_TRUE(Field->FocusInside());
}

TEST_F(NumericEdit, AllowBlankKeepsAnEmptyTextEmpty) {
  Field->SetAllowBlank(true);
  Field->SetBlankValue(7);
  Focus(*Field);
  Field->Clear();
  Events.clear();
  Focus(*Other);
  EXPECT_EQ(Field->Text(), "");
  EXPECT_EQ(Events, std::vector<std::string>{"exit "});
  EXPECT_EQ(Field->Value(), 7);
  Focus(*Field);
  EXPECT_EQ(Field->Text(), "");
}

TEST_F(NumericEdit, SettersOfBoundsPictureAndIntegersOnly) {
  Field->SetText("50");
  Field->SetMin(40);
  EXPECT_EQ(Field->Max(), 40) << "the minimum raises the maximum";
  Field->SetMax(-3);
  EXPECT_EQ(Field->Min(), -3) << "the maximum lowers the minimum";
  EXPECT_EQ(Field->Text(), "50") << "bounds leave the text alone";

  Field->SetDisplayFormat("0.00");
  EXPECT_EQ(Field->Text(), "50.00");
  Field->SetDisplayFormat("#,##0.0");
  EXPECT_EQ(Field->Text(), "50.0");

  Field->SetIntegersOnly(false);
  Field->SetText("2.5");
  Field->SetIntegersOnly(true);
  EXPECT_EQ(Field->Text(), "2.0") << "rounded halves to even";
}

TEST_F(NumericEdit, ChangeEventsComeOnlyForRealChanges) {
  Field->SetText("12");
  Field->SetText("12");
  Field->Clear();
  Field->Clear();
  EXPECT_EQ(Events, (std::vector<std::string>{"change 12", "change "}));
}

TEST_F(NumericEdit, TabOnEnterMovesTheFocusInsteadOfBeeping) {
  int presses = 0;
  Field->OnKeyPress = [&](gui::TComponent*, char&) { ++presses; };
  Field->SetTabOnEnter(true);
  Focus(*Field);
  Key(VK_RETURN);
  EXPECT_TRUE(Button->Focused());
  EXPECT_EQ(presses, 0);
  EXPECT_EQ(Host.Beeps(), 0);
}

}  // namespace
}  // namespace widgets::testing
