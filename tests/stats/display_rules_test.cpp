#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "stats/display_rules.h"

namespace stats {
namespace {

// Stands in for the main window's labels: keeps each label's caption and colour, and the
// order of the writes.
class TRecordingSink final : public TLabelSink {
 public:
  struct TLabel {
    std::string Caption;
    TColor Color = 0xDEADBE;  // a colour no rule writes, to see what was left alone
  };
  std::map<std::string, TLabel, std::less<>> Labels;
  std::vector<std::string> Writes;

  void SetCaption(std::string_view name, std::string_view text) override {
    Labels[std::string(name)].Caption = text;
    Writes.push_back("caption " + std::string(name));
  }
  void SetFontColor(std::string_view name, TColor color) override {
    Labels[std::string(name)].Color = color;
    Writes.push_back("color " + std::string(name));
  }
  const TLabel& operator[](const std::string& name) const {
    static const TLabel untouched;
    auto it = Labels.find(name);
    return it == Labels.end() ? untouched : it->second;
  }
};

struct TShown {
  std::string Caption;
  TColor Color;
};
bool operator==(const TRecordingSink::TLabel& l, const TShown& s) {
  return l.Caption == s.Caption && l.Color == s.Color;
}
void PrintTo(const TRecordingSink::TLabel& l, std::ostream* os) {
  *os << '"' << l.Caption << "\" 0x" << std::hex << l.Color;
}

const TShown Marked0{"(0)", clGreen};
const TShown Plain1{"1", clNavy};

SpinHistory History(std::initializer_list<int> spins) {
  SpinHistory h;
  for (int x : spins) h.Append(x);
  return h;
}

TRecordingSink Refresh(const SpinHistory& h) {
  TRecordingSink sink;
  LastNumbersStrip(h, sink);
  StatsPanel(h, sink);
  return sink;
}

TEST(DisplayRules, FirstEntryFive) {
  const TRecordingSink s = Refresh(History({5}));
  for (const char* column : {"36", "39"}) EXPECT_EQ(s[std::string("UiLabel") + column], Plain1);  // red
  EXPECT_EQ(s["UiLabel41"], Marked0);                                                             // black, last 10
  EXPECT_EQ(s["UiLabel44"], Marked0);                                                             // black, all
  EXPECT_EQ(s["UiLabel56"], Marked0);                                                             // even
  EXPECT_EQ(s["UiLabel61"], Plain1);                                                              // odd
  EXPECT_EQ(s["UiLabel46"], Plain1);                                                              // 1-18
  EXPECT_EQ(s["UiLabel51"], Marked0);                                                             // 19-36
  EXPECT_EQ(s["UiLabel66"], Plain1);                                                              // first dozen
  EXPECT_EQ(s["UiLabel71"], Marked0);
  EXPECT_EQ(s["UiLabel76"], Marked0);
  for (int n = 0; n <= 36; ++n) {
    const TShown expected = n == 5 ? Plain1 : Marked0;
    EXPECT_EQ(s["UiLabel10S" + std::to_string(n)], expected) << n;
    EXPECT_EQ(s["UiLabelAllS" + std::to_string(n)], expected) << n;
  }
  // The last-20 and last-50 columns are not written at all yet.
  for (const char* name : {"UiLabel37", "UiLabel38", "UiLabel47", "UiLabel78", "UiLabel20S5", "UiLabel50S0"})
    EXPECT_EQ(s.Labels.count(name), 0u) << name;
  EXPECT_EQ(s["UiLabelLast1"], (TShown{"5", clRed}));
  for (int k = 2; k <= 21; ++k) {
    EXPECT_EQ(s["UiLabelLast" + std::to_string(k)].Caption, "");
    EXPECT_EQ(s["UiLabelLast" + std::to_string(k)].Color, 0xDEADBEu) << "an emptied strip label keeps its colour";
  }
}

TEST(DisplayRules, FirstEntryZero) {
  const TRecordingSink s = Refresh(History({0}));
  for (int first : {36, 46, 56})
    for (int column : {0, 3}) {
      EXPECT_EQ(s["UiLabel" + std::to_string(first + column)], (TShown{"0", clNavy}));
      EXPECT_EQ(s["UiLabel" + std::to_string(first + 5 + column)], (TShown{"0", clNavy}));
    }
  for (int dozen : {66, 71, 76}) EXPECT_EQ(s["UiLabel" + std::to_string(dozen)], Marked0);
  EXPECT_EQ(s["UiLabel10S0"], Plain1);
  EXPECT_EQ(s["UiLabelAllS17"], Marked0);
  EXPECT_EQ(s["UiLabelLast1"], (TShown{"0", clGreen}));
}

TEST(DisplayRules, MiddleColumnsAppearAfterTheEleventhAndTwentyFirstSpin) {
  SpinHistory h;
  for (int i = 0; i < 10; ++i) h.Append(1);
  EXPECT_EQ(Refresh(h).Labels.count("UiLabel20S1"), 0u);
  h.Append(2);
  TRecordingSink s = Refresh(h);
  EXPECT_EQ(s["UiLabel37"], (TShown{"10", clNavy}));    // red over the last 20
  EXPECT_EQ(s["UiLabel42"], (TShown{"(1)", clGreen}));  // black over the last 20
  EXPECT_EQ(s["UiLabel67"], (TShown{"11", clNavy}));    // first dozen, last 20
  EXPECT_EQ(s["UiLabel20S2"], (TShown{"1", clNavy}));
  EXPECT_EQ(s.Labels.count("UiLabel38"), 0u);
  for (int i = 0; i < 9; ++i) h.Append(3);
  EXPECT_EQ(Refresh(h).Labels.count("UiLabel50S3"), 0u);  // 20 spins: still hidden
  h.Append(3);
  s = Refresh(h);
  EXPECT_EQ(s["UiLabel50S3"], (TShown{"10", clNavy}));
  EXPECT_EQ(s["UiLabel78"], (TShown{"(0)", clGreen}));
}

TEST(DisplayRules, TiesAreMarkedInEveryTiedCell) {
  // Second and third dozens tie at the minimum; both are marked, the first stays plain.
  const TRecordingSink s = Refresh(History({1, 14, 2, 25}));
  EXPECT_EQ(s["UiLabel66"], (TShown{"2", clNavy}));
  EXPECT_EQ(s["UiLabel71"], (TShown{"(1)", clGreen}));
  EXPECT_EQ(s["UiLabel76"], (TShown{"(1)", clGreen}));
  const TRecordingSink three = Refresh(History({1, 14, 25}));
  for (int dozen : {66, 71, 76}) EXPECT_EQ(three["UiLabel" + std::to_string(dozen)], (TShown{"(1)", clGreen}));
  EXPECT_EQ(s["UiLabel36"], (TShown{"3", clNavy}));
  EXPECT_EQ(s["UiLabel41"], (TShown{"(1)", clGreen}));
  const TRecordingSink even = Refresh(History({1, 2}));
  EXPECT_EQ(even["UiLabel36"], (TShown{"1", clNavy}));
  EXPECT_EQ(even["UiLabel41"], (TShown{"1", clNavy}));
}

TEST(DisplayRules, StripShowsTheTwentyOneNewestNewestFirst) {
  SpinHistory h;
  for (int i = 1; i <= 25; ++i) h.Append(i);
  const TRecordingSink s = Refresh(h);
  EXPECT_EQ(s["UiLabelLast1"], (TShown{"25", clRed}));
  EXPECT_EQ(s["UiLabelLast21"], (TShown{"5", clRed}));
  EXPECT_EQ(s["UiLabelLast2"], (TShown{"24", clBlack}));
}

TEST(DisplayRules, WritesFollowTheTableOrder) {
  SpinHistory h;
  for (int i = 0; i < 25; ++i) h.Append(i);
  TRecordingSink s;
  StatsPanel(h, s);
  auto at = [&](const std::string& write) {
    return std::find(s.Writes.begin(), s.Writes.end(), write) - s.Writes.begin();
  };
  // Pairs by rows red/black, even/odd, 1-18/19-36, each row's columns newest first; then dozens; then numbers.
  EXPECT_LT(at("caption UiLabel39"), at("caption UiLabel56"));
  EXPECT_LT(at("caption UiLabel64"), at("caption UiLabel46"));
  EXPECT_LT(at("caption UiLabel54"), at("caption UiLabel66"));
  EXPECT_LT(at("caption UiLabel79"), at("caption UiLabel10S0"));
  EXPECT_LT(at("caption UiLabelAllS0"), at("caption UiLabel10S1"));
}

TEST(DisplayRules, LabelNamesAreComposedFromPrefixAndIndex) {
  EXPECT_EQ(StripLabelName(21), "UiLabelLast21");
  EXPECT_EQ(NumberLabelName(SpinWindow::Last10, 0), "UiLabel10S0");
  EXPECT_EQ(NumberLabelName(SpinWindow::All, 36), "UiLabelAllS36");
  EXPECT_EQ(PairLabelName(5, SpinWindow::All), "UiLabel64");
  EXPECT_EQ(DozenLabelName(2, SpinWindow::Last50), "UiLabel78");
  EXPECT_THROW(StripLabelName(22), std::out_of_range);
  EXPECT_THROW(NumberLabelName(SpinWindow::All, 37), std::out_of_range);
}

}  // namespace
}  // namespace stats
