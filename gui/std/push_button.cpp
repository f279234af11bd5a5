#include "gui/std/push_button.h"

#include "gui/controls/form.h"
#include "gui/controls/set_field.h"
#include "gui/std/accel.h"

namespace gui {

void TPushButton::SetDefault(bool value) {
  if (!SetField(FDefault, value)) return;
  auto alive = FSelf.Watch();
  DefaultChanged();
  if (alive) FSelf.AccNotify(aeStateChanged);
}

bool TPushButton::IsPushButton(const TControl* control) { return dynamic_cast<const TPushButton*>(control); }

bool TPushButton::ActiveFor(const TControl* focused) const {
  return focused == &FSelf || (FDefault && !IsPushButton(focused));
}

void TPushButton::PassModalResult() {
  if (TForm* form = FSelf.Form(); form && FModalResult != mrNone) form->SetModalResult(FModalResult);
}

bool TPushButton::ClickByDialogKey(std::uint16_t key, TShiftState shift, bool active) {
  for (const TShiftFlag blocker : {ssShift, ssAlt, ssCtrl})
    if (FBlockers.Contains(blocker) && shift.Contains(blocker)) return false;
  if (!((key == VK_RETURN && active) || (key == VK_ESCAPE && FCancel)) || !FSelf.CanFocus()) return false;
  FSelf.Click();
  return true;
}

bool TPushButton::ClickByAccel(char ch) {
  if (!IsAccel(ch, FSelf.Caption()) || !FSelf.CanFocus()) return false;
  FSelf.Click();
  return true;
}

}  // namespace gui
