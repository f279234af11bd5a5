#include "gui/std/edit.h"

#include "gui/graphics/text.h"
#include "gui/std/button.h"
#include "std_fixture.h"

namespace spintrak_test {
namespace {

using namespace gui::literals;

struct EditTest : TStdFixture {
  TEdit* Edit;
  int Changes = 0;
  EditTest() {
    Edit = MakeEdit("Edit1", 10, 10);
    Edit->OnChange = [this](TComponent*) { ++Changes; };
  }
  TEdit* MakeEdit(const char* name, int x, int y) {
    auto* e = new TEdit(Form);
    e->SetName(name);
    e->SetParent(Form);
    e->SetLeft(x);
    e->SetTop(y);
    return e;
  }
  void Key(std::uint16_t key, TShiftState shift = {}) { PressKey(Host, *Form, key, shift); }
  void Ctrl(char letter) { Key(static_cast<std::uint16_t>(letter), ssCtrl); }
  void Type(std::string_view utf8) { TypeText(Host, *Form, utf8); }
  // Text with the selection marked as [..] and the caret as | when nothing is selected.
  std::string State() {
    std::string s = Edit->Text();
    const int a = Edit->SelStart(), n = Edit->SelLength();
    if (n == 0) return s.insert(std::size_t(a), "|");
    s.insert(std::size_t(a + n), "]");
    return s.insert(std::size_t(a), "[");
  }
  // A point of the form at the character boundary i of the edit's text.
  TPoint AtChar(int i) {
    Edit->SetSelStart(i);
    const TPoint caret = Edit->CaretPos();
    const TPoint origin = Edit->ClientOriginInForm();
    return {origin.X + caret.X, origin.Y + 5};
  }
};

TEST_F(EditTest, TypingEditingAndSelectingByKeys) {
  Show();
  ASSERT_TRUE(Edit->Focused());
  Type("hello world");
  EXPECT_EQ(State(), "hello world|");
  Key(VK_HOME);
  for (int i = 0; i < 5; ++i) Key(VK_RIGHT, ssShift);
  EXPECT_EQ(State(), "[hello] world");
  Type("Hi");
  EXPECT_EQ(State(), "Hi| world");
  Key(VK_END, ssShift);
  EXPECT_EQ(State(), "Hi[ world]");
  Key(VK_LEFT);
  EXPECT_EQ(State(), "Hi| world") << "an arrow without Shift collapses the selection to its side";
  Key(VK_RIGHT, ssCtrl);
  EXPECT_EQ(State(), "Hi |world");
  Key(VK_BACK);
  Key(VK_DELETE);
  EXPECT_EQ(State(), "Hi|orld");
  Key(VK_HOME, ssShift);
  Key(VK_DELETE);
  EXPECT_EQ(State(), "|orld");
  Key(VK_BACK);
  EXPECT_EQ(State(), "|orld") << "Backspace at the start does nothing";
  Key(VK_END);
  Key(VK_DELETE);
  EXPECT_EQ(State(), "orld|");
  Key(VK_RIGHT, ssCtrl);
  Key(VK_UP);
  Key(VK_DOWN, ssShift);
  EXPECT_EQ(State(), "orl[d]");
  // Characters the code page cannot hold arrive as "?"; Cyrillic arrives as its own byte.
  Key(VK_END);
  Type("Ж中");
  EXPECT_EQ(Edit->Text(), "orldЖ?"_cp);
  EXPECT_EQ(Changes, 18);
}

TEST_F(EditTest, OnChangeFiresExactlyWhenTheTextChanges) {
  Show();
  Type("abc");
  EXPECT_EQ(Changes, 3);
  Edit->SetText("abc");
  Key(VK_HOME);
  Key(VK_BACK);
  Key(VK_END);
  Key(VK_DELETE);
  Key(VK_LEFT, ssShift);
  Type("c");  // the same character over itself
  EXPECT_EQ(Changes, 3) << "nothing changed the text";
  EXPECT_EQ(State(), "abc|");
  Edit->SetText("xyz");
  Edit->Clear();
  Edit->Clear();
  EXPECT_EQ(Changes, 5);
  // A handler may rewrite the text; the entry keeps a consistent state.
  Edit->OnChange = [&](TComponent*) {
    ++Changes;
    if (Edit->Text() == "ab") Edit->SetText("AB");
  };
  Type("ab");
  EXPECT_EQ(Edit->Text(), "AB");
  EXPECT_EQ(Changes, 8);
  Type("c");
  EXPECT_EQ(Edit->Text(), "cAB") << "a text set by the program puts the caret at the start";
  // Loading a layout raises nothing.
  Form->BeginLoading();
  Edit->SetText("loaded");
  Form->EndLoading();
  EXPECT_EQ(Changes, 9);
}

TEST_F(EditTest, UndoTakesBackTheLastChangeAndRedoesIt) {
  Show();
  Type("one ");
  Type("two");
  Ctrl('Z');
  EXPECT_EQ(State(), "|") << "a run of typing is one step";
  Ctrl('Z');
  EXPECT_EQ(Edit->Text(), "one two");
  Key(VK_BACK);
  EXPECT_EQ(Edit->Text(), "one tw");
  Ctrl('Z');
  EXPECT_EQ(State(), "one tw[o]") << "the restored character comes back selected";
  Edit->SetText("fresh");
  EXPECT_FALSE(Edit->CanUndo()) << "a text set by the program cannot be undone";
  Ctrl('Z');
  EXPECT_EQ(Edit->Text(), "fresh");
}

TEST_F(EditTest, ClipboardByCharactersAndByKeys) {
  Show();
  Type("alpha beta");
  Key(VK_LEFT, ssShift | ssCtrl);
  Ctrl('C');
  EXPECT_EQ(Host.Clipboard, "beta");
  Ctrl('X');
  EXPECT_EQ(State(), "alpha |");
  Host.Clipboard = "Жук\r\nsecond line";
  Ctrl('V');
  EXPECT_EQ(Edit->Text(), "alpha Жук"_cp) << "a single-line entry pastes up to the first line break";
  Key(VK_HOME, ssShift);
  Key(VK_INSERT, ssCtrl);
  EXPECT_EQ(Host.Clipboard, "alpha Жук") << "copied as UTF-8";
  Key(VK_DELETE, ssShift);
  EXPECT_EQ(Edit->Text(), "");
  Key(VK_INSERT, ssShift);
  Key(VK_INSERT, ssShift);
  EXPECT_EQ(Edit->Text(), "alpha Жукalpha Жук"_cp);
  EXPECT_EQ(Changes, 10 + 1 + 1 + 1 + 1 + 1);
  EXPECT_TRUE(Reports.empty());
}

TEST_F(EditTest, AFailingClipboardLeavesTheTextAndReportsTheError) {
  Show();
  Type("keep me");
  Key(VK_HOME, ssShift);
  const int before = Changes;
  Host.ClipboardFails = true;
  Ctrl('X');
  Key(VK_DELETE, ssShift);
  Ctrl('V');
  Ctrl('C');
  EXPECT_EQ(State(), "[keep me]");
  EXPECT_EQ(Changes, before);
  EXPECT_EQ(Reports, std::vector<std::string>(4, "Cannot open clipboard."));
  Host.ClipboardFails = false;
  Ctrl('X');
  EXPECT_EQ(Host.Clipboard, "keep me");
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPasteButNotTheProgram) {
  Show();
  Edit->SetMaxLength(5);
  Type("abcdefg");
  EXPECT_EQ(State(), "abcde|");
  EXPECT_EQ(Changes, 5);
  Key(VK_LEFT, ssShift);
  Key(VK_LEFT, ssShift);
  Host.Clipboard = "XYZ";
  Ctrl('V');
  EXPECT_EQ(State(), "abcXY|") << "a paste is cut to what fits in place of the selection";
  Ctrl('V');
  EXPECT_EQ(State(), "abcXY|");
  Edit->SetText("longer than five");
  EXPECT_EQ(Edit->Text(), "longer than five");
  Edit->SetMaxLength(0);
  Key(VK_END);
  Type("!");
  EXPECT_EQ(Edit->Text(), "longer than five!");
}

TEST_F(EditTest, ReadOnlyAndDisabledEntries) {
  auto* other = MakeEdit("Edit2", 10, 40);
  Edit->SetText("fixed");
  Edit->SetReadOnly(true);
  other->SetEnabled(false);
  Show();
  Changes = 0;
  SavePng("edit_read_only_and_disabled");
  const int right = Edit->Width() - 4;
  EXPECT_EQ(Px(*Edit, right, 3), Rgb(clBtnFace));
  EXPECT_EQ(Px(*other, right, 3), Rgb(clBtnFace));
  ASSERT_TRUE(Edit->Focused());
  EXPECT_EQ(State(), "[fixed]");
  Host.Clipboard = "new";
  Type("x");
  Key(VK_BACK);
  Key(VK_DELETE);
  Ctrl('V');
  Ctrl('X');
  Ctrl('Z');
  EXPECT_EQ(Edit->Text(), "fixed");
  Ctrl('C');
  EXPECT_EQ(Host.Clipboard, "fixed") << "copying still works";
  EXPECT_EQ(Changes, 0);
  Edit->SetReadOnly(false);
  EXPECT_EQ(Px(*Edit, right, 3), Rgb(clWindow));
}

TEST_F(EditTest, AutoSelectOnKeyboardFocusButNotOnAMousePress) {
  auto* second = MakeEdit("Edit2", 10, 40);
  Edit->SetText("first text");
  second->SetText("second text");
  Show();
  EXPECT_EQ(State(), "[first text]") << "focus by showing the form is not a mouse press";
  Tab(Host, *Form);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(second->SelLength(), 11);
  // A press inside places the caret where it was pressed.
  const TPoint at = AtChar(5);
  Tab(Host, *Form);
  Host.MouseMove(*Form, at);
  Host.MouseDown(*Form, at);
  Host.MouseUp(*Form, at);
  Host.RunUntilIdle();
  ASSERT_TRUE(Edit->Focused());
  EXPECT_EQ(State(), "first| text");
  second->SetAutoSelect(false);
  second->SetSelStart(2);
  Tab(Host, *Form);
  EXPECT_EQ(second->SelLength(), 0);
  EXPECT_EQ(second->SelStart(), 2);
}

TEST_F(EditTest, MouseDragShiftClickAndDoubleClickSelect) {
  Edit->SetText("one two three");
  Show();
  const TPoint p4 = AtChar(4), p7 = AtChar(7), p13 = AtChar(13);
  Host.MouseMove(*Form, p4);
  Host.MouseDown(*Form, p4);
  Host.MouseMove(*Form, p7);
  Host.MouseMove(*Form, {p13.X + 40, p13.Y});  // beyond the end, outside the entry
  Host.MouseUp(*Form, {p13.X + 40, p13.Y});
  Host.RunUntilIdle();
  EXPECT_EQ(State(), "one [two three]");
  Host.AdvanceClock(1000);
  Host.MouseDown(*Form, p7);
  Host.MouseUp(*Form, p7);
  Host.RunUntilIdle();
  Host.AdvanceClock(1000);
  Host.MouseDown(*Form, p13, mbLeft, ssShift);
  Host.MouseUp(*Form, p13, mbLeft, ssShift);
  Host.RunUntilIdle();
  EXPECT_EQ(State(), "one two[ three]");
  Host.AdvanceClock(1000);
  const TPoint inTwo = AtChar(5);
  Host.MouseDown(*Form, inTwo);
  Host.MouseUp(*Form, inTwo);
  Host.AdvanceClock(100);
  Host.MouseDown(*Form, inTwo);
  Host.MouseUp(*Form, inTwo);
  Host.RunUntilIdle();
  EXPECT_EQ(State(), "one [two ]three") << "a double click selects the word and the blank after it";
}

TEST_F(EditTest, BandTextInsetSelectionColoursAndCaret) {
  Edit->SetBounds(10, 10, 60, 21);
  Edit->SetText("MMM");
  Show();
  Key(VK_HOME);
  EXPECT_EQ(Edit->CaretPos(), (TPoint{1, 1}));
  Key(VK_END);
  SavePng("edit_focused_caret");
  const int w = Edit->Width(), h = Edit->Height();
  EXPECT_EQ(Px(*Edit, 0, 0), Rgb(clBtnShadow));
  EXPECT_EQ(Px(*Edit, w - 2, 0), Rgb(clBtnShadow));
  EXPECT_EQ(Px(*Edit, w - 1, 0), Rgb(clBtnHighlight)) << "the far corners are the lower-right colour";
  EXPECT_EQ(Px(*Edit, 0, h - 1), Rgb(clBtnHighlight));
  EXPECT_EQ(Px(*Edit, 1, 1), Rgb(cl3DDkShadow));
  EXPECT_EQ(Px(*Edit, w - 2, h - 2), Rgb(cl3DLight));
  EXPECT_EQ(Px(*Edit, 1, h - 2), Rgb(cl3DLight));
  EXPECT_EQ(Px(*Edit, w - 3, h - 3), Rgb(clWindow));
  // Text area from (2, 2); the text starts one pixel in, at the top.
  int firstInkX = -1, firstInkY = 99;
  for (int x = 2; x < w - 2 && firstInkX < 0; ++x)
    for (int y = 2; y < h - 2; ++y)
      if (Px(*Edit, x, y) != Rgb(clWindow)) firstInkX = x;
  for (int y = 2; y < h - 2; ++y)
    for (int x = 2; x < 20; ++x)
      if (Px(*Edit, x, y) != Rgb(clWindow)) firstInkY = std::min(firstInkY, y);
  EXPECT_GE(firstInkX, 3);
  EXPECT_LE(firstInkX, 4) << "the glyph's own bearing may add a pixel";
  EXPECT_LE(firstInkY, 6) << "not centred vertically";

  // The caret blinks on the host's timer and is a column of inverted pixels.
  const TPoint caret = Edit->CaretPos();
  ASSERT_TRUE(Edit->CaretShown());
  EXPECT_EQ(Px(*Edit, 2 + caret.X, 2 + caret.Y + 2), Rgb(clBlack));
  Host.AdvanceClock(TCustomEdit::CaretBlinkTime);
  Host.RunUntilIdle();
  EXPECT_FALSE(Edit->CaretShown());
  EXPECT_EQ(Px(*Edit, 2 + caret.X, 2 + caret.Y + 2), Rgb(clWindow));
  Host.AdvanceClock(TCustomEdit::CaretBlinkTime);
  EXPECT_TRUE(Edit->CaretShown());
  Host.AdvanceClock(TCustomEdit::CaretBlinkTime - 10);
  Type("M");
  Host.AdvanceClock(20);
  EXPECT_TRUE(Edit->CaretShown()) << "typing restarts the blink with the caret on";

  Key(VK_HOME, ssShift);
  SavePng("edit_selection");
  EXPECT_EQ(Px(*Edit, 2 + 2, 2 + 2), Rgb(clHighlight));
  bool highlightText = false;
  for (int x = 3; x < w - 3; ++x)
    for (int y = 3; y < 14; ++y) highlightText |= Px(*Edit, x, y) == Rgb(clHighlightText);
  EXPECT_TRUE(highlightText);
  // Without the focus the selection and the caret are hidden.
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->SetTop(100);
  button->SetFocus();
  Host.RunUntilIdle();
  EXPECT_FALSE(Edit->CaretShown());
  EXPECT_EQ(Px(*Edit, 2 + 2, 2 + 2), Rgb(clWindow));
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretVisibleAndAlignmentPlacesShortText) {
  Edit->SetWidth(50);
  Show();
  Type("a rather long line of text that cannot fit");
  const int clientWidth = Edit->ClientWidth();
  EXPECT_GT(Edit->ScrollOffset(), 0);
  EXPECT_GE(Edit->CaretPos().X, 0);
  EXPECT_LT(Edit->CaretPos().X, clientWidth);
  Key(VK_HOME);
  EXPECT_EQ(Edit->ScrollOffset(), 0);
  EXPECT_EQ(Edit->CaretPos().X, 1);
  for (int i = 0; i < 30; ++i) Key(VK_RIGHT);
  EXPECT_LT(Edit->CaretPos().X, clientWidth);
  EXPECT_GT(Edit->CaretPos().X, 0);

  Edit->SetText("ab");
  EXPECT_EQ(Edit->ScrollOffset(), 0);
  Edit->SetAlignment(taRightJustify);
  Key(VK_END);
  EXPECT_EQ(Edit->CaretPos().X, clientWidth - 1);
  Edit->SetAlignment(taCenter);
  Key(VK_HOME);
  const int left = Edit->CaretPos().X;
  Key(VK_END);
  EXPECT_NEAR(left - 1, clientWidth - 1 - Edit->CaretPos().X, 1);
}

// An entry that takes digits only, the way a derived field filters keys.
class TDigitsEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::vector<std::string> Log;

 protected:
  void FilterKeyPress(char& key) override {
    Log.push_back(std::string("filter ") + key);
    if (key >= 32 && (key < '0' || key > '9')) key = 0;
  }
};

TEST_F(EditTest, ADerivedEntryFiltersAfterOnKeyPressAndBeforeTyping) {
  auto* digits = new TDigitsEdit(Form);
  digits->SetParent(Form);
  digits->SetTop(50);
  digits->OnKeyPress = [&](TComponent*, char& key) {
    digits->Log.push_back(std::string("event ") + key);
    if (key == 'o') key = '0';
  };
  Show();
  digits->SetFocus();
  Type("1a2o");
  EXPECT_EQ(digits->Text(), "120");
  EXPECT_EQ(digits->Log, (std::vector<std::string>{"event 1", "filter 1", "event a", "filter a", "event 2",
                                                   "filter 2", "event o", "filter 0"}));
}

}  // namespace
}  // namespace spintrak_test
