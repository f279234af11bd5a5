#include "gui/std/button.h"

#include "gui/controls/application.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct ButtonTest : TStdFixture {
  TButton* Make(TForm* form, const char* name, int x, int y, const char* caption) {
    auto* b = new TButton(form);
    b->SetName(name);
    b->SetParent(form);
    b->SetBounds(x, y, 75, 25);
    b->SetCaption(caption);
    return b;
  }
  // Colours from the left edge inwards and from the right edge inwards, on the middle row.
  std::vector<TColor> Edges(const TButton& b, int depth) {
    std::vector<TColor> out;
    for (int i = 0; i < depth; ++i) out.push_back(Px(b, i, b.Height() / 2));
    for (int i = 0; i < depth; ++i) out.push_back(Px(b, b.Width() - 1 - i, b.Height() / 2));
    return out;
  }
  int FirstInkColumn(const TButton& b) {
    for (int x = 5; x < b.Width() - 5; ++x)
      for (int y = 5; y < b.Height() - 5; ++y)
        if (Px(b, x, y) != Rgb(clBtnFace)) return x;
    return -1;
  }
  int FaceCount(const TButton& b, TColor colour) {
    int n = 0;
    for (int y = 4; y < b.Height() - 4; ++y)
      for (int x = 4; x < b.Width() - 4; ++x) n += Px(b, x, y) == Rgb(colour);
    return n;
  }
};

TEST_F(ButtonTest, EachStateHasTheClassicRingsAndCaption) {
  const TColor hi = Rgb(clBtnHighlight), light = Rgb(cl3DLight), dark = Rgb(cl3DDkShadow),
               shadow = Rgb(clBtnShadow), face = Rgb(clBtnFace);
  auto* other = Make(Form, "Other", 10, 60, "Other");
  auto* ok = Make(Form, "OK", 10, 10, "OK");
  auto* off = Make(Form, "Off", 10, 110, "&Off");
  off->SetEnabled(false);
  ok->SetDefault(true);
  other->SetTabOrder(0);
  Show();
  SavePng("button_states_focus_on_other");
  // Focused: the default frame moves to it, the dotted focus box lies inside the bevel.
  EXPECT_EQ(Edges(*other, 3), (std::vector<TColor>{0, hi, light, 0, dark, shadow}));
  EXPECT_EQ(Px(*other, 3, 3), Rgb(clBlack));
  EXPECT_EQ(Px(*other, 4, 3), face) << "the focus box is dotted";
  // The Default button while another button has the focus: the plain raised bevel, whose
  // opposite corners belong to the lower-right colour.
  EXPECT_EQ(Edges(*ok, 3), (std::vector<TColor>{hi, light, face, dark, shadow, face}));
  EXPECT_EQ(Px(*ok, ok->Width() - 1, 0), dark);
  EXPECT_EQ(Px(*ok, 0, ok->Height() - 1), dark);
  // Disabled: an embossed grey caption, never black.
  EXPECT_GT(FaceCount(*off, clBtnShadow), 5);
  EXPECT_GT(FaceCount(*off, clBtnHighlight), 5);
  EXPECT_EQ(FaceCount(*off, clBlack), 0);

  // Held down: the black frame, a flat shadow ring, the caption one pixel down and right.
  const int inkBefore = FirstInkColumn(*ok);
  PressAt(CentreOf(*ok));
  SavePng("button_states_ok_pressed");
  EXPECT_TRUE(ok->Pressed());
  EXPECT_EQ(Edges(*ok, 3), (std::vector<TColor>{0, shadow, face, 0, shadow, face}));
  EXPECT_EQ(Edges(*other, 2), (std::vector<TColor>{hi, light, dark, shadow})) << "the frame left Other";
  EXPECT_EQ(FirstInkColumn(*ok), inkBefore + 1);
  ReleaseAt(CentreOf(*ok));
  EXPECT_EQ(Edges(*ok, 3), (std::vector<TColor>{0, hi, light, 0, dark, shadow}));
}

// The rows of the press table above TButton::MouseDown, one test each.
struct ButtonPressTest : ButtonTest {
  TButton* B = nullptr;
  TButton* C = nullptr;
  int Clicks = 0;
  TPoint Inside, Outside{200, 150};
  void SetUp() override {
    B = Make(Form, "B", 10, 10, "B");
    C = Make(Form, "C", 10, 50, "C");
    B->OnClick = [this](TComponent*) { ++Clicks; };
    Show();
    Inside = CentreOf(*B);
  }
  void MoveTo(TPoint p) {
    Host.MouseMove(*Form, p);
    Host.RunUntilIdle();
  }
};

TEST_F(ButtonPressTest, LeftPressTakesTheFocusAndPressesOnlyIfTheFocusCameHere) {
  C->SetFocus();
  PressAt(Inside);
  EXPECT_TRUE(B->Focused());
  EXPECT_TRUE(B->Pressed());
  ReleaseAt(Inside);
  // A handler of the focus change keeps the focus elsewhere: no pressed look, no click.
  C->SetFocus();
  B->OnEnter = [this](TComponent*) { C->SetFocus(); };
  PressAt(Inside);
  EXPECT_FALSE(B->Pressed());
  ReleaseAt(Inside);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonPressTest, MoveWhileHeldShowsThePressedLookExactlyWhileInside) {
  PressAt(Inside);
  MoveTo(Outside);
  EXPECT_FALSE(B->Pressed());
  MoveTo(Inside);
  EXPECT_TRUE(B->Pressed());
  ReleaseAt(Inside);
}

TEST_F(ButtonPressTest, LeftReleaseClicksOnlyInside) {
  PressAt(Inside);
  EXPECT_EQ(Clicks, 0) << "the click comes on the release";
  ReleaseAt(Inside);
  EXPECT_EQ(Clicks, 1);
  EXPECT_FALSE(B->Pressed());
  PressAt(Inside);
  MoveTo(Outside);
  ReleaseAt(Outside);
  EXPECT_EQ(Clicks, 1);
  EXPECT_FALSE(B->Pressed());
  // Each press of a fast double click is a click.
  for (int i = 0; i < 2; ++i) {
    Host.MouseDown(*Form, Inside);
    Host.MouseUp(*Form, Inside);
    Host.AdvanceClock(40);
  }
  Host.RunUntilIdle();
  EXPECT_EQ(Clicks, 3);
}

TEST_F(ButtonPressTest, SpaceDownPressesAndSpaceUpClicks) {
  Host.KeyDown(*Form, VK_SPACE);
  Host.Char(*Form, U' ');
  Host.RunUntilIdle();
  EXPECT_TRUE(B->Pressed());
  EXPECT_EQ(Clicks, 0);
  Host.KeyUp(*Form, VK_SPACE);
  Host.RunUntilIdle();
  EXPECT_FALSE(B->Pressed());
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonPressTest, LosingTheFocusDropsAnyPressWithoutAClick) {
  Host.KeyDown(*Form, VK_SPACE);
  Host.RunUntilIdle();
  C->SetFocus();
  Host.KeyUp(*Form, VK_SPACE);
  Host.RunUntilIdle();
  EXPECT_FALSE(B->Pressed());
  PressAt(Inside);
  C->SetFocus();
  ReleaseAt(Inside);
  EXPECT_FALSE(B->Pressed());
  EXPECT_EQ(Clicks, 0);
}

// A press the window cuts off (another window took the input meanwhile) leaves nothing held:
// the release over the button, back in this window, clicks nothing.
TEST_F(ButtonPressTest, PressCutOffByAnotherWindowClicksNothingLater) {
  PressAt(Inside);
  TForm* other = App.CreateForm<TForm>();
  other->Show();
  App.ActivateForm(other);
  App.ActivateForm(Form);
  Host.RunUntilIdle();
  EXPECT_TRUE(B->Focused());
  EXPECT_FALSE(B->Pressed());
  ReleaseAt(Inside);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonTest, EnterEscAndAcceleratorsInAModalForm) {
  Show();
  // A confirmation like the message dialog's: Yes is the default button, No the cancel one.
  auto run = [&](std::function<void(TForm&, TButton&, TButton&)> answer) {
    TForm* dialog = App.CreateForm<TForm>();
    TButton* yes = Make(dialog, "Yes", 0, 0, "&Yes");
    TButton* no = Make(dialog, "No", 80, 0, "&No");
    yes->SetModalResult(mrYes);
    yes->SetDefault(true);
    no->SetModalResult(mrNo);
    no->SetCancel(true);
    Host.OnModal = [&](TForm& f) { answer(f, *yes, *no); };
    const int result = dialog->ShowModal();
    delete dialog;
    return result;
  };
  std::vector<int> results;
  results.push_back(run([&](TForm& f, TButton&, TButton&) { PressKey(Host, f, VK_RETURN); }));
  results.push_back(run([&](TForm& f, TButton&, TButton&) { PressKey(Host, f, VK_ESCAPE); }));
  // With the focus on No, Enter presses No: the focused button is the default one meanwhile.
  results.push_back(run([&](TForm& f, TButton&, TButton&) {
    Tab(Host, f);
    PressKey(Host, f, VK_RETURN);
  }));
  results.push_back(run([&](TForm& f, TButton&, TButton&) { Click(Host, f, "No"); }));
  results.push_back(run([&](TForm& f, TButton&, TButton&) {
    Host.Char(f, U'y');
    Host.RunUntilIdle();
  }));
  // Without a cancel button Esc does nothing; a disabled default button ignores Enter.
  results.push_back(run([&](TForm& f, TButton& yes, TButton& no) {
    no.SetCancel(false);
    yes.SetEnabled(false);
    f.FocusControl(nullptr);
    PressKey(Host, f, VK_ESCAPE);
    PressKey(Host, f, VK_RETURN);
    if (f.ModalResult() == mrNone) f.SetModalResult(mrAbort);
  }));
  EXPECT_EQ(results, (std::vector<int>{mrYes, mrNo, mrNo, mrNo, mrYes, mrAbort}));
  EXPECT_EQ(Host.UnansweredModals(), 0);
}

TEST_F(ButtonTest, AHandlerMayFreeTheButtonDuringItsClick) {
  auto* b = Make(Form, "B", 10, 10, "B");
  b->OnClick = [&](TComponent* sender) { delete sender; };
  Show();
  Click(Host, *Form, "B");
  EXPECT_EQ(Form->FindComponent("B"), nullptr);
  Host.KeyDown(*Form, VK_SPACE);
  Host.KeyUp(*Form, VK_SPACE);
  Host.RunUntilIdle();
  EXPECT_TRUE(Reports.empty());
}

}  // namespace
}  // namespace spintrak_test
