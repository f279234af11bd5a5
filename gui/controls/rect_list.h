#pragma once

// Rectangle-list arithmetic for the dirty regions of the paint pass.

#include <vector>

#include "gui/graphics/geometry.h"

namespace gui {

// The parts of `a` outside `b`: at most four disjoint rectangles.
void SubtractRect(const TRect& a, const TRect& b, std::vector<TRect>& out);
// The parts of `bounds` that none of `rects` covers.
std::vector<TRect> UncoveredParts(const TRect& bounds, const std::vector<TRect>& rects);
// The area `rects` cover, as disjoint rectangles: each of `rects` less what earlier ones cover.
std::vector<TRect> DisjointParts(const std::vector<TRect>& rects);
// Adds `r` to a list of dirty rectangles: skipped when already covered, swallowing the ones it
// covers; a list that grows long collapses into its bounding rectangle.
void AddDirtyRect(std::vector<TRect>& list, const TRect& r);

}  // namespace gui
