#pragma once

#include <stdexcept>
#include <string>

namespace gui {

// A failure of the outside world seen by the graphics layer: a file, an image, a font.
// The message names the thing that failed and the reason.
class EGraphicsError : public std::runtime_error {
 public:
  explicit EGraphicsError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace gui
