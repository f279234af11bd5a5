// Correcting a spin by double-clicking it in the strip: the prompt, what it accepts, and what
// changes (the label, the history, the tables) and what does not (the counter, the rest).

#include "dialogs/prompt_form.h"
#include "gui/std/edit.h"
#include "tests/app/main_form_fixture.h"

namespace app_test {
namespace {

using namespace gui::literals;
using platform::headless::testing::Click;
using platform::headless::testing::DoubleClick;
using platform::headless::testing::PressKey;
using platform::headless::testing::TypeText;

struct CorrectionTest : TMainFormFixture {
  CorrectionTest() {
    for (const char* n : {"7", "0", "32"}) Enter(n);
  }

  // Double-clicks a strip label and answers the prompt with a text (typed over the selected
  // default) and OK, or cancels it when the text is null.
  void Correct(std::string_view label, const char* typed) {
    Answer([this, typed](gui::TForm& form) {
      auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
      PromptCaption = prompt.Caption();
      PromptDefault = prompt.Edit()->Text();
      if (!typed) {
        PressKey(Host, form, gui::VK_ESCAPE);
        return;
      }
      prompt.Edit()->SetText(typed);
      Click(Host, form, "OK");
    });
    DoubleClick(Host, *Form, label);
  }

  std::string PromptCaption, PromptDefault;
};

TEST_F(CorrectionTest, ANewNumberReplacesThatSpinAndRecomputesTheTables) {
  ASSERT_EQ(CaptionOf("UiLabel10S7"), "1");
  Correct("UiLabelLast3", "8");
  EXPECT_EQ(Modals, 1);
  EXPECT_EQ(PromptCaption, "Смена ошибочного числа"_cp);
  EXPECT_EQ(PromptDefault, "7");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{8, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "8");
  EXPECT_EQ(FontColorOf("UiLabelLast3"), gui::clBlack);
  EXPECT_EQ(CaptionOf("UiLabel266"), "3") << "the counter stays";
  EXPECT_EQ(CaptionOf("UiLabel10S7"), "(0)");
  EXPECT_EQ(CaptionOf("UiLabel10S8"), "1");
  EXPECT_EQ(CaptionOf("UiLabel36"), "1") << "red: 32 only";
  EXPECT_EQ(CaptionOf("UiLabel41"), "1") << "black: 8";
  EXPECT_EQ(Host.Beeps(), 3) << "no beep of its own";
}

TEST_F(CorrectionTest, WhatIsNotAWheelNumberChangesNothingAndSaysNothing) {
  for (const char* typed : {"abc", "37", "-1", "12 ", "", "99999999999"}) {
    Correct("UiLabelLast1", typed);
    EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32})) << typed;
    EXPECT_EQ(CaptionOf("UiLabelLast1"), "32") << typed;
  }
  EXPECT_EQ(Modals, 6) << "the prompt only, never a message";
  EXPECT_EQ(App.ErrorReportCount(), 0);
  Correct("UiLabelLast1", " $c");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 12})) << "leading blanks and hexadecimal are numbers";
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "12");
}

TEST_F(CorrectionTest, CancellingStoresTheLabelsOwnNumberAgain) {
  const std::string before = CaptionOf("UiLabel10S0");
  Correct("UiLabelLast2", nullptr);
  EXPECT_EQ(Modals, 1);
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabelLast2"), "0");
  EXPECT_EQ(FontColorOf("UiLabelLast2"), gui::clGreen);
  EXPECT_EQ(CaptionOf("UiLabel10S0"), before);
}

TEST_F(CorrectionTest, AnEmptyStripLabelOpensNoBox) {
  Correct("UiLabelLast4", "5");
  Correct("UiLabelLast21", "5");
  EXPECT_EQ(Modals, 0);
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
}

TEST_F(CorrectionTest, TheTwoDigitPositionsReachTheirOwnSpin) {
  for (int i = 0; i < 20; ++i) Enter("1");
  Correct("UiLabelLast21", "2");
  Correct("UiLabelLast12", "3");
  const std::vector<std::int32_t> spins = Spins();
  ASSERT_EQ(spins.size(), 23u);
  EXPECT_EQ(spins[23 - 21], 2);
  EXPECT_EQ(spins[23 - 12], 3);
  EXPECT_EQ(spins[0], 7) << "older spins than the strip shows are out of reach";
}

}  // namespace
}  // namespace app_test
