// The banner pane on the GTK host: the activation step shows the local page in the real web
// engine (or its stand-in), the pane takes part in the Tab order and takes the focus on a click,
// and it follows its panel when the window is resized; the about box on the same host.
#include "app/about_box.h"
#include "app/banner_page.h"
#include "app/banner_pane.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/std/panel.h"
#include "gui/std/web_browser.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_web_view.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/signal.h"
#include "platform/gtk/web_view.h"
#include "tests/e2e/form_controls.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

// A top band with the pane in a bevelled panel across it, the entry and the add button below,
// then the check box: the main window's Tab order around the pane.
struct TBannerForm {
  explicit TBannerForm(gui::TApplication& app) {
    Form = app.CreateForm<gui::TForm>();
    Form->SetName("BannerForm");
    Form->SetCaption("Spintrak e2e banner");
    Form->SetClientSize(420, 200);
    Form->SetPosition(gui::poScreenCenter);
    Panel = MakeControl<gui::TPanel>(Form, Form, "UiPanel4", 0, 0, 420, 80);
    Panel->SetCaption("");
    Panel->SetAlign(gui::alTop);
    Panel->SetBevelOuter(gui::bvLowered);
    Panel->SetBevelInner(gui::bvRaised);
    Panel->SetTabOrder(2);
    Pane = MakeControl<gui::TWebBrowser>(Form, Panel, "WebBrowser1", 0, 0, 10, 10);
    Pane->SetAlign(gui::alClient);
    Edit = MakeControl<TE2EEdit>(Form, Form, "Edit", 10, 100, 100, 21);
    Edit->SetTabOrder(0);
    Add = MakeControl<TE2EButton>(Form, Form, "Add", 120, 100, 60, 25);
    Add->SetTabOrder(1);
    Check = MakeControl<TE2ECheck>(Form, Form, "Check", 10, 150, 120, 21);
    Check->SetTabOrder(3);
    Form->OnActivate = [this](gui::TComponent*) {
      ++Activations;
      app::RefreshBanner(*Pane, *Edit);
    };
  }
  gui::TForm* Form;
  gui::TPanel* Panel;
  gui::TWebBrowser* Pane;
  TE2EEdit* Edit;
  TE2EButton* Add;
  TE2ECheck* Check;
  int Activations = 0;
};

class BannerE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The page's background picture lies beside it, so a shown page is green.
    setenv("TEMP", TempDir().c_str(), 1);
    RunOk({"convert", "-size", "16x16", "xc:#00C000", TempDir() + "/bkgrnd.jpg"});
    App = new gui::TApplication(*Host);
    App->SetTitle("Spintrak e2e");
    Test = new TBannerForm(*App);
    SetPump([] { App->ProcessMessages(); });
    Xid_ = ShowOnScreen(*Test->Form);
    ASSERT_FALSE(Xid_.empty());
  }
  static void TearDownTestSuite() {
    SetPump(nullptr);
    delete Test;
    delete App;
  }

  static platform::gtk::TWebView& Web() {
    return static_cast<platform::gtk::TGtkWebView*>(Test->Pane->View())->View();
  }
  static bool IsGreen(gui::TColor c) {
    const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
    return r < 40 && g > 160 && b < 40;
  }
  // Whether the screen shows the page's green at a point of the form.
  static bool GreenAt(gui::TPoint p) {
    Settle();
    const std::string shot = TempDir() + "/banner.png";
    RunOk({"import", "-window", Xid_, shot});
    gui::TBitmap screen;
    screen.LoadFromFile(shot);
    return p.X < screen.Width() && p.Y < screen.Height() && IsGreen(screen.GetPixel(p.X, p.Y));
  }
  static void Key(const char* key) { RunOk({"xdotool", "key", key}); }

  static gui::TApplication* App;
  static TBannerForm* Test;
  static std::string Xid_;
};

gui::TApplication* BannerE2E::App = nullptr;
TBannerForm* BannerE2E::Test = nullptr;
std::string BannerE2E::Xid_;

TEST_F(BannerE2E, TheActivationWritesThePageAndThePaneShowsIt) {
  std::ifstream in(TempDir() + "/SKTemp1.htm", std::ios::binary);
  std::ostringstream page;
  page << in.rdbuf();
  EXPECT_EQ(page.str(), app::BannerPage());
  EXPECT_EQ(Test->Form->ActiveControl(), Test->Edit);
  ASSERT_NE(Test->Pane->View(), nullptr);
  ASSERT_TRUE(WaitUntil([] { return Web().Loaded(); }, std::chrono::seconds(30)));
  EXPECT_EQ(Web().Title(), "test");
  if (platform::gtk::TWebView::HasEngine()) {
    EXPECT_TRUE(WaitUntil([] { return GreenAt({200, 40}); }, std::chrono::seconds(20)));
    // Inside the panel's bevels only.
    EXPECT_FALSE(GreenAt({1, 40}));
    EXPECT_FALSE(GreenAt({200, 1}));
  }
}

TEST_F(BannerE2E, TabGoesThroughThePageAndAClickIntoItFocusesIt) {
  Focus(Xid_);
  Test->Add->SetFocus();
  Key("Tab");
  ASSERT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Pane; }));
  EXPECT_TRUE(WaitUntil([] { return Web().Focused(); }));
  // The page holds nothing to focus: the next Tab leaves it for the check box, and back.
  Key("Tab");
  EXPECT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Check; }, std::chrono::seconds(5)));
  EXPECT_FALSE(Web().Focused());
  Key("shift+Tab");
  EXPECT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Pane && Web().Focused(); }));
  Key("shift+Tab");
  EXPECT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Add; }, std::chrono::seconds(5)));
  EXPECT_FALSE(Web().Focused());

  RunOk({"xdotool", "mousemove", "--window", Xid_, "200", "40", "click", "1"});
  EXPECT_TRUE(WaitUntil([] { return Test->Form->ActiveControl() == Test->Pane && Web().Focused(); }));
  // Keys typed now go to the page, not to the form's controls.
  Key("a");
  Settle();
  EXPECT_EQ(Test->Edit->Text, "");
  Test->Edit->SetFocus();
  EXPECT_FALSE(Web().Focused());
  RunOk({"xdotool", "type", "7"});
  EXPECT_TRUE(WaitUntil([] { return Test->Edit->Text == "7"; }));
}

TEST_F(BannerE2E, TheAboutBoxShowsItsOwnPixelsEscKeepsItAndEnterClosesIt) {
  auto* about = App->CreateForm<app::TAboutBox>();
  bool escKept = false;
  long difference = -1;
  about->OnShow = [&](gui::TComponent*) {
    platform::gtk::CallWhenIdle([&] {
      const std::string xid = XidOf(*about);
      Focus(xid);
      difference = WaitForScreenToShow(xid, about->BackBuffer());
      Key("Escape");
      Settle();
      escKept = about->Visible();
      Key("Return");
    });
  };
  std::ofstream(TempDir() + "/SKTemp1.htm") << "stale";
  const int activations = Test->Activations;
  EXPECT_EQ(about->ShowModal(), gui::mrOk);
  EXPECT_TRUE(escKept);
  EXPECT_EQ(difference, 0) << "pixels of the about box that differ on screen";
  // Back in the main window: activated again, page rewritten, entry focused.
  EXPECT_TRUE(WaitUntil([&] { return Test->Activations == activations + 1 && Test->Edit->Focused(); }));
  std::ifstream in(TempDir() + "/SKTemp1.htm", std::ios::binary);
  std::ostringstream page;
  page << in.rdbuf();
  EXPECT_EQ(page.str(), app::BannerPage());
  delete about;
}

TEST_F(BannerE2E, ThePaneFollowsItsPanelWhenTheWindowGrows) {
  if (!platform::gtk::TWebView::HasEngine()) GTEST_SKIP() << "the stand-in has no page to show";
  RunOk({"xdotool", "windowsize", Xid_, "600", "200"});
  ASSERT_TRUE(WaitUntil([] { return Test->Form->ClientWidth() == 600; }));
  EXPECT_TRUE(WaitUntil([] { return GreenAt({580, 40}); }, std::chrono::seconds(10)));
  EXPECT_FALSE(GreenAt({599, 40}));
}

// Assistive technologies meet the page where the pane stands: the engine's own object of the
// page is the pane's only child and names the pane as its parent; the overlay beneath lists only
// the canvas, so the page is met once. A client that read the pane before its view was made (the
// view comes after the first frame) is told when it comes.
TEST_F(BannerE2E, ThePagesOwnObjectIsThePanesOnlyChild) {
  auto* form = App->CreateForm<gui::TForm>();
  form->SetClientSize(200, 100);
  auto* pane = MakeControl<gui::TWebBrowser>(form, form, "Pane", 0, 0, 200, 100);
  form->Show();
  auto* window = static_cast<platform::gtk::TGtkWindow*>(form->HostWindow());
  AtkObject* overlay = gtk_widget_get_accessible(GTK_WIDGET(window->Overlay()));
  AtkObject* root = gtk_widget_get_accessible(gtk_bin_get_child(GTK_BIN(window->Overlay())));
  AtkObject* paneObject = atk_object_ref_accessible_child(root, 0);
  ASSERT_NE(paneObject, nullptr);
  auto* view = static_cast<platform::gtk::TGtkWebView*>(pane->View());
  ASSERT_TRUE(view == nullptr || !view->View().Created()) << "read before the first frame";
  EXPECT_EQ(atk_object_get_n_accessible_children(paneObject), 0);
  int added = 0;
  g_signal_connect(paneObject, "children-changed::add",
                   G_CALLBACK(+[](AtkObject*, guint, gpointer, gpointer count) { ++*static_cast<int*>(count); }),
                   &added);

  ASSERT_TRUE(WaitUntil([&] {
    view = static_cast<platform::gtk::TGtkWebView*>(pane->View());
    return view && view->View().Created();
  }));
  EXPECT_EQ(added, 1);
  ASSERT_EQ(atk_object_get_n_accessible_children(paneObject), 1);
  AtkObject* page = atk_object_ref_accessible_child(paneObject, 0);
  EXPECT_EQ(page, gtk_widget_get_accessible(view->View().Widget()));
  EXPECT_EQ(atk_object_get_parent(page), paneObject);
  EXPECT_EQ(atk_object_get_index_in_parent(page), 0);
  EXPECT_EQ(atk_object_get_n_accessible_children(overlay), 1) << "the canvas only";
  AtkObject* first = atk_object_ref_accessible_child(overlay, 0);
  EXPECT_EQ(first, root);
  EXPECT_EQ(atk_object_ref_accessible_child(overlay, 1), nullptr);
  g_object_unref(first);
  g_object_unref(page);
  g_object_unref(paneObject);
  delete form;
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunTests(argc, argv); }
