// The window itself: its frame, the close confirmation for every way of closing, the exit and
// about buttons, and the stay-on-top switch.

#include "app/about_box.h"
#include "dialogs/dialog_kinds.h"
#include "dialogs/message_form.h"
#include "gui/std/label.h"
#include "platform/headless/headless_window.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/numeric_edit.h"

namespace app_test {
namespace {

using namespace gui::literals;
using platform::headless::testing::Click;

struct WindowFrameTest : TMainFormFixture {
  // Answers the confirmation with a button, remembering its text.
  void AnswerConfirmation(dialogs::DialogButton button) {
    Answer([this, button](gui::TForm& form) {
      auto& box = dynamic_cast<dialogs::TMessageForm&>(form);
      Question = box.Message()->Caption();
      Click(Host, form, dialogs::ButtonName(button));
    });
  }
  std::string Question;
};

TEST_F(WindowFrameTest, FrameTitleAndPlace) {
  const auto& window = Host.WindowOf(*Form);
  EXPECT_EQ(window.Title(), "Spintrak");
  EXPECT_EQ(window.ClientSize(), (gui::TSize{app::kMainClientWidth, app::kMainClientHeight}));
  EXPECT_EQ(window.BorderStyle(), gui::bsSizeable);
  EXPECT_TRUE(window.BorderIcons().Empty()) << "no system menu, no minimise, maximise or close box";
  EXPECT_FALSE(window.TopMost());
  EXPECT_EQ(Form->Color(), gui::clBtnFace);
  const gui::TSize screen = Host.ScreenSize();
  EXPECT_NEAR(Form->Left() + Form->Width() / 2, screen.Width / 2, 1);
  EXPECT_NEAR(Form->Top() + Form->Height() / 2, screen.Height / 2, 1);
}

TEST_F(WindowFrameTest, ExitAnsweredNoKeepsTheWindowAndTheHistory) {
  Enter("14");
  AnswerConfirmation(dialogs::dbNo);
  Click(Host, *Form, "UiBitBtn1");
  EXPECT_EQ(Modals, 1);
  EXPECT_EQ(Question, "Вы уверены, что хотите выйти из программы?"_cp);
  EXPECT_FALSE(App.Terminated());
  EXPECT_TRUE(Form->Showing());
  EXPECT_EQ(Spins(), std::vector<std::int32_t>{14});
  Enter("3");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{14, 3})) << "and the window goes on taking entries";
}

TEST_F(WindowFrameTest, ExitAnsweredYesEndsTheProgram) {
  AnswerConfirmation(dialogs::dbYes);
  Click(Host, *Form, "UiBitBtn1");
  EXPECT_EQ(Modals, 1);
  EXPECT_TRUE(App.Terminated());
}

TEST_F(WindowFrameTest, ACloseRequestOfTheDesktopAsksTheSameQuestion) {
  AnswerConfirmation(dialogs::dbNo);
  Host.CloseRequest(*Form);
  Host.RunUntilIdle();
  EXPECT_EQ(Modals, 1);
  EXPECT_FALSE(App.Terminated());
  AnswerConfirmation(dialogs::dbYes);
  Host.CloseRequest(*Form);
  Host.RunUntilIdle();
  EXPECT_EQ(Modals, 2);
  EXPECT_TRUE(App.Terminated());
}

TEST_F(WindowFrameTest, AQuestionDismissedWithoutAnAnswerKeepsTheSpins) {
  Enter("21");
  // Its own close box and Esc both leave the program running with everything entered.
  Answer([](gui::TForm& form) { form.Close(); });
  Click(Host, *Form, "UiBitBtn1");
  Answer([this](gui::TForm& form) { platform::headless::testing::PressKey(Host, form, gui::VK_ESCAPE); });
  Host.CloseRequest(*Form);
  Host.RunUntilIdle();
  EXPECT_EQ(Modals, 2);
  EXPECT_FALSE(App.Terminated());
  EXPECT_EQ(Spins(), std::vector<std::int32_t>{21});
}

TEST_F(WindowFrameTest, TheCheckBoxSwitchesStayOnTopWithoutMovingOrActivating) {
  const auto& window = Host.WindowOf(*Form);
  const gui::TRect bounds = Form->BoundsRect();
  const int activations = window.Activations();
  Click(Host, *Form, "UiCheckBox1");
  EXPECT_TRUE(window.TopMost());
  Click(Host, *Form, "UiCheckBox1");
  EXPECT_FALSE(window.TopMost());
  EXPECT_EQ(window.TopMostChanges(), 2);
  EXPECT_EQ(Form->BoundsRect(), bounds);
  EXPECT_EQ(window.Activations(), activations);
}

TEST_F(WindowFrameTest, TheAboutBoxIsMadeAtStartUpAndEachReturnIsAnActivation) {
  std::vector<gui::TForm*> shown;
  Answer([&](gui::TForm& form) {
    shown.push_back(&form);
    form.SetModalResult(gui::mrOk);
  });
  const auto* about = dynamic_cast<app::TAboutBox*>(App.Forms().at(1));
  ASSERT_NE(about, nullptr) << "created hidden, after the main window";
  EXPECT_EQ(App.MainForm(), Form);
  for (int i = 0; i < 2; ++i) {
    Click(Host, *Form, "UiBitBtn2");
    EXPECT_TRUE(Form->UiNumericEdit1->Focused()) << "the field has the focus after every activation";
  }
  EXPECT_EQ(shown,
            (std::vector<gui::TForm*>{const_cast<app::TAboutBox*>(about), const_cast<app::TAboutBox*>(about)}));
  EXPECT_EQ(Host.Navigations().size(), 3u) << "the banner is reloaded on every activation";
}

}  // namespace
}  // namespace app_test
