// Press, key and focus behaviour of the glyph push buttons, one test per row of the state table
// kept above the press handlers, then the click rules the main window depends on.

#include <stdexcept>

#include "button_fixture.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "widgets/bit_btn.h"

namespace widgets::testing {
namespace {

struct UiButtonTest : TButtonFixture {
  TUiBitBtn* A;
  TUiBitBtn* B;
  UiButtonTest() {
    A = Make<TUiBitBtn>("A", {10, 10, 155, 83});
    B = Make<TUiBitBtn>("B", {10, 100, 39, 125});
    A->SetHotTrack(true);
    B->SetHotTrack(true);
    A->SetCaption("About");
    Record(*A);
    Record(*B);
  }
};

// Row: pointer enters / leaves -> MouseInside set / cleared, the hover look comes and goes.
TEST_F(UiButtonTest, PointerEnteringAndLeavingTogglesTheHotLook) {
  int enters = 0, leaves = 0;
  A->OnMouseEnter = [&](TComponent*) { ++enters; };
  A->OnMouseLeave = [&](TComponent*) { ++leaves; };
  Show();
  const TColor before = Px(*A, 2, 36);
  SavePng("button_normal");
  MoveTo(Host, *Form, CentreOf(*A));
  EXPECT_TRUE(A->MouseInside());
  EXPECT_EQ(A->FaceState(), bfHot);
  EXPECT_NE(Px(*A, 2, 36), before) << "the hot ring replaces the face at the left edge";
  MoveTo(Host, *Form, {300, 190});
  EXPECT_FALSE(A->MouseInside());
  EXPECT_EQ(Px(*A, 2, 36), before);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

// Row: left button down, focus taken -> ShowPressed and PressTracking set.
TEST_F(UiButtonTest, LeftPressTakesTheFocusAndShowsPressed) {
  Show();
  Press(CentreOf(*A));
  EXPECT_TRUE(A->Focused());
  EXPECT_TRUE(A->ShowPressed());
  EXPECT_TRUE(A->PressTracking());
  EXPECT_EQ(Px(*A, 20, 20), DarkenColor(A->Color(), 10));
  EXPECT_EQ(Log, (std::vector<std::string>{"A:down"}));
}

// Row: move during a press -> ShowPressed follows inside / outside.
TEST_F(UiButtonTest, PressThatLeavesAndComesBackStillClicks) {
  Show();
  Press(CentreOf(*A));
  MoveTo(Host, *Form, At(*A, 70, A->Height()));  // the row just below is outside
  EXPECT_FALSE(A->ShowPressed());
  EXPECT_TRUE(A->PressTracking());
  MoveTo(Host, *Form, At(*A, 70, A->Height() - 1));
  EXPECT_TRUE(A->ShowPressed());
  EXPECT_EQ(Px(*A, 20, 20), DarkenColor(A->Color(), 10)) << "pressed face again while back inside";
  Release(At(*A, 70, A->Height() - 1));
  EXPECT_EQ(Count("A:click"), 1);
}

// Row: mouse button up during a press -> both cleared; PressClick only when released inside.
TEST_F(UiButtonTest, PressReleasedOutsideDoesNotClick) {
  Show();
  Press(CentreOf(*A));
  Release(At(*A, 70, A->Height()));
  EXPECT_FALSE(A->PressTracking());
  EXPECT_FALSE(A->ShowPressed());
  EXPECT_EQ(Count("A:click"), 0);
  EXPECT_EQ(Log, (std::vector<std::string>{"A:down", "A:up"}));
  Press(CentreOf(*A));
  Release(CentreOf(*A));
  EXPECT_EQ(Log, (std::vector<std::string>{"A:down", "A:up", "A:down", "A:up", "A:click"}));
}

// Row: Space down / up -> pressed look, then one click; OnKeyDown after the press starts, the
// click before OnKeyUp.
TEST_F(UiButtonTest, SpaceHeldShowsPressedAndItsReleaseClicksOnce) {
  Show();
  A->SetFocus();
  KeyDown(VK_SPACE);
  EXPECT_TRUE(A->SpaceArmed());
  EXPECT_TRUE(A->ShowPressed());
  EXPECT_EQ(Px(*A, 20, 20), DarkenColor(A->Color(), 10));
  KeyDown(VK_SPACE);  // auto-repeat
  KeyUp(VK_SPACE);
  EXPECT_FALSE(A->ShowPressed());
  EXPECT_EQ(Log, (std::vector<std::string>{"A:keydown", "A:keydown", "A:click", "A:keyup"}));
}

TEST_F(UiButtonTest, AltSpaceDoesNotPressEvenAfterAnEarlierSpaceClick) {
  Show();
  A->SetFocus();
  PressKey(Host, *Form, VK_SPACE, ssAlt);
  EXPECT_EQ(Count("A:click"), 0);
  PressKey(Host, *Form, VK_SPACE);
  EXPECT_EQ(Count("A:click"), 1);
  PressKey(Host, *Form, VK_SPACE, ssAlt);
  KeyUp(VK_SPACE);  // a stray release of a key pressed elsewhere
  EXPECT_EQ(Count("A:click"), 1) << "a Space release clicks only for a Space press on the button";
}

// Row: focus gained -> IsActive set; focus lost -> SpaceArmed and ShowPressed cleared.
TEST_F(UiButtonTest, FocusMovesTheActiveButtonAndEndsAnArmedSpace) {
  auto* edit = new TEdit(Form);
  edit->SetParent(Form);
  edit->SetBounds(200, 10, 80, 21);
  B->SetDefault(true);
  EXPECT_TRUE(B->IsActive()) << "a Default button starts active";
  Show();
  A->SetFocus();
  Run();
  EXPECT_TRUE(A->IsActive());
  EXPECT_FALSE(B->IsActive()) << "another button has the focus";
  KeyDown(VK_SPACE);
  edit->SetFocus();
  Run();
  EXPECT_FALSE(A->SpaceArmed());
  EXPECT_FALSE(A->ShowPressed());
  EXPECT_FALSE(A->IsActive());
  EXPECT_TRUE(B->IsActive()) << "the focus is on a non-button: the Default one is active";
  KeyUp(VK_SPACE);
  EXPECT_EQ(Count("A:click"), 0);
}

// Every kind of push button counts as one for the others: the focus on a plain button keeps a
// Default glyph button from being active, and the other way round.
TEST_F(UiButtonTest, AnyPushButtonKindTakesEnterFromTheDefaultOne) {
  auto* plain = Make<gui::TButton>("Plain", {200, 100, 275, 125});
  B->SetDefault(true);
  plain->SetDefault(true);
  Show();
  plain->SetFocus();
  Run();
  EXPECT_FALSE(B->IsActive());
  A->SetFocus();
  Run();
  EXPECT_FALSE(plain->ActiveDefault());
  KeyDown(VK_RETURN);
  EXPECT_EQ(Count("A:click"), 1);
  EXPECT_EQ(Count("B:click"), 0);
}

// Row: enabled changed -> the focus leaves a button that is disabled, which repaints grey.
TEST_F(UiButtonTest, DisablingTheFocusedButtonMovesTheFocusAway) {
  Show();
  A->SetFocus();
  Run();
  A->SetEnabled(false);
  Run();
  EXPECT_FALSE(A->Focused());
  EXPECT_EQ(A->FaceState(), bfDisabled);
  EXPECT_EQ(Px(*A, 20, 20), Rgb(A->Color()));
}

TEST_F(UiButtonTest, PressCutOffByDisablingClicksNothingLater) {
  Show();
  Press(CentreOf(*A));
  A->SetEnabled(false);
  A->SetEnabled(true);
  Run();
  EXPECT_FALSE(A->PressTracking());
  MoveTo(Host, *Form, CentreOf(*A));
  EXPECT_FALSE(A->ShowPressed());
  Release(CentreOf(*A));
  EXPECT_EQ(Count("A:click"), 0);
}

TEST_F(UiButtonTest, FastDoubleClickGivesTwoClicks) {
  Show();
  DoubleClick(Host, *Form, "B");
  EXPECT_EQ(Count("B:click"), 2);
  EXPECT_EQ(Count("B:down"), 2);
}

TEST_F(UiButtonTest, RightButtonEndsALeftPressAndClicksInside) {
  Show();
  Press(CentreOf(*A));
  Press(CentreOf(*A), mbRight);
  Release(CentreOf(*A), mbRight);
  EXPECT_EQ(Count("A:click"), 1);
  EXPECT_FALSE(A->PressTracking());
  Release(CentreOf(*A));
  EXPECT_EQ(Count("A:click"), 1) << "the left release has no press left to complete";
}

TEST_F(UiButtonTest, EnterClicksTheFocusedButtonWithoutThePressedFace) {
  Show();
  A->SetFocus();
  Run();
  bool pressedInClick = true;
  A->OnClick = [&](TComponent*) { pressedInClick = A->ShowPressed() || A->InClick(); };
  PressKey(Host, *Form, VK_RETURN);
  EXPECT_FALSE(pressedInClick);
  int clicks = 0;
  A->OnClick = [&](TComponent*) { ++clicks; };
  PressKey(Host, *Form, VK_RETURN, ssShift);
  PressKey(Host, *Form, VK_ESCAPE);
  EXPECT_EQ(clicks, 0) << "Shift+Enter, and Escape without Cancel, do nothing";
  B->SetCancel(true);
  PressKey(Host, *Form, VK_ESCAPE);
  EXPECT_EQ(Count("B:click"), 1);
}

TEST_F(UiButtonTest, ClickHandsModalResultToTheForm) {
  Show();
  A->SetModalResult(mrOk);
  Click(Host, *Form, "A");
  EXPECT_EQ(Form->ModalResult(), mrOk);
}

TEST_F(UiButtonTest, FailingClickStillClearsInClick) {
  Show();
  bool inClickDuring = false;
  A->OnClick = [&](TComponent*) {
    inClickDuring = A->InClick();
    throw std::runtime_error("handler failed");
  };
  Click(Host, *Form, "A");
  EXPECT_TRUE(inClickDuring);
  EXPECT_FALSE(A->InClick());
  EXPECT_FALSE(A->PressTracking());
  ASSERT_EQ(Reports.size(), 1u);
  A->SetFocus();
  PressKey(Host, *Form, VK_SPACE);
  EXPECT_FALSE(A->InClick());
  EXPECT_EQ(Reports.size(), 2u);
}

TEST_F(UiButtonTest, HandlerThatFreesTheButtonEndsThePressQuietly) {
  Show();
  A->OnClick = [&](TComponent*) { delete A; };
  Click(Host, *Form, "A");
  EXPECT_TRUE(Reports.empty());
  EXPECT_EQ(Form->FindComponent("A"), nullptr);
}

TEST_F(UiButtonTest, GlyphShapeSetsNumGlyphs) {
  A->SetGlyph(TBitmap(96, 48));
  EXPECT_EQ(A->NumGlyphs(), 2);
  A->SetGlyph(TBitmap(240, 48));
  EXPECT_EQ(A->NumGlyphs(), 1) << "five cells is more than a strip holds";
  A->SetNumGlyphs(3);
  A->SetGlyph(TBitmap(50, 48));
  EXPECT_EQ(A->NumGlyphs(), 3) << "not whole cells: unchanged";
  A->SetGlyph(TBitmap());
  EXPECT_EQ(A->NumGlyphs(), 3);
  A->SetNumGlyphs(0);
  A->SetNumGlyphs(5);
  EXPECT_EQ(A->NumGlyphs(), 3) << "out-of-range counts are ignored";
  A->SetGlyph(TBitmap(32, 16));
  A->SetNumGlyphs(1);
  EXPECT_EQ(A->NumGlyphs(), 1) << "a count set after the glyph wins";
}

TEST_F(UiButtonTest, MarginAndSpacingSettersAndScaling) {
  A->SetMargin(-2);
  EXPECT_EQ(A->Margin(), 2);
  A->SetMargin(3);
  A->SetSpacing(5);
  A->ScaleBy(144, 96);
  EXPECT_EQ(A->Margin(), 5);   // 4.5 rounds up
  EXPECT_EQ(A->Spacing(), 8);  // 7.5 rounds up
}

TEST_F(UiButtonTest, HotTrackMakesTheCornersSeeThrough) {
  EXPECT_TRUE(A->Transparent());
  A->SetHotTrack(false);
  EXPECT_FALSE(A->Transparent());
}

}  // namespace
}  // namespace widgets::testing
