// Entering spins: Enter in the field (recorded when it is a wheel number, then the field's
// beep) and the add button, with the counter, the strip and the tables that follow each entry.

#include <optional>

#include "stats/display_rules.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/label.h"
#include "widgets/numeric_edit.h"

namespace app_test {
namespace {

using namespace gui::literals;
using platform::headless::testing::Click;
using platform::headless::testing::DoubleClick;
using platform::headless::testing::PressKey;
using platform::headless::testing::TypeText;
using stats::SpinWindow;

using SpinEntryTest = TMainFormFixture;

TEST_F(SpinEntryTest, EachEnterRecordsTheSpinRefreshesEverythingAndBeepsOnce) {
  Enter("7");
  EXPECT_EQ(Host.Beeps(), 1);
  Enter("0");
  Enter("32");
  EXPECT_EQ(Host.Beeps(), 3);
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{7, 0, 32}));
  EXPECT_EQ(CaptionOf("UiLabel266"), "3");
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "32");
  EXPECT_EQ(FontColorOf("UiLabelLast1"), gui::clRed);
  EXPECT_EQ(CaptionOf("UiLabelLast2"), "0");
  EXPECT_EQ(FontColorOf("UiLabelLast2"), gui::clGreen);
  EXPECT_EQ(CaptionOf("UiLabelLast3"), "7");
  EXPECT_EQ(FontColorOf("UiLabelLast3"), gui::clRed);
  EXPECT_EQ(CaptionOf("UiLabelLast4"), "");
  // Red 2 against black 0 in the last-10 column; the last-20 column is not shown yet.
  EXPECT_EQ(CaptionOf("UiLabel36"), "2");
  EXPECT_EQ(CaptionOf("UiLabel41"), "(0)");
  EXPECT_EQ(FontColorOf("UiLabel41"), gui::clGreen);
  EXPECT_EQ(CaptionOf("UiLabel37"), "");
  EXPECT_EQ(CaptionOf("UiLabel10S32"), "1");
  EXPECT_EQ(CaptionOf("UiLabelAllS5"), "(0)");
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "") << "cleared after each entry";
  EXPECT_TRUE(Form->UiNumericEdit1->Focused());
}

// Only what the player typed on the wheel becomes a spin. A refused text stays in the field,
// selected, with the field's one beep (Enter's own, or the add button's), and nothing else shows.
TEST_F(SpinEntryTest, OnlyAWheelNumberTheFieldHoldsIsRecordedByEnterOrTheAddButton) {
  struct TCase {
    const char* Typed;
    bool ByButton;
    std::optional<std::int32_t> Recorded;
  };
  const TCase cases[] = {
      {"", false, std::nullopt},
      {"", true, std::nullopt},
      {"37", false, std::nullopt},
      {"37", true, std::nullopt},
      {"99", false, std::nullopt},
      {"99", true, std::nullopt},
      {"-1", false, std::nullopt},
      {"-1", true, std::nullopt},
      {"36", false, 36},
      {"36", true, 36},
      {"0", false, 0},
      {"0", true, 0},
      {"007", false, 7},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Typed) + (c.ByButton ? " + add button" : " + Enter"));
    const std::vector<std::int32_t> before = Spins();
    const int beeps = Host.Beeps();
    TypeText(Host, *Form, c.Typed);
    if (c.ByButton)
      Click(Host, *Form, "UiBitBtn3");
    else
      PressKey(Host, *Form, gui::VK_RETURN);
    std::vector<std::int32_t> expected = before;
    if (c.Recorded) expected.push_back(*c.Recorded);
    EXPECT_EQ(Spins(), expected);
    EXPECT_EQ(CaptionOf("UiLabel266"), std::to_string(expected.size()));
    EXPECT_EQ(Host.Beeps(), beeps + (c.ByButton && c.Recorded ? 0 : 1));
    EXPECT_TRUE(Form->UiNumericEdit1->Focused());
    if (!c.Recorded) {
      EXPECT_EQ(Form->UiNumericEdit1->Text(), c.Typed) << "the text stays for retyping";
      EXPECT_EQ(Form->UiNumericEdit1->SelLength(), static_cast<int>(std::string(c.Typed).size()));
    }
    Form->UiNumericEdit1->SetText("");
  }
}

TEST_F(SpinEntryTest, TheAddButtonLeavesTheFieldsZeroAndADigitTypedBeforeItIsRefused) {
  TypeText(Host, *Form, "12");
  Click(Host, *Form, "UiBitBtn3");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{12}));
  EXPECT_TRUE(Form->UiNumericEdit1->Focused());
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "0") << "regaining the focus shows the empty field's value";
  EXPECT_EQ(Form->UiNumericEdit1->SelLength(), 1) << "selected, so the next digit replaces it";
  // A click before the "0" and 12 typed there make "120": refused.
  Form->UiNumericEdit1->SetSelStart(0);
  Form->UiNumericEdit1->SetSelLength(0);
  TypeText(Host, *Form, "12");
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "120");
  PressKey(Host, *Form, gui::VK_RETURN);
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{12}));
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "120");
  // That "0" was not typed: Enter on it, or another press of the button, records nothing.
  TypeText(Host, *Form, "5");
  Click(Host, *Form, "UiBitBtn3");
  ASSERT_EQ(Form->UiNumericEdit1->Text(), "0");
  PressKey(Host, *Form, gui::VK_RETURN);
  Click(Host, *Form, "UiBitBtn3");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{12, 5}));
}

TEST_F(SpinEntryTest, AFastDoubleClickOnAddRecordsTheTypedNumberOnce) {
  TypeText(Host, *Form, "12");
  DoubleClick(Host, *Form, "UiBitBtn3");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{12}));
  EXPECT_EQ(CaptionOf("UiLabel266"), "1");
}

TEST_F(SpinEntryTest, ANumberTheFieldPulledIntoRangeOnTabIsStillRefused) {
  TypeText(Host, *Form, "99");
  PressKey(Host, *Form, gui::VK_TAB);
  PressKey(Host, *Form, gui::VK_TAB, gui::TShiftState{gui::ssShift});
  ASSERT_TRUE(Form->UiNumericEdit1->Focused());
  PressKey(Host, *Form, gui::VK_RETURN);
  EXPECT_TRUE(Form->History().Empty());
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "99");
}

TEST_F(SpinEntryTest, ANumberBeyondSixtyFourBitsIsReportedAndRecordsNothing) {
  std::vector<std::string> reports;
  Answer([&](gui::TForm& form) {
    reports.push_back(form.Caption());
    form.SetModalResult(gui::mrOk);
  });
  Enter("12345678901234567890123");
  EXPECT_TRUE(Form->History().Empty());
  EXPECT_EQ(CaptionOf("UiLabel266"), "0");
  EXPECT_EQ(reports, std::vector<std::string>{"Spintrak"});
  EXPECT_EQ(App.LastErrorReport(), "Invalid floating point operation.");
  EXPECT_EQ(Form->UiNumericEdit1->Text(), "12345678901234567890123") << "the field keeps the text";
  // The window goes on working.
  PressKey(Host, *Form, gui::VK_END);
  for (int i = 0; i < 23; ++i) PressKey(Host, *Form, gui::VK_BACK);
  Enter("9");
  EXPECT_EQ(Spins(), (std::vector<std::int32_t>{9}));
}

TEST_F(SpinEntryTest, TheColumnsFillAfterTheEleventhAndTwentyFirstSpinAndTheStripShowsTheNewest) {
  for (int i = 1; i <= 10; ++i) Enter(std::to_string(i));
  EXPECT_EQ(CaptionOf("UiLabel37"), "");
  Enter("11");
  EXPECT_NE(CaptionOf("UiLabel37"), "");
  EXPECT_NE(CaptionOf(stats::NumberLabelName(SpinWindow::Last20, 0)), "");
  EXPECT_EQ(CaptionOf("UiLabel38"), "");
  for (int i = 12; i <= 21; ++i) Enter(std::to_string(i));
  EXPECT_NE(CaptionOf("UiLabel38"), "");
  for (int i = 22; i <= 25; ++i) Enter(std::to_string(i));
  EXPECT_EQ(CaptionOf("UiLabelLast1"), "25");
  EXPECT_EQ(CaptionOf("UiLabelLast21"), "5");
  EXPECT_EQ(CaptionOf("UiLabel266"), "25");
}

TEST_F(SpinEntryTest, AnEntryRepaintsOnlyTheLabelsItChanged) {
  for (int n : {5, 17, 5}) Enter(std::to_string(n));
  Host.RunUntilIdle();
  std::map<std::string, int> before;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* label = dynamic_cast<widgets::TUiLabel*>(Form->Components(i)))
      before[label->Name()] = label->PaintCount();
  Enter("5");
  Host.RunUntilIdle();
  std::vector<std::string> repainted;
  for (const auto& [name, count] : before)
    if (Control(name).PaintCount() != count) repainted.push_back(name);
  // Unchanged: the headings, the row captions, the number column and every count of a number
  // other than 5 (still "(0)" in green), and the strip's empty cells.
  for (const char* name : {"UiLabel26", "UiLabel40", "UiLabel117", "UiLabel10S0", "UiLabelAllS36", "UiLabelLast9"})
    EXPECT_EQ(std::count(repainted.begin(), repainted.end(), name), 0) << name;
  for (const char* name : {"UiLabel266", "UiLabelLast4", "UiLabel10S5", "UiLabelAllS5"})
    EXPECT_EQ(std::count(repainted.begin(), repainted.end(), name), 1) << name;
  EXPECT_LT(repainted.size(), 25u);
}

}  // namespace
}  // namespace app_test
