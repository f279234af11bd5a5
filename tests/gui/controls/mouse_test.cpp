#include <gtest/gtest.h>

#include "test_controls.h"

using namespace gui;
using namespace spintrak_test;
using namespace platform::headless::testing;

namespace {

struct MouseTest : ::testing::Test, TShownForm {
  std::vector<std::string> Log;
  TTestLabel* Label = nullptr;

  void SetUp() override {
    Label = new TTestLabel(Form, Form, "Label", {10, 10, 40, 20});
    Record(Label);
  }
  void Record(TControl* c) {
    const std::string n = c->Name();
    c->OnClick = [this, n](TComponent*) { Log.push_back(n + " click"); };
    c->OnDblClick = [this, n](TComponent*) { Log.push_back(n + " dblclick"); };
    c->OnMouseDown = [this, n](TComponent*, TMouseButton, TShiftState s, int, int) {
      Log.push_back(n + (s.Contains(ssDouble) ? " down2" : " down"));
    };
    c->OnMouseUp = [this, n](TComponent*, TMouseButton, TShiftState, int, int) { Log.push_back(n + " up"); };
    c->OnMouseEnter = [this, n](TComponent*) { Log.push_back(n + " enter"); };
    c->OnMouseLeave = [this, n](TComponent*) { Log.push_back(n + " leave"); };
  }
  void Press(TPoint p) {
    Host.MouseMove(*Form, p);
    Host.MouseDown(*Form, p);
    Host.RunUntilIdle();
  }
  void Move(TPoint p) {
    Host.MouseMove(*Form, p);
    Host.RunUntilIdle();
  }
  void Release(TPoint p) {
    Host.MouseUp(*Form, p);
    Host.RunUntilIdle();
  }
};

TEST_F(MouseTest, APressThatLeavesAndComesBackClicksAndKeepsTheCapture) {
  Show();
  std::vector<TPoint> moves;
  Label->OnMouseMove = [&](TComponent*, TShiftState, int x, int y) { moves.push_back({x, y}); };
  Press({20, 20});
  Move({200, 150});
  EXPECT_TRUE(Label->MouseCapture());
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back(), (TPoint{190, 140})) << "moves outside still reach the pressed control";
  Move({15, 15});
  Release({15, 15});
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label down", "Label leave", "Label enter",
                                           "Label click", "Label up"}));
  EXPECT_FALSE(Label->MouseCapture());
}

TEST_F(MouseTest, AReleaseOutsideDoesNotClick) {
  Show();
  Press({20, 20});
  Move({50, 30});  // the row just right of the label is outside
  Release({50, 30});
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label down", "Label leave", "Label up"}));
}

TEST_F(MouseTest, EnterAndLeaveAreTrackedPerControl) {
  auto* other = new TTestLabel(Form, Form, "Other", {60, 10, 40, 20});
  Record(other);
  Show();
  Move({20, 20});
  Move({70, 20});
  Host.MouseLeave(*Form);
  Host.RunUntilIdle();
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label leave", "Other enter", "Other leave"}));
}

// The pointer is over a disabled control although the control gets none of its input: it is
// told of enter and leave, presses go past it, and the cursor is its parent's.
TEST_F(MouseTest, ADisabledControlIsEnteredAndLeftButNeverPressed) {
  Label->SetCursor(crHandPoint);
  Label->SetEnabled(false);
  Show();
  Press({20, 20});
  Release({20, 20});
  EXPECT_EQ(Host.WindowOf(*Form).Cursor(), crDefault);
  Move({200, 150});
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label leave"}));

  // Disabled and enabled again under the pointer, it still hears the pointer leave.
  Log.clear();
  Label->SetEnabled(true);
  Move({20, 20});
  EXPECT_EQ(Host.WindowOf(*Form).Cursor(), crHandPoint);
  Label->SetEnabled(false);
  Move({22, 20});
  Label->SetEnabled(true);
  Move({200, 150});
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label leave"}));

  // Hidden under the pointer, it is left at once.
  Log.clear();
  Move({20, 20});
  Label->SetVisible(false);
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label leave"}));
}

TEST_F(MouseTest, AFastSecondPressIsADoubleClickOnlyForControlsThatTakeThem) {
  int buttonClicks = 0;
  auto* button = new TTestButton(Form, Form, "Button", {100, 100, 60, 25});
  button->OnClick = [&](TComponent*) { ++buttonClicks; };
  Show();
  DoubleClick(Host, *Form, "Label");
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "Label down", "Label click", "Label up",
                                           "Label dblclick", "Label down2", "Label up"}));
  DoubleClick(Host, *Form, "Button");
  EXPECT_EQ(buttonClicks, 2) << "each press of a fast double click on a button is a click of its own";
}

TEST_F(MouseTest, SlowOrDistantSecondPressIsAnotherClick) {
  Show();
  Press({20, 20});
  Release({20, 20});
  Host.AdvanceClock(501);
  Press({20, 20});
  Release({20, 20});
  Press({23, 20});  // within the time, but 3 pixels away: outside the 4 x 4 box
  Release({23, 20});
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "Label click"), 3);
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "Label dblclick"), 0);
  Press({24, 21});  // within 2 pixels of the last press and quick: a double click
  EXPECT_EQ(Log.back(), "Label down2");
}

TEST_F(MouseTest, TheClockMayWrapBetweenTheTwoPressesOfADoubleClick) {
  Show();
  Host.AdvanceClock(0xFFFFFFFFu - Host.TickCount() - 10);
  Press({20, 20});
  Release({20, 20});
  Host.AdvanceClock(30);  // TickCount wraps past zero here
  Press({20, 20});
  EXPECT_EQ(Log.back(), "Label down2");
}

TEST_F(MouseTest, AModalFormOpenedByAPressEndsThePressAndTheHover) {
  auto* dialog = App.CreateForm<TForm>();
  Label->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
    Log.push_back("modal");
    dialog->ShowModal();  // closed by the host as unanswered
  };
  auto* other = new TTestLabel(Form, Form, "Other", {100, 100, 40, 20});
  Record(other);
  Show();
  Press({20, 20});
  EXPECT_EQ(Form->CaptureControl(), nullptr);
  EXPECT_EQ(Log, (std::vector<std::string>{"Label enter", "modal", "Label leave"}));
  Release({20, 20});
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "Label click"), 0)
      << "a release after the press was cut off clicks nothing";
  Log.clear();
  ClickAt(Host, *Form, {110, 110});
  EXPECT_EQ(Log, (std::vector<std::string>{"Label leave", "Other enter", "Other down", "Other click", "Other up"}))
      << "the next press goes to the control under the pointer, not to the one pressed before";
}

TEST_F(MouseTest, AClickHandlerMayFreeItsOwnControl) {
  auto* button = new TTestButton(Form, Form, "Button", {100, 100, 60, 25});
  button->OnClick = [&](TComponent* sender) { delete static_cast<TControl*>(sender); };
  Label->OnClick = [&](TComponent* sender) { delete static_cast<TControl*>(sender); };
  Show();
  Click(Host, *Form, "Button");
  Click(Host, *Form, "Label");
  EXPECT_EQ(Form->FindComponent("Button"), nullptr);
  EXPECT_EQ(Form->FindComponent("Label"), nullptr);
  ClickAt(Host, *Form, {110, 110});  // the place is empty now: the form itself gets it
  EXPECT_EQ(Form->CaptureControl(), nullptr);
}

TEST_F(MouseTest, AClickHandlerMayCloseAndFreeItsForm) {
  auto* second = App.CreateForm<TForm>();
  second->SetName("Second");
  auto* button = new TTestButton(second, second, "Button", {10, 10, 60, 25});
  auto watch = second->Watch();
  button->OnClick = [&](TComponent*) {
    second->Close();
    second->Release();
  };
  Show();
  second->Show();
  Host.RunUntilIdle();
  Click(Host, *second, "Button");
  EXPECT_FALSE(watch.Alive());
  EXPECT_EQ(App.ActiveForm(), Form) << "the main form becomes active again";
}

}  // namespace
