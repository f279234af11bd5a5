// The banner pane on a small form of its own: the activation step (page, navigation, focus),
// its refusal reported once, the pane's place in the Tab order and its following the panel.
#include "app/banner_pane.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/banner_page.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/panel.h"
#include "gui/std/web_browser.h"
#include "platform/headless/headless_web_view.h"
#include "platform/headless/testing/input_script.h"
#include "tests/app/temp_env.h"

namespace {

namespace fs = std::filesystem;
using namespace gui;
using namespace platform::headless::testing;
using platform::headless::THeadlessWebView;

template <class T>
T* Make(TForm* form, TWinControl* parent, const char* name, int left, int top, int width, int height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// The entry, the add button, the pane in its bevelled panel and the check box, in that Tab
// order, as on the main window; each activation runs the banner step.
struct BannerPane : ::testing::Test, TTestApp {
  spintrak_test::TTempFolder Temp;
  spintrak_test::TScopedEnv Env;
  TForm* Form;
  TEdit* Edit;
  TButton* Add;
  TPanel* Panel;
  TWebBrowser* Pane;
  TButton* Check;
  std::vector<std::string> Reports;
  int Activations = 0;

  BannerPane() {
    Env.ClearTemp();
    Env.Set("TEMP", Temp.Path().string());
    Form = App.CreateForm<TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(400, 200);
    Edit = Make<TEdit>(Form, Form, "UiNumericEdit1", 10, 10, 65, 21);
    Add = Make<TButton>(Form, Form, "UiBitBtn3", 80, 10, 29, 25);
    Panel = Make<TPanel>(Form, Form, "UiPanel4", 10, 50, 300, 80);
    Panel->SetBevelOuter(bvLowered);
    Panel->SetBevelInner(bvRaised);
    Pane = Make<TWebBrowser>(Form, Panel, "WebBrowser1", 0, 0, 10, 10);
    Pane->SetAlign(alClient);
    Check = Make<TButton>(Form, Form, "UiCheckBox1", 10, 150, 120, 21);
    Form->OnActivate = [this](TComponent*) {
      ++Activations;
      app::RefreshBanner(*Pane, *Edit);
    };
    App.OnShowErrorReport = [this](const std::string&, const std::string& text) { Reports.push_back(text); };
  }
  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
  THeadlessWebView& View() {
    EXPECT_EQ(Host.WebViews().size(), 1u);
    return *static_cast<THeadlessWebView*>(Pane->View());
  }
  fs::path PagePath() const { return Temp.Path() / "SKTemp1.htm"; }
  std::string Page() const {
    std::ifstream in(PagePath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // A modal box opened and closed again, as the about box is.
  void OpenAndCloseADialog() {
    auto* dialog = App.CreateForm<TForm>();
    dialog->SetName("Dialog");
    Host.OnModal = [](TForm& modal) { modal.SetModalResult(mrOk); };
    dialog->ShowModal();
    Host.RunUntilIdle();
    delete dialog;
  }
};

TEST_F(BannerPane, EveryActivationRewritesThePageNavigatesAndFocusesTheEntry) {
  Show();
  const std::string path = PagePath().string();
  EXPECT_EQ(Page(), app::BannerPage());
  EXPECT_EQ(Host.Navigations(), std::vector<std::string>{path});
  EXPECT_EQ(View().Address(), path);
  EXPECT_EQ(Pane->LocationURL(), path);
  EXPECT_EQ(Form->FocusedControl(), Edit);
  EXPECT_TRUE(Reports.empty());

  std::ofstream(PagePath()) << "stale and much longer than the page" << std::string(2000, '.');
  Pane->SetFocus();
  OpenAndCloseADialog();
  EXPECT_EQ(Activations, 2);
  EXPECT_EQ(Page(), app::BannerPage()) << "rewritten, not appended";
  EXPECT_EQ(Host.Navigations(), (std::vector<std::string>{path, path}));
  EXPECT_EQ(Form->FocusedControl(), Edit);
  EXPECT_FALSE(View().Focused()) << "the page gave the keys back";
}

TEST_F(BannerPane, APageThatCannotBeWrittenIsReportedOnceAndSkipsTheRest) {
  fs::create_symlink("/etc/hostname", PagePath());
  Form->SetActiveControl(Add);
  Show();
  const std::string message = "Cannot create file \"" + PagePath().string() + "\". It is a symbolic link.";
  EXPECT_EQ(Reports, std::vector<std::string>{message});
  EXPECT_TRUE(Host.Navigations().empty());
  EXPECT_EQ(Form->FocusedControl(), Add) << "the focus step was skipped";
  // Closing the report is no activation, so the failure does not come round again.
  Host.RunUntilIdle();
  EXPECT_EQ(Activations, 1);
  EXPECT_EQ(Reports.size(), 1u);

  // The next activation after the cause is gone goes through.
  fs::remove(PagePath());
  OpenAndCloseADialog();
  EXPECT_EQ(Page(), app::BannerPage());
  EXPECT_EQ(Form->FocusedControl(), Edit);
}

TEST_F(BannerPane, ARefusedNavigationIsReportedWithTheHostsReason) {
  Host.NavigateSucceeds = false;
  Form->SetActiveControl(Add);
  Show();
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_NE(Reports[0].find("refused by the test"), std::string::npos) << Reports[0];
  EXPECT_EQ(Form->FocusedControl(), Add) << "the focus step was skipped";
}

TEST_F(BannerPane, TabReachesThePageFromTheAddButtonAndLeavesItForTheCheckBox) {
  Show();
  Add->SetFocus();
  Tab(Host, *Form);
  EXPECT_EQ(Form->FocusedControl(), Pane);
  EXPECT_TRUE(View().Focused()) << "the keys go to the page";
  // A page with nothing to focus lets Tab through at once.
  Tab(Host, *Form);
  EXPECT_EQ(Form->FocusedControl(), Check);
  EXPECT_FALSE(View().Focused());
  Tab(Host, *Form, true);
  EXPECT_EQ(Form->FocusedControl(), Pane);
  Tab(Host, *Form, true);
  EXPECT_EQ(Form->FocusedControl(), Add);

  // A page with links of its own says when Tab has gone past the last or the first of them.
  Pane->SetFocus();
  View().TabOutOfPage(true);
  EXPECT_EQ(Form->FocusedControl(), Check);
  Pane->SetFocus();
  View().TabOutOfPage(false);
  EXPECT_EQ(Form->FocusedControl(), Add);

  // The page calls from outside the form's input routing; a failing handler is still reported.
  Check->OnEnter = [](TComponent*) { throw std::runtime_error("enter failed"); };
  Pane->SetFocus();
  View().TabOutOfPage(true);
  EXPECT_EQ(Reports, std::vector<std::string>{"enter failed."});
}

TEST_F(BannerPane, AClickIntoThePageFocusesThePane) {
  Show();
  ASSERT_EQ(Form->FocusedControl(), Edit);
  View().ClickIntoPage();
  EXPECT_EQ(Form->FocusedControl(), Pane);
  EXPECT_TRUE(View().Focused());
  // A press that reaches the pane's own canvas (before the page is up) focuses it too.
  Click(Host, *Form, "UiCheckBox1");
  Click(Host, *Form, "WebBrowser1");
  EXPECT_EQ(Form->FocusedControl(), Pane);
}

TEST_F(BannerPane, TheViewFillsThePanelInsideItsBevelsAndFollowsIt) {
  Show();
  EXPECT_EQ(View().Bounds(), (TRect{12, 52, 308, 128}));
  EXPECT_TRUE(View().Visible());
  Panel->SetWidth(200);
  Host.RunUntilIdle();
  EXPECT_EQ(View().Bounds(), (TRect{12, 52, 208, 128}));
  Panel->SetLeft(30);
  Host.RunUntilIdle();
  EXPECT_EQ(View().Bounds(), (TRect{32, 52, 228, 128}));
  Pane->Hide();
  EXPECT_FALSE(View().Visible());
  Pane->Show();
  EXPECT_TRUE(View().Visible());
  Panel->Hide();
  EXPECT_FALSE(View().Visible()) << "a hidden panel hides the page in it";
  Panel->Show();
  EXPECT_TRUE(View().Visible());
}

}  // namespace
