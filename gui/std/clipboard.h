#pragma once

// The clipboard as plain Windows-1251 text, through the application's host.

#include <stdexcept>
#include <string_view>

#include "gui/graphics/text.h"

namespace gui {

// Raised when the host cannot read or write the clipboard.
class EClipboardError : public std::runtime_error {
 public:
  EClipboardError() : std::runtime_error("Cannot open clipboard") {}
};

// Characters the code page cannot hold come back as "?".
AnsiString ClipboardGetText();
void ClipboardSetText(std::string_view ansi);

}  // namespace gui
