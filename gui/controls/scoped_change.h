#pragma once

// Gives a field a value for the length of a scope and puts the value it had back when the scope
// ends, however it ends: a handler that throws cannot leave the object in a mode, and a change
// made inside another change of the same field unwinds to the outer value, not to a constant.
//   TScopedChange aligning(FAligning, true);
// Where a handler called inside the scope may free the object that holds the field, the change
// watches that object and puts nothing back once it is gone.

#include <optional>
#include <type_traits>
#include <utility>

#include "gui/controls/alive_token.h"

namespace gui {

template <class T>
class TScopedChange {
 public:
  [[nodiscard]] TScopedChange(T& field, std::type_identity_t<T> value)
      : FField(field), FPrevious(std::exchange(field, std::move(value))) {}
  [[nodiscard]] TScopedChange(T& field, std::type_identity_t<T> value, TAliveToken::TWatch owner)
      : FField(field), FPrevious(std::exchange(field, std::move(value))), FOwner(std::move(owner)) {}
  TScopedChange(const TScopedChange&) = delete;
  TScopedChange& operator=(const TScopedChange&) = delete;
  ~TScopedChange() {
    if (!FOwner || FOwner->Alive()) FField = std::move(FPrevious);
  }

 private:
  T& FField;
  T FPrevious;
  std::optional<TAliveToken::TWatch> FOwner;
};

template <class T>
TScopedChange(T&, std::type_identity_t<T>) -> TScopedChange<T>;
template <class T>
TScopedChange(T&, std::type_identity_t<T>, TAliveToken::TWatch) -> TScopedChange<T>;

}  // namespace gui
