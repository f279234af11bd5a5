#pragma once

// The text model of a single-line entry: the text, a selection between an anchor and the caret,
// and one step of undo. No drawing and no input here; the entry control maps keys and the mouse
// onto these operations.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

namespace gui {

class TEditBuffer {
 public:
  const std::string& Text() const { return FText; }
  int Length() const { return static_cast<int>(FText.size()); }
  // Replaces the whole text: caret at the start, nothing selected, undo forgotten.
  void SetText(std::string_view text);

  int Caret() const { return FCaret; }
  int Anchor() const { return FAnchor; }
  int SelStart() const { return std::min(FAnchor, FCaret); }
  int SelLength() const { return std::abs(FCaret - FAnchor); }
  std::string SelText() const { return FText.substr(std::size_t(SelStart()), std::size_t(SelLength())); }
  // Selects length characters from start (both clamped), the caret at the far end.
  void SetSel(int start, int length);
  // Moves the caret; with extend the anchor stays, so the selection grows or shrinks.
  void MoveCaret(int pos, bool extend);

  // Replaces the selection by text, cut to what fits below maxLength (0: no limit) and at the
  // first line break. A run of typed characters is undone as one step. Returns whether the text
  // changed.
  bool ReplaceSel(std::string_view text, int maxLength, bool typing = false);
  // Backspace and Delete: the selection, or one character before or after the caret.
  bool DeleteBackward();
  bool DeleteForward();

  bool CanUndo() const { return FCanUndo; }
  // Swaps the text with the one before the last change (so a second undo redoes it).
  bool Undo();

  // Word boundaries: the word (or run of blanks) around pos, and the next word starts for Ctrl+arrows.
  void WordAt(int pos, int& start, int& end) const;
  int PrevWordStart(int pos) const;
  int NextWordStart(int pos) const;

 private:
  void SaveUndo(bool typing);

  std::string FText;
  int FAnchor = 0;
  int FCaret = 0;
  std::string FUndoText;
  int FUndoAnchor = 0, FUndoCaret = 0;
  bool FCanUndo = false;
  int FTypingEnd = -1;  // caret after the last typed character while a run of typing goes on
};

}  // namespace gui
