// The glyph push buttons and the check box on the GTK host, clicked as a user clicks them: one
// click is one click, a fast double click on the add button is two, a press dragged off the
// button and released is none, and the screen shows the hot look the back buffer holds.
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/x_tools.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace e2e {
namespace {

struct TButtonsForm {
  explicit TButtonsForm(gui::TApplication& app) {
    Form = app.CreateForm<gui::TForm>();
    Form->SetCaption("Spintrak e2e buttons");
    Form->SetClientSize(260, 150);
    Form->SetPosition(gui::poScreenCenter);
    Exit = new widgets::TUiBitBtn(Form);
    Exit->SetParent(Form);
    Exit->SetBounds(10, 10, 145, 73);
    Exit->SetCaption("Exit");
    gui::TBitmap glyph(48, 48, gui::RGB(212, 208, 200));
    glyph.Canvas().Brush.Color = 0xB05010;
    glyph.Canvas().FillRect({6, 6, 42, 42});
    Exit->SetGlyph(glyph);
    Add = new widgets::TUiBitBtn(Form);
    Add->SetParent(Form);
    Add->SetBounds(170, 10, 29, 25);
    OnTop = new widgets::TUiCheckBox(Form);
    OnTop->SetParent(Form);
    OnTop->SetBounds(10, 100, 200, 21);
    OnTop->SetCaption("on top");
    for (widgets::TUiBitBtn* b : {Exit, Add}) {
      b->SetHotTrack(true);
      b->SetColor(0xF0F4F4);
      b->SetFrameColor(0x743C00);
    }
    Exit->OnClick = [this](gui::TComponent*) { ++ExitClicks; };
    Add->OnClick = [this](gui::TComponent*) { ++AddClicks; };
    OnTop->OnClick = [this](gui::TComponent*) { Seen.push_back(OnTop->Checked()); };
  }
  gui::TForm* Form;
  widgets::TUiBitBtn* Exit;
  widgets::TUiBitBtn* Add;
  widgets::TUiCheckBox* OnTop;
  int ExitClicks = 0, AddClicks = 0;
  std::vector<bool> Seen;
};

class ButtonsE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App = new gui::TApplication(*Host);
    Test = new TButtonsForm(*App);
    SetPump([] { App->ProcessMessages(); });
    Test->Form->Show();
    ASSERT_TRUE(WaitUntil([] { return Test->Form->HostWindow() != nullptr; }));
    auto* window = static_cast<platform::gtk::TGtkWindow*>(Test->Form->HostWindow());
    bool shown = false;
    window->AfterFirstFrame([&shown] { shown = true; });
    ASSERT_TRUE(WaitUntil([&] { return shown; }));
    Xid_ = Xid(window->Widget());
    Focus(Xid_);
  }
  static void TearDownTestSuite() {
    SetPump(nullptr);
    delete Test;
    delete App;
  }
  static std::vector<std::string> At(const gui::TControl& c, int dx = -1, int dy = -1) {
    const gui::TRect r = c.RectInForm();
    const int x = dx < 0 ? (r.Left + r.Right) / 2 : r.Left + dx, y = dy < 0 ? (r.Top + r.Bottom) / 2 : r.Top + dy;
    return {"mousemove", "--window", Xid_, std::to_string(x), std::to_string(y)};
  }
  static void Xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    RunOk(args);
  }
  static std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  static gui::TApplication* App;
  static TButtonsForm* Test;
  static std::string Xid_;
};

gui::TApplication* ButtonsE2E::App = nullptr;
TButtonsForm* ButtonsE2E::Test = nullptr;
std::string ButtonsE2E::Xid_;

TEST_F(ButtonsE2E, OneClickIsOneClickAndAFastDoubleClickIsTwo) {
  Xdotool(Join(At(*Test->Exit), {"click", "1"}));
  EXPECT_TRUE(WaitUntil([] { return Test->ExitClicks == 1; }));
  EXPECT_TRUE(Test->Exit->Focused());
  Xdotool(Join(At(*Test->Add), {"click", "--repeat", "2", "--delay", "60", "1"}));
  EXPECT_TRUE(WaitUntil([] { return Test->AddClicks == 2; })) << Test->AddClicks << " clicks";
  Settle();
  EXPECT_EQ(Test->AddClicks, 2);
}

TEST_F(ButtonsE2E, PressDraggedOffTheButtonClicksNothing) {
  const int before = Test->ExitClicks;
  Xdotool(Join(At(*Test->Exit), {"mousedown", "1"}));
  EXPECT_TRUE(WaitUntil([] { return Test->Exit->ShowPressed(); }));
  Xdotool(Join(At(*Test->Exit, 70, Test->Exit->Height() + 3), {"mouseup", "1"}));
  EXPECT_TRUE(WaitUntil([] { return !Test->Exit->PressTracking(); }));
  Settle();
  EXPECT_EQ(Test->ExitClicks, before);
}

TEST_F(ButtonsE2E, CheckBoxChangesBeforeItsHandlerRuns) {
  Xdotool(Join(At(*Test->OnTop, 5, 10), {"click", "1"}));
  EXPECT_TRUE(WaitUntil([] { return Test->Seen.size() == 1; }));
  Focus(Xid_);
  Xdotool({"key", "space"});
  EXPECT_TRUE(WaitUntil([] { return Test->Seen.size() == 2; }));
  EXPECT_EQ(Test->Seen, (std::vector<bool>{true, false}));
}

TEST_F(ButtonsE2E, TheScreenShowsTheHotButtonAsPainted) {
  Xdotool(At(*Test->Add));
  EXPECT_TRUE(WaitUntil([] { return Test->Add->MouseInside(); }));
  EXPECT_EQ(WaitForScreenToShow(Xid_, Test->Form->BackBuffer()), 0) << "pixels differ";
}

// The ATK objects an assistive technology reads and presses: one per control, made once it asks
// for them (the focused control's as the canvas's own object is made, so that GTK's first focus
// report names it), pressing through the same handlers as a click.
TEST_F(ButtonsE2E, AssistiveTechnologiesSeeAndPressTheControlsThroughAtk) {
  auto* window = static_cast<platform::gtk::TGtkWindow*>(Test->Form->HostWindow());
  GtkWidget* canvas = gtk_bin_get_child(GTK_BIN(window->Overlay()));
  AtkObject* root = gtk_widget_get_accessible(canvas);
  ASSERT_NE(root, nullptr);
  ASSERT_EQ(atk_object_get_n_accessible_children(root), 3);
  EXPECT_NE(App->AccListener(), nullptr) << "the focus is followed from the canvas's own object on";

  struct TCase {
    AtkRole Role;
    std::string Name;
    int X, Y;
  };
  const TCase cases[] = {{ATK_ROLE_PUSH_BUTTON, "Exit", 10, 10},
                         {ATK_ROLE_PUSH_BUTTON, "", 170, 10},
                         {ATK_ROLE_CHECK_BOX, "on top", 10, 100}};
  std::vector<AtkObject*> children;
  for (int i = 0; i < 3; ++i) {
    AtkObject* child = atk_object_ref_accessible_child(root, i);
    children.push_back(child);
    EXPECT_NE(App->AccListener(), nullptr) << "a client reads the tree: the events are wanted";
    EXPECT_EQ(atk_object_get_role(child), cases[i].Role) << i;
    EXPECT_EQ(std::string(atk_object_get_name(child)), cases[i].Name) << i;
    EXPECT_EQ(atk_object_get_parent(child), root) << i;
    EXPECT_EQ(atk_object_get_index_in_parent(child), i);
    gint x = 0, y = 0, w = 0, h = 0;
    atk_component_get_extents(ATK_COMPONENT(child), &x, &y, &w, &h, ATK_XY_WINDOW);
    EXPECT_EQ(x, cases[i].X) << i;
    EXPECT_EQ(y, cases[i].Y) << i;
    EXPECT_EQ(atk_action_get_n_actions(ATK_ACTION(child)), 1) << i;
    EXPECT_STREQ(atk_action_get_name(ATK_ACTION(child), 0), "click");
  }
  EXPECT_EQ(atk_object_ref_accessible_child(root, 3), nullptr);

  const int clicks = Test->ExitClicks;
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(children[0]), 0));
  EXPECT_TRUE(WaitUntil([&] { return Test->ExitClicks == clicks + 1; }));

  int checkedChanges = 0;
  g_signal_connect(
      children[2], "state-change::checked",
      G_CALLBACK(+[](AtkObject*, const gchar*, gboolean, gpointer count) { ++*static_cast<int*>(count); }),
      &checkedChanges);
  const bool wasChecked = Test->OnTop->Checked();
  EXPECT_TRUE(atk_action_do_action(ATK_ACTION(children[2]), 0));
  EXPECT_TRUE(WaitUntil([&] { return Test->OnTop->Checked() != wasChecked; }));
  EXPECT_EQ(checkedChanges, 1) << "the change is announced";
  AtkStateSet* states = atk_object_ref_state_set(children[2]);
  EXPECT_EQ(atk_state_set_contains_state(states, ATK_STATE_CHECKED), Test->OnTop->Checked());
  EXPECT_TRUE(atk_state_set_contains_state(states, ATK_STATE_ENABLED));
  g_object_unref(states);

  Test->Add->SetEnabled(false);
  EXPECT_FALSE(atk_action_do_action(ATK_ACTION(children[1]), 0)) << "a disabled button takes no press";
  Test->Add->SetEnabled(true);
  for (AtkObject* child : children) g_object_unref(child);
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunTests(argc, argv); }
