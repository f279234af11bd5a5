#pragma once

// Enumerations shared by the plain controls and by the widget set built on them.

#include <cstdint>

namespace gui {

// Horizontal placement of text in labels and entry fields.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of a label's text.
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// One bevel ring of a panel.
enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised };

}  // namespace gui
