// The message window's geometry, recomputed here from the measured dialog units of its font.

#include <algorithm>

#include "dialog_fixture.h"
#include "dialogs/dialog_units.h"
#include "dialogs/message_dialog.h"
#include "dialogs/message_icon.h"
#include "gui/graphics/canvas.h"
#include "gui/std/button.h"
#include "gui/std/label.h"

namespace dialogs_test {
namespace {

using namespace gui;
using namespace dialogs;

struct TExpected {
  TRect Icon, Message;
  std::vector<TRect> Buttons;
  int ClientWidth = 0, ClientHeight = 0;
};

TFont MessageFont() {
  TFont font;
  font.SetName("Tahoma");
  font.SetHeight(-11);
  return font;
}

struct MessageLayoutTest : TDialogFixture {
  TExpected Expect(const AnsiString& text, bool icon, const std::vector<std::string>& captions) {
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font.Assign(MessageFont());
    const TDialogUnits du = DialogUnitsOf(MessageFont());
    TRect textRect{0, 0, Host.ScreenSize().Width / 2, 0};
    DrawText(canvas, text, textRect, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    int buttonWidth = MulDiv(50, du.X, 4);
    for (const std::string& caption : captions) {
      TRect r{};
      DrawText(canvas, caption, r, DT_CALCRECT | DT_SINGLELINE);
      buttonWidth = std::max(buttonWidth, r.Width() + 8);
    }
    const int hm = MulDiv(8, du.X, 4), vm = MulDiv(8, du.Y, 8), hs = MulDiv(10, du.X, 4);
    const int vs = MulDiv(10, du.Y, 8), bh = MulDiv(14, du.Y, 8), bs = MulDiv(4, du.X, 4);
    const int blockWidth = textRect.Width() + (icon ? hs + 32 : 0);
    const int blockHeight = icon ? std::max(32, textRect.Height()) : textRect.Height();
    const int n = int(captions.size());
    const int group = n * buttonWidth + (n - 1) * bs;
    TExpected e;
    e.ClientWidth = std::max(blockWidth, group) + 2 * hm;
    e.ClientHeight = blockHeight + bh + vs + 2 * vm;
    if (icon) e.Icon = Bounds(hm, vm, 32, 32);
    e.Message = Bounds(blockWidth - textRect.Width() + hm, vm, textRect.Width(), textRect.Height());
    for (int i = 0; i < n; ++i)
      e.Buttons.push_back(
          Bounds((e.ClientWidth - group) / 2 + i * (buttonWidth + bs), blockHeight + vm + vs, buttonWidth, bh));
    return e;
  }

  void CheckLayout(const TMessageForm& form, const TExpected& e, std::initializer_list<DialogButton> order) {
    EXPECT_EQ(form.ClientWidth(), e.ClientWidth);
    EXPECT_EQ(form.ClientHeight(), e.ClientHeight);
    if (form.Image()) {
      EXPECT_EQ(form.Image()->BoundsRect(), e.Icon);
    }
    EXPECT_EQ(form.Message()->BoundsRect(), e.Message);
    std::size_t i = 0;
    for (DialogButton b : order) {
      ASSERT_NE(form.Button(b), nullptr);
      ASSERT_LT(i, e.Buttons.size());
      EXPECT_EQ(form.Button(b)->BoundsRect(), e.Buttons[i]) << "button " << ButtonName(b);
      ++i;
    }
  }
};

TEST_F(MessageLayoutTest, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(3, 5, 2), 8);
  EXPECT_EQ(MulDiv(-3, 5, 2), -8);
  EXPECT_EQ(MulDiv(7, 13, 8), 11);
  EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000) << "no overflow in the product";
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST_F(MessageLayoutTest, ButtonRowOfOneTwoAndThreeButtonsIsCentredUnderTheBlock) {
  const AnsiString text = "Save the changes before leaving?";
  {
    auto form = CreateMessageDialog(text, mkInformation, {dbOK});
    CheckLayout(*form, Expect(text, true, {"OK"}), {dbOK});
    EXPECT_EQ(form->Caption(), "Information");
  }
  {
    auto form = CreateMessageDialog(text, mkConfirmation, {dbNo, dbYes});
    CheckLayout(*form, Expect(text, true, {"&Yes", "&No"}), {dbYes, dbNo});
  }
  {
    auto form = CreateMessageDialog(text, mkWarning, {dbCancel, dbYes, dbNo});
    CheckLayout(*form, Expect(text, true, {"&Yes", "&No", "Cancel"}), {dbYes, dbNo, dbCancel});
    EXPECT_EQ(form->Caption(), "Warning");
  }
  {
    // Wide captions widen every button; a group wider than the block sets the window's width.
    auto form = CreateMessageDialog("?", mkError, {dbYes, dbNo, dbNoToAll, dbYesToAll});
    const TExpected e = Expect("?", true, {"&Yes", "&No", "N&o to All", "Yes to &All"});
    CheckLayout(*form, e, {dbYes, dbNo, dbNoToAll, dbYesToAll});
    EXPECT_EQ(e.Buttons.front().Left, MulDiv(8, DialogUnitsOf(MessageFont()).X, 4));
    EXPECT_EQ(form->Caption(), "Error");
  }
}

TEST_F(MessageLayoutTest, ShortMessageGivesA32PixelBlockAndLongOneWrapsAndGrowsInHeight) {
  const TDialogUnits du = DialogUnitsOf(MessageFont());
  {
    auto form = CreateMessageDialog("Quit?", mkConfirmation, {dbYes, dbNo});
    CheckLayout(*form, Expect("Quit?", true, {"&Yes", "&No"}), {dbYes, dbNo});
    EXPECT_LT(form->Message()->Height(), 32);
    EXPECT_EQ(form->ClientHeight(), 32 + MulDiv(14, du.Y, 8) + MulDiv(10, du.Y, 8) + 2 * MulDiv(8, du.Y, 8));
  }
  AnsiString longText;
  for (int i = 0; i < 60; ++i) longText += "spin" + std::to_string(i) + " ";
  longText += "end";
  auto check = [&] {
    auto form = CreateMessageDialog(longText, mkConfirmation, {dbYes, dbNo});
    CheckLayout(*form, Expect(longText, true, {"&Yes", "&No"}), {dbYes, dbNo});
    const int half = Host.ScreenSize().Width / 2;
    EXPECT_LE(form->Message()->Width(), half);
    EXPECT_GT(form->Message()->Width(), half * 3 / 4) << "lines fill the half screen";
    EXPECT_GE(form->Message()->Height(), 3 * du.Y) << "wrapped into several lines";
    EXPECT_LE(form->ClientWidth(), half + MulDiv(10, du.X, 4) + 32 + 2 * MulDiv(8, du.X, 4));
  };
  check();
  Host.SetScreenSize({800, 600});
  check();
}

TEST_F(MessageLayoutTest, CustomKindHasNoIconAndTheTextStartsAtTheMargin) {
  auto form = CreateMessageDialog("Line one\nLine two", mkCustom, {dbOK});
  EXPECT_EQ(form->Image(), nullptr);
  EXPECT_EQ(form->FindComponent("Image"), nullptr);
  CheckLayout(*form, Expect("Line one\nLine two", false, {"OK"}), {dbOK});
  EXPECT_EQ(form->Caption(), "Spintrak");
  EXPECT_EQ(form->Message()->Left(), MulDiv(8, DialogUnitsOf(MessageFont()).X, 4));
}

TEST_F(MessageLayoutTest, IconIsBlendedOverTheFaceAndTheMessageIsDrawn) {
  Answer([&](TForm& f) {
    auto& form = dynamic_cast<TMessageForm&>(f);
    // The icon's disc of colour sits on the button face, beside the text.
    const TRect icon = form.Image()->BoundsRect();
    EXPECT_EQ(Host.Pixel(form, icon.Left, icon.Top), ColorToRGB(clBtnFace));
    EXPECT_NE(Host.Pixel(form, icon.Left + 16, icon.Top + 8), ColorToRGB(clBtnFace));
    const TRect text = form.Message()->BoundsRect();
    int dark = 0;
    for (int y = text.Top; y < text.Bottom; ++y)
      for (int x = text.Left; x < text.Right; ++x) dark += (Host.Pixel(form, x, y) & 0xFF) < 0x80;
    EXPECT_GT(dark, 50) << "the message is drawn";
    form.SetModalResult(mrNo);
  });
  ShowMessageDialog("Leave the table?", mkConfirmation, {dbYes, dbNo}, 0);
}

}  // namespace
}  // namespace dialogs_test
