#pragma once

#include <string>

#include "gui/graphics/bitmap.h"

namespace gui {

// Writes any bitmap to a PNG for looking at what was painted; a 0 x 0 bitmap is written as 1 x 1
// magenta so that the file always exists. Failures throw EGraphicsError.
void SaveDebugPng(const TBitmap& bitmap, const std::string& path);

}  // namespace gui
