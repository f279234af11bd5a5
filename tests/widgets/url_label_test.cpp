#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/form_fixture.h"
#include "widgets/url_label.h"

namespace widgets {
namespace {

namespace script = platform::headless::testing;

struct UrlLabel : testing::TFormFixture {
  TUiURLLabel* Link = nullptr;
  std::vector<std::string> Events;
  UrlLabel() {
    Link = Add<TUiURLLabel>({10, 10, 75, 27}, nullptr, "UiURLLabel1");
    Link->OnClick = [this](gui::TComponent*) { Events.push_back("click"); };
    Link->OnDblClick = [this](gui::TComponent*) { Events.push_back("dbl"); };
  }
  void ClickLink() {
    Host.AdvanceClock(1000);
    script::Click(Host, *Form, "UiURLLabel1");
  }
};

TEST_F(UrlLabel, StartsUnderlinedInTheHighlightColourWithTheHandRegistered) {
  EXPECT_EQ(Link->Font().Color(), gui::clHighlight);
  EXPECT_TRUE(Link->Font().Style().Contains(gui::fsUnderline));
  EXPECT_EQ(Link->Cursor(), 26000);
  EXPECT_EQ(App.CursorShape(26000), gui::crHandPoint);
  Link->SetCaption("abc");
  Show();
  script::MoveOnto(Host, *Form, "UiURLLabel1");
  EXPECT_EQ(Host.WindowOf(*Form).Cursor(), gui::crHandPoint);
  EXPECT_FALSE(Form->HasPendingPaint()) << "hovering changes no colour";
}

TEST_F(UrlLabel, ABlankUrlOpensTheCaptionAndASuccessMarksItVisitedForGood) {
  Link->SetURL(" \t ");
  Link->SetCaption("abc");
  Show();
  ClickLink();
  EXPECT_EQ(Events, std::vector<std::string>{"click"});
  EXPECT_EQ(Host.OpenedUris(), std::vector<std::string>{"abc"});
  EXPECT_TRUE(Link->Visited());
  EXPECT_EQ(Link->Font().Color(), gui::clPurple);
  Idle();
  EXPECT_TRUE(InkIn(Link->BoundsRect(), Link->Color()).Colors.contains(gui::clPurple));
  Host.OpenUriSucceeds = false;
  ClickLink();
  EXPECT_TRUE(Link->Visited()) << "a later failure takes nothing back";
}

TEST_F(UrlLabel, TheUrlIsHandedOverUntrimmed) {
  Link->SetURL(" x ");
  Link->SetCaption("abc");
  Show();
  ClickLink();
  EXPECT_EQ(Host.OpenedUris(), std::vector<std::string>{" x "});
}

TEST_F(UrlLabel, ABlankTargetOnlyClicks) {
  Link->SetCaption("  ");
  Show();
  ClickLink();
  EXPECT_EQ(Events, std::vector<std::string>{"click"});
  EXPECT_TRUE(Host.OpenedUris().empty());
  EXPECT_FALSE(Link->Visited());
}

TEST_F(UrlLabel, OnlyAFailedHtmTargetBringsUpTheChooser) {
  Host.OpenUriSucceeds = false;
  Link->SetCaption("link");
  Show();
  for (const char* target : {"c:\\pages\\index.htm", "START.HTM", "page.Htm"}) {
    Link->SetURL(target);
    ClickLink();
  }
  EXPECT_EQ(Host.ChooserRequests(), (std::vector<std::string>{".htm", ".htm", ".htm"}));
  for (const char* target : {"index.html", "http://example.org/", "file.htm\\x", "a.htm:1", "noextension"}) {
    Link->SetURL(target);
    ClickLink();
  }
  EXPECT_EQ(Host.ChooserRequests().size(), 3u);
  EXPECT_EQ(Host.OpenedUris().size(), 8u);
  EXPECT_FALSE(Link->Visited());
}

TEST_F(UrlLabel, ADoubleClickOpensOnceThenFiresOnDblClick) {
  Link->SetURL("http://example.org/");
  Link->SetCaption("www.example.org");
  Show();
  script::DoubleClick(Host, *Form, "UiURLLabel1");
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "dbl"}));
  EXPECT_EQ(Host.OpenedUris().size(), 1u);
}

TEST_F(UrlLabel, AClickHandlerThatFreesTheLabelEndsTheClick) {
  Link->SetURL("http://example.org/");
  Link->OnClick = [this](gui::TComponent*) {
    delete Link;
    Link = nullptr;
  };
  Show();
  ClickLink();
  EXPECT_EQ(Link, nullptr);
  EXPECT_TRUE(Host.OpenedUris().empty());
}

}  // namespace
}  // namespace widgets
