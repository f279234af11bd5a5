#include "gui/controls/rect_list.h"

#include <algorithm>

namespace gui {

namespace {
// Enough for every label of a window changing colour at once without repainting the ones between.
constexpr std::size_t kMaxDirtyRects = 128;

bool Covers(const TRect& outer, const TRect& inner) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}
}  // namespace

void SubtractRect(const TRect& a, const TRect& b, std::vector<TRect>& out) {
  const TRect i = IntersectRect(a, b);
  if (i.IsEmpty()) {
    if (!a.IsEmpty()) out.push_back(a);
    return;
  }
  const TRect parts[4] = {{a.Left, a.Top, a.Right, i.Top},
                          {a.Left, i.Bottom, a.Right, a.Bottom},
                          {a.Left, i.Top, i.Left, i.Bottom},
                          {i.Right, i.Top, a.Right, i.Bottom}};
  for (const TRect& p : parts)
    if (!p.IsEmpty()) out.push_back(p);
}

std::vector<TRect> UncoveredParts(const TRect& bounds, const std::vector<TRect>& rects) {
  std::vector<TRect> pieces{bounds};
  std::vector<TRect> next;
  for (const TRect& r : rects) {
    next.clear();
    for (const TRect& p : pieces) SubtractRect(p, r, next);
    pieces.swap(next);
    if (pieces.empty()) break;
  }
  return pieces;
}

std::vector<TRect> DisjointParts(const std::vector<TRect>& rects) {
  std::vector<TRect> parts;
  std::vector<TRect> pieces;
  std::vector<TRect> next;
  for (const TRect& r : rects) {
    pieces.assign(1, r);
    for (const TRect& p : parts) {
      next.clear();
      for (const TRect& piece : pieces) SubtractRect(piece, p, next);
      pieces.swap(next);
      if (pieces.empty()) break;
    }
    for (const TRect& piece : pieces)
      if (!piece.IsEmpty()) parts.push_back(piece);
  }
  return parts;
}

void AddDirtyRect(std::vector<TRect>& list, const TRect& r) {
  if (r.IsEmpty()) return;
  for (const TRect& d : list)
    if (Covers(d, r)) return;
  std::erase_if(list, [&](const TRect& d) { return Covers(r, d); });
  list.push_back(r);
  if (list.size() > kMaxDirtyRects) {
    TRect all;
    for (const TRect& d : list) all = UnionRect(all, d);
    list.assign(1, all);
  }
}

}  // namespace gui
