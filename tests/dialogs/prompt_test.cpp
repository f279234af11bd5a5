// The text prompt: its layout in dialog units of the default font, and what comes back for each
// way of answering it.

#include <algorithm>

#include "dialog_fixture.h"
#include "dialogs/dialog_units.h"
#include "dialogs/prompt_form.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"

namespace dialogs_test {
namespace {

using namespace gui;
using namespace gui::literals;
using namespace dialogs;
using platform::headless::testing::Click;
using platform::headless::testing::PressKey;
using platform::headless::testing::Tab;
using platform::headless::testing::TypeText;

const AnsiString kTitle = "Исправление"_cp;
const AnsiString kPrompt = "Введите число:"_cp;

struct PromptTest : TDialogFixture {
  AnsiString Prompt(const AnsiString& defaultText, std::function<void(TPromptForm&)> answer) {
    Answer([answer](TForm& f) { answer(dynamic_cast<TPromptForm&>(f)); });
    return PromptForText(kTitle, kPrompt, defaultText);
  }
};

TEST_F(PromptTest, LayoutFollowsTheDialogUnitsOfTheDefaultFont) {
  TFont font;
  font.SetName("MS Sans Serif");
  font.SetHeight(-11);
  const TDialogUnits du = DialogUnitsOf(font);
  auto check = [&](const AnsiString& prompt) {
    TPromptForm form(nullptr, kTitle, prompt, "17");
    EXPECT_EQ(form.Caption(), kTitle);
    EXPECT_EQ(form.ClientWidth(), MulDiv(180, du.X, 4));
    const TLabel& label = *form.Prompt();
    EXPECT_EQ(label.Left(), MulDiv(8, du.X, 4));
    EXPECT_EQ(label.Top(), MulDiv(8, du.Y, 8));
    EXPECT_LE(label.Width(), MulDiv(164, du.X, 4));
    const TEdit& edit = *form.Edit();
    EXPECT_EQ(edit.BoundsRect(),
              Bounds(label.Left(), label.Top() + label.Height() + 5, MulDiv(164, du.X, 4), edit.Height()));
    EXPECT_EQ(edit.MaxLength(), 255);
    const int top = edit.Top() + edit.Height() + 15;
    const int w = MulDiv(50, du.X, 4), h = MulDiv(14, du.Y, 8);
    EXPECT_EQ(form.OkButton()->BoundsRect(), Bounds(MulDiv(38, du.X, 4), top, w, h));
    EXPECT_EQ(form.CancelButton()->BoundsRect(), Bounds(MulDiv(92, du.X, 4), top, w, h));
    EXPECT_TRUE(form.OkButton()->Default() && !form.OkButton()->Cancel());
    EXPECT_TRUE(form.CancelButton()->Cancel() && !form.CancelButton()->Default());
    EXPECT_EQ(form.ClientHeight(), top + h + 13);
    return label.Height();
  };
  const int oneLine = check(kPrompt);
  EXPECT_EQ(oneLine, du.Y);
  AnsiString longPrompt;
  for (int i = 0; i < 12; ++i) longPrompt += "Введите номер спина заново "_cp;
  EXPECT_GE(check(longPrompt), 3 * oneLine) << "a long prompt wraps and pushes the rest down";
}

TEST_F(PromptTest, TypingReplacesTheSelectedDefaultAndOkReturnsIt) {
  EXPECT_EQ(Prompt("17",
                   [&](TPromptForm& form) {
                     EXPECT_TRUE(form.Edit()->Focused());
                     EXPECT_EQ(form.Edit()->SelStart(), 0);
                     EXPECT_EQ(form.Edit()->SelLength(), 2) << "the default is fully selected";
                     SavePicture(form, "prompt.png");
                     TypeText(Host, form, "23");
                     PressKey(Host, form, VK_RETURN);
                   }),
            "23");
  // Accepted by the OK button, and an emptied entry gives an empty text.
  EXPECT_EQ(Prompt("17",
                   [&](TPromptForm& form) {
                     PressKey(Host, form, VK_BACK);
                     Click(Host, form, "OK");
                   }),
            "");
  EXPECT_EQ(Prompt("", [&](TPromptForm& form) { PressKey(Host, form, VK_RETURN); }), "");
}

TEST_F(PromptTest, EntryHoldsAtMost255Characters) {
  const std::string typed(300, '7');
  EXPECT_EQ(Prompt("",
                   [&](TPromptForm& form) {
                     TypeText(Host, form, typed);
                     PressKey(Host, form, VK_RETURN);
                   }),
            std::string(255, '7'));
}

TEST_F(PromptTest, CancellingInAnyWayKeepsTheDefault) {
  auto typeThen = [&](std::function<void(TPromptForm&)> cancel) {
    return Prompt("17", [&, cancel](TPromptForm& form) {
      TypeText(Host, form, "5");
      cancel(form);
    });
  };
  EXPECT_EQ(typeThen([&](TPromptForm& f) { Click(Host, f, "Cancel"); }), "17");
  EXPECT_EQ(typeThen([&](TPromptForm& f) { PressKey(Host, f, VK_ESCAPE); }), "17");
  EXPECT_EQ(typeThen([&](TPromptForm& f) {
              Host.CloseRequest(f);
              Host.RunUntilIdle();
            }),
            "17");
  EXPECT_EQ(Prompt("", [&](TPromptForm& f) { PressKey(Host, f, VK_ESCAPE); }), "");

  AnsiString text = "kept";
  Answer([&](TForm& f) { PressKey(Host, f, VK_ESCAPE); });
  EXPECT_FALSE(QueryText(kTitle, kPrompt, text));
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(Host.UnansweredModals(), 0);
  EXPECT_TRUE(App.Forms().empty());
}

TEST_F(PromptTest, TabOrderIsEntryOkCancelAndFocusedButtonsTakeEnterAndSpace) {
  EXPECT_EQ(Prompt("17",
                   [&](TPromptForm& form) {
                     TypeText(Host, form, "9");
                     Tab(Host, form);
                     EXPECT_TRUE(form.OkButton()->Focused());
                     const TButton& ok = *form.OkButton();
                     EXPECT_EQ(Host.Pixel(form, ok.Left() + 3, ok.Top() + 3), ColorToRGB(clBlack))
                         << "OK shows its focus box";
                     Tab(Host, form);
                     EXPECT_TRUE(form.CancelButton()->Focused());
                     PressKey(Host, form, VK_RETURN);
                   }),
            "17");
  EXPECT_EQ(Prompt("17",
                   [&](TPromptForm& form) {
                     TypeText(Host, form, "9");
                     Tab(Host, form);
                     PressKey(Host, form, VK_SPACE);
                   }),
            "9");
}

}  // namespace
}  // namespace dialogs_test
