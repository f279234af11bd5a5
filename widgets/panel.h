#pragma once
// The container the windows are laid out with; all of its behaviour is TUiCustomPanel's.

#include "widgets/custom_panel.h"

namespace widgets {

class TUiPanel : public TUiCustomPanel {
 public:
  using TUiCustomPanel::TUiCustomPanel;
};

}  // namespace widgets
