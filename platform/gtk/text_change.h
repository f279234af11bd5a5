#pragma once

// How one text became another, as an accessibility client is told it: the characters removed at
// a position and those inserted there.

#include <string>

namespace platform::gtk {

struct TTextChange {
  int Pos = 0;                              // in characters
  std::string Removed, Inserted;            // UTF-8
  int RemovedCount = 0, InsertedCount = 0;  // in characters
  friend bool operator==(const TTextChange&, const TTextChange&) = default;
};

// For an edit (typing, deleting, pasting) only what lies between the parts the two texts share
// at both ends; otherwise the whole old text is removed and the whole new one inserted (a
// caption replaced, which a reader reads anew). Texts in UTF-8.
TTextChange TextChange(const std::string& was, const std::string& now, bool edit);

}  // namespace platform::gtk
