// The entry's properties, keys, mouse and clipboard; painting and the caret live in custom_edit_paint.cpp.

#include "gui/std/custom_edit.h"

#include "gui/controls/application.h"
#include "gui/controls/scoped_change.h"
#include "gui/controls/set_field.h"
#include "gui/std/clipboard.h"

namespace gui {

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle().Exclude(csAcceptsControls) | csOpaque);
  SetNonClientInsets({2, 2, 2, 2});
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  SetCursor(crIBeam);
}

TCustomEdit::~TCustomEdit() { StopBlink(); }

void TCustomEdit::SetMaxLength(int value) { FMaxLength = std::max(0, value); }

void TCustomEdit::SetReadOnly(bool value) {
  if (SetField(FReadOnly, value)) ReadOnlyChanged();
}

void TCustomEdit::ReadOnlyChanged() { Invalidate(); }

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Layout();
  Invalidate();
}

void TCustomEdit::SetSelStart(int value) {
  FBuffer.SetSel(value, 0);
  CaretMoved();
}

void TCustomEdit::SetSelLength(int value) {
  FBuffer.SetSel(FBuffer.SelStart(), value);
  CaretMoved();
}

TAccStates TCustomEdit::AccStates() const {
  TAccStates states = TCustomControl::AccStates();
  states.Include(ReadOnly() ? asReadOnly : asEditable);
  return states;
}

std::optional<TAccText> TCustomEdit::AccText() const {
  return TAccText{Text(), FBuffer.Caret(), FBuffer.SelStart(), FBuffer.SelLength()};
}

void TCustomEdit::AccCaretMoved() {
  const TAccCaret now{FBuffer.Caret(), FBuffer.SelStart(), FBuffer.SelLength()};
  if (now == FAccCaret) return;
  FAccCaret = now;
  AccNotify(aeCaretMoved);
}

bool TCustomEdit::AccSetText(std::string_view text) {
  if (ReadOnly() || !AccTakesInput()) return false;
  auto alive = Watch();
  SelectAll();
  if (text.empty()) {
    char key = '\b';
    RouteKeyPress(key);
    return static_cast<bool>(alive);
  }
  for (char ch : text) {
    char key = ch;
    RouteKeyPress(key);
    if (!alive) return false;
  }
  return true;
}

void TCustomEdit::SetSelText(std::string_view text) { Commit(FBuffer.ReplaceSel(text, 0)); }

void TCustomEdit::SelectAll() {
  FBuffer.SetSel(0, FBuffer.Length());
  CaretMoved();
}

void TCustomEdit::ClearSelection() {
  if (!ReadOnly()) Commit(FBuffer.ReplaceSel({}, 0));
}

void TCustomEdit::Undo() {
  if (!ReadOnly()) Commit(FBuffer.Undo());
}

void TCustomEdit::CopyToClipboard() {
  if (FBuffer.SelLength() > 0) ClipboardSetText(FBuffer.SelText());
}

void TCustomEdit::CutToClipboard() {
  if (ReadOnly() || FBuffer.SelLength() == 0) return;
  // Copy first: when the clipboard refuses the text, nothing is removed.
  ClipboardSetText(FBuffer.SelText());
  Commit(FBuffer.ReplaceSel({}, 0));
}

void TCustomEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  const AnsiString text = ClipboardGetText();
  Commit(FBuffer.ReplaceSel(text, FMaxLength));
}

void TCustomEdit::Commit(bool changed) {
  auto alive = Watch();
  if (changed) SetCaption(FBuffer.Text());
  if (alive) CaretMoved();
}

void TCustomEdit::TextChanged() {
  // A text set by the program (also from inside an OnChange handler) replaces the buffer; an
  // edit has already put its text there.
  if (Caption() != FBuffer.Text()) FBuffer.SetText(Caption());
  FOffsetsValid = false;
  Layout();
  Invalidate();
  Change();
}

void TCustomEdit::Change() {
  if (!Loading()) FireEvent(OnChange, this);
}

void TCustomEdit::FilterKeyPress(char&) {}

bool TCustomEdit::WantsKey(std::uint16_t key, TShiftState) const {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (Focused()) StartBlink();
  auto alive = Watch();
  TCustomControl::KeyDown(key, shift);
  if (!alive || key == 0) return;
  const bool extend = shift.Contains(ssShift), ctrl = shift.Contains(ssCtrl);
  const int caret = FBuffer.Caret();
  auto move = [&](int pos) {
    FBuffer.MoveCaret(pos, extend);
    CaretMoved();
  };
  // Without Shift an arrow first collapses a selection to the side it points to.
  const bool collapse = !extend && !ctrl && FBuffer.SelLength() > 0;
  switch (key) {
    case VK_LEFT:
    case VK_UP: move(collapse ? FBuffer.SelStart() : ctrl ? FBuffer.PrevWordStart(caret) : caret - 1); break;
    case VK_RIGHT:
    case VK_DOWN:
      move(collapse ? FBuffer.SelStart() + FBuffer.SelLength() : ctrl ? FBuffer.NextWordStart(caret) : caret + 1);
      break;
    case VK_HOME: move(0); break;
    case VK_END: move(FBuffer.Length()); break;
    case VK_DELETE:
      if (extend)
        CutToClipboard();
      else if (!ReadOnly())
        Commit(FBuffer.DeleteForward());
      break;
    case VK_INSERT:
      if (ctrl)
        CopyToClipboard();
      else if (extend)
        PasteFromClipboard();
      break;
    default: break;
  }
}

void TCustomEdit::KeyPress(char& key) {
  auto alive = Watch();
  TCustomControl::KeyPress(key);
  if (!alive || key == 0) return;
  FilterKeyPress(key);
  if (!alive || key == 0) return;
  const auto c = static_cast<unsigned char>(key);
  switch (c) {
    case 3: CopyToClipboard(); break;
    case 22: PasteFromClipboard(); break;
    case 24: CutToClipboard(); break;
    case 26: Undo(); break;
    case 8:
      if (!ReadOnly()) Commit(FBuffer.DeleteBackward());
      break;
    default:
      // 127 is what Ctrl+Backspace gives: a control character, not text.
      if (c >= 32 && c != 127 && !ReadOnly())
        Commit(FBuffer.ReplaceSel(std::string_view(&key, 1), FMaxLength, true));
      break;
  }
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (Focused()) StartBlink();
  auto alive = Watch();
  if (button == mbLeft) {
    if (!Focused() && CanFocus()) {
      // A handler of the focus change may free the entry.
      TScopedChange byMouse(FFocusByMouse, true, alive);
      SetFocus();
    }
    if (!alive) return;
    // A handler of the focus change may have kept the focus elsewhere.
    if (Focused()) {
      const int pos = CharIndexAt(x);
      if (shift.Contains(ssDouble)) {
        int start = 0, end = 0;
        FBuffer.WordAt(pos, start, end);
        FBuffer.SetSel(start, end - start);
        FSelecting = false;
      } else {
        FBuffer.MoveCaret(pos, shift.Contains(ssShift));
        FSelecting = true;
      }
      CaretMoved();
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  if (FSelecting && Focused()) {
    const int pos = CharIndexAt(x);
    if (pos != FBuffer.Caret()) {
      FBuffer.MoveCaret(pos, true);
      CaretMoved();
    }
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) FSelecting = false;
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomEdit::DoEnter() {
  StartBlink();
  if (FAutoSelect && !FFocusByMouse) SelectAll();
  Invalidate();
  TCustomControl::DoEnter();
}

void TCustomEdit::DoExit() {
  StopBlink();
  FSelecting = false;
  Invalidate();
  TCustomControl::DoExit();
}

}  // namespace gui
