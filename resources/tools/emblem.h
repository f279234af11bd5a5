#pragma once

#include <string>

#include "paint_kit.h"

namespace art {

// The product's emblem, drawn for one size: a roulette wheel, a ring of red, black and green
// pockets around a large green letter S, on a transparent ground. Large sizes number the pockets
// in the order of a single-zero wheel; small ones show fewer, wider pockets so that the ring stays
// a ring rather than a blur.
TPicture Emblem(int size, const std::string& fontFile);

}  // namespace art
