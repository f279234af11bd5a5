#pragma once
// The check box of the windows: a 13 x 13 square and a caption beside it. Clicking it, or
// pressing and releasing Space on it, toggles Checked and then raises OnClick.

#include "widgets/custom_check_box.h"

namespace widgets {

class TUiCheckBox : public TUiCustomCheckBox {
 public:
  explicit TUiCheckBox(gui::TComponent* owner) : TUiCustomCheckBox(owner) {}
};

}  // namespace widgets
