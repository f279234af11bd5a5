#pragma once

// Checks a computed value against a reference made elsewhere (scipy), to a relative tolerance.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace cli {

inline void ExpectRelative(double actual, double expected, double tolerance, const std::string& what) {
  if (expected == 0) {
    EXPECT_LT(actual, 1e-300) << what;
    return;
  }
  EXPECT_LE(std::abs(actual - expected) / std::abs(expected), tolerance)
      << what << ": " << actual << " against " << expected;
}

}  // namespace cli
