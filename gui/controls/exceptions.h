#pragma once

// Errors raised by the control layer. Any std::exception escaping an event handler is shown by
// TApplication::HandleException; EAbort is the silent kind that ends a handler without a report.

#include <stdexcept>
#include <string>

namespace gui {

class EAbort : public std::runtime_error {
 public:
  EAbort() : std::runtime_error("Operation aborted") {}
};

// Ends the current event handler silently.
[[noreturn]] void Abort();

class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace gui
