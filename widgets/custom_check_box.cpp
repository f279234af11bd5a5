#include "widgets/custom_check_box.h"

#include "widgets/paint/check_box_image.h"

namespace widgets {

TUiCustomCheckBox::TUiCustomCheckBox(gui::TComponent* owner) : TUiCustomGlyphButton(owner) {}

void TUiCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  FState = value;
  auto alive = Watch();
  Repaint();
  if (alive) AccNotify(gui::aeStateChanged);
  if (alive) Click();
}

void TUiCustomCheckBox::ToggleState() {
  if (MousePressing() && ReadOnly()) return;
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TUiCustomCheckBox::BuildStateGlyph(TBitmap& glyph) {
  std::uint32_t flags = DFCS_BUTTONCHECK;
  if (FState == cbChecked) flags |= DFCS_CHECKED;
  if (FState == cbGrayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
  if (ShowPressed()) flags |= DFCS_PUSHED;
  if (!Enabled()) flags |= DFCS_INACTIVE;
  PaintCheckImage(glyph.Canvas(), 0, 0, flags);
}

}  // namespace widgets
