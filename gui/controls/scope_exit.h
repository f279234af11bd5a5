#pragma once

// Runs an action when a scope ends, however it ends, so that a flag or a counter set for the
// length of a call is put back also when a handler throws.

#include <utility>

namespace gui {

template <class F>
class TScopeExit {
 public:
  [[nodiscard]] explicit TScopeExit(F action) : FAction(std::move(action)) {}
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  ~TScopeExit() { FAction(); }

 private:
  F FAction;
};

}  // namespace gui
