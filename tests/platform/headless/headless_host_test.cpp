#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tests/gui/controls/test_controls.h"

using namespace gui;
using namespace spintrak_test;
using namespace platform::headless::testing;

namespace {

struct HeadlessHostTest : ::testing::Test, TShownForm {};

TEST_F(HeadlessHostTest, TimersFireAtTheirOwnTimesAsTheClockAdvances) {
  std::vector<std::uint32_t> ticks;
  THost::TTimerId id = 0;
  id = Host.StartTimer(100, [&] {
    ticks.push_back(Host.TickCount());
    if (ticks.size() == 3) Host.StopTimer(id);
  });
  const std::uint32_t t0 = Host.TickCount();
  Host.RunUntilIdle();
  EXPECT_TRUE(ticks.empty()) << "nothing happens until the clock moves";
  Host.AdvanceClock(1000);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{t0 + 100, t0 + 200, t0 + 300}));
}

TEST_F(HeadlessHostTest, ServicesAreRecordedAndCanBeMadeToFail) {
  EXPECT_TRUE(Host.SetClipboardText("abc"));
  EXPECT_EQ(Host.ClipboardText(), "abc");
  Host.ClipboardFails = true;
  EXPECT_FALSE(Host.SetClipboardText("x"));
  EXPECT_EQ(Host.ClipboardText(), std::nullopt);
  EXPECT_EQ(Host.Clipboard, "abc") << "a failed write loses nothing";

  Host.OpenUriSucceeds = false;
  EXPECT_FALSE(Host.OpenUri("http://example.org/"));
  EXPECT_TRUE(Host.OpenWithChooser(".htm"));
  EXPECT_EQ(Host.OpenedUris(), (std::vector<std::string>{"http://example.org/"}));
  EXPECT_EQ(Host.ChooserRequests(), (std::vector<std::string>{".htm"}));

  Show();
  auto view = Host.CreateWebView(*Form->HostWindow(), {2, 2, 594, 78});
  EXPECT_TRUE(view->Navigate("file:///tmp/SKTemp1.htm"));
  Host.NavigateSucceeds = false;
  EXPECT_FALSE(view->Navigate("file:///tmp/other.htm"));
  EXPECT_EQ(Host.Navigations().size(), 2u);
  Host.Beep();
  EXPECT_EQ(Host.Beeps(), 1);
}

TEST_F(HeadlessHostTest, FormSavedAsPngHoldsWhatWasPainted) {
  auto* label = new TTestLabel(Form, Form, "A", {10, 10, 30, 20});
  label->Fill = clRed;
  Show();
  const auto path = (std::filesystem::temp_directory_path() / "spintrak_headless_form.png").string();
  Host.SaveFormPng(*Form, path);
  TBitmap loaded;
  loaded.LoadFromFile(path);
  std::remove(path.c_str());
  EXPECT_EQ(loaded.Width(), 300);
  EXPECT_EQ(loaded.Height(), 200);
  EXPECT_EQ(loaded.GetPixel(15, 15), clRed);
  EXPECT_EQ(loaded.GetPixel(5, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(Host, *Form, 15, 15), clRed);
  EXPECT_EQ(Host.WindowOf(*Form).Screen(), &Form->BackBuffer());
}

TEST_F(HeadlessHostTest, InputForAFormThatWasNeverShownIsRefusedClearly) {
  try {
    Host.MouseDown(*Form, {1, 1});
    FAIL() << "expected an error";
  } catch (const std::logic_error& e) {
    EXPECT_NE(std::string(e.what()).find("Form1"), std::string::npos);
  }
  EXPECT_THROW(FindControl(*Form, "Missing"), std::logic_error);
}

TEST_F(HeadlessHostTest, AFailingModalAnswerIsRecordedAndClosesTheFormInsteadOfLooping) {
  App.OnShowErrorReport = nullptr;  // the built-in report is itself a modal form
  int calls = 0;
  Host.OnModal = [&](TForm&) {
    ++calls;
    throw std::logic_error("no control named 'Yes' on form 'Dialog'");
  };
  Show();
  auto* dialog = App.CreateForm<TForm>();
  dialog->SetName("Dialog");
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(calls, 1);
  ASSERT_EQ(Host.AnswerErrors().size(), 1u);
  EXPECT_NE(Host.AnswerErrors()[0].find("no control named 'Yes'"), std::string::npos);
  EXPECT_EQ(App.ErrorReportCount(), 0) << "a fault of the test script is not the program's error";
  EXPECT_EQ(App.ModalForm(), nullptr);
}

TEST_F(HeadlessHostTest, CharactersOfKeysFollowTheClassicKeyboard) {
  EXPECT_EQ(CharOfKey(VK_RETURN, {}), 13u);
  EXPECT_EQ(CharOfKey(VK_RETURN, ssCtrl), 10u);
  EXPECT_EQ(CharOfKey('C', ssCtrl), 3u);
  EXPECT_EQ(CharOfKey('V', ssCtrl), 22u);
  EXPECT_EQ(CharOfKey('A', {}), U'a');
  EXPECT_EQ(CharOfKey('A', ssShift), U'A');
  EXPECT_EQ(CharOfKey(VK_DELETE, {}), 0u);
  EXPECT_EQ(CharOfKey(VK_LEFT, {}), 0u);
  EXPECT_EQ(CharOfKey(VK_DECIMAL, {}), U'.');
  EXPECT_EQ(CharOfKey(VK_NUMPAD0 + 7, {}), U'7');
}

}  // namespace
