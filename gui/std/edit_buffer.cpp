#include "gui/std/edit_buffer.h"

namespace gui {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

void TEditBuffer::SetText(std::string_view text) {
  FText = std::string(text);
  FAnchor = FCaret = 0;
  FCanUndo = false;
  FUndoText.clear();
  FTypingEnd = -1;
}

void TEditBuffer::SetSel(int start, int length) {
  const int n = Length();
  start = std::clamp(start, 0, n);
  length = std::clamp(length, 0, n - start);
  FAnchor = start;
  FCaret = start + length;
  FTypingEnd = -1;
}

void TEditBuffer::MoveCaret(int pos, bool extend) {
  FCaret = std::clamp(pos, 0, Length());
  if (!extend) FAnchor = FCaret;
  FTypingEnd = -1;
}

void TEditBuffer::SaveUndo(bool typing) {
  // Characters typed one after another at the caret form one undo step.
  if (typing && FTypingEnd >= 0 && FTypingEnd == FCaret && SelLength() == 0) return;
  FUndoText = FText;
  FUndoAnchor = FAnchor;
  FUndoCaret = FCaret;
  FCanUndo = true;
}

bool TEditBuffer::ReplaceSel(std::string_view text, int maxLength, bool typing) {
  if (const auto brk = text.find_first_of("\r\n"); brk != std::string_view::npos) text = text.substr(0, brk);
  const int start = SelStart(), length = SelLength();
  if (maxLength > 0) {
    const int room = std::max(0, maxLength - (Length() - length));
    // No room at all (a longer text set by the program): keep the selection rather than
    // replacing it by nothing.
    if (room == 0 && !text.empty()) return false;
    if (static_cast<int>(text.size()) > room) text = text.substr(0, std::size_t(room));
  }
  if (text.empty() && length == 0) return false;
  const bool same = FText.compare(std::size_t(start), std::size_t(length), text) == 0;
  if (!same) SaveUndo(typing);
  FText.replace(std::size_t(start), std::size_t(length), text);
  FAnchor = FCaret = start + static_cast<int>(text.size());
  FTypingEnd = typing ? FCaret : -1;
  return !same;
}

bool TEditBuffer::DeleteBackward() {
  if (SelLength() == 0) {
    if (FCaret == 0) return false;
    FAnchor = FCaret - 1;
  }
  return ReplaceSel({}, 0);
}

bool TEditBuffer::DeleteForward() {
  if (SelLength() == 0) {
    if (FCaret == Length()) return false;
    FAnchor = FCaret + 1;
  }
  return ReplaceSel({}, 0);
}

bool TEditBuffer::Undo() {
  if (!FCanUndo) return false;
  std::swap(FText, FUndoText);
  std::swap(FAnchor, FUndoAnchor);
  std::swap(FCaret, FUndoCaret);
  FTypingEnd = -1;
  return FText != FUndoText;
}

void TEditBuffer::WordAt(int pos, int& start, int& end) const {
  const int n = Length();
  pos = std::clamp(pos, 0, n);
  if (n == 0) {
    start = end = 0;
    return;
  }
  // A position just past the last character belongs to the word before it.
  const int probe = pos == n ? n - 1 : pos;
  const bool blank = IsBlank(FText[std::size_t(probe)]);
  start = probe;
  while (start > 0 && IsBlank(FText[std::size_t(start - 1)]) == blank) --start;
  end = probe;
  while (end < n && IsBlank(FText[std::size_t(end)]) == blank) ++end;
  // A word takes the blanks after it along, as a double click on it selects them too.
  if (!blank)
    while (end < n && IsBlank(FText[std::size_t(end)])) ++end;
}

int TEditBuffer::PrevWordStart(int pos) const {
  pos = std::clamp(pos, 0, Length());
  while (pos > 0 && IsBlank(FText[std::size_t(pos - 1)])) --pos;
  while (pos > 0 && !IsBlank(FText[std::size_t(pos - 1)])) --pos;
  return pos;
}

int TEditBuffer::NextWordStart(int pos) const {
  const int n = Length();
  pos = std::clamp(pos, 0, n);
  while (pos < n && !IsBlank(FText[std::size_t(pos)])) ++pos;
  while (pos < n && IsBlank(FText[std::size_t(pos)])) ++pos;
  return pos;
}

}  // namespace gui
