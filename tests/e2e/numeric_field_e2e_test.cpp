// The numeric field on the GTK host, used as the player uses it: typed digits and refused
// letters, the bump frame under the pointer, and a glyph button that takes the focus and reads
// the value the field has already pulled into its range. The screen shows the back buffer.
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/x_tools.h"
#include "tests/widgets/main_field.h"
#include "widgets/bit_btn.h"
#include "widgets/numeric_edit.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>

namespace e2e {
namespace {

class NumericFieldE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    widgets::SetNumberSeparators({'.', ','});
    App = new gui::TApplication(*Host);
    Form = App->CreateForm<gui::TForm>();
    Form->SetName("FieldForm");
    Form->SetCaption("Spintrak e2e field");
    Form->SetClientSize(220, 80);
    Form->SetPosition(gui::poScreenCenter);
    Field = new widgets::TUiNumericEdit(Form);
    Field->SetName("UiNumericEdit1");
    Field->SetParent(Form);
    Field->SetBounds(10, 10, 65, 21);
    widgets::testing::SetMainFieldProperties(*Field);
    Field->OnKeyPress = [](gui::TComponent*, char& key) { Keys += key; };
    Button = new widgets::TUiBitBtn(Form);
    Button->SetName("Button1");
    Button->SetParent(Form);
    Button->SetBounds(100, 10, 75, 25);
    Button->SetCaption("Add");
    Button->OnClick = [](gui::TComponent*) { ReadOnClick = Field->IntegerValue(); };
    Form->SetActiveControl(Field);
    SetPump([] { App->ProcessMessages(); });
    Form->Show();
    ASSERT_TRUE(WaitUntil([] { return Form->HostWindow() != nullptr; }));
    bool shown = false;
    static_cast<platform::gtk::TGtkWindow*>(Form->HostWindow())->AfterFirstFrame([&shown] { shown = true; });
    ASSERT_TRUE(WaitUntil([&] { return shown; }));
    Xid_ = Xid(static_cast<platform::gtk::TGtkWindow*>(Form->HostWindow())->Widget());
    Focus(Xid_);
  }
  static void TearDownTestSuite() {
    SetPump(nullptr);
    delete App;
  }

  static void PointerTo(int x, int y) {
    RunOk({"xdotool", "mousemove", "--window", Xid_, std::to_string(x), std::to_string(y)});
  }
  static bool ScreenShowsBackBuffer() { return WaitForScreenToShow(Xid_, Form->BackBuffer()) == 0; }

  static gui::TApplication* App;
  static gui::TForm* Form;
  static widgets::TUiNumericEdit* Field;
  static widgets::TUiBitBtn* Button;
  static std::string Xid_;
  static std::string Keys;
  static std::int64_t ReadOnClick;
};

gui::TApplication* NumericFieldE2E::App = nullptr;
gui::TForm* NumericFieldE2E::Form = nullptr;
widgets::TUiNumericEdit* NumericFieldE2E::Field = nullptr;
widgets::TUiBitBtn* NumericFieldE2E::Button = nullptr;
std::string NumericFieldE2E::Xid_;
std::string NumericFieldE2E::Keys;
std::int64_t NumericFieldE2E::ReadOnClick = -1;

TEST_F(NumericFieldE2E, TypedDigitsGoInAndLettersAreRefused) {
  ASSERT_TRUE(Field->Focused());
  PointerTo(200, 70);
  RunOk({"xdotool", "type", "--delay", "20", "5a0 "});
  EXPECT_TRUE(WaitUntil([] { return Keys.size() == 4; })) << Keys;
  EXPECT_EQ(Field->Text(), "50") << "typed over the selected 0; the letter and the blank refused";
  EXPECT_TRUE(Field->FrameHot()) << "hot by the focus alone";
  EXPECT_TRUE(ScreenShowsBackBuffer());
}

// The caret follows the desktop's blink settings: it blinks after a key, rests shown once the
// timeout has passed without input, and blinks again at the next key.
TEST_F(NumericFieldE2E, TheCaretRestsAfterTheDesktopsBlinkTimeout) {
  GtkSettings* settings = gtk_settings_get_default();
  gint time = 0, timeout = 0;
  g_object_get(settings, "gtk-cursor-blink-time", &time, "gtk-cursor-blink-timeout", &timeout, nullptr);
  g_object_set(settings, "gtk-cursor-blink-time", 300, "gtk-cursor-blink-timeout", 1, nullptr);
  const auto hidden = [] { return !Field->CaretShown(); };
  for (int round = 0; round < 2; ++round) {
    RunOk({"xdotool", "key", "End"});
    EXPECT_TRUE(WaitUntil(hidden, std::chrono::milliseconds(900))) << "it blinks, round " << round;
    // Past the timeout (1 s after the key) it is shown and stays so.
    const auto rested = std::chrono::steady_clock::now() + std::chrono::milliseconds(1300);
    WaitUntil([&] { return std::chrono::steady_clock::now() > rested; });
    EXPECT_FALSE(WaitUntil(hidden, std::chrono::milliseconds(1000))) << "it rests, round " << round;
    EXPECT_TRUE(Field->CaretShown());
  }
  g_object_set(settings, "gtk-cursor-blink-time", time, "gtk-cursor-blink-timeout", timeout, nullptr);
}

TEST_F(NumericFieldE2E, TheButtonReadsTheValueAlreadyPulledIntoRange) {
  const gui::TRect r = Button->RectInForm();
  RunOk({"xdotool", "mousemove", "--window", Xid_, std::to_string((r.Left + r.Right) / 2),
         std::to_string((r.Top + r.Bottom) / 2), "click", "1"});
  EXPECT_TRUE(WaitUntil([] { return ReadOnClick != -1; }));
  EXPECT_EQ(ReadOnClick, 36);
  EXPECT_EQ(Field->Text(), "36");
  EXPECT_FALSE(Field->FrameHot());
  EXPECT_TRUE(ScreenShowsBackBuffer());
}

TEST_F(NumericFieldE2E, ThePointerAloneMakesTheFrameHot) {
  const gui::TRect r = Field->RectInForm();
  PointerTo((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_TRUE(WaitUntil([] { return Field->FrameHot(); }));
  EXPECT_TRUE(ScreenShowsBackBuffer());
  EXPECT_EQ(Form->BackBuffer().GetPixel(r.Left, r.Top), gui::ColorToRGB(gui::clBtnHighlight));
  PointerTo(200, 70);
  EXPECT_TRUE(WaitUntil([] { return !Field->FrameHot(); }));
  EXPECT_TRUE(ScreenShowsBackBuffer());
  EXPECT_EQ(Form->BackBuffer().GetPixel(r.Left, r.Top), gui::ColorToRGB(gui::clBtnShadow));
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) { return e2e::RunTests(argc, argv); }
