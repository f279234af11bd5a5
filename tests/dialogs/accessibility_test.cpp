// The dialogs as an assistive technology reads them: a dialog named by its caption, the message
// as a label, the buttons as push buttons without their access-key marks, the prompt's entry as
// an editable text, and the actions that answer them.

#include <algorithm>
#include <functional>

#include "dialog_fixture.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_form.h"
#include "dialogs/message_icon.h"
#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"
#include "platform/headless/headless_accessibility.h"
#include "platform/headless/testing/input_script.h"

namespace dialogs_test {
namespace {

using namespace gui;
using namespace gui::literals;
using namespace dialogs;
using platform::headless::AccessibleTree;
using platform::headless::FindAccessible;

const AnsiString kQuestion = "Удалить?"_cp;
const AnsiString kTitle = "Смена числа"_cp;
const AnsiString kPrompt = "Новое &число"_cp;
const AnsiString kTyped = "Ёж"_cp;

TEST_F(TDialogFixture, TheMessageDialogIsADialogWithItsTextAndButtons) {
  const auto form = CreateMessageDialog(kQuestion, mkConfirmation, {dbYes, dbNo, dbCancel});
  struct TCase {
    TControl* Control;
    TAccRole Role;
    std::string Name;
  };
  const TCase cases[] = {
      {form.get(), arDialog, "Confirm"},
      {form->Message(), arLabel, "Удалить?"},
      {form->Image(), arImage, ""},
      {form->Button(dbYes), arPushButton, "Yes"},
      {form->Button(dbNo), arPushButton, "No"},
      {form->Button(dbCancel), arPushButton, "Cancel"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TAccessible(*c.Control).Role(), c.Role) << c.Control->Name();
    EXPECT_EQ(TAccessible(*c.Control).Name(), c.Name) << c.Control->Name();
    EXPECT_EQ(TAccessible(*c.Control).Bounds(), c.Control->RectInForm()) << c.Control->Name();
  }
  EXPECT_EQ(AccessibleTree(*form).size(), 5u) << "the icon, the text and three buttons";
  EXPECT_EQ(TAccessible(*form->Message()).Text()->Text, "Удалить?");
}

TEST_F(TDialogFixture, AMessageIsAnsweredByPressingAButton) {
  for (const char* name : {"Yes", "No"}) {
    Answer([name](TForm& form) {
      TAccNode* button = FindAccessible(form, arPushButton, name);
      ASSERT_NE(button, nullptr) << name;
      EXPECT_TRUE(TAccessible(*button).Press());
    });
    const int expected = std::string_view(name) == "Yes" ? mrYes : mrNo;
    EXPECT_EQ(ShowMessageDialog("?", mkConfirmation, {dbYes, dbNo}, 0), expected) << name;
  }
}

TEST_F(TDialogFixture, ThePromptsEntryIsAnEditableTextThatTakesItsTextAsTyped) {
  TPromptForm* shown = nullptr;
  Answer([&](TForm& form) {
    auto& prompt = dynamic_cast<TPromptForm&>(form);
    shown = &prompt;
    const TAccessible acc(*prompt.Edit());
    EXPECT_EQ(TAccessible(prompt).Role(), arDialog);
    EXPECT_EQ(TAccessible(prompt).Name(), "Смена числа");
    EXPECT_EQ(TAccessible(*prompt.Prompt()).Name(), "Новое число");
    EXPECT_EQ(acc.Role(), arText);
    EXPECT_TRUE(acc.States().Contains(asEditable));
    EXPECT_TRUE(acc.States().Contains(asFocused));
    // The default text comes selected, the caret at its end.
    EXPECT_EQ(acc.Text(), (TAccText{"17", 2, 0, 2}));
    EXPECT_TRUE(TAccessible(*prompt.OkButton()).States().Contains(asDefault));
    EXPECT_TRUE(TAccessible(*prompt.Edit()).SetText(std::string(300, '9')));
    EXPECT_EQ(prompt.Edit()->Text().size(), std::size_t(TPromptForm::kMaxTextLength)) << "the length limit holds";
    EXPECT_TRUE(TAccessible(*prompt.Edit()).SetText("Ёж"));
    EXPECT_EQ(acc.Text()->Text, "Ёж") << "in and out as UTF-8";
    EXPECT_EQ(prompt.Edit()->Text(), kTyped);
    prompt.Edit()->SetReadOnly(true);
    EXPECT_FALSE(TAccessible(*prompt.Edit()).SetText("1"));
    EXPECT_TRUE(acc.States().Contains(asReadOnly));
    EXPECT_FALSE(acc.States().Contains(asEditable));
    EXPECT_TRUE(TAccessible(*prompt.OkButton()).Press());
  });
  EXPECT_EQ(PromptForText(kTitle, kPrompt, "17"), kTyped);
  EXPECT_NE(shown, nullptr);
}

// The pieces a reader asks for: [start, end) of the piece before, at and after an offset.
TEST(AccTextRange, CutsCharactersWordsAndTheLine) {
  struct TCase {
    std::string_view Text;
    int Offset;
    TAccBoundary Boundary;
    TAccRange Before, At, After;
  };
  const TCase cases[] = {
      {"ab cd", 0, abChar, {0, 0}, {0, 1}, {1, 2}},
      {"ab cd", 4, abChar, {3, 4}, {4, 5}, {5, 5}},
      {"ab cd", 5, abChar, {4, 5}, {5, 5}, {5, 5}},  // the end holds no character
      // A word with the blanks after it; blanks before the first word are a piece of their own.
      {"ab  cd", 1, abWordStart, {0, 0}, {0, 4}, {4, 6}},
      {"ab  cd", 3, abWordStart, {0, 0}, {0, 4}, {4, 6}},
      {"ab  cd", 4, abWordStart, {0, 4}, {4, 6}, {6, 6}},
      {"ab  cd", 6, abWordStart, {0, 4}, {4, 6}, {6, 6}},  // a caret after the last word reads it
      {"  ab", 0, abWordStart, {0, 0}, {0, 2}, {2, 4}},
      // A word with the blanks before it.
      {"ab  cd", 1, abWordEnd, {0, 0}, {0, 2}, {2, 6}},
      {"ab  cd", 3, abWordEnd, {0, 2}, {2, 6}, {6, 6}},
      {"ab\240cd", 3, abWordStart, {0, 3}, {3, 5}, {5, 5}},  // a no-break space is a blank
      {"ab cd", 2, abLine, {0, 0}, {0, 5}, {5, 5}},
      {"ab cd", 5, abLine, {0, 0}, {0, 5}, {5, 5}},
      // Outside the text, and an empty text: nothing.
      {"ab", -1, abChar, {}, {}, {}},
      {"ab", 3, abWordStart, {}, {}, {}},
      {"", 0, abLine, {}, {}, {}},
  };
  for (const TCase& c : cases) {
    const std::string where =
        std::string(c.Text) + " @" + std::to_string(c.Offset) + " by " + std::to_string(int(c.Boundary));
    const auto range = [&](TAccPiece piece) {
      const TAccRange r = AccTextRange(c.Text, c.Offset, c.Boundary, piece);
      return std::pair(r.Start, r.End);
    };
    EXPECT_EQ(range(apBefore), std::pair(c.Before.Start, c.Before.End)) << where;
    EXPECT_EQ(range(apAt), std::pair(c.At.Start, c.At.End)) << where;
    EXPECT_EQ(range(apAfter), std::pair(c.After.Start, c.After.End)) << where;
  }
}

// The prompt's entry as a reader follows it: the caret's moves as events, the word at the caret,
// and where each character is drawn.
TEST_F(TDialogFixture, ThePromptsEntryTellsItsCaretAndWhereItsCharactersAre) {
  platform::headless::THeadlessAccRecorder recorder;
  Answer([&](TForm& form) {
    auto& prompt = dynamic_cast<TPromptForm&>(form);
    TCustomEdit& edit = *prompt.Edit();
    const TAccessible acc(edit);
    App.SetAccListener(&recorder);
    using platform::headless::testing::PressKey;
    struct TStep {
      std::uint16_t Key;
      TShiftState Shift;
      TAccText After;
      bool Told;
    };
    // "12 345" comes selected with the caret at its end.
    const TStep steps[] = {
        {VK_LEFT, {}, {"12 345", 0, 0, 0}, true},   // the selection collapses to its start
        {VK_HOME, {}, {"12 345", 0, 0, 0}, false},  // already there: nothing to tell
        {VK_RIGHT, ssShift, {"12 345", 1, 0, 1}, true},
        {VK_END, {}, {"12 345", 6, 6, 0}, true},
    };
    for (const TStep& step : steps) {
      recorder.Clear();
      PressKey(Host, form, step.Key, step.Shift);
      EXPECT_EQ(acc.Text(), step.After) << step.Key;
      EXPECT_EQ(recorder.EventsOf(edit.Name()).size(), step.Told ? 1u : 0u) << step.Key;
      for (const auto& r : recorder.Events()) EXPECT_EQ(r.Event, aeCaretMoved) << step.Key;
    }
    App.SetAccListener(nullptr);
    EXPECT_EQ(acc.TextRange(6, abWordStart, apAt), (TAccRange{3, 6})) << "the word before the caret";

    // Characters side by side on the entry's text line, inside the entry.
    const TRect box = acc.Bounds();
    std::optional<TRect> previous;
    for (int i = 0; i < 6; ++i) {
      const std::optional<TRect> r = acc.CharBounds(i);
      ASSERT_TRUE(r) << i;
      EXPECT_GT(r->Width(), 0) << i;
      EXPECT_TRUE(box.Contains({r->Left, r->Top}) && box.Contains({r->Right - 1, r->Bottom - 1})) << i;
      if (previous) {
        EXPECT_EQ(r->Left, previous->Right) << i;
      }
      previous = r;
    }
    EXPECT_FALSE(acc.CharBounds(6)) << "no character at the end";
    EXPECT_FALSE(acc.CharBounds(-1));
    EXPECT_TRUE(TAccessible(*prompt.OkButton()).Press());
  });
  PromptForText(kTitle, kPrompt, "12 345");
}

// Pressed and default come and go with events; an unchanged value tells nothing.
TEST_F(TDialogFixture, PressedAndDefaultAreAnnounced) {
  platform::headless::THeadlessAccRecorder recorder;
  Answer([&](TForm& form) {
    auto& dialog = dynamic_cast<TMessageForm&>(form);
    TButton& no = *dialog.Button(dbNo);
    App.SetAccListener(&recorder);
    using namespace platform::headless::testing;
    struct TStep {
      std::function<void()> Act;
      const char* What;
      bool Pressed, Default;
      std::size_t Events;
    };
    const TStep steps[] = {
        {[&] { PressOn(Host, form, no.Name()); }, "mouse down", true, false, 1},
        {[&] {
           MoveTo(Host, form, {0, 0});
         },
         "pointer out while held", false, false, 1},
        {[&] { MoveOnto(Host, form, no.Name()); }, "pointer back", true, false, 1},
        {[&] { MoveOnto(Host, form, no.Name()); }, "pointer moves inside", true, false, 0},
        {[&] { no.SetDefault(true); }, "made default", true, true, 1},
        {[&] { no.SetDefault(true); }, "made default again", true, true, 0},
    };
    for (const TStep& step : steps) {
      recorder.Clear();
      step.Act();
      EXPECT_EQ(TAccessible(no).States().Contains(asPressed), step.Pressed) << step.What;
      EXPECT_EQ(TAccessible(no).States().Contains(asDefault), step.Default) << step.What;
      const auto told = recorder.EventsOf(no.Name());
      // The mouse press also brings the focus, which is an event of its own.
      EXPECT_EQ(std::count_if(told.begin(), told.end(), [](const auto& r) { return r.Event == aeStateChanged; }),
                std::ptrdiff_t(step.Events))
          << step.What;
    }
    App.SetAccListener(nullptr);
    ReleaseAt(Host, form, CentreOf(no));  // the release answers No
  });
  EXPECT_EQ(ShowMessageDialog("?", mkConfirmation, {dbYes, dbNo}, 0), mrNo);
}

TEST(AccelChars, AreTakenOutAsTheCaptionShowsThem) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"&Yes", "Yes"},    {"Fish && Chips", "Fish & Chips"}, {"a&", "a"}, {"&&&x", "&x"}, {"", ""},
      {"plain", "plain"},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(StripAccelChars(caption), name) << caption;
}

}  // namespace
}  // namespace dialogs_test
