#include "gui/controls/accessible.h"

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "gui/controls/control.h"
#include "gui/controls/win_control.h"
#include "gui/graphics/text.h"

namespace gui {

namespace {

// Children of `parent` in the tree, appended to `out`.
void CollectChildren(const TWinControl& parent, std::vector<TControl*>& out) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* child = parent.Controls(i);
    if (TAccGroup* group = child->AccGroup()) {
      if (std::find(out.begin(), out.end(), group) == out.end()) out.push_back(group);
    } else if (child->AccRole() != arNone) {
      out.push_back(child);
    } else if (child->IsWindowed()) {
      CollectChildren(static_cast<const TWinControl&>(*child), out);
    }
  }
}

}  // namespace

TAccRole TAccessible::Role() const {
  if (const TAccGroup* group = FControl.AccGroup()) return group->MemberRole(FControl);
  return FControl.AccRole();
}
std::string TAccessible::Name() const { return AnsiToUtf8(FControl.AccName()); }
std::string TAccessible::Description() const { return AnsiToUtf8(FControl.AccDescription()); }
TAccStates TAccessible::States() const { return FControl.AccStates(); }
TRect TAccessible::Bounds() const { return FControl.RectInForm(); }
std::string TAccessible::Address() const { return AnsiToUtf8(FControl.AccAddress()); }

std::optional<TAccText> TAccessible::Text() const {
  std::optional<TAccText> text = FControl.AccText();
  // One byte is one character in the code page, so the positions stay as they are.
  if (text) text->Text = AnsiToUtf8(text->Text);
  return text;
}

std::vector<TControl*> TAccessible::Children() const {
  if (const auto* group = dynamic_cast<const TAccGroup*>(&FControl)) return group->Members();
  std::vector<TControl*> children;
  if (FControl.IsWindowed()) CollectChildren(static_cast<const TWinControl&>(FControl), children);
  return children;
}

TControl* TAccessible::Parent() const {
  if (TAccGroup* group = FControl.AccGroup()) return group;
  const auto* group = dynamic_cast<const TAccGroup*>(&FControl);
  TControl* parent = group ? &group->Host() : FControl.Parent();
  while (parent && parent->AccRole() == arNone) parent = parent->Parent();
  return parent;
}

bool TAccessible::Press() { return FControl.AccPress(); }
bool TAccessible::SetText(std::string_view utf8) { return FControl.AccSetText(Utf8ToAnsi(utf8)); }

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
