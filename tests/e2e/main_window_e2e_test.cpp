// The main window on the desktop, used as a player would: typing numbers and Enter, the add
// button, a double click on the strip answered in the correction box, the stay-on-top box and the
// exit confirmation, with the screen's pixels checked where the entry shows.

#include "app/startup.h"
#include "dialogs/dialog_kinds.h"
#include "gui/controls/application.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/main_window_start.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace e2e {
namespace {

using namespace gui::literals;

std::string XidOf(gui::TForm& form) {
  return Xid(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget());
}

// The pixels of a rectangle of a form's client area as the X server holds them, 0x00RRGGBB.
struct TScreenPatch {
  gui::TRect Rect;
  std::vector<std::uint32_t> Pixels;

  // Pixels of a hue: text is smoothed, so its thin strokes rarely reach the exact colour.
  int Count(bool (*hue)(int r, int g, int b)) const {
    return static_cast<int>(std::count_if(Pixels.begin(), Pixels.end(), [hue](std::uint32_t p) {
      return hue(int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF));
    }));
  }
};

TScreenPatch Grab(gui::TForm& form, const gui::TRect& r) {
  TScreenPatch patch{r, {}};
  GtkWidget* widget = GTK_WIDGET(static_cast<platform::gtk::TGtkWindow*>(form.HostWindow())->Widget());
  GdkPixbuf* shot =
      gdk_pixbuf_get_from_window(gtk_widget_get_window(widget), r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  if (shot == nullptr) return patch;
  const guchar* pixels = gdk_pixbuf_get_pixels(shot);
  const int stride = gdk_pixbuf_get_rowstride(shot), channels = gdk_pixbuf_get_n_channels(shot);
  for (int y = 0; y < r.Bottom - r.Top; ++y)
    for (int x = 0; x < r.Right - r.Left; ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      patch.Pixels.push_back(std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2]);
    }
  g_object_unref(shot);
  return patch;
}

// The same rectangle of the form's back buffer.
bool ScreenShowsBuffer(gui::TForm& form, const gui::TRect& r) {
  const TScreenPatch patch = Grab(form, r);
  if (patch.Pixels.empty()) return false;
  std::size_t i = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (patch.Pixels[i++] != (form.BackBuffer().ScanLine(y)[x] & 0xFFFFFF)) return false;
  return true;
}

bool kRed(int r, int g, int b) { return r > g + 80 && r > b + 80; }
bool kGreen(int r, int g, int b) { return g > r + 40 && g > b + 40; }
bool kBlack(int r, int g, int b) { return r < 60 && g < 60 && b < 60; }
bool kNavy(int r, int g, int b) { return b > r + 40 && b > g + 40; }
bool kPurple(int r, int g, int b) { return r > g + 40 && b > g + 40; }

// Runs an action once a modal form is up, from the main loop that the modal form's loop turns.
void WhenModalShown(gui::TApplication& app, std::function<void(gui::TForm&)> action) {
  struct TPending {
    gui::TApplication* App;
    std::function<void(gui::TForm&)> Action;
  };
  g_timeout_add_full(
      G_PRIORITY_DEFAULT, 50,
      +[](gpointer data) -> gboolean {
        auto* pending = static_cast<TPending*>(data);
        gui::TForm* form = pending->App->ModalForm();
        if (form == nullptr || form->HostWindow() == nullptr || !form->Active()) return G_SOURCE_CONTINUE;
        pending->Action(*form);
        return G_SOURCE_REMOVE;
      },
      new TPending{&app, std::move(action)}, +[](gpointer data) { delete static_cast<TPending*>(data); });
}

class MainWindowE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    StartMainWindow(App, Form, Xid_);
    if (HasFatalFailure()) return;
  }
  static void TearDownTestSuite() {
    SetPump(nullptr);
    delete App;
  }

  static gui::TControl& Control(std::string_view name) {
    return *static_cast<gui::TControl*>(Form->FindComponent(name));
  }
  static void ClickOn(std::string_view name, int count = 1) {
    const gui::TRect r = Control(name).RectInForm();
    RunOk({"xdotool", "mousemove", "--window", Xid_, std::to_string((r.Left + r.Right) / 2),
           std::to_string((r.Top + r.Bottom) / 2), "click", "--repeat", std::to_string(count), "--delay", "60",
           "1"});
  }
  static void TypeAndEnter(const std::string& text) {
    const std::size_t before = Form->History().Length();
    RunOk({"xdotool", "type", "--delay", "20", text});
    RunOk({"xdotool", "key", "Return"});
    ASSERT_TRUE(WaitUntil([before] { return Form->History().Length() == before + 1; })) << text;
  }
  // Waits until the screen shows the back buffer inside a control, then returns its pixels.
  static TScreenPatch OnScreen(std::string_view name) {
    const gui::TRect r = Control(name).RectInForm();
    EXPECT_TRUE(WaitUntil([&] {
      Settle();
      return ScreenShowsBuffer(*Form, r);
    })) << name
        << " on screen differs from the window's buffer";
    return Grab(*Form, r);
  }
  static std::vector<std::int32_t> Spins() {
    const auto s = Form->History().Spins();
    return {s.begin(), s.end()};
  }

  static gui::TApplication* App;
  static app::TForm1* Form;
  static std::string Xid_;
};

gui::TApplication* MainWindowE2E::App = nullptr;
app::TForm1* MainWindowE2E::Form = nullptr;
std::string MainWindowE2E::Xid_;

TEST_F(MainWindowE2E, OpensAtItsClientSizeShowingItsBuffer) {
  const TGeometry g = ClientGeometry(Xid_);
  EXPECT_EQ(g.Width, 1166);
  EXPECT_EQ(g.Height, 742);
  const std::string icon = RunOk({"xprop", "-id", Xid_, "_NET_WM_ICON"});
  EXPECT_NE(icon.find("Icon (128 x 128)"), std::string::npos)
      << "the window carries the 128 x 128 emblem: " << icon.substr(0, 200);
  // The banner pane is a window of its own showing the page (or, without the web engine, its
  // title and address), not the form's pixels.
  const gui::TRect pane = Form->VisibleRectOf(&Control("WebBrowser1"));
  EXPECT_EQ(WaitForScreenToShow(Xid_, Form->BackBuffer(), {pane}), 0) << "pixels differ";
}

TEST_F(MainWindowE2E, TypedSpinsReachTheCounterTheStripAndBothTables) {
  Focus(Xid_);
  TypeAndEnter("7");
  TypeAndEnter("0");
  TypeAndEnter("32");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_GT(OnScreen("UiLabelLast1").Count(kRed), 10) << "32 in red";
  EXPECT_GT(OnScreen("UiLabelLast2").Count(kGreen), 10) << "0 in green";
  EXPECT_GT(OnScreen("UiLabel266").Count(kPurple), 10) << "the counter";
  const TScreenPatch black = OnScreen("UiLabel41");
  EXPECT_GT(black.Count(kGreen), 10) << "black (0), the smaller count, marked green";
  EXPECT_EQ(black.Count(kNavy), 0);
  EXPECT_GT(OnScreen("UiLabel36").Count(kNavy), 10) << "red 2 plainly in navy";
  EXPECT_GT(OnScreen("UiLabel10S32").Count(kNavy), 3) << "32 came up once in the last ten";
  EXPECT_GT(OnScreen("UiLabel10S5").Count(kGreen), 3) << "5 did not: (0) in green";
}

TEST_F(MainWindowE2E, ADoubleClickOnTheStripCorrectsThatSpin) {
  ASSERT_GE(Form->History().Length(), 3u);
  std::vector<std::int32_t> expected = Spins();
  expected[expected.size() - 3] = 8;
  WhenModalShown(*App, [](gui::TForm& prompt) {
    // One after the other: Enter must not overtake the typed digit.
    Start(
        {"sh", "-c", "xdotool windowfocus --sync " + XidOf(prompt) + " type --delay 20 8 && xdotool key Return"});
  });
  ClickOn("UiLabelLast3", 2);
  ASSERT_TRUE(WaitUntil([&] { return Spins() == expected; }, std::chrono::seconds(20)));
  EXPECT_TRUE(WaitForStarted());
  Focus(Xid_);
  const TScreenPatch corrected = OnScreen("UiLabelLast3");
  EXPECT_GT(corrected.Count(kBlack), 10) << "8 in black";
  EXPECT_EQ(corrected.Count(kRed), 0);
}

TEST_F(MainWindowE2E, TheAddButtonRefusesANumberOffTheWheelAndRecordsTheRetypedOne) {
  Focus(Xid_);
  const std::size_t before = Form->History().Length();
  RunOk({"xdotool", "type", "--delay", "20", "40"});
  ClickOn("UiBitBtn3");
  // Refused: the typed text comes back selected, so the next digits replace it.
  ASSERT_TRUE(
      WaitUntil([&] { return Form->UiNumericEdit1->Focused() && Form->UiNumericEdit1->SelLength() == 2; }));
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "40");
  EXPECT_EQ(Form->History().Length(), before);
  RunOk({"xdotool", "type", "--delay", "20", "12"});
  ClickOn("UiBitBtn3");
  ASSERT_TRUE(WaitUntil([&] { return Form->History().Length() == before + 1; }));
  EXPECT_EQ(Form->History().Recent(1), 12);
  EXPECT_EQ(Control("UiLabelLast1").Caption(), "12");
}

TEST_F(MainWindowE2E, TheCheckBoxKeepsTheWindowAboveOthersAndBack) {
  const TGeometry before = ClientGeometry(Xid_);
  for (bool on : {true, false}) {
    ClickOn("UiCheckBox1");
    EXPECT_TRUE(WaitForKeptAbove(Xid_, on)) << on;
    const TGeometry after = ClientGeometry(Xid_);
    EXPECT_EQ(after.Left, before.Left);
    EXPECT_EQ(after.Top, before.Top);
  }
  // The dotted focus box around the caption (from x = 17 to the right edge, full height) shows
  // while the box has the focus and goes as soon as the focus moves on, here to the field.
  auto focusBoxDots = [] {
    const TScreenPatch box = OnScreen("UiCheckBox1");
    const int w = box.Rect.Right - box.Rect.Left, h = box.Rect.Bottom - box.Rect.Top;
    int dots = 0;
    for (int x = 17; x < w; ++x)
      for (int y : {0, h - 1}) {
        const std::uint32_t p = box.Pixels[std::size_t(y * w + x)];
        dots += kBlack(int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF));
      }
    return dots;
  };
  EXPECT_GT(focusBoxDots(), 100) << "the box has the focus after the clicks";
  ClickOn("UiNumericEdit1");
  ASSERT_TRUE(WaitUntil([] { return Form->FocusedControl() == &Control("UiNumericEdit1"); }));
  EXPECT_EQ(focusBoxDots(), 0) << "no focus box once the field has the focus";
}

int Answered = 0;

// Answers the exit confirmation by clicking one of its buttons.
void AnswerConfirmation(gui::TApplication& app, dialogs::DialogButton button) {
  WhenModalShown(app, [button](gui::TForm& box) {
    ++Answered;
    const gui::TRect r = static_cast<gui::TControl*>(box.FindComponent(dialogs::ButtonName(button)))->RectInForm();
    Start({"xdotool", "mousemove", "--window", XidOf(box), std::to_string((r.Left + r.Right) / 2),
           std::to_string((r.Top + r.Bottom) / 2), "click", "1"});
  });
}

TEST_F(MainWindowE2E, CtrlZRemovesTheNewestSpinAfterTheQuestion) {
  Focus(Xid_);
  // Whatever the field holds goes first, so that the 9 is the only digit.
  RunOk({"xdotool", "key", "End", "BackSpace", "BackSpace", "BackSpace"});
  TypeAndEnter("9");
  const std::vector<std::int32_t> before = Spins();
  ASSERT_GE(before.size(), 2u);
  AnswerConfirmation(*App, dialogs::dbYes);
  RunOk({"xdotool", "key", "ctrl+z"});
  ASSERT_TRUE(WaitUntil([&] { return Form->History().Length() + 1 == before.size(); }, std::chrono::seconds(20)));
  ASSERT_TRUE(WaitForStarted());
  EXPECT_EQ(Control("UiLabelLast1").Caption(), std::to_string(before[before.size() - 2]));
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "") << "the key typed nothing into the field";
  Answered = 0;
}

TEST_F(MainWindowE2E, ExitAsksFirstAndNoKeepsEverything) {
  const std::vector<std::int32_t> spins = Spins();
  AnswerConfirmation(*App, dialogs::dbNo);
  ClickOn("UiBitBtn1");
  ASSERT_TRUE(WaitUntil([] { return Answered == 1 && App->ModalForm() == nullptr; }, std::chrono::seconds(20)));
  ASSERT_TRUE(WaitForStarted());
  Settle();
  EXPECT_FALSE(App->Terminated());
  EXPECT_NE(RunOk({"xwininfo", "-id", Xid_}).find("IsViewable"), std::string::npos);
  EXPECT_EQ(Spins(), spins);

  Focus(Xid_);
  AnswerConfirmation(*App, dialogs::dbYes);
  RunOk({"xdotool", "key", "alt+F4"});
  EXPECT_TRUE(WaitUntil([] { return App->Terminated(); }, std::chrono::seconds(20)));
  EXPECT_TRUE(WaitForStarted());
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunTests(argc, argv); }
