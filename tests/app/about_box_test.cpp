// The about box: every control where the layout puts it, the pictures fitted into their panels,
// the link, and the keys: Enter and OK close it, Esc does not.
#include "app/about_box.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/graphics/text.h"
#include "gui/std/button.h"
#include "gui/std/image.h"
#include "gui/std/label.h"
#include "gui/std/panel.h"
#include "platform/headless/testing/input_script.h"
#include "widgets/panel.h"
#include "widgets/url_label.h"

namespace {

using namespace gui;
using namespace gui::literals;
using namespace platform::headless::testing;

struct AboutBox : ::testing::Test, TTestApp {
  TForm* Main;
  app::TAboutBox* Box;

  AboutBox() {
    Main = App.CreateForm<TForm>();
    Main->SetName("Form1");
    Box = App.CreateForm<app::TAboutBox>();
  }
  // Shows the box modally; `answer` acts while it waits. Returns its modal result.
  int Show(std::function<void(TForm&)> answer) {
    Main->Show();
    Host.RunUntilIdle();
    Host.OnModal = std::move(answer);
    return Box->ShowModal();
  }
};

TEST_F(AboutBox, IsAFixedDialogWithEveryControlInPlace) {
  EXPECT_EQ(Box->Caption(), "About");
  EXPECT_EQ(Box->BorderStyle(), bsDialog);
  EXPECT_EQ(Box->BorderIcons(), TBorderIcons(biSystemMenu));
  EXPECT_EQ(Box->ClientWidth(), 538);
  EXPECT_EQ(Box->ClientHeight(), 199);
  EXPECT_EQ(Box->Position(), poScreenCenter);
  EXPECT_FALSE(Box->Visible()) << "made hidden at start-up";

  struct TPlace {
    TControl* Control;
    TControl* Parent;
    TRect Bounds;  // Right and Bottom 0: sized by its text
  };
  const TPlace places[] = {
      {Box->Panel1, Box, {8, 8, 529, 161}},
      {Box->ProductName, Box->Panel1, {120, 16, 0, 0}},
      {Box->Version, Box->Panel1, {120, 40, 0, 0}},
      {Box->Label1, Box->Panel1, {272, 16, 0, 0}},
      {Box->Label4, Box->Panel1, {272, 40, 0, 0}},
      {Box->Label2, Box->Panel1, {120, 64, 395, 116}},
      {Box->UiURLLabel1, Box->Panel1, {16, 128, 0, 0}},
      {Box->UiPanel1, Box->Panel1, {7, 7, 112, 112}},
      {Box->Image1, Box->UiPanel1, {2, 2, 103, 103}},
      {Box->UiPanel2, Box->Panel1, {409, 7, 514, 112}},
      {Box->Image2, Box->UiPanel2, {2, 2, 103, 103}},
      {Box->OKButton, Box, {204, 168, 334, 193}},
  };
  for (const TPlace& p : places) {
    SCOPED_TRACE(p.Control->Name());
    EXPECT_EQ(Box->FindComponent(p.Control->Name()), p.Control);
    EXPECT_EQ(p.Control->Parent(), p.Parent);
    const TRect r = p.Control->BoundsRect();
    EXPECT_EQ(r.Left, p.Bounds.Left);
    EXPECT_EQ(r.Top, p.Bounds.Top);
    if (p.Bounds.Right != 0) {
      EXPECT_EQ(r, p.Bounds);
    }
  }

  EXPECT_EQ(Box->ProductName->Caption(), std::string("Наименование продукта"_cp));
  EXPECT_EQ(Box->Version->Caption(), std::string("Версия"_cp));
  EXPECT_EQ(Box->Label1->Caption(), "Spintrak");
  EXPECT_EQ(Box->Label4->Caption(), "0.36");
  EXPECT_EQ(Box->Label2->Caption(), std::string("Программа учета и сортировки статистики \r\n"
                                                "при игре в онлайн казино (рулетку).\r\n"
                                                "Проверенные казино с контролем честности.\r\n"
                                                "Стратегии и системы обыгрывания казино."_cp));
  for (TLabel* bold : {Box->Label1, Box->Label4, Box->Label2}) EXPECT_TRUE(bold->Font().Style().Contains(fsBold));
  for (TLabel* plain : {Box->ProductName, Box->Version}) EXPECT_FALSE(plain->Font().Style().Contains(fsBold));
  EXPECT_EQ(Box->Panel1->BevelInner(), bvRaised);
  EXPECT_EQ(Box->Panel1->BevelOuter(), bvLowered);
  EXPECT_EQ(Box->OKButton->Caption(), "OK");
  EXPECT_TRUE(Box->OKButton->Default());
}

TEST_F(AboutBox, ShowsTheEmblemFillingItsPanelAndTheWordmarkAtItsOwnSize) {
  // The emblem may come drawn at the panel's size already; larger, it is scaled down to it.
  ASSERT_GE(Box->Image1->Picture().Width(), 101);
  ASSERT_EQ(Box->Image1->Picture().Height(), Box->Image1->Picture().Width());
  ASSERT_EQ(Box->Image2->Picture().Width(), 96);
  ASSERT_EQ(Box->Image2->Picture().Height(), 96);
  for (TImage* image : {Box->Image1, Box->Image2}) {
    EXPECT_TRUE(image->Center());
    EXPECT_TRUE(image->Proportional());
    EXPECT_TRUE(image->Transparent());
  }
  EXPECT_EQ(Box->Image1->DestRect(), (TRect{0, 0, 101, 101}));
  EXPECT_EQ(Box->Image2->DestRect().Width(), 96) << "fits, so it is not enlarged";
  EXPECT_EQ(Box->Image2->DestRect().Height(), 96);

  Show([&](TForm& box) {
    if (const char* dir = std::getenv("SPINTRAK_APP_PNG"); dir && *dir)
      Host.SaveFormPng(box, std::string(dir) + "/about_box.png");
    // The emblem's middle is its green letter; the word-mark's white ground, its transparent
    // colour, lets the panel show through around the black letters.
    const TRect emblem = Box->Image1->RectInForm();
    const TColor middle = PixelAt(Host, box, (emblem.Left + emblem.Right) / 2, (emblem.Top + emblem.Bottom) / 2);
    EXPECT_GT(middle >> 8 & 0xFF, (middle & 0xFF) + 40) << std::hex << middle;
    const TRect mark = Box->Image2->RectInForm();
    EXPECT_EQ(PixelAt(Host, box, mark.Left + 1, mark.Top + 1), ColorToRGB(clBtnFace));
    int ink = 0;
    for (int y = mark.Top; y < mark.Bottom; ++y)
      for (int x = mark.Left; x < mark.Right; ++x) ink += PixelAt(Host, box, x, y) == TColor(0);
    EXPECT_GT(ink, 100) << "black letters";
    box.SetModalResult(mrOk);
  });
}

TEST_F(AboutBox, TheLinkNamesAndOpensTheWebSite) {
  widgets::TUiURLLabel& link = *Box->UiURLLabel1;
  EXPECT_EQ(link.Caption(), "www.spintrak.example");
  EXPECT_EQ(link.URL(), "http://www.spintrak.example/");
  EXPECT_EQ(link.Font().Color(), clHighlight);
  EXPECT_TRUE(link.Font().Style().Contains(fsUnderline));
  EXPECT_GE(link.Width(), 80) << "the whole name shows";
  EXPECT_EQ(Show([&](TForm& box) {
              Click(Host, box, "UiURLLabel1");
              EXPECT_TRUE(box.Visible()) << "the link leaves the box open";
              Click(Host, box, "OKButton");
            }),
            mrOk);
  EXPECT_EQ(Host.OpenedUris(), std::vector<std::string>{"http://www.spintrak.example/"});
}

TEST_F(AboutBox, EnterClosesItWithOkAndEscDoesNothing) {
  EXPECT_EQ(Show([&](TForm& box) {
              PressKey(Host, box, VK_ESCAPE);
              EXPECT_TRUE(box.Visible());
              EXPECT_EQ(box.ModalResult(), mrNone);
              PressKey(Host, box, VK_RETURN);
            }),
            mrOk);
  EXPECT_EQ(App.ActiveForm(), Main) << "the main window is active again";
  // Shown again, it is the same box.
  EXPECT_EQ(Show([&](TForm& box) { Click(Host, box, "OKButton"); }), mrOk);
  EXPECT_EQ(Host.UnansweredModals(), 0);
}

}  // namespace

TEST_F(AboutBox, IsADialogAListenerCanReadAndClose) {
  struct TCase {
    TControl* Control;
    TAccRole Role;
    std::string Name;
    TRect Bounds;
  };
  const TCase cases[] = {
      {Box, arDialog, "About", {0, 0, 538, 199}},
      {Box->Panel1, arFiller, "", {8, 8, 529, 161}},
      {Box->ProductName, arLabel, "Наименование продукта", Box->ProductName->RectInForm()},
      {Box->Label2,
       arLabel,
       "Программа учета и сортировки статистики при игре в онлайн казино (рулетку). Проверенные казино с "
       "контролем честности. Стратегии и системы обыгрывания казино.",
       {128, 72, 403, 124}},
      {Box->UiURLLabel1, arLink, "www.spintrak.example", {24, 136, 130, 149}},  // sized to its text
      {Box->Image1, arImage, "Эмблема Spintrak", Box->Image1->RectInForm()},
      {Box->Image2, arImage, "Spintrak", Box->Image2->RectInForm()},
      {Box->OKButton, arPushButton, "OK", {204, 168, 334, 193}},
  };
  for (const TCase& c : cases) {
    const TAccessible acc(*c.Control);
    EXPECT_EQ(acc.Role(), c.Role) << c.Control->Name();
    EXPECT_EQ(acc.Name(), c.Name) << c.Control->Name();
    EXPECT_EQ(acc.Bounds(), c.Bounds) << c.Control->Name();
  }
  EXPECT_EQ(TAccessible(*Box->UiURLLabel1).Address(), "http://www.spintrak.example/");
  EXPECT_TRUE(TAccessible(*Box->OKButton).States().Contains(asDefault));
  EXPECT_FALSE(TAccessible(*Box->OKButton).Press()) << "not on screen: no press";

  bool pressed = false;
  const int result = Show([&](TForm&) {
    EXPECT_TRUE(TAccessible(*Box).States().Contains(asShowing));
    pressed = TAccessible(*Box->OKButton).Press();
  });
  EXPECT_TRUE(pressed);
  EXPECT_EQ(result, mrOk) << "the button's modal result closed the box";
}
