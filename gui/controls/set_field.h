#pragma once

// The first half of almost every property setter: stores a new value and says whether it was
// new, so that the setter reacts only to a change.
//   void TUiButton::SetAlignment(TAlignment value) {
//     if (SetField(FAlignment, value)) Invalidate();
//   }

namespace gui {

template <class T, class U>
bool SetField(T& field, U&& value) {
  if (field == value) return false;
  field = static_cast<U&&>(value);
  return true;
}

}  // namespace gui
