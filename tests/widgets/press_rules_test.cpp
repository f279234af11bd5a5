// The two rules by which the button kinds take a mouse press differently, walked for each kind:
// which mouse button's release ends the press, and whether Space during a mouse press arms a
// click of its own. The plain button keeps the classic rules; the widget set's push buttons
// and its check box share theirs.

#include <string>
#include <vector>

#include "button_fixture.h"
#include "gui/std/button.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

namespace widgets::testing {
namespace {

struct TRuleRow {
  const char* Kind;
  // A left press; the right button pressed and released inside; the pointer out and back in;
  // the left button released inside.
  int ClicksAtRightRelease;
  bool PressedAfterRightRelease;
  bool PressedOutside;
  bool PressedBackInside;
  int ClicksAtLeftRelease;
  // A left press; Space pressed and released; the left button released inside.
  int ClicksWithSpace;
};

struct PressRulesTest : TButtonFixture {
  TCustomControl* MakeKind(const std::string& kind) {
    const TRect bounds{40, 40, 140, 70};
    if (kind == "plain button") return Make<gui::TButton>("Plain", bounds);
    if (kind == "glyph push button") return Make<TUiBitBtn>("Push", bounds);
    auto* box = Make<TUiCheckBox>("Box", bounds);
    box->SetCaption("Box");
    return box;
  }
  // The pressed look, as each kind keeps it (a check box tells no listener of it).
  bool Pressed(const TControl& c) const {
    if (const auto* plain = dynamic_cast<const gui::TButton*>(&c)) return plain->Pressed();
    return dynamic_cast<const TUiCustomButton&>(c).ShowPressed();
  }
};

TEST_F(PressRulesTest, EachKindEndsAPressAndTakesSpaceByItsRules) {
  const std::vector<TRuleRow> rows = {
      {"plain button", 0, true, false, true, 1, 1},
      {"glyph push button", 1, false, false, false, 1, 2},
      {"check box", 1, false, false, false, 1, 2},
  };
  Show();
  for (const TRuleRow& row : rows) {
    SCOPED_TRACE(row.Kind);
    TCustomControl* c = MakeKind(row.Kind);
    int clicks = 0;
    c->OnClick = [&](TComponent*) { ++clicks; };
    Run();
    const TPoint inside = CentreOf(*c), outside{300, 190};

    Press(inside);
    Press(inside, mbRight);
    Release(inside, mbRight);
    EXPECT_EQ(clicks, row.ClicksAtRightRelease);
    EXPECT_EQ(Pressed(*c), row.PressedAfterRightRelease);
    MoveTo(Host, *Form, outside);
    EXPECT_EQ(Pressed(*c), row.PressedOutside);
    MoveTo(Host, *Form, inside);
    EXPECT_EQ(Pressed(*c), row.PressedBackInside);
    Release(inside);
    EXPECT_EQ(clicks, row.ClicksAtLeftRelease);
    EXPECT_FALSE(Pressed(*c));

    clicks = 0;
    Host.AdvanceClock(1000);
    Press(inside);
    KeyDown(VK_SPACE);
    EXPECT_TRUE(Pressed(*c));
    KeyUp(VK_SPACE);
    Release(inside);
    EXPECT_EQ(clicks, row.ClicksWithSpace);
    delete c;
    Run();
  }
}

}  // namespace
}  // namespace widgets::testing
