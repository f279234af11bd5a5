#include "gui/controls/accessible.h"

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "gui/controls/control.h"
#include "gui/controls/form.h"
#include "gui/controls/win_control.h"
#include "gui/graphics/text.h"

namespace gui {

namespace {

// Children of `parent` in the tree, appended to `out`.
void CollectChildren(const TWinControl& parent, std::vector<TAccNode*>& out) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* child = parent.Controls(i);
    if (TAccNode* group = child->AccGroup()) {
      if (std::find(out.begin(), out.end(), group) == out.end()) out.push_back(group);
    } else if (child->AccRole() != arNone) {
      out.push_back(child);
    } else if (child->IsWindowed()) {
      CollectChildren(static_cast<const TWinControl&>(*child), out);
    }
  }
}

}  // namespace

const TAccActionList& TAccNode::AccActions() const {
  static const TAccActionList none;
  return none;
}

TAccRole TAccessible::Role() const {
  if (const TAccGroup* group = FNode.AccGroup()) return group->MemberRole(FNode);
  return FNode.AccRole();
}
std::string TAccessible::Name() const {
  std::string name = FNode.AccName();
  if (const TControl* label = FNode.AccLabelledBy(); name.empty() && label) name = label->AccName();
  return AnsiToUtf8(name);
}
std::string TAccessible::Description() const { return AnsiToUtf8(FNode.AccDescription()); }
TControl* TAccessible::LabelledBy() const { return FNode.AccLabelledBy(); }
TControl* TAccessible::LabelFor() const { return FNode.AccLabelFor(); }
TAccStates TAccessible::States() const {
  TAccStates states = FNode.AccStates();
  // A control holding the focus for assistive technologies is the one focused object meanwhile.
  if (const TForm* form = FNode.Form(); form && form->AccFocus()) {
    if (&FNode == static_cast<const TAccNode*>(form->AccFocus()))
      states.Include(asFocused).Include(asFocusable);
    else
      states.Exclude(asFocused);
  }
  return states;
}
TRect TAccessible::Bounds() const { return FNode.RectInForm(); }
std::string TAccessible::Address() const { return AnsiToUtf8(FNode.AccAddress()); }
bool TAccessible::Live() const { return FNode.AccLive(); }

std::optional<TAccText> TAccessible::Text() const {
  std::optional<TAccText> text = FNode.AccText();
  // One byte is one character in the code page, so the positions stay as they are.
  if (text) text->Text = AnsiToUtf8(text->Text);
  return text;
}

TAccRange TAccessible::TextRange(int offset, TAccBoundary boundary, TAccPiece piece) const {
  const std::optional<TAccText> text = FNode.AccText();
  return text ? AccTextRange(text->Text, offset, boundary, piece) : TAccRange{};
}

std::optional<TRect> TAccessible::CharBounds(int index) const {
  std::optional<TRect> r = FNode.AccCharRect(index);
  if (r) {
    const TPoint origin = FNode.ClientOriginInForm();
    *r = r->Offset(origin.X, origin.Y);
  }
  return r;
}

std::vector<TAccNode*> TAccessible::Children() const { return FNode.AccChildren(); }
TAccNode* TAccessible::Parent() const { return FNode.AccTreeParent(); }

// The tree as a control makes it; a group overrides both (acc_group.cpp).
std::vector<TAccNode*> TControl::AccChildren() const {
  std::vector<TAccNode*> children;
  if (IsWindowed()) CollectChildren(static_cast<const TWinControl&>(*this), children);
  return children;
}

TAccNode* TControl::AccTreeParent() const {
  if (FAccGroup) return FAccGroup;
  return AccTreeAncestor(FParent);
}

TControl* AccTreeAncestor(TControl* control) {
  while (control && control->AccRole() == arNone) control = control->Parent();
  return control;
}

bool TAccessible::Press() { return FNode.AccPress(); }

std::vector<std::string> TAccessible::Actions() const {
  std::vector<std::string> names;
  if (FNode.AccPressable()) names.emplace_back("click");
  for (const auto& action : FNode.AccActions()) names.push_back(AnsiToUtf8(action.first));
  return names;
}

bool TAccessible::DoAction(std::size_t index) {
  if (FNode.AccPressable()) {
    if (index == 0) return Press();
    --index;
  }
  if (index >= FNode.AccActions().size() || !FNode.AccTakesInput()) return false;
  // A copy: the action may replace the control's actions or free the control.
  const std::function<void()> run = FNode.AccActions()[index].second;
  run();
  return true;
}
bool TAccessible::SetText(std::string_view utf8) { return FNode.AccSetText(Utf8ToAnsi(utf8)); }

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xA0'; }

// The positions at which the pieces of `text` start, with 0 and the end among them.
std::vector<int> PieceStarts(std::string_view text, TAccBoundary boundary) {
  const int n = static_cast<int>(text.size());
  std::vector<int> starts{0};
  for (int i = 1; i < n; ++i) {
    const bool blankBefore = IsBlank(text[std::size_t(i - 1)]), blank = IsBlank(text[std::size_t(i)]);
    const bool cut = boundary == abChar        ? true
                     : boundary == abWordStart ? blankBefore && !blank
                     : boundary == abWordEnd   ? !blankBefore && blank
                                               : false;
    if (cut) starts.push_back(i);
  }
  if (n > 0) starts.push_back(n);
  return starts;
}

}  // namespace

TAccRange AccTextRange(std::string_view text, int offset, TAccBoundary boundary, TAccPiece piece) {
  const int n = static_cast<int>(text.size());
  if (offset < 0 || offset > n) return {};
  if (n == 0) return {};
  // A character offset at the end holds no character; a word or the line ends there.
  if (offset == n && boundary == abChar) return piece == apBefore ? TAccRange{n - 1, n} : TAccRange{n, n};
  const std::vector<int> starts = PieceStarts(text, boundary);
  // The piece that holds the offset: starts[k] <= offset < starts[k + 1].
  int k = 0;
  while (k + 2 < static_cast<int>(starts.size()) && starts[std::size_t(k + 1)] <= offset) ++k;
  k += piece;
  if (k < 0) return {0, 0};
  if (k + 1 >= static_cast<int>(starts.size())) return {n, n};
  return {starts[std::size_t(k)], starts[std::size_t(k + 1)]};
}

std::string StripAccelChars(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size())
      ++i;
    else if (caption[i] == '&')
      continue;
    out += caption[i];
  }
  return out;
}

}  // namespace gui
