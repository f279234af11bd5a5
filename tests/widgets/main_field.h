#pragma once
// The numeric field with the settings the main window gives it, for tests, benchmarks and the
// widget sheet: Max 36, the picture "0", the frame shown and hot as a bump.

#include "widgets/numeric_edit.h"

namespace widgets::testing {

inline void SetMainFieldProperties(TUiNumericEdit& field) {
  field.SetMax(36);
  field.SetDisplayFormat("0");
  field.SetFrameVisible(true);
  field.SetFrameHotTrack(true);
  field.SetFrameHotStyle(fsBump);
}

}  // namespace widgets::testing
