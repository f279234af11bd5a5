// What a player without a mouse reaches from the keyboard and the accessibility interface: the
// summary of the least frequent chances (F2), a correction of any of the last numbers (F3, or a
// strip item's accessible action), and the actions each control offers.

#include "dialogs/message_form.h"
#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"
#include "tests/app/main_form_fixture.h"

namespace app_test {
namespace {

using gui::TAccessible;
using platform::headless::testing::PressKey;

constexpr std::uint16_t kF2 = gui::VK_F1 + 1, kF3 = gui::VK_F1 + 2;

struct KeyboardTest : TMainFormFixture {
  // Answers the prompts in turn with these texts (OK), or cancels one answered with null.
  void AnswerPrompts(std::vector<const char*> texts) {
    Answer([this, texts](gui::TForm& form) {
      auto& prompt = dynamic_cast<dialogs::TPromptForm&>(form);
      EXPECT_EQ(TAccessible(*prompt.Edit()).LabelledBy(), prompt.Prompt()) << "the field is heard by its question";
      const std::size_t i = Prompts.size() % texts.size();
      Prompts.push_back(prompt.Prompt()->Caption());
      const char* text = texts[i];
      if (!text) return PressKey(Host, form, gui::VK_ESCAPE);
      prompt.Edit()->SetText(text);
      PressKey(Host, form, gui::VK_RETURN);
    });
  }
  std::vector<std::string> Prompts;
};

// The summary reads the green marks: after 7, 7 and 20, over 10 spins and over all.
TEST_F(KeyboardTest, F2SaysTheLeastFrequentChanceOfEveryComparison) {
  std::string said;
  Answer([&](gui::TForm& form) {
    said = gui::AnsiToUtf8(dynamic_cast<dialogs::TMessageForm&>(form).Message()->Caption());
    // The box breaks its lines itself.
    for (std::size_t at; (at = said.find("\r\n")) != std::string::npos;) said.replace(at, 2, " ");
    PressKey(Host, form, gui::VK_RETURN);
  });
  PressKey(Host, *Form, kF2);
  EXPECT_EQ(said, "Спинов еще не было.");
  for (const char* n : {"7", "7", "20"}) Enter(n);
  PressKey(Host, *Form, kF2);
  EXPECT_EQ(Modals, 2);
  // 7, 7 and 20: black, 19-36, even and the third dozen least; every number but 7 and 20.
  const std::string window = "Черное, от 19 до 36, Чет, от 25 до 36; числа 0, 1, 2, 3, 4, 5 и еще 29.";
  EXPECT_EQ(said, "Меньше всех. 10 спинов: " + window + " Всего: " + window);
  EXPECT_EQ(TAccessible(*Form).Description().find("F2"), 0u) << "the window tells the key";
}

TEST_F(KeyboardTest, F3CorrectsTheNumberAtThePlaceAsked) {
  for (const char* n : {"7", "0", "32"}) Enter(n);
  AnswerPrompts({"3", "8"});
  PressKey(Host, *Form, kF3);
  EXPECT_EQ(Modals, 2);
  ASSERT_EQ(Prompts.size(), 2u);
  EXPECT_EQ(gui::AnsiToUtf8(Prompts[1]), "Введите новое число");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{8, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "8");
  EXPECT_EQ(TAccessible(Control("UiNumericEdit1")).Description(), "Исправлено: 8, черное");
}

// A place beyond the numbers there are, or no number at all, asks nothing more and changes nothing.
TEST_F(KeyboardTest, F3RefusesAPlaceThatHoldsNoNumber) {
  PressKey(Host, *Form, kF3);
  EXPECT_EQ(Modals, 0) << "nothing to correct yet";
  for (const char* n : {"7", "0"}) Enter(n);
  for (const char* place : {"3", "0", "22", "x", ""}) {
    Prompts.clear();
    AnswerPrompts({place, "8"});
    PressKey(Host, *Form, kF3);
    EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0})) << place;
  }
  EXPECT_EQ(Modals, 5) << "only the question which place was asked";
}

TEST_F(KeyboardTest, EveryControlOffersItsActions) {
  struct TCase {
    std::string_view Control;
    std::vector<std::string> Actions;
  };
  const TCase cases[] = {
      {"UiBitBtn3", {"click"}},         {"UiCheckBox1", {"click"}}, {"UiLabelLast1", {"исправить", "удалить"}},
      {"UiLabelLast21", {"исправить"}}, {"UiLabel36", {}},          {"UiNumericEdit1", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(TAccessible(Control(c.Control)).Actions(), c.Actions) << c.Control;
}

TEST_F(KeyboardTest, AStripItemsActionStartsTheCorrection) {
  Enter("7");
  AnswerPrompts({"9"});
  EXPECT_TRUE(TAccessible(Control("UiLabelLast1")).DoAction(0));
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{9}));
  EXPECT_FALSE(TAccessible(Control("UiLabelLast2")).DoAction(1)) << "only the newest can be removed";
  EXPECT_FALSE(TAccessible(Control("UiLabelLast1")).DoAction(2)) << "no third action";
  Control("UiLabelLast1").SetEnabled(false);
  EXPECT_FALSE(TAccessible(Control("UiLabelLast1")).DoAction(0)) << "nothing acts on a disabled control";
  EXPECT_EQ(Modals, 1);
}

}  // namespace
}  // namespace app_test
