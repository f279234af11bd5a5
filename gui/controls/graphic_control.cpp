#include "gui/controls/graphic_control.h"

namespace gui {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Paint(TCanvas& canvas) { FireEvent(OnPaint, this, canvas); }

}  // namespace gui
