#include <gtest/gtest.h>

#include <stdexcept>

#include "gui/controls/error_report_form.h"
#include "gui/controls/exceptions.h"
#include "test_controls.h"

using namespace gui;
using namespace spintrak_test;
using namespace platform::headless::testing;

namespace {

struct FormsTest : ::testing::Test, TShownForm {
  int MainActivations = 0;
  TForm* Dialog = nullptr;
  TTestButton* DialogOk = nullptr;

  void SetUp() override {
    Form->OnActivate = [this](TComponent*) { ++MainActivations; };
    Dialog = App.CreateForm<TForm>();
    Dialog->SetName("Dialog");
    Dialog->SetBorderStyle(bsDialog);
    DialogOk = new TTestButton(Dialog, Dialog, "OK", {10, 10, 75, 23});
    DialogOk->OnClick = [this](TComponent*) { Dialog->SetModalResult(mrOk); };
  }
};

TEST_F(FormsTest, ModalFormBlocksOtherFormsAndActivationComesBackAfterIt) {
  int mainClicks = 0;
  auto* mainButton = new TTestButton(Form, Form, "MainButton", {10, 10, 75, 23});
  mainButton->OnClick = [&](TComponent*) { ++mainClicks; };
  Show();
  EXPECT_EQ(MainActivations, 1);

  int dialogActivations = 0;
  int focusedPaints = -1;
  const int paintsBefore = mainButton->PaintCount();
  Dialog->OnActivate = [&](TComponent*) {
    ++dialogActivations;
    Host.RunUntilIdle();
    focusedPaints = mainButton->PaintCount() - paintsBefore;
  };
  Host.OnModal = [&](TForm& modal) {
    EXPECT_EQ(&modal, Dialog);
    EXPECT_TRUE(Host.WindowOf(modal).Modal());
    Click(Host, *Form, "MainButton");  // blocked: the modal form is above it
    Click(Host, modal, "OK");
  };
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(mainClicks, 0);
  EXPECT_EQ(dialogActivations, 1);
  EXPECT_EQ(focusedPaints, 1) << "the main form's focused button repaints without the focus";
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_EQ(App.ActiveForm(), Form);
  EXPECT_EQ(MainActivations, 2) << "returning from a modal form activates the main form again";
  Click(Host, *Form, "MainButton");
  EXPECT_EQ(mainClicks, 1);
}

TEST_F(FormsTest, CloseBoxOfAModalFormGivesResultTwoAndCloseQueryMayRefuse) {
  Show();
  int queries = 0;
  Dialog->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++queries > 1; };
  Host.OnModal = [&](TForm& modal) {
    Host.CloseRequest(modal);  // refused by the first query
    Host.CloseRequest(modal);
  };
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
}

TEST_F(FormsTest, ModalLoopIsGuardedAgainstReentry) {
  Show();
  EXPECT_THROW(Form->ShowModal(), EInvalidOperation) << "a visible form cannot become modal";
  bool threw = false;
  Host.OnModal = [&](TForm& modal) {
    try {
      modal.ShowModal();
    } catch (const EInvalidOperation&) {
      threw = true;
    }
    modal.SetModalResult(mrOk);
  };
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_TRUE(threw);
  EXPECT_EQ(App.ModalForm(), nullptr);
}

TEST_F(FormsTest, AFormShownModallyAgainIsAnsweredAgain) {
  Show();
  int answers = 0;
  Host.OnModal = [&](TForm& modal) {
    ++answers;
    Click(Host, modal, "OK");
  };
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Dialog->ShowModal(), mrOk) << "the same window shown a second time is a new question";
  EXPECT_EQ(answers, 2);
  EXPECT_EQ(Host.UnansweredModals(), 0);
  EXPECT_EQ(MainActivations, 3);
}

TEST_F(FormsTest, AResultSetWhileShowingEndsTheModalLoopWithoutWaiting) {
  Show();
  Dialog->OnShow = [&](TComponent*) { Dialog->SetModalResult(mrYes); };
  EXPECT_EQ(Dialog->ShowModal(), mrYes);
  EXPECT_EQ(Host.UnansweredModals(), 0);
}

TEST_F(FormsTest, UnansweredModalFormIsClosedAsByItsCloseBox) {
  Show();
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_EQ(Host.UnansweredModals(), 1);
}

TEST_F(FormsTest, ClosingTheMainFormEndsRunUnlessCloseQueryRefuses) {
  int closes = 0;
  bool allow = false;
  Form->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = allow; };
  Form->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
  Form->Show();
  Host.CloseRequest(*Form);
  App.Run();  // ends only because the script ran out
  EXPECT_TRUE(Host.RanOutOfInput());
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(Form->Visible());
}

TEST_F(FormsTest, ClosingTheMainFormTerminatesTheApplication) {
  Form->Show();
  Host.CloseRequest(*Form);
  App.Run();
  EXPECT_TRUE(App.Terminated());
  EXPECT_FALSE(Host.RanOutOfInput());
}

TEST_F(FormsTest, SwitchingToAnotherApplicationAndBackIsNoActivation) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  int enters = 0;
  edit->OnEnter = [&](TComponent*) { ++enters; };
  Show();
  Host.FocusChanged(*Form, false);
  Host.FocusChanged(*Form, true);
  Host.RunUntilIdle();
  EXPECT_EQ(MainActivations, 1);
  EXPECT_EQ(enters, 1);
}

TEST_F(FormsTest, APressOnAnotherFormOfTheApplicationActivatesItFirst) {
  int clicks = 0;
  auto* button = new TTestButton(Form, Form, "MainButton", {10, 10, 75, 23});
  button->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  Dialog->Show();
  Host.RunUntilIdle();
  ASSERT_EQ(App.ActiveForm(), Dialog);
  Click(Host, *Form, "MainButton");
  EXPECT_EQ(App.ActiveForm(), Form);
  EXPECT_EQ(MainActivations, 2);
  EXPECT_EQ(clicks, 1) << "the button took the focus and clicked";
}

TEST_F(FormsTest, TopMostChangesOnlyTheStacking) {
  Form->SetPosition(poScreenCenter);
  Show();
  auto& window = Host.WindowOf(*Form);
  const TPoint where = window.Position();
  EXPECT_EQ(where, (TPoint{(1280 - 308) / 2, (1024 - 228) / 2}));
  Form->SetTopMost(true);
  EXPECT_TRUE(window.TopMost());
  Form->SetTopMost(false);
  EXPECT_FALSE(window.TopMost());
  EXPECT_EQ(window.TopMostChanges(), 2);
  EXPECT_EQ(window.Position(), where);
  EXPECT_EQ(window.ClientSize(), (TSize{300, 200}));
  EXPECT_EQ(window.Activations(), 0);
  EXPECT_EQ(MainActivations, 1);
}

TEST_F(FormsTest, ErrorInAClickHandlerIsReportedAndTheProgramGoesOn) {
  App.SetTitle("Spintrak");
  std::vector<std::string> reports;
  App.OnShowErrorReport = [&](const std::string& title, const std::string& text) {
    reports.push_back(title + ": " + text);
  };
  auto* button = new TTestButton(Form, Form, "Button", {10, 10, 75, 23});
  std::vector<const char*> errors{"Invalid floating point operation", "Done.", "Oh!", ""};
  std::size_t next = 0;
  int afterwards = 0;
  button->OnClick = [&](TComponent*) {
    if (next < errors.size()) throw std::runtime_error(errors[next++]);
    if (next++ == errors.size()) Abort();
    ++afterwards;
  };
  Show();
  for (int i = 0; i < 6; ++i) Click(Host, *Form, "Button");
  EXPECT_EQ(reports, (std::vector<std::string>{"Spintrak: Invalid floating point operation.", "Spintrak: Done.",
                                               "Spintrak: Oh!", "Spintrak: "}));
  EXPECT_EQ(afterwards, 1) << "the silent abort was not reported and the next click ran normally";
}

TEST_F(FormsTest, AnOnResizeThatThrowsLeavesTheFormTellingTheHostItsSizeAndPlace) {
  std::vector<std::string> reports;
  App.OnShowErrorReport = [&](const std::string&, const std::string& text) { reports.push_back(text); };
  Show();
  Form->OnResize = [](TComponent*) { throw std::runtime_error("resize failed"); };
  Host.Resize(*Form, 320, 240);
  Host.RunUntilIdle();
  EXPECT_EQ(reports, (std::vector<std::string>{"resize failed."}));
  Form->OnResize = nullptr;
  Form->SetClientSize(200, 150);
  Form->SetBounds(40, 30, Form->Width(), Form->Height());
  EXPECT_EQ(Host.WindowOf(*Form).ClientSize().Width, 200);
  EXPECT_EQ(Host.WindowOf(*Form).ClientSize().Height, 150);
  EXPECT_EQ(Host.WindowOf(*Form).Position(), (TPoint{40, 30}));
}

struct ActivationErrorTest : FormsTest {
  std::vector<std::string> Reports;
  void SetUp() override {
    FormsTest::SetUp();
    App.OnShowErrorReport = [this](const std::string&, const std::string& text) { Reports.push_back(text); };
  }
  void ThrowOnActivate() {
    Form->OnActivate = [this](TComponent*) {
      ++MainActivations;
      throw std::runtime_error("Cannot create file");
    };
  }
};

TEST_F(ActivationErrorTest, AnErrorInOnActivateOnReturnFromAModalFormIsReported) {
  auto* edit = new TTestEdit(Form, Form, "Edit", {0, 0, 80, 20});
  Show();
  ThrowOnActivate();
  Host.OnModal = [&](TForm& modal) { Click(Host, modal, "OK"); };
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(MainActivations, 2);
  EXPECT_EQ(Reports, (std::vector<std::string>{"Cannot create file."}));
  EXPECT_EQ(App.ActiveForm(), Form);
  EXPECT_EQ(Form->FocusedControl(), edit);
}

TEST_F(ActivationErrorTest, AnErrorInOnActivateOnFirstShowIsReportedAndRunGoesOn) {
  ThrowOnActivate();
  App.Run();  // ends when the script has nothing more to say
  EXPECT_TRUE(Host.RanOutOfInput());
  EXPECT_EQ(MainActivations, 1);
  EXPECT_EQ(Reports, (std::vector<std::string>{"Cannot create file."}));
  EXPECT_TRUE(Form->Visible());
}

TEST_F(ActivationErrorTest, ClosingTheErrorReportIsNoActivationOfTheFormBelowIt) {
  // Otherwise an activation handler that fails every time would report its error without end.
  App.OnShowErrorReport = nullptr;
  int deactivations = 0;
  Form->OnDeactivate = [&](TComponent*) { ++deactivations; };
  Form->OnActivate = [&](TComponent*) {
    if (++MainActivations < 5) throw std::runtime_error("Cannot create file");
  };
  Host.OnModal = [&](TForm& report) { PressKey(Host, report, VK_RETURN); };
  Show();
  EXPECT_EQ(MainActivations, 1);
  EXPECT_EQ(deactivations, 0);
  EXPECT_EQ(App.ErrorReportCount(), 1);
  EXPECT_EQ(App.ActiveForm(), Form);
}

TEST_F(FormsTest, DefaultErrorReportIsAModalFormWithTheTitleClosedByEnter) {
  App.SetTitle("Spintrak");
  App.OnShowErrorReport = nullptr;
  auto* button = new TTestButton(Form, Form, "Button", {10, 10, 75, 23});
  button->OnClick = [](TComponent*) { throw std::runtime_error("Cannot open clipboard"); };
  std::string caption, message;
  Host.OnModal = [&](TForm& modal) {
    auto& report = dynamic_cast<TErrorReportForm&>(modal);
    caption = report.Caption();
    message = report.Message();
    PressKey(Host, report, VK_RETURN);
  };
  Show();
  Click(Host, *Form, "Button");
  EXPECT_EQ(caption, "Spintrak");
  EXPECT_EQ(message, "Cannot open clipboard.");
  EXPECT_EQ(Host.UnansweredModals(), 0);
  EXPECT_EQ(App.ErrorReportCount(), 1);
  EXPECT_EQ(App.ActiveForm(), Form);
}

}  // namespace
