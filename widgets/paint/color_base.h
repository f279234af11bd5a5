#pragma once
// The GUI layer's colour, geometry and canvas names as the drawing helpers use them.

#include "gui/graphics/color.h"
#include "gui/graphics/geometry.h"

namespace gui {
class TBitmap;
class TCanvas;
}  // namespace gui

namespace widgets {

using gui::TBitmap;
using gui::TCanvas;
using gui::TColor;
using gui::TPoint;
using gui::TRect;

using gui::ColorToRGB;
using gui::RGB;

using gui::cl3DDkShadow;
using gui::cl3DLight;
using gui::clBlack;
using gui::clBtnFace;
using gui::clBtnHighlight;
using gui::clBtnShadow;
using gui::clBtnText;
using gui::clGrayText;
using gui::clNone;
using gui::clWhite;
using gui::clWindow;

}  // namespace widgets
