#include "gui/std/button.h"

#include "gui/controls/application.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

struct ButtonTest : TStdFixture {
  TButton* Make(const char* name, int x, int y, const char* caption) {
    auto* b = new TButton(Form);
    b->SetName(name);
    b->SetParent(Form);
    b->SetBounds(x, y, 75, 25);
    b->SetCaption(caption);
    return b;
  }
  // Ring colours at the middle of the left edge, from the outside in.
  std::vector<TColor> LeftEdge(const TButton& b, int depth) {
    std::vector<TColor> out;
    for (int i = 0; i < depth; ++i) out.push_back(Px(b, i, b.Height() / 2));
    return out;
  }
  std::vector<TColor> RightEdge(const TButton& b, int depth) {
    std::vector<TColor> out;
    for (int i = 0; i < depth; ++i) out.push_back(Px(b, b.Width() - 1 - i, b.Height() / 2));
    return out;
  }
  // Pixels of a colour on the face, inside the rings and the focus box.
  int FaceCount(const TButton& b, TColor colour) {
    int n = 0;
    for (int y = 4; y < b.Height() - 4; ++y)
      for (int x = 4; x < b.Width() - 4; ++x) n += Px(b, x, y) == Rgb(colour);
    return n;
  }
};

TEST_F(ButtonTest, EachStateHasTheClassicRingsAndCaption) {
  auto* other = Make("Other", 10, 60, "Other");
  auto* ok = Make("OK", 10, 10, "OK");
  auto* off = Make("Off", 10, 110, "&Off");
  off->SetEnabled(false);
  ok->SetDefault(true);
  other->SetTabOrder(0);
  Show();
  ASSERT_TRUE(other->Focused());
  SavePng("button_states_focus_on_other");

  // Focused: the default frame moves to it, with the dotted focus box inside the bevel.
  EXPECT_EQ(LeftEdge(*other, 3), (std::vector<TColor>{0, Rgb(clBtnHighlight), Rgb(cl3DLight)}));
  EXPECT_EQ(RightEdge(*other, 3), (std::vector<TColor>{0, Rgb(cl3DDkShadow), Rgb(clBtnShadow)}));
  EXPECT_EQ(Px(*other, 3, 3), Rgb(clBlack)) << "focus box starts on its first pixel";
  EXPECT_EQ(Px(*other, 4, 3), Rgb(clBtnFace)) << "focus box is dotted";
  EXPECT_EQ(Px(*other, 2, 2), Rgb(cl3DLight));
  // Default button without the focus while another button has it: plain raised bevel.
  EXPECT_FALSE(ok->ActiveDefault());
  EXPECT_EQ(LeftEdge(*ok, 3), (std::vector<TColor>{Rgb(clBtnHighlight), Rgb(cl3DLight), Rgb(clBtnFace)}));
  EXPECT_EQ(RightEdge(*ok, 3), (std::vector<TColor>{Rgb(cl3DDkShadow), Rgb(clBtnShadow), Rgb(clBtnFace)}));
  // The corners opposite each other belong to the lower-right colour.
  EXPECT_EQ(Px(*ok, ok->Width() - 1, 0), Rgb(cl3DDkShadow));
  EXPECT_EQ(Px(*ok, 0, ok->Height() - 1), Rgb(cl3DDkShadow));
  EXPECT_EQ(Px(*ok, 0, 0), Rgb(clBtnHighlight));
  for (int x = 0; x < ok->Width(); ++x) ASSERT_NE(Px(*ok, x, 0), Rgb(clBlack)) << "no default frame";

  // Disabled caption: embossed highlight and grey, never black.
  EXPECT_GT(FaceCount(*off, clBtnShadow), 5);
  EXPECT_GT(FaceCount(*off, clBtnHighlight), 5);
  EXPECT_EQ(FaceCount(*off, clBlack), 0);

  // Held down with the mouse: black frame, a flat shadow ring, face right inside it.
  PressAt(CentreOf(*ok));
  ASSERT_TRUE(ok->Pressed());
  SavePng("button_states_ok_pressed");
  EXPECT_EQ(LeftEdge(*ok, 3), (std::vector<TColor>{0, Rgb(clBtnShadow), Rgb(clBtnFace)}));
  EXPECT_EQ(RightEdge(*ok, 3), (std::vector<TColor>{0, Rgb(clBtnShadow), Rgb(clBtnFace)}));
  // Focus moved to OK, so Other lost the frame and the focus box.
  EXPECT_EQ(LeftEdge(*other, 2), (std::vector<TColor>{Rgb(clBtnHighlight), Rgb(cl3DLight)}));
  ReleaseAt(CentreOf(*ok));
  EXPECT_FALSE(ok->Pressed());
  EXPECT_EQ(LeftEdge(*ok, 3), (std::vector<TColor>{0, Rgb(clBtnHighlight), Rgb(cl3DLight)}));
  SavePng("button_states_ok_focused");
}

TEST_F(ButtonTest, PressedCaptionMovesByOnePixel) {
  auto* b = Make("B", 10, 10, "I");
  b->SetDefault(true);
  Show();
  auto inkColumns = [&] {
    std::vector<int> cols;
    for (int x = 5; x < b->Width() - 5; ++x)
      for (int y = 5; y < b->Height() - 5; ++y)
        if (Px(*b, x, y) != Rgb(clBtnFace)) {
          cols.push_back(x);
          break;
        }
    return cols;
  };
  const auto before = inkColumns();
  ASSERT_FALSE(before.empty());
  PressAt(CentreOf(*b));
  auto after = inkColumns();
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after.front(), before.front() + 1);
}

TEST_F(ButtonTest, ClickHappensOnReleaseInsideOnly) {
  auto* b = Make("B", 10, 10, "B");
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  const TPoint inside = CentreOf(*b), outside{200, 150};

  PressAt(inside);
  EXPECT_EQ(clicks, 0) << "nothing on the press";
  EXPECT_TRUE(b->Focused());
  ReleaseAt(inside);
  EXPECT_EQ(clicks, 1);

  PressAt(inside);
  Host.MouseMove(*Form, outside);
  Host.RunUntilIdle();
  EXPECT_FALSE(b->Pressed()) << "dragged out: raised again";
  Host.MouseMove(*Form, inside);
  Host.RunUntilIdle();
  EXPECT_TRUE(b->Pressed()) << "back in: pressed again";
  Host.MouseMove(*Form, outside);
  ReleaseAt(outside);
  EXPECT_EQ(clicks, 1) << "released outside: no click";

  // A fast double click is two clicks.
  Host.MouseDown(*Form, inside);
  Host.MouseUp(*Form, inside);
  Host.AdvanceClock(40);
  Host.MouseDown(*Form, inside);
  Host.MouseUp(*Form, inside);
  Host.RunUntilIdle();
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndFocusLossDropsThePress) {
  auto* b = Make("B", 10, 10, "B");
  auto* c = Make("C", 10, 50, "C");
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  Show();
  ASSERT_TRUE(b->Focused());
  Host.KeyDown(*Form, VK_SPACE);
  Host.Char(*Form, U' ');
  Host.RunUntilIdle();
  EXPECT_TRUE(b->Pressed());
  EXPECT_EQ(clicks, 0);
  Host.KeyUp(*Form, VK_SPACE);
  Host.RunUntilIdle();
  EXPECT_EQ(clicks, 1);

  Host.KeyDown(*Form, VK_SPACE);
  Host.RunUntilIdle();
  c->SetFocus();
  Host.KeyUp(*Form, VK_SPACE);
  Host.RunUntilIdle();
  EXPECT_FALSE(b->Pressed());
  EXPECT_EQ(clicks, 1) << "the press was dropped with the focus";
}

// A confirmation built like the message dialog's: Yes (default) and No (cancel).
struct TYesNo {
  TForm* Dialog;
  TButton* Yes;
  TButton* No;
  explicit TYesNo(TApplication& app) {
    Dialog = app.CreateForm<TForm>();
    Dialog->SetName("Dialog");
    Yes = new TButton(Dialog);
    Yes->SetName("Yes");
    Yes->SetParent(Dialog);
    Yes->SetCaption("&Yes");
    Yes->SetModalResult(mrYes);
    Yes->SetDefault(true);
    No = new TButton(Dialog);
    No->SetName("No");
    No->SetParent(Dialog);
    No->SetBounds(80, 0, 75, 25);
    No->SetCaption("&No");
    No->SetModalResult(mrNo);
    No->SetCancel(true);
  }
  ~TYesNo() { delete Dialog; }
};

TEST_F(ButtonTest, EnterAndEscInAModalFormAndModalResult) {
  Show();
  auto run = [&](std::function<void(TYesNo&, TForm&)> answer) {
    TYesNo box(App);
    Host.OnModal = [&](TForm& f) { answer(box, f); };
    return box.Dialog->ShowModal();
  };
  std::vector<int> results;
  results.push_back(run([&](TYesNo&, TForm& f) { PressKey(Host, f, VK_RETURN); }));
  results.push_back(run([&](TYesNo&, TForm& f) { PressKey(Host, f, VK_ESCAPE); }));
  // With the focus on No, Enter presses No: the focused button is the default one meanwhile.
  results.push_back(run([&](TYesNo&, TForm& f) {
    Tab(Host, f);
    PressKey(Host, f, VK_RETURN);
  }));
  results.push_back(run([&](TYesNo&, TForm& f) { Click(Host, f, "No"); }));
  // Accelerator characters reach buttons, which take no characters themselves.
  results.push_back(run([&](TYesNo&, TForm& f) {
    Host.Char(f, U'y');
    Host.RunUntilIdle();
  }));
  results.push_back(run([&](TYesNo&, TForm& f) {
    Host.CloseRequest(f);
    Host.RunUntilIdle();
  }));
  EXPECT_EQ(results, (std::vector<int>{mrYes, mrNo, mrNo, mrNo, mrYes, mrCancel}));

  // Without a cancel button Esc does nothing; a disabled default button ignores Enter.
  const int last = run([&](TYesNo& box, TForm& f) {
    box.No->SetCancel(false);
    box.Yes->SetEnabled(false);
    f.FocusControl(nullptr);
    PressKey(Host, f, VK_ESCAPE);
    PressKey(Host, f, VK_RETURN);
    EXPECT_EQ(f.ModalResult(), mrNone);
    f.SetModalResult(mrAbort);
  });
  EXPECT_EQ(last, mrAbort);
  EXPECT_EQ(Host.UnansweredModals(), 0);
}

TEST_F(ButtonTest, AHandlerMayFreeTheButtonDuringItsClick) {
  auto* b = Make("B", 10, 10, "B");
  bool ran = false;
  b->OnClick = [&](TComponent* sender) {
    ran = true;
    delete sender;
  };
  Show();
  Click(Host, *Form, "B");
  EXPECT_TRUE(ran);
  EXPECT_EQ(Form->FindComponent("B"), nullptr);
  Form->Repaint();
  Host.RunUntilIdle();
  EXPECT_TRUE(Reports.empty());
}

}  // namespace
}  // namespace spintrak_test
