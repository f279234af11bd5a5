#pragma once

// The single-line text entry. Its text (the control's caption) is the only store; a selection,
// one step of undo, the blinking caret and the horizontal scroll position go with it. The window
// has a 2-pixel border band as its non-client area, painted sunken here; a derived entry paints
// its own frame there by overriding NCPaint.
//
// Keys: arrows, Home, End (with Shift to select, Ctrl for words), Delete, Shift+Delete (cut),
// Ctrl+Insert (copy), Shift+Insert (paste). Characters: Backspace 8, Ctrl+C 3, Ctrl+V 22,
// Ctrl+X 24, Ctrl+Z 26 (undo); other control characters are ignored; the rest is typed.
// A derived entry rejects characters in FilterKeyPress, after OnKeyPress and before typing.

#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/host.h"
#include "gui/std/edit_buffer.h"
#include "gui/std/std_types.h"

namespace gui {

class TCustomEdit : public TCustomControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  const std::string& Text() const { return Caption(); }
  void SetText(std::string_view text) { SetCaption(text); }
  void Clear() { SetText({}); }

  int MaxLength() const { return FMaxLength; }
  // 0: no limit. Limits typing and paste; a longer text set by the program stays.
  void SetMaxLength(int value);
  virtual bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  TAlignment Alignment() const { return FAlignment; }
  virtual void SetAlignment(TAlignment value);

  int SelStart() const { return FBuffer.SelStart(); }
  void SetSelStart(int value);
  int SelLength() const { return FBuffer.SelLength(); }
  void SetSelLength(int value);
  std::string SelText() const { return FBuffer.SelText(); }
  // Replaces the selection, as typing would but without the length limit.
  void SetSelText(std::string_view text);
  void SelectAll();
  void ClearSelection();
  bool CanUndo() const { return FBuffer.CanUndo(); }
  void Undo();
  // Clipboard operations raise EClipboardError when the clipboard cannot be used; the text is
  // then left as it was. A read-only entry neither cuts nor pastes.
  virtual void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();

  // The caret position in the client area, and whether it is shown at this moment.
  TPoint CaretPos();
  bool CaretShown() const { return FCaretOn && Focused(); }
  // The first pixel of the text that is scrolled out of view on the left.
  int ScrollOffset() const { return FScroll; }
  // The character boundary nearest to an x of the client area.
  int CharIndexAt(int x);

  bool WantsKey(std::uint16_t key, TShiftState shift) const override;

  TAccRole AccRole() const override { return arText; }
  TAccStates AccStates() const override;
  std::optional<TAccText> AccText() const override;
  std::optional<TRect> AccCharRect(int index) override;
  // Replaces the whole text as typing it over a full selection would: OnKeyPress, the entry's
  // filter and its length limit see every character.
  bool AccSetText(std::string_view text) override;

  TNotifyEvent OnChange;

  // How long the classic caret is shown and hidden (ms); hosts may follow the desktop's setting.
  static constexpr std::uint32_t CaretBlinkTime = TCaretBlink{}.OnMs;

 protected:
  // Raised after every real change of the text; not while a layout is loading.
  virtual void Change();
  // Runs after OnKeyPress and before the character is typed or acted on; clear key to reject it.
  virtual void FilterKeyPress(char& key);
  virtual void ReadOnlyChanged();
  // The background of the text area: clBtnFace when read-only or disabled, else Color.
  virtual TColor BackgroundColor() const;
  // Whether the focus is arriving through a mouse press inside the entry (AutoSelect skips it).
  bool FocusingByMouse() const { return FFocusByMouse; }

  void NCPaint(TCanvas& canvas) override;
  void EraseBackground(TCanvas& canvas) override;
  void Paint(TCanvas& canvas) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void TextChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;
  void Resize() override;

 private:
  // Takes the text from the buffer into the caption after an edit, raising OnChange.
  void Commit(bool changed);
  void CaretMoved();
  // Tells a listener when the caret or the selection is not where it was last told.
  void AccCaretMoved();
  // Shows the caret and starts its blinking afresh (the focus came, a key, a click, a caret move).
  void StartBlink();
  void StopBlink();
  void ScheduleBlink(std::uint32_t delayMs);
  void BlinkTick();
  void Layout();
  int TextX();  // where character 0 starts in the client area
  const std::vector<int>& Offsets();

  TEditBuffer FBuffer;
  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FAutoSelect = true;
  TAlignment FAlignment = taLeftJustify;
  bool FFocusByMouse = false;
  bool FSelecting = false;
  bool FCaretOn = false;
  THost::TTimerId FBlinkTimer = 0;
  std::uint32_t FBlinkSince = 0;  // host ticks when the caret last started blinking
  int FScroll = 0;
  std::vector<int> FOffsets;  // x of each character boundary from the text start
  bool FOffsetsValid = false;
  struct TAccCaret {
    int Caret = 0, SelStart = 0, SelLength = 0;
    friend bool operator==(const TAccCaret&, const TAccCaret&) = default;
  };
  TAccCaret FAccCaret;
};

}  // namespace gui
