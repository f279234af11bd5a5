// Undoing the newest spin (Ctrl+Z, after a question), and the exit while the journal is behind
// the history: one more try, then the player's choice, with nothing lost silently.

#include <gmock/gmock.h>

#include <fstream>
#include <sstream>

#include "app/session_start.h"
#include "dialogs/dialog_kinds.h"
#include "dialogs/message_form.h"
#include "dialogs/prompt_form.h"
#include "gui/controls/accessible.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"
#include "session/journal.h"
#include "tests/app/main_form_fixture.h"
#include "tests/session/file_calls_recorder.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;
using namespace gui::literals;
using platform::headless::testing::Click;
using platform::headless::testing::DoubleClick;
using platform::headless::testing::PressKey;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Lines(const std::vector<std::int32_t>& spins) {
  std::string text;
  for (std::int32_t spin : spins) text += std::to_string(spin) + "\n";
  return text;
}

struct UndoExitTest : TMainFormFixture {
  UndoExitTest() {
    Env.Set("XDG_STATE_HOME", (Temp.Path() / "state").string());
    Env.Set("HOME", Temp.Path().string());
    EXPECT_EQ(app::StartSession(*Form, {}), std::nullopt);
  }
  std::string Journal() const { return ReadFile(Form->Journal()->Path()); }
  // Answers message boxes with `button`, remembering their texts; prompts with `typed`.
  void AnswerWith(dialogs::DialogButton button, std::string typed = {}) {
    Answer([this, button, typed](gui::TForm& form) {
      if (auto* prompt = dynamic_cast<dialogs::TPromptForm*>(&form)) {
        prompt->Edit()->SetText(typed);
        Click(Host, form, "OK");
        return;
      }
      auto& box = dynamic_cast<dialogs::TMessageForm&>(form);
      Questions.push_back(box.Message()->Caption());
      Click(Host, form, dialogs::ButtonName(button));
    });
  }
  void Undo() { PressKey(Host, *Form, 'Z', gui::TShiftState{gui::ssCtrl}); }
  void Correct(std::string_view label, const char* typed) {
    Answer([this, typed](gui::TForm& form) {
      // The prompt, and a report of the journal after it.
      if (auto* prompt = dynamic_cast<dialogs::TPromptForm*>(&form)) prompt->Edit()->SetText(typed);
      Click(Host, form, "OK");
    });
    DoubleClick(Host, *Form, label);
  }
  std::vector<std::string> Questions;
};

TEST_F(UndoExitTest, CtrlZRemovesTheNewestSpinAfterTheQuestionAndTheJournalFollows) {
  for (const char* n : {"7", "0", "32"}) Enter(n);
  Correct("UiLabelLast1", "8");
  ASSERT_EQ(Journal(), Lines({7, 0, 8}));

  AnswerWith(dialogs::dbNo);
  Undo();
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 8})) << "answered No";
  EXPECT_EQ(Questions, std::vector<std::string>{"Удалить последнее введённое число: 8?"_cp});

  AnswerWith(dialogs::dbYes);
  Undo();
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0}));
  EXPECT_EQ(Journal(), Lines({7, 0}));
  EXPECT_EQ(CaptionOf("UiLabel266"), "2");
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "0");
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "");
  EXPECT_EQ(CaptionOf("UiLabelAllS8"), "(0)") << "the tables count without it";
  EXPECT_TRUE(Form->UiNumericEdit1->Text().empty()) << "the key typed nothing";

  Enter("5");
  Correct("UiLabelLast3", "9");
  EXPECT_EQ(Journal(), Lines({9, 0, 5}));
  AnswerWith(dialogs::dbYes);
  for (std::vector<std::int32_t> left : {std::vector<std::int32_t>{9, 0}, {9}, {}}) {
    Undo();
    EXPECT_EQ(Spins(), left);
    EXPECT_EQ(Journal(), Lines(left));
  }
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "") << "the only spin undone";

  // Nothing recorded: a beep, no question.
  const int modals = Modals, beeps = Host.Beeps();
  Undo();
  EXPECT_EQ(Modals, modals);
  EXPECT_EQ(Host.Beeps(), beeps + 1);
  EXPECT_EQ(App.ErrorReportCount(), 0);
}

// A screen reader's way to the same undo: the newest strip item's second action.
TEST_F(UndoExitTest, TheNewestStripItemsActionUndoesAsCtrlZDoes) {
  for (const char* n : {"7", "0"}) Enter(n);
  AnswerWith(dialogs::dbYes);
  EXPECT_TRUE(gui::TAccessible(Control("UiLabelLast1")).DoAction(1));
  EXPECT_EQ(Spins(), std::vector<std::int32_t>{7});
  EXPECT_EQ(Journal(), Lines({7}));
  EXPECT_EQ(Questions, std::vector<std::string>{"Удалить последнее введённое число: 0?"_cp});
}

struct ExitBehindTest : UndoExitTest {
  // A correction whose new file cannot take the journal's name stays pending; the spin after it
  // is still written.
  ExitBehindTest() {
    for (const char* n : {"7", "0", "32"}) Enter(n);
    Calls.FailingRenamePrefix = "20";
    Correct("UiLabelLast3", "8");
    EXPECT_EQ(App.ErrorReportCount(), 1);
    Enter("4");
    EXPECT_EQ(Journal(), Lines({7, 0, 32, 4}));
  }
  // The journal's flushing thread ends before the recorder's stand-ins go.
  ~ExitBehindTest() override {
    if (Form->Journal() != nullptr) Form->Journal()->Close();
  }
  session_test::TFileCallsRecorder Calls;
};

TEST_F(ExitBehindTest, TheExitSaysWhatIsNotOnDiskAndCanWriteTheHistoryElsewhere) {
  AnswerWith(dialogs::dbCancel);
  Click(Host, *Form, "UiBitBtn1");
  ASSERT_EQ(Questions.size(), 1u);
  EXPECT_THAT(Questions[0], ::testing::HasSubstr("чисел на диске 4 из 4, исправление не записано"_cp));
  EXPECT_THAT(Questions[0], ::testing::HasSubstr(Temp.Path().string() + Form->Journal()->Path().substr(
                                                                            Form->Journal()->Path().rfind('/'))));
  EXPECT_FALSE(App.Terminated()) << "Cancel stays";

  const fs::path elsewhere = Temp.Path() / "kept.txt";
  AnswerWith(dialogs::dbYes, elsewhere.string());
  Click(Host, *Form, "UiBitBtn1");
  EXPECT_TRUE(App.Terminated());
  EXPECT_EQ(ReadFile(elsewhere), Lines({8, 0, 32, 4}));
  EXPECT_EQ(Questions.size(), 2u) << "no second question after the choice";
}

TEST_F(ExitBehindTest, WhenTheRetryAtExitSucceedsOnlyTheUsualQuestionIsAsked) {
  Calls.FailingRenamePrefix.clear();
  AnswerWith(dialogs::dbYes);
  Click(Host, *Form, "UiBitBtn1");
  EXPECT_EQ(Questions, std::vector<std::string>{"Вы уверены, что хотите выйти из программы?"_cp});
  EXPECT_TRUE(App.Terminated());
  EXPECT_EQ(Journal(), Lines({8, 0, 32, 4}));
}

}  // namespace
}  // namespace app_test
