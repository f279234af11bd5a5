#include "gui/controls/custom_control.h"

namespace gui {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::Paint(TCanvas& canvas) { FireEvent(OnPaint, this, canvas); }

}  // namespace gui
