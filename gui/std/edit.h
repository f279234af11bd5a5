#pragma once

// The plain single-line entry of layouts and dialogs.

#include "gui/std/custom_edit.h"

namespace gui {

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

}  // namespace gui
