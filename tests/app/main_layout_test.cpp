// The main window as it opens: every control of the layout where it belongs, the names the
// statistics look up, the Tab order, and the empty tables.

#include <algorithm>

#include "app/main_layout.h"
#include "stats/display_rules.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/label.h"
#include "widgets/numeric_edit.h"

namespace app_test {
namespace {

using namespace gui::literals;
using platform::headless::testing::Click;
using platform::headless::testing::Tab;

using MainLayoutTest = TMainFormFixture;

TEST_F(MainLayoutTest, TheStatisticsFindEveryLabelTheyAskForAndNothingBeyond) {
  for (const char* name : {"UiLabelLast1", "UiLabelLast21", "UiLabel10S0", "UiLabelAllS36", "UiLabel50S18"})
    EXPECT_NE(dynamic_cast<widgets::TUiLabel*>(Form->FindComponent(name)), nullptr) << name;
  for (const char* name : {"UiLabelLast0", "UiLabelLast22", "UiLabel10S37", "UiLabelAllS-1", "UiLabel20S"})
    EXPECT_EQ(Form->FindComponent(name), nullptr) << name;
  int labels = 0;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    labels += dynamic_cast<widgets::TUiLabel*>(Form->Components(i)) != nullptr;
  EXPECT_EQ(labels, 265);
}

TEST_F(MainLayoutTest, OpensWithAnEmptyHistoryAndEmptyTables) {
  EXPECT_TRUE(Form->History().Empty());
  EXPECT_EQ(CaptionOf("UiLabel266"), "0");
  for (int k = 1; k <= stats::StripLength; ++k) EXPECT_EQ(CaptionOf(stats::StripLabelName(k)), "") << k;
  for (stats::SpinWindow w : stats::SpinWindows) {
    for (int row = 0; row < 6; ++row) EXPECT_EQ(CaptionOf(stats::PairLabelName(row, w)), "");
    for (int dozen = 0; dozen < 3; ++dozen) EXPECT_EQ(CaptionOf(stats::DozenLabelName(dozen, w)), "");
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(CaptionOf(stats::NumberLabelName(w, n)), "") << n;
  }
  EXPECT_EQ(CaptionOf("UiLabel117"), "0");
  EXPECT_EQ(CaptionOf("UiLabel81"), "1");
  EXPECT_EQ(CaptionOf("UiLabel116"), "36");
  EXPECT_TRUE(Form->UiNumericEdit1->Focused()) << "the entry field has the focus from the first showing";
}

TEST_F(MainLayoutTest, FamiliesAndTablesSitWhereTheLayoutPutsThem) {
  auto bounds = [&](std::string_view name) { return Control(name).BoundsRect(); };
  EXPECT_EQ(bounds("UiLabelLast1"), gui::Bounds(133, 80, 32, 28));
  EXPECT_EQ(bounds("UiLabelLast3"), gui::Bounds(229, 79, 32, 28));
  EXPECT_EQ(bounds("UiLabelLast21"), gui::Bounds(1093, 79, 32, 28));
  EXPECT_EQ(bounds("UiSeparator2"), gui::Bounds(222, 81, 2, 25));
  EXPECT_EQ(bounds("UiSeparator3"), gui::Bounds(270, 80, 2, 25));
  EXPECT_EQ(bounds("UiLabel39"), gui::Bounds(469, 153, 50, 38)) << "red row, all column";
  EXPECT_EQ(bounds("UiLabel47"), gui::Bounds(290, 273, 50, 38)) << "1-18 row, last-20 column";
  EXPECT_EQ(bounds("UiLabel79"), gui::Bounds(477, 609, 50, 38));
  EXPECT_EQ(bounds("UiLabel10S0"), gui::Bounds(778, 145, 16, 19));
  EXPECT_EQ(bounds("UiLabel50S9"), gui::Bounds(970, 290, 16, 19));
  EXPECT_EQ(bounds("UiLabelAllS36"), gui::Bounds(1066, 721, 16, 19));
  EXPECT_EQ(bounds("UiLabel117"), gui::Bounds(669, 145, 16, 19));
  EXPECT_EQ(bounds("UiLabel266"), gui::Bounds(152, 32, 105, 38));
  EXPECT_EQ(bounds("UiNumericEdit1"), gui::Bounds(154, 12, 65, 21));
  EXPECT_EQ(bounds("UiCheckBox1").Left, 24);
  EXPECT_EQ(bounds("UiCheckBox1").Top, 664);
  EXPECT_EQ(Control("UiLabel50").Parent(), Form);
  EXPECT_EQ(Control("UiLabel266").Parent(), &Control("UiPanel3"));
  EXPECT_EQ(Control("UiBitBtn1").Parent(), &Control("UiPanel2"));
}

TEST_F(MainLayoutTest, FontsByRoleWithTheRowCaptionsColouredPerRow) {
  const gui::TFont& strip = Control("UiLabelLast5").Font();
  EXPECT_EQ(strip.Name(), "Comic Sans MS");
  EXPECT_EQ(strip.Height(), -19);
  EXPECT_TRUE(strip.Style().Contains(gui::fsBold));
  EXPECT_EQ(strip.Charset(), gui::RUSSIAN_CHARSET);
  EXPECT_EQ(FontColorOf("UiLabel40"), gui::clRed);
  EXPECT_EQ(FontColorOf("UiLabel45"), gui::clBlack);
  EXPECT_EQ(Control("UiLabel45").Font().Height(), -27);
  EXPECT_EQ(FontColorOf("UiLabel266"), gui::clPurple);
  EXPECT_EQ(Control("UiLabel27").Font().Name(), "MS Sans Serif");
  EXPECT_EQ(CaptionOf("UiLabel27"), "10\r\nспинов"_cp);
  EXPECT_EQ(CaptionOf("UiLabel35"), "Всего"_cp);
  EXPECT_EQ(FontColorOf("UiLabel2"), gui::clNavy);
  EXPECT_EQ(FontColorOf("UiLabel10S3"), gui::clNavy);
  EXPECT_EQ(Control("UiLabel10S3").Font().Height(), -13);
}

TEST_F(MainLayoutTest, TabGoesExitAboutEntryAddBannerAndTheCheckBox) {
  Click(Host, *Form, "UiCheckBox1");
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    Tab(Host, *Form);
    order.push_back(Form->FocusedControl() ? Form->FocusedControl()->Name() : "(none)");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"UiBitBtn1", "UiBitBtn2", "UiNumericEdit1", "UiBitBtn3",
                                             "WebBrowser1", "UiCheckBox1", "UiBitBtn1"}));
}

TEST_F(MainLayoutTest, TheBannerPaneFillsItsPanelInsideTheBorder) {
  EXPECT_EQ(Control("WebBrowser1").Parent(), &Control("UiPanel4"));
  EXPECT_EQ(Control("WebBrowser1").BoundsRect(), gui::Bounds(2, 2, 592, 76));
  ASSERT_EQ(Host.Navigations().size(), 1u) << "the first showing is an activation";
  EXPECT_EQ(Host.Navigations()[0], (Temp.Path() / "SKTemp1.htm").string());
}

TEST_F(MainLayoutTest, TheTopBandFollowsTheWidthAndTheRestKeepsItsPlace) {
  const gui::TRect strip = Control("UiLabelLast21").BoundsRect();
  const gui::TRect cell = Control("UiLabelAllS36").BoundsRect();
  Host.Resize(*Form, 1400, 800);
  Host.RunUntilIdle();
  EXPECT_EQ(Control("UiPanel1").BoundsRect(), gui::Bounds(0, 0, 1400, 80));
  EXPECT_EQ(Control("UiPanel2").BoundsRect(), gui::Bounds(1400 - 310, 0, 310, 80));
  EXPECT_EQ(Control("UiPanel3").BoundsRect(), gui::Bounds(1400 - 570, 0, 260, 80));
  EXPECT_EQ(Control("UiPanel4").BoundsRect(), gui::Bounds(0, 0, 1400 - 570, 80));
  EXPECT_EQ(Control("UiLabelLast21").BoundsRect(), strip);
  EXPECT_EQ(Control("UiLabelAllS36").BoundsRect(), cell);
  Host.Resize(*Form, app::kMainClientWidth, app::kMainClientHeight);
  Host.RunUntilIdle();
  EXPECT_EQ(Control("UiPanel4").BoundsRect(), gui::Bounds(0, 0, 596, 80)) << "the banner's design size again";
}

}  // namespace
}  // namespace app_test
