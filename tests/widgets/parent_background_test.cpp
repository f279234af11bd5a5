#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "platform/headless/testing/input_script.h"
#include "widgets/parent_background.h"

namespace widgets {
namespace {

using gui::TComponent;
using gui::TCustomControl;
using gui::TForm;
using gui::TWinControl;

// A panel that paints a red square on yellow.
class TPicturePanel : public TCustomControl {
 public:
  explicit TPicturePanel(TComponent* owner) : TCustomControl(owner) { SetColor(0x00FFFF); }

 protected:
  void Paint(TCanvas& canvas) override {
    canvas.Brush.Color = 0x0000FF;
    canvas.FillRect({5, 5, 15, 15});
  }
};

// A see-through child: its erase step shows the parent, its paint draws one blue pixel and
// can grab the parent's image into an off-screen bitmap.
class TSeeThrough : public TCustomControl, public TTransparentProperty {
 public:
  explicit TSeeThrough(TComponent* owner) : TCustomControl(owner) { SetColor(0x00FF00); }
  bool Transparent() const override { return FTransparent; }
  bool FTransparent = true;
  bool GrabParent = false;
  TBitmap Grabbed;

 protected:
  void EraseBackground(TCanvas& canvas) override {
    if (FTransparent)
      PaintParentBackground(*this, canvas, btPaintPass, true);
    else
      TCustomControl::EraseBackground(canvas);
  }
  void Paint(TCanvas& canvas) override {
    if (GrabParent) {
      Grabbed = TBitmap(ClientWidth(), ClientHeight(), clBlack);
      PaintParentBackground(*this, Grabbed.Canvas(), btOffscreen, true);
    }
    canvas.SetPixel(0, 0, 0xFF0000);
  }
};

struct ParentBackground : ::testing::Test, platform::headless::testing::TTestApp {
  TForm* Form = nullptr;
  ParentBackground() {
    Form = App.CreateForm<TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(100, 80);
  }
  template <typename T>
  T* Add(TWinControl* parent, gui::TRect bounds) {
    auto* c = new T(Form);
    c->SetParent(parent);
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return c;
  }
  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
  TColor Px(int x, int y) { return Form->BackBuffer().GetPixel(x, y); }
};

TEST_F(ParentBackground, ErasingShowsWhatTheParentPaintedUnderTheControl) {
  auto* panel = Add<TPicturePanel>(Form, {10, 10, 60, 50});
  auto* child = Add<TSeeThrough>(panel, {8, 8, 28, 28});
  Show();
  EXPECT_EQ(Px(18, 18), 0xFF0000u) << "the child's own pixel";
  EXPECT_EQ(Px(19, 19), 0x0000FFu) << "the parent's square shows through";
  EXPECT_EQ(Px(30, 30), 0x00FFFFu) << "the parent's colour shows through";

  child->FTransparent = false;
  child->Invalidate();
  Host.RunUntilIdle();
  EXPECT_EQ(Px(19, 19), 0x00FF00u) << "an opaque child erases in its own colour";
}

TEST_F(ParentBackground, OffScreenBitmapsGetACopyOfTheParentClippedToIt) {
  auto* panel = Add<TPicturePanel>(Form, {10, 10, 60, 50});
  auto* child = Add<TSeeThrough>(panel, {12, 12, 70, 30});  // hangs 20 pixels over the panel's right edge
  child->GrabParent = true;
  Show();
  const TBitmap& g = child->Grabbed;
  ASSERT_EQ(g.Width(), 58);
  EXPECT_EQ(g.GetPixel(0, 0), 0x0000FFu) << "panel (12, 12) is inside the red square";
  EXPECT_EQ(g.GetPixel(3, 3), 0x00FFFFu);
  EXPECT_EQ(g.GetPixel(37, 5), 0x00FFFFu) << "last column inside the panel (50 wide)";
  EXPECT_EQ(g.GetPixel(38, 5), clBlack) << "outside the parent nothing is copied";
}

TEST_F(ParentBackground, APlainParentIsInvalidatedOnlyOutsideAPaintPass) {
  auto* plain = Add<TWinControl>(Form, {0, 0, 60, 60});
  auto* child = Add<TSeeThrough>(plain, {5, 5, 20, 20});
  child->GrabParent = true;  // calls with the flag during every paint
  Show();
  EXPECT_FALSE(Form->HasPendingPaint()) << "painting does not schedule itself again";

  TBitmap off(15, 15);
  PaintParentBackground(*child, off.Canvas(), btOffscreen, true);
  EXPECT_TRUE(Form->HasPendingPaint());
  Host.RunUntilIdle();

  auto* panel = Add<TPicturePanel>(Form, {60, 0, 40, 40});
  auto* other = Add<TSeeThrough>(panel, {5, 5, 10, 10});
  Host.RunUntilIdle();
  PaintParentBackground(*other, off.Canvas(), btOffscreen, true);
  EXPECT_FALSE(Form->HasPendingPaint()) << "a parent that paints itself is left alone";

  TSeeThrough orphan(nullptr);
  PaintParentBackground(orphan, off.Canvas(), btOffscreen, true);  // no parent: nothing happens
}

TEST_F(ParentBackground, OnlyTransparentChildrenAreInvalidated) {
  auto* panel = Add<TPicturePanel>(Form, {0, 0, 100, 80});
  auto* clear = Add<TSeeThrough>(panel, {0, 0, 20, 20});
  auto* opaque = Add<TSeeThrough>(panel, {30, 0, 20, 20});
  opaque->FTransparent = false;
  auto* plain = Add<TCustomControl>(panel, {60, 0, 20, 20});
  Show();
  const int clear0 = clear->PaintCount(), opaque0 = opaque->PaintCount(), plain0 = plain->PaintCount();
  InvalidateTransparentChildren(*panel);
  Host.RunUntilIdle();
  EXPECT_EQ(clear->PaintCount(), clear0 + 1);
  EXPECT_EQ(opaque->PaintCount(), opaque0);
  EXPECT_EQ(plain->PaintCount(), plain0);
}

}  // namespace
}  // namespace widgets
