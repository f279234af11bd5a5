// The message dialog as the user meets it: answers by mouse and keyboard, the copy to the
// clipboard, the help button and the application's error report.

#include <stdexcept>

#include "dialog_fixture.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_icon.h"
#include "gui/std/button.h"
#include "gui/std/label.h"
#include "resources/resources.h"

namespace dialogs_test {
namespace {

using namespace gui;
using namespace gui::literals;
using namespace dialogs;
using platform::headless::testing::Click;
using platform::headless::testing::PressKey;

const AnsiString kExitQuestion = "Вы уверены, что хотите выйти из программы?"_cp;

struct MessageDialogTest : TDialogFixture {
  int AskToExit(std::function<void(TForm&)> answer) {
    Answer(std::move(answer));
    return ShowMessageDialog(kExitQuestion, mkConfirmation, {dbYes, dbNo}, 0);
  }
};

TEST_F(MessageDialogTest, ConfirmationIsAnsweredByButtonsKeysAndTheCloseBox) {
  std::vector<int> results;
  results.push_back(AskToExit([&](TForm& f) {
    auto& form = dynamic_cast<TMessageForm&>(f);
    EXPECT_EQ(form.Caption(), "Confirm");
    EXPECT_EQ(Host.WindowOf(form).Title(), "Confirm");
    ASSERT_NE(form.Image(), nullptr);
    EXPECT_EQ(form.Image()->Name(), "Image");
    EXPECT_EQ(form.Image()->Kind(), mkConfirmation);
    EXPECT_EQ(form.Message()->Name(), "Message");
    EXPECT_EQ(form.Message()->Caption(), kExitQuestion);
    TButton* yes = form.Button(dbYes);
    TButton* no = form.Button(dbNo);
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->Caption(), "&Yes");
    EXPECT_EQ(no->Caption(), "&No");
    EXPECT_TRUE(yes->Default() && !yes->Cancel());
    EXPECT_TRUE(no->Cancel() && !no->Default());
    EXPECT_TRUE(yes->Focused()) << "the first button holds the initial focus";
    EXPECT_EQ(Host.Pixel(form, yes->Left() + 3, yes->Top() + 3), ColorToRGB(clBlack)) << "Yes shows its focus box";
    EXPECT_EQ(form.Button(dbOK), nullptr);
    const TPoint pos = Host.WindowOf(form).Position();
    EXPECT_NEAR(pos.X, (Host.ScreenSize().Width - form.Width()) / 2, 1) << "centred on the screen";
    EXPECT_NEAR(pos.Y, (Host.ScreenSize().Height - form.Height()) / 2, 1);
    SavePicture(form, "confirmation.png");
    Click(Host, form, "Yes");
  }));
  results.push_back(AskToExit([&](TForm& f) { Click(Host, f, "No"); }));
  results.push_back(AskToExit([&](TForm& f) { PressKey(Host, f, VK_ESCAPE); }));
  results.push_back(AskToExit([&](TForm& f) { PressKey(Host, f, VK_RETURN); }));
  results.push_back(AskToExit([&](TForm& f) {
    Host.CloseRequest(f);
    Host.RunUntilIdle();
  }));
  // Enter presses the focused button, and the access keys work.
  results.push_back(AskToExit([&](TForm& f) {
    platform::headless::testing::Tab(Host, f);
    PressKey(Host, f, VK_RETURN);
  }));
  results.push_back(AskToExit([&](TForm& f) { PressKey(Host, f, 'N'); }));
  EXPECT_EQ(results, (std::vector<int>{6, 7, 7, 6, 2, 7, 7}));
  EXPECT_EQ(Host.UnansweredModals(), 0);
  EXPECT_TRUE(App.Forms().empty()) << "every dialog is destroyed before the call returns";
}

TEST_F(MessageDialogTest, AltWithAnAccessKeyAnswersTheConfirmation) {
  EXPECT_EQ(AskToExit([&](TForm& f) { PressKey(Host, f, 'N', ssAlt); }), mrNo);
  EXPECT_EQ(AskToExit([&](TForm& f) { PressKey(Host, f, 'Y', ssAlt); }), mrYes);
  EXPECT_EQ(AskToExit([&](TForm& f) {
              platform::headless::testing::Tab(Host, f);
              PressKey(Host, f, 'Y', ssAlt | ssShift);
            }),
            mrYes)
      << "whichever button has the focus, and with Shift held too";
  // Ctrl+Alt is AltGr on many layouts, and an Alt letter of no button does nothing.
  for (TShiftState shift : {TShiftState(ssAlt) | ssCtrl, TShiftState(ssAlt)}) {
    const std::uint16_t key = shift.Contains(ssCtrl) ? 'N' : 'Q';
    EXPECT_EQ(AskToExit([&](TForm& f) {
                PressKey(Host, f, key, shift);
                if (f.ModalResult() == mrNone) f.SetModalResult(100);
              }),
              100);
  }
}

TEST_F(MessageDialogTest, OtherButtonSetsChooseTheirDefaultAndCancelButtons) {
  auto show = [&](TDialogButtons buttons, std::uint16_t key) {
    Answer([&, key](TForm& f) {
      PressKey(Host, f, key);
      if (f.ModalResult() == mrNone) f.SetModalResult(100);  // the key did nothing
    });
    return ShowMessageDialog("Go on?", mkWarning, buttons, 0);
  };
  EXPECT_EQ(show({dbOK, dbCancel}, VK_RETURN), 1);
  EXPECT_EQ(show({dbOK, dbCancel}, VK_ESCAPE), 2);
  EXPECT_EQ(show({dbYes, dbNo, dbCancel}, VK_ESCAPE), 2) << "Cancel before No";
  EXPECT_EQ(show({dbOK}, VK_ESCAPE), 1) << "with neither Cancel nor No, Esc presses OK";
  // Retry is the default button without OK or Yes, but Enter presses the focused first button.
  EXPECT_EQ(show({dbAbort, dbRetry, dbIgnore}, VK_RETURN), 3);
  auto form = CreateMessageDialog("Again?", mkError, {dbAbort, dbRetry, dbIgnore});
  EXPECT_TRUE(form->Button(dbRetry)->Default());
  EXPECT_FALSE(form->Button(dbAbort)->Default() || form->Button(dbIgnore)->Default());
  EXPECT_EQ(show({dbAbort, dbRetry, dbIgnore}, VK_ESCAPE), 100) << "no cancel button";
}

TEST_F(MessageDialogTest, CtrlCCopiesTheWindowTextByteForByteAndBeeps) {
  Host.Clipboard = "old";
  AskToExit([&](TForm& form) {
    const int beeps = Host.Beeps();
    PressKey(Host, form, 'C', ssCtrl);
    EXPECT_EQ(Host.Beeps(), beeps + 1);
    EXPECT_EQ(form.ModalResult(), mrNone) << "copying does not close the dialog";
    // With Shift or Alt held as well it is not the copy key.
    Host.Clipboard = "kept";
    PressKey(Host, form, 'C', ssCtrl | ssShift);
    EXPECT_EQ(Host.Clipboard, "kept");
    EXPECT_EQ(Host.Beeps(), beeps + 1);
    // Also with the focus on No.
    platform::headless::testing::Tab(Host, form);
    PressKey(Host, form, 'C', ssCtrl);
    form.SetModalResult(mrNo);
  });
  const std::string divider = "---------------------------\r\n";
  EXPECT_EQ(Host.Clipboard, divider + "Confirm\r\n" + divider + "Вы уверены, что хотите выйти из программы?\r\n" +
                                divider + "Yes   No   \r\n" + divider);
  EXPECT_EQ(divider.size(), 29u);

  // Every ampersand goes, also the one of "N&o to All"; a custom dialog has the application title.
  Answer([&](TForm& form) {
    PressKey(Host, form, 'C', ssCtrl);
    form.SetModalResult(mrOk);
  });
  ShowMessageDialog("A & B", mkCustom, {dbOK, dbNoToAll, dbYesToAll}, 0);
  EXPECT_EQ(Host.Clipboard, divider + "Spintrak\r\n" + divider + "A & B\r\n" + divider +
                                "OK   No to All   Yes to All   \r\n" + divider);
}

TEST_F(MessageDialogTest, ClipboardThatCannotBeOpenedIsReportedAndTheDialogStaysOpen) {
  Host.ClipboardFails = true;
  std::vector<std::string> reports;
  Host.OnModal = [&](TForm& f) {
    auto& form = dynamic_cast<TMessageForm&>(f);
    if (form.Caption() == "Confirm") {
      PressKey(Host, form, 'C', ssCtrl);
      EXPECT_EQ(form.ModalResult(), mrNone);
      EXPECT_TRUE(form.Visible());
      Click(Host, form, "No");
    } else {
      reports.push_back(form.Caption() + ": " + form.Message()->Caption());
      EXPECT_EQ(form.Image()->Kind(), mkError);
      Click(Host, form, "OK");
    }
  };
  EXPECT_EQ(ShowMessageDialog(kExitQuestion, mkConfirmation, {dbYes, dbNo}, 0), mrNo);
  EXPECT_EQ(reports, (std::vector<std::string>{"Spintrak: Cannot open clipboard."}));
  EXPECT_EQ(Host.UnansweredModals(), 0);
}

TEST_F(MessageDialogTest, HelpButtonShowsHelpForTheContextAndLeavesTheDialogOpen) {
  std::vector<int> contexts;
  App.OnHelp = [&](int context) { contexts.push_back(context); };
  Answer([&](TForm& form) {
    Click(Host, form, "Help");
    EXPECT_EQ(form.ModalResult(), mrNone);
    EXPECT_TRUE(form.Visible());
    Click(Host, form, "OK");
  });
  EXPECT_EQ(ShowMessageDialog("Read the manual", mkInformation, {dbOK, dbHelp}, 42), mrOk);
  EXPECT_EQ(contexts, std::vector<int>{42});
}

TEST_F(MessageDialogTest, ErrorThatEscapesAHandlerIsReportedWithTheApplicationTitle) {
  auto form = CreateMessageDialog("Throw", mkCustom, {dbOK});
  form->Button(dbOK)->OnClick = [](TComponent*) { throw std::runtime_error("Navigation failed"); };
  std::vector<std::string> seen;
  Host.OnModal = [&](TForm& f) {
    auto& shown = dynamic_cast<TMessageForm&>(f);
    seen.push_back(shown.Caption() + ": " + shown.Message()->Caption());
    if (&shown == form.get()) {
      Click(Host, shown, "OK");
    } else {
      EXPECT_EQ(shown.Image()->Kind(), mkError);
      EXPECT_NE(shown.Button(dbOK), nullptr);
      EXPECT_EQ(shown.ComponentCount(), 3) << "icon, message and OK only";
      Click(Host, shown, "OK");
    }
  };
  EXPECT_EQ(form->ShowModal(), mrOk) << "the button's result is set before its handler fails";
  EXPECT_EQ(seen, (std::vector<std::string>{"Spintrak: Throw", "Spintrak: Navigation failed."}));
}

TEST_F(MessageDialogTest, IconsAreCompiledInWithTransparentBackgrounds) {
  for (MessageKind kind : {mkWarning, mkError, mkInformation, mkConfirmation}) {
    SCOPED_TRACE(std::string(KindIconResource(kind)));
    TBitmap icon;
    icon.LoadFromMemory(resources::Get(KindIconResource(kind)), clBtnFace);
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    EXPECT_EQ(icon.GetPixel(0, 0), ColorToRGB(clBtnFace)) << "the corner shows what lies behind";
    EXPECT_NE(icon.GetPixel(15, 15), ColorToRGB(clBtnFace));
  }
  EXPECT_FALSE(KindHasIcon(mkCustom));
  EXPECT_THROW(resources::Get("icons/none.png"), std::out_of_range);
  EXPECT_TRUE(resources::Find("icons/none.png").empty());
}

}  // namespace
}  // namespace dialogs_test
