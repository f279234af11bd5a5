// A form of the control layer on the GTK host, used as a user would: typing digits and Cyrillic,
// Enter, Tab, clicks and a fast double click, the stay-on-top switch, Alt+F4 answered in a
// confirmation, and the screen compared with the form's back buffer.
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/form_controls.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace e2e {
namespace {

using namespace gui::literals;

template <class T>
T* Make(gui::TForm* form, const char* name, const std::string& caption, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  control->SetCaption(caption);
  return control;
}

// The test form: an entry, OK (default) and Cancel, a stay-on-top switch and a label.
struct TTestForm {
  explicit TTestForm(gui::TApplication& app) {
    Form = app.CreateForm<gui::TForm>();
    Form->SetName("E2EForm");
    Form->SetCaption("Spintrak e2e form");
    Form->SetClientSize(420, 260);
    Form->SetPosition(gui::poScreenCenter);
    Form->SetBorderIcons(gui::TBorderIcons());
    Edit = Make<TE2EEdit>(Form, "Edit", "", 10, 10, 200, 21);
    Ok = Make<TE2EButton>(Form, "Ok", "OK", 10, 40, 75, 25);
    Ok->Default = true;
    Cancel = Make<TE2EButton>(Form, "Cancel", "Cancel", 95, 40, 75, 25);
    Check = Make<TE2ECheck>(Form, "Check", "on top", 10, 75, 120, 21);
    Label = Make<TE2ELabel>(Form, "Label", "double-click me", 150, 75, 120, 21);
    Ok->OnClick = [this](gui::TComponent*) { ++OkClicks; };
    Cancel->OnClick = [this](gui::TComponent*) { ++CancelClicks; };
    Check->OnClick = [this](gui::TComponent*) {
      ++CheckClicks;
      Form->SetTopMost(Check->Checked);
    };
    Label->OnClick = [this](gui::TComponent*) { ++LabelClicks; };
    Label->OnDblClick = [this](gui::TComponent*) { ++LabelDoubleClicks; };
    Form->SetActiveControl(Edit);
  }

  gui::TForm* Form;
  TE2EEdit* Edit;
  TE2EButton* Ok;
  TE2EButton* Cancel;
  TE2ECheck* Check;
  TE2ELabel* Label;
  int OkClicks = 0, CancelClicks = 0, CheckClicks = 0, LabelClicks = 0, LabelDoubleClicks = 0;
};

class FormE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App = new gui::TApplication(*Host);
    App->SetTitle("Spintrak e2e");
    Test = new TTestForm(*App);
    SetPump([] { App->ProcessMessages(); });
    Xid_ = ShowOnScreen(*Test->Form);
    ASSERT_FALSE(Xid_.empty());
  }
  static void TearDownTestSuite() {
    SetPump(nullptr);
    delete Test;
    delete App;
  }

  // Moves the pointer over a control's centre (in the form's client coordinates) and clicks.
  static void ClickOn(gui::TControl& control, int count = 1) {
    const gui::TRect r = control.RectInForm();
    RunOk({"xdotool", "mousemove", "--window", Xid_, std::to_string((r.Left + r.Right) / 2),
           std::to_string((r.Top + r.Bottom) / 2), "click", "--repeat", std::to_string(count), "--delay", "60",
           "1"});
  }

  static gui::TApplication* App;
  static TTestForm* Test;
  static std::string Xid_;
};

gui::TApplication* FormE2E::App = nullptr;
TTestForm* FormE2E::Test = nullptr;
std::string FormE2E::Xid_;

TEST_F(FormE2E, OpensCentredAtItsClientSizeShowingItsBackBuffer) {
  const TGeometry g = ClientGeometry(Xid_);
  EXPECT_EQ(g.Width, Test->Form->ClientWidth());
  EXPECT_EQ(g.Height, Test->Form->ClientHeight());
  const gui::TSize screen = Host->ScreenSize();
  // Centred on the screen with the real frame: the client's centre lies within the frame's
  // thickness of the screen's centre.
  EXPECT_NEAR(g.Left + g.Width / 2, screen.Width / 2, 8);
  EXPECT_NEAR(g.Top + g.Height / 2, screen.Height / 2, 30);

  // No close box, menu, minimise or maximise: the window manager hints offer none of them.
  const std::string hints = RunOk({"xprop", "-id", Xid_, "_MOTIF_WM_HINTS"});
  unsigned flags = 0, functions = 0, decorations = 0;
  ASSERT_EQ(std::sscanf(hints.c_str() + std::min(hints.find('='), hints.size()), "= %x, %x, %x", &flags,
                        &functions, &decorations),
            3)
      << hints;
  EXPECT_EQ(functions & 0x39u, 0u) << "all, minimise, maximise or close offered: " << hints;
  EXPECT_EQ(decorations & 0x71u, 0u) << "all, menu, minimise or maximise shown: " << hints;

  EXPECT_EQ(WaitForScreenToShow(Xid_, Test->Form->BackBuffer()), 0) << "pixels differ";
}

TEST_F(FormE2E, TypingDigitsAndCyrillicReachesTheEntry) {
  ASSERT_EQ(Test->Form->ActiveControl(), Test->Edit);
  RunOk({"xdotool", "type", "--delay", "20", "0123456789"});
  EXPECT_TRUE(WaitUntil([] { return Test->Edit->Text.size() == 10; }));
  RunOk({"setxkbmap", "-layout", "ru"});
  RunOk({"xdotool", "type", "--delay", "20", "спин"});
  const bool typed = WaitUntil([] { return Test->Edit->Text.size() == 14; });
  RunOk({"setxkbmap", "-layout", "us"});
  EXPECT_TRUE(typed);
  EXPECT_EQ(Test->Edit->Text, "0123456789" + std::string("спин"_cp));
}

TEST_F(FormE2E, EnterPressesTheDefaultButtonAndTabWalksTheTabOrder) {
  Focus(Xid_);
  RunOk({"xdotool", "key", "Return"});
  EXPECT_TRUE(WaitUntil([] { return Test->OkClicks == 1; }));
  EXPECT_EQ(Test->Form->ActiveControl(), Test->Edit);

  const std::vector<gui::TWinControl*> order{Test->Ok, Test->Cancel, Test->Check, Test->Edit};
  for (gui::TWinControl* next : order) {
    RunOk({"xdotool", "key", "Tab"});
    EXPECT_TRUE(WaitUntil([next] { return Test->Form->ActiveControl() == next; })) << next->Name();
  }
  RunOk({"xdotool", "key", "shift+Tab"});
  EXPECT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Check; }));
}

TEST_F(FormE2E, ClicksAndAFastDoubleClick) {
  ClickOn(*Test->Cancel);
  EXPECT_TRUE(WaitUntil([] { return Test->CancelClicks == 1; }));
  EXPECT_EQ(Test->Form->ActiveControl(), Test->Cancel);

  // On a label a fast double click is a click and a double click; on a button, two clicks.
  ClickOn(*Test->Label, 2);
  EXPECT_TRUE(WaitUntil([] { return Test->LabelDoubleClicks == 1; }));
  EXPECT_EQ(Test->LabelClicks, 1);
  ClickOn(*Test->Cancel, 2);
  EXPECT_TRUE(WaitUntil([] { return Test->CancelClicks == 3; }));
}

TEST_F(FormE2E, TheStayOnTopSwitchChangesOnlyTheStacking) {
  const TGeometry before = ClientGeometry(Xid_);
  for (bool on : {true, false}) {
    ClickOn(*Test->Check);
    EXPECT_TRUE(WaitUntil([on] { return Test->Check->Checked == on; }));
    EXPECT_TRUE(WaitForKeptAbove(Xid_, on)) << on;
    const TGeometry after = ClientGeometry(Xid_);
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_EQ(after.Top, before.Top);
    EXPECT_EQ(after.Width, before.Width);
    EXPECT_EQ(after.Height, before.Height);
  }
}

// Answers the confirmation window, once it is up, by clicking one of its buttons.
void AnswerWhenShown(gui::TForm*& confirm, const char* button) {
  struct TAnswer {
    gui::TForm** Confirm;
    std::string Button;
  };
  g_timeout_add_full(
      G_PRIORITY_DEFAULT, 50,
      +[](gpointer data) -> gboolean {
        auto* answer = static_cast<TAnswer*>(data);
        gui::TForm* form = *answer->Confirm;
        if (form == nullptr || !form->Visible() || form->HostWindow() == nullptr) return G_SOURCE_CONTINUE;
        auto* target = static_cast<gui::TControl*>(form->FindComponent(answer->Button));
        const gui::TRect r = target->RectInForm();
        Start({"xdotool", "mousemove", "--window", XidOf(*form), std::to_string((r.Left + r.Right) / 2),
               std::to_string((r.Top + r.Bottom) / 2), "click", "1"});
        return G_SOURCE_REMOVE;
      },
      new TAnswer{&confirm, button}, +[](gpointer data) { delete static_cast<TAnswer*>(data); });
}

TEST_F(FormE2E, AltF4AsksForConfirmationAndNoKeepsTheFormOpen) {
  gui::TForm* confirm = nullptr;
  int queries = 0;
  Test->Form->OnCloseQuery = [&](gui::TComponent*, bool& canClose) {
    ++queries;
    gui::TForm dialog(App);
    dialog.SetCaption("Confirm");
    dialog.SetBorderStyle(gui::bsDialog);
    dialog.SetClientSize(200, 60);
    dialog.SetPosition(gui::poScreenCenter);
    auto* yes = Make<TE2EButton>(&dialog, "Yes", "Yes", 20, 20, 75, 25);
    auto* no = Make<TE2EButton>(&dialog, "No", "No", 105, 20, 75, 25);
    yes->ModalResult = gui::mrYes;
    no->ModalResult = gui::mrNo;
    confirm = &dialog;
    const int answer = dialog.ShowModal();
    confirm = nullptr;
    canClose = answer != gui::mrNo;
  };
  Focus(Xid_);
  AnswerWhenShown(confirm, "No");
  RunOk({"xdotool", "key", "alt+F4"});
  ASSERT_TRUE(WaitUntil([&] { return queries == 1 && confirm == nullptr; }, std::chrono::seconds(20)));
  Settle();
  EXPECT_TRUE(Test->Form->Visible());
  EXPECT_NE(RunOk({"xwininfo", "-id", Xid_}).find("IsViewable"), std::string::npos);

  Focus(Xid_);
  AnswerWhenShown(confirm, "Yes");
  RunOk({"xdotool", "key", "alt+F4"});
  // Closing the main form ends the application.
  EXPECT_TRUE(WaitUntil([&] { return queries == 2 && App->Terminated(); }, std::chrono::seconds(20)))
      << queries << " queries, confirmation " << (confirm != nullptr ? "open" : "closed");
  Test->Form->OnCloseQuery = nullptr;
  EXPECT_TRUE(WaitForStarted());
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunTests(argc, argv); }
