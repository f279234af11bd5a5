// The main window on the desktops it meets: a screen with a scale factor of 2, and a windowing
// system that cannot keep a window above the others.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "app/main_form.h"
#include "app/startup.h"
#include "gui/controls/accessible.h"
#include "platform/headless/headless_window.h"
#include "platform/headless/testing/input_script.h"
#include "stats/display_rules.h"
#include "tests/app/temp_env.h"

namespace app_test {
namespace {

using platform::headless::testing::Click;

// Start-up as the program runs it, on a host set up first.
struct TDesktop {
  spintrak_test::TTempFolder Temp;
  spintrak_test::TScopedEnv Env;
  platform::headless::testing::TTestApp Test;
  app::TForm1* Form = nullptr;

  explicit TDesktop(const std::function<void(platform::headless::THeadlessHost&)>& setUp) {
    Env.ClearTemp();
    Env.Set("temp", Temp.Path().string());
    setUp(Test.Host);
    Form = &app::StartUp(Test.App);
    Form->Show();
    Test.Host.RunUntilIdle();
  }
  gui::TControl& Control(std::string_view name) const {
    auto* control = dynamic_cast<gui::TControl*>(Form->FindComponent(name));
    if (!control) throw std::logic_error("no control " + std::string(name));
    return *control;
  }
  // Every control's place, and where the accessibility interface says it is.
  std::map<std::string, std::pair<gui::TRect, gui::TRect>> Places() const {
    std::map<std::string, std::pair<gui::TRect, gui::TRect>> places;
    for (int i = 0; i < Form->ComponentCount(); ++i)
      if (auto* c = dynamic_cast<gui::TControl*>(Form->Components(i)); c && !c->Name().empty())
        places[c->Name()] = {c->BoundsRect(), gui::TAccessible(*c).Bounds()};
    return places;
  }
};

TEST(Desktop, AtScaleTwoEveryControlKeepsItsLogicalPlace) {
  // One application at a time: the scale-1 window is gone before the scale-2 one is made.
  std::map<std::string, std::pair<gui::TRect, gui::TRect>> places;
  gui::TSize buffer, client;
  {
    const TDesktop one([](auto&) {});
    places = one.Places();
    buffer = {one.Form->BackBuffer().Width(), one.Form->BackBuffer().Height()};
    client = one.Test.Host.WindowOf(*one.Form).ClientSize();
  }
  const TDesktop two([](auto& host) { host.SetWindowScale(2); });
  EXPECT_EQ(two.Form->BackBuffer().Width(), 2 * buffer.Width);
  EXPECT_EQ(two.Form->BackBuffer().Height(), 2 * buffer.Height);
  EXPECT_EQ(two.Test.Host.WindowOf(*two.Form).ClientSize(), client);
  EXPECT_GT(places.size(), 300u);
  EXPECT_EQ(two.Places(), places);
}

TEST(Desktop, AtScaleTwoAnEntryIsTypedAndShownAsAtScaleOne) {
  TDesktop two([](auto& host) { host.SetWindowScale(2); });
  platform::headless::testing::TypeText(two.Test.Host, *two.Form, "1");
  platform::headless::testing::PressKey(two.Test.Host, *two.Form, gui::VK_RETURN);
  EXPECT_EQ(two.Control("UiLabel266").Caption(), "1");
  // The newest number's label is painted where it stands, at twice the coordinates.
  const gui::TRect strip = two.Control(stats::StripLabelName(1)).RectInForm();
  bool red = false;
  for (int y = 2 * strip.Top; y < 2 * strip.Bottom && !red; ++y)
    for (int x = 2 * strip.Left; x < 2 * strip.Right && !red; ++x)
      red = two.Test.Host.Pixel(*two.Form, x, y) == gui::ColorToRGB(gui::clRed);
  EXPECT_TRUE(red);
}

TEST(Desktop, WhereWindowsCannotBeKeptAboveTheBoxIsDisabledAndSaysWhy) {
  std::string tooltip;
  gui::TRect area, place;
  {
    TDesktop wayland([](auto& host) { host.KeepAboveWorks = false; });
    gui::TControl& box = wayland.Control("UiCheckBox1");
    EXPECT_FALSE(box.Enabled());
    const std::string description = gui::TAccessible(box).Description();
    EXPECT_NE(description.find("«Всегда наверху»"), std::string::npos) << description;
    EXPECT_NE(description.find("меню окна"), std::string::npos) << description;
    place = box.RectInForm();
    ASSERT_TRUE(wayland.Form->HostTooltipAt({place.Left + 30, place.Top + 5}, tooltip, area));
    EXPECT_EQ(tooltip, description);
    EXPECT_EQ(area, place);
    Click(wayland.Test.Host, *wayland.Form, "UiCheckBox1");
    EXPECT_EQ(wayland.Test.Host.WindowOf(*wayland.Form).TopMostChanges(), 0);
  }

  const TDesktop x11([](auto&) {});
  EXPECT_TRUE(x11.Control("UiCheckBox1").Enabled());
  EXPECT_TRUE(gui::TAccessible(x11.Control("UiCheckBox1")).Description().empty());
  EXPECT_FALSE(x11.Form->HostTooltipAt({place.Left + 30, place.Top + 5}, tooltip, area));
}

}  // namespace
}  // namespace app_test
