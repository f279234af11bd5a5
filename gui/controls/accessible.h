#pragma once

// What assistive technologies (screen readers, magnifiers, test robots) are told of the
// controls: a role, a name, states, bounds, a text, a few actions, and events when any of these
// change. Every node of the tree (a control, or a group of controls: acc_node.h) answers
// through virtuals of TAccNode; TAccessible reads them for a host and hands the texts out as
// UTF-8. No toolkit type appears here: a host maps this model onto its desktop's interface.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/flags.h"
#include "gui/graphics/geometry.h"

namespace gui {

class TControl;
class TAccNode;

enum TAccRole : std::uint8_t {
  arNone,  // left out of the tree: only lines or empty room; its children take its place
  arFrame,
  arDialog,
  arPanel,
  arFiller,
  arLabel,
  arPushButton,
  arCheckBox,
  arText,  // an entry
  arLink,
  arImage,
  arSeparator,
  // Labels that a listener hears as a table or a list (see TAccGroup).
  arTable,
  arTableCell,
  arColumnHeader,
  arRowHeader,
  arList,
  arListItem,
};

enum TAccState : std::uint32_t {
  asEnabled = 1,
  asVisible = 2,
  asShowing = 4,
  asFocusable = 8,
  asFocused = 16,
  asChecked = 32,
  asPressed = 64,
  asDefault = 128,
  asReadOnly = 256,
  asEditable = 512,
  asIndeterminate = 1024,  // a check box in its third (grayed) state: neither checked nor unchecked
};
using TAccStates = TFlags<TAccState>;
constexpr TAccStates operator|(TAccState a, TAccState b) { return TAccStates(a) | TAccStates(b); }

// A control's text with its caret and selection, as character positions.
struct TAccText {
  std::string Text;
  int Caret = -1;  // -1: the control has no caret
  int SelStart = 0;
  int SelLength = 0;
  friend bool operator==(const TAccText&, const TAccText&) = default;
};

// The pieces a screen reader reads a text by: one character, a word with the blanks after it
// (abWordStart) or before it (abWordEnd), the whole line. A text of the model is one line.
enum TAccBoundary : std::uint8_t { abChar, abWordStart, abWordEnd, abLine };
// Which piece: the one before the one that holds the offset, that one, or the one after it.
enum TAccPiece : std::int8_t { apBefore = -1, apAt = 0, apAfter = 1 };

// Character positions [Start, End); empty where there is no such piece.
struct TAccRange {
  int Start = 0;
  int End = 0;
  friend bool operator==(const TAccRange&, const TAccRange&) = default;
};

// The piece of `text` (one byte per character) around `offset`. Words are runs of characters
// that are not blanks. An offset at the end of the text stands in the last piece (a reader asks
// for the word at a caret that follows it); an offset outside the text gives an empty range.
TAccRange AccTextRange(std::string_view text, int offset, TAccBoundary boundary, TAccPiece piece);

enum TAccEvent : std::uint8_t {
  aeFocus,         // the control took the keyboard focus
  aeTextChanged,   // its caption or text changed, and with it the name where the name is made of it
  aeStateChanged,  // enabled, visible, checked, indeterminate, pressed or default changed
  aeWindowShown,   // a form (a dialog among them) appeared on screen
  aeCaretMoved,    // an entry's caret or selection moved
  aeDescriptionChanged,
};

// Told of every event while it is installed in the application; implemented by a host. Nothing
// is computed for an event while no listener is installed.
class TAccListener {
 public:
  virtual void AccEvent(TControl& control, TAccEvent event) = 0;

 protected:
  ~TAccListener() = default;
};

// The model of one node as a host reads it: names and texts in UTF-8.
class TAccessible {
 public:
  explicit TAccessible(TAccNode& node) : FNode(node) {}

  TAccNode& Node() const { return FNode; }
  TAccRole Role() const;
  // The name set or made by the control, else its label's (SetAccLabel).
  std::string Name() const;
  std::string Description() const;
  TAccStates States() const;
  // The control's rectangle in its form's client area.
  TRect Bounds() const;
  std::optional<TAccText> Text() const;
  // A piece of Text() around a character position, in characters.
  TAccRange TextRange(int offset, TAccBoundary boundary, TAccPiece piece) const;
  // Where a character of Text() is drawn, in the form's client area; none where the control
  // cannot say.
  std::optional<TRect> CharBounds(int index) const;
  // The address a link opens; empty for anything else.
  std::string Address() const;
  // Whether a change of its text is to be spoken when it happens, wherever the focus is.
  bool Live() const;
  // The nodes under this one in the tree: a control's children in z-order, with those left out of
  // the tree replaced by their own children, and those gathered in a table or list replaced by
  // the group (where its first member stands); the members of a group.
  std::vector<TAccNode*> Children() const;
  // The label that names the control, and the control a label names; null where there is none.
  TControl* LabelledBy() const;
  TControl* LabelFor() const;
  // The group of a member; else the nearest parent that is in the tree, or null for a form.
  TAccNode* Parent() const;

  // Actions, exactly as a user's input runs them; false when the control does not take them now
  // (disabled, hidden, read-only, a modal form above, or no such action).
  bool Press();
  bool SetText(std::string_view utf8);
  // Every action the control offers, by name: "click" first where it can be pressed, then those
  // the program gave it (AddAccAction). DoAction runs one, with the same checks as Press.
  std::vector<std::string> Actions() const;
  bool DoAction(std::size_t index);

 private:
  TAccNode& FNode;
};

// The control itself, or its nearest parent that is in the tree (not left out by arNone).
TControl* AccTreeAncestor(TControl* control);

// The access-key marks taken out of a caption as it is shown: "&" goes, "&&" is one "&".
std::string StripAccelChars(std::string_view caption);

}  // namespace gui
