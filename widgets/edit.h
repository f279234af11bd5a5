#pragma once
// The framed one-line entry of layouts: everything of the base, nothing added.

#include "widgets/custom_edit.h"

namespace widgets {

class TUiEdit : public TUiCustomEdit {
 public:
  explicit TUiEdit(TComponent* owner) : TUiCustomEdit(owner) {}
};

}  // namespace widgets
