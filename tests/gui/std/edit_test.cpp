#include "gui/std/edit.h"

#include "gui/graphics/text.h"
#include "gui/std/button.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

using namespace gui::literals;

struct EditTest : TStdFixture {
  TEdit* Edit = MakeEdit(10);
  int Changes = 0;
  EditTest() {
    Edit->OnChange = [this](TComponent*) { ++Changes; };
  }
  TEdit* MakeEdit(int top) {
    auto* e = new TEdit(Form);
    e->SetParent(Form);
    e->SetBounds(10, top, 121, 21);
    return e;
  }
  void Key(std::uint16_t key, TShiftState shift = {}) { PressKey(Host, *Form, key, shift); }
  void Ctrl(char letter) { Key(static_cast<std::uint16_t>(letter), ssCtrl); }
  void Type(std::string_view utf8) { TypeText(Host, *Form, utf8); }
  // The text with the selection marked [..], or the caret as | when nothing is selected.
  std::string State() {
    std::string s = Edit->Text();
    const auto a = std::size_t(Edit->SelStart()), n = std::size_t(Edit->SelLength());
    return n == 0 ? s.insert(a, "|") : s.insert(a + n, "]").insert(a, "[");
  }
  // The form point of the boundary before character i.
  TPoint AtChar(int i) {
    Edit->SetSelStart(i);
    const TPoint o = Edit->ClientOriginInForm();
    return {o.X + Edit->CaretPos().X, o.Y + 5};
  }
  void Press(TPoint p, TShiftState shift = {}) {
    Host.AdvanceClock(1000);
    Host.MouseDown(*Form, p, mbLeft, shift);
    Host.MouseUp(*Form, p, mbLeft, shift);
    Host.RunUntilIdle();
  }
};

TEST_F(EditTest, TypingEditingSelectingAndUndoByKeys) {
  Show();
  Type("hello world");
  Key(VK_HOME);
  for (int i = 0; i < 5; ++i) Key(VK_RIGHT, ssShift);
  EXPECT_EQ(State(), "[hello] world");
  Type("Hi");
  Key(VK_END, ssShift);
  EXPECT_EQ(State(), "Hi[ world]");
  Key(VK_LEFT);
  EXPECT_EQ(State(), "Hi| world") << "an arrow without Shift collapses the selection to its side";
  Key(VK_RIGHT, ssCtrl);
  Key(VK_BACK);
  Key(VK_DELETE);
  EXPECT_EQ(State(), "Hi|orld");
  Key(VK_HOME, ssShift);
  Key(VK_DELETE);
  Key(VK_BACK);
  EXPECT_EQ(State(), "|orld");
  Key(VK_END);
  Key(VK_DELETE);
  Key(VK_UP);
  Key(VK_DOWN, ssShift);
  EXPECT_EQ(State(), "orl[d]");
  // Characters the code page cannot hold arrive as "?".
  Key(VK_END);
  Type("Ж中");
  Host.Char(*Form, 127);
  EXPECT_EQ(Edit->Text(), "orldЖ?"_cp);
  // Undo takes back a run of typing as one step, and a second undo redoes it.
  Ctrl('Z');
  EXPECT_EQ(Edit->Text(), "orld");
  Ctrl('Z');
  EXPECT_EQ(Edit->Text(), "orldЖ?"_cp);
  Edit->SetText("fresh");
  EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(EditTest, OnChangeFiresExactlyWhenTheTextChanges) {
  Show();
  Type("abc");
  Key(VK_HOME);
  Key(VK_BACK);
  Key(VK_END);
  Key(VK_DELETE);
  Key(VK_LEFT, ssShift);
  Type("c");  // over itself
  Edit->SetText("abc");
  EXPECT_EQ(Changes, 3);
  Edit->Clear();
  Edit->Clear();
  EXPECT_EQ(Changes, 4);
  // A handler may rewrite the text; the entry takes the new text, caret at the start.
  Edit->OnChange = [&](TComponent*) {
    if (++Changes && Edit->Text() == "ab") Edit->SetText("AB");
  };
  Type("abc");
  EXPECT_EQ(Edit->Text(), "cAB");
  Form->BeginLoading();
  Edit->SetText("loaded");
  Form->EndLoading();
  EXPECT_EQ(Changes, 8) << "nothing while a layout loads";
}

TEST_F(EditTest, ClipboardByCharactersAndKeysAndAFailingClipboard) {
  Show();
  Type("alpha beta");
  Key(VK_LEFT, ssShift | ssCtrl);
  Ctrl('C');
  EXPECT_EQ(Host.Clipboard, "beta");
  Ctrl('X');
  Host.Clipboard = "Жук\r\nsecond line";
  Ctrl('V');
  EXPECT_EQ(Edit->Text(), "alpha Жук"_cp) << "pasted up to the first line break";
  Key(VK_HOME, ssShift);
  Key(VK_INSERT, ssCtrl);
  EXPECT_EQ(Host.Clipboard, "alpha Жук") << "copied as UTF-8";
  Key(VK_DELETE, ssShift);
  Key(VK_INSERT, ssShift);
  EXPECT_EQ(State(), "alpha Жук|"_cp);
  EXPECT_EQ(Changes, 14);

  Key(VK_HOME, ssShift);
  Host.ClipboardFails = true;
  Ctrl('X');
  Key(VK_DELETE, ssShift);
  Ctrl('V');
  EXPECT_EQ(State(), "[alpha Жук]"_cp) << "nothing is cut when the copy fails";
  EXPECT_EQ(Changes, 14);
  EXPECT_EQ(Reports, std::vector<std::string>(3, "Cannot open clipboard."));
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPasteButNotTheProgram) {
  Show();
  Edit->SetMaxLength(5);
  Type("abcdefg");
  Key(VK_LEFT, ssShift);
  Key(VK_LEFT, ssShift);
  Host.Clipboard = "XYZ";
  Ctrl('V');
  EXPECT_EQ(State(), "abcXY|") << "cut to what fits in place of the selection";
  EXPECT_EQ(Changes, 6);
  Edit->SetText("longer than five");
  EXPECT_EQ(Edit->Text(), "longer than five");
  // Over the limit a typed character has no room: the selection it would replace stays.
  Key(VK_RIGHT, ssShift);
  Type("X");
  EXPECT_EQ(State(), "[l]onger than five");
}

TEST_F(EditTest, ReadOnlyAndDisabledEntries) {
  auto* other = MakeEdit(40);
  Edit->SetText("fixed");
  Edit->SetReadOnly(true);
  other->SetEnabled(false);
  Show();
  SavePng("edit_read_only_and_disabled");
  EXPECT_EQ(Px(*Edit, 110, 3), Rgb(clBtnFace));
  EXPECT_EQ(Px(*other, 110, 3), Rgb(clBtnFace));
  Host.Clipboard = "new";
  Type("x");
  Key(VK_BACK);
  Ctrl('V');
  Ctrl('X');
  EXPECT_EQ(Edit->Text(), "fixed");
  Ctrl('C');
  EXPECT_EQ(Host.Clipboard, "fixed") << "copying still works";
  Edit->SetReadOnly(false);
  EXPECT_EQ(Px(*Edit, 110, 3), Rgb(clWindow));
}

TEST_F(EditTest, AutoSelectOnKeyboardFocusButNotOnAMousePress) {
  auto* second = MakeEdit(40);
  Edit->SetText("first text");
  second->SetText("second text");
  Show();
  EXPECT_EQ(State(), "[first text]");
  Tab(Host, *Form);
  EXPECT_EQ(second->SelLength(), 11);
  Press(AtChar(5));
  EXPECT_EQ(State(), "first| text") << "a press inside places the caret and selects nothing";
  second->SetAutoSelect(false);
  second->SetSelStart(2);
  Tab(Host, *Form);
  EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(EditTest, MouseDragShiftClickAndDoubleClickSelect) {
  Edit->SetText("one two three");
  Show();
  const TPoint p4 = AtChar(4), p7 = AtChar(7), p13 = AtChar(13);
  Host.MouseDown(*Form, p4);
  Host.MouseMove(*Form, p7);
  Host.MouseMove(*Form, {p13.X + 40, p13.Y});  // beyond the end, outside the entry
  Host.MouseUp(*Form, {p13.X + 40, p13.Y});
  Host.RunUntilIdle();
  EXPECT_EQ(State(), "one [two three]");
  Press(p7);
  Press(p13, ssShift);
  EXPECT_EQ(State(), "one two[ three]");
  const TPoint inTwo = AtChar(5);
  Press(inTwo);
  Host.MouseDown(*Form, inTwo);
  Host.MouseUp(*Form, inTwo);
  Host.RunUntilIdle();
  EXPECT_EQ(State(), "one [two ]three") << "a double click selects the word and the blank after it";
}

TEST_F(EditTest, BandTextSelectionAndBlinkingCaret) {
  Edit->SetBounds(10, 10, 60, 21);
  Edit->SetText("MMM");
  Show();
  Key(VK_HOME);
  EXPECT_EQ(Edit->CaretPos(), (TPoint{1, 1})) << "the text starts one pixel inside the text area";
  Key(VK_END);
  SavePng("edit_focused_caret");
  const int w = Edit->Width(), h = Edit->Height();
  EXPECT_EQ(Px(*Edit, 0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(Px(*Edit, w - 1, 0), Rgb(clBtnHighlight)) << "the far corners are the lower-right colour";
  EXPECT_EQ(Px(*Edit, 1, 1), Rgb(cl3DDkShadow));
  EXPECT_EQ(Px(*Edit, w - 2, h - 2), Rgb(cl3DLight));
  // The caret inverts a column and blinks on the host's timer; typing shows it again at once.
  const TPoint caret = Edit->CaretPos();
  EXPECT_EQ(Px(*Edit, 2 + caret.X, 5), Rgb(clBlack));
  Host.AdvanceClock(TCustomEdit::CaretBlinkTime);
  EXPECT_EQ(Px(*Edit, 2 + caret.X, 5), Rgb(clWindow));
  Type("M");
  EXPECT_TRUE(Edit->CaretShown());
  Key(VK_HOME, ssShift);
  SavePng("edit_selection");
  EXPECT_EQ(Px(*Edit, 4, 4), Rgb(clHighlight));
  bool highlightText = false;
  for (int x = 3; x < w - 3; ++x) highlightText |= Px(*Edit, x, 8) == Rgb(clHighlightText);
  EXPECT_TRUE(highlightText);
  // Without the focus neither the selection nor the caret shows.
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->SetTop(100);
  button->SetFocus();
  EXPECT_FALSE(Edit->CaretShown());
  EXPECT_EQ(Px(*Edit, 4, 4), Rgb(clWindow));
}

// The caret follows the host's blink settings: each row is a wait and whether the caret shows after
// it, counted from the focus; a resting caret leaves no timer behind.
TEST_F(EditTest, CaretFollowsTheHostsBlinkSettingsAndRestsAfterTheTimeout) {
  struct TStep {
    std::uint32_t WaitMs;
    bool Shown;
  };
  struct TCase {
    const char* Name;
    TCaretBlink Blink;
    std::vector<TStep> Steps;
    bool RestsAtTheEnd;
  };
  const TCase cases[] = {
      {"no blinking", {.Blinks = false}, {{0, true}, {5000, true}}, true},
      {"two thirds shown, never resting",
       {.Blinks = true, .OnMs = 400, .OffMs = 200, .TimeoutMs = 0},
       {{399, true}, {1, false}, {199, false}, {1, true}, {399, true}, {1, false}, {9600, false}},
       false},
      {"resting after 1.5 s",
       {.Blinks = true, .OnMs = 400, .OffMs = 200, .TimeoutMs = 1500},
       {{400, false}, {200, true}, {400, false}, {200, true}, {399, true}, {1, true}, {5000, true}},
       true},
  };
  for (const TCase& c : cases) {
    Host.CaretBlinkSettings = c.Blink;
    auto* other = new TButton(Form);
    other->SetParent(Form);
    other->SetTop(100);
    Show();
    other->SetFocus();
    Edit->SetFocus();
    for (const TStep& step : c.Steps) {
      Host.AdvanceClock(step.WaitMs);
      EXPECT_EQ(Edit->CaretShown(), step.Shown) << c.Name << ", after " << step.WaitMs << " ms more";
    }
    EXPECT_EQ(Host.TimerCount() == 0, c.RestsAtTheEnd) << c.Name;
    delete other;
  }
  // A key wakes a resting caret, and so does a click.
  Key(VK_END);
  EXPECT_EQ(Host.TimerCount(), 1u);
  Host.AdvanceClock(400);
  EXPECT_FALSE(Edit->CaretShown());
  Host.AdvanceClock(5000);
  EXPECT_TRUE(Edit->CaretShown());
  EXPECT_EQ(Px(*Edit, 2 + Edit->CaretPos().X, 5), Rgb(clBlack)) << "the resting caret is painted";
  EXPECT_EQ(Host.TimerCount(), 0u);
  Press(AtChar(0));
  EXPECT_EQ(Host.TimerCount(), 1u);
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretVisibleAndAlignmentPlacesShortText) {
  Edit->SetWidth(50);
  Show();
  Type("a rather long line of text that cannot fit");
  const int width = Edit->ClientWidth();
  EXPECT_GT(Edit->ScrollOffset(), 0);
  EXPECT_LT(Edit->CaretPos().X, width);
  Key(VK_HOME);
  EXPECT_EQ(Edit->ScrollOffset(), 0);
  for (int i = 0; i < 30; ++i) Key(VK_RIGHT);
  EXPECT_GT(Edit->CaretPos().X, 0);
  EXPECT_LT(Edit->CaretPos().X, width);
  Edit->SetText("ab");
  Edit->SetAlignment(taRightJustify);
  Key(VK_END);
  EXPECT_EQ(Edit->CaretPos().X, width - 1);
}

// Digits only, the way a derived field filters keys, with a frame of its own in the border band.
class TDigitsEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::string Log;

 protected:
  void FilterKeyPress(char& key) override {
    Log += std::string("F") + key;
    if (key < '0' || key > '9') key = 0;
  }
  void NCPaint(TCanvas& canvas) override {
    canvas.Brush.Color = clRed;
    canvas.FillRect({0, 0, Width(), Height()});
  }
};

TEST_F(EditTest, ADerivedEntryFiltersAfterOnKeyPressAndBeforeTyping) {
  auto* digits = new TDigitsEdit(Form);
  digits->SetParent(Form);
  digits->SetTop(50);
  digits->OnKeyPress = [&](TComponent*, char& key) {
    digits->Log += std::string("E") + key;
    if (key == 'o') key = '0';
  };
  Show();
  digits->SetFocus();
  Type("1ao");
  EXPECT_EQ(digits->Text(), "10");
  EXPECT_EQ(digits->Log, "E1F1EaFaEoF0");
  // The band is painted in window coordinates and the text area never over it.
  const int w = digits->Width(), h = digits->Height();
  for (const TPoint p : {TPoint{0, 0}, TPoint{1, 1}, TPoint{w - 2, 3}, TPoint{w - 1, h - 1}, TPoint{3, h - 2}})
    EXPECT_EQ(Px(*digits, p.X, p.Y), Rgb(clRed)) << p.X << "," << p.Y;
  EXPECT_EQ(Px(*digits, w - 3, 2), Rgb(clWindow));
}

}  // namespace
}  // namespace spintrak_test
