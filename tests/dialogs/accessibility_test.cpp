// The dialogs as an assistive technology reads them: a dialog named by its caption, the message
// as a label, the buttons as push buttons without their access-key marks, the prompt's entry as
// an editable text, and the actions that answer them.

#include "dialog_fixture.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_icon.h"
#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"
#include "platform/headless/headless_accessibility.h"

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
      TControl* button = FindAccessible(form, arPushButton, name);
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

TEST(AccelChars, AreTakenOutAsTheCaptionShowsThem) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"&Yes", "Yes"},    {"Fish && Chips", "Fish & Chips"}, {"a&", "a"}, {"&&&x", "&x"}, {"", ""},
      {"plain", "plain"},
  };
  for (const auto& [caption, name] : cases) EXPECT_EQ(StripAccelChars(caption), name) << caption;
}

}  // namespace
}  // namespace dialogs_test
