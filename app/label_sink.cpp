#include "app/label_sink.h"

#include <stdexcept>
#include <string>

#include "gui/controls/control.h"

namespace app {

gui::TControl& TFormLabelSink::Label(std::string_view name) const {
  auto* control = dynamic_cast<gui::TControl*>(FOwner.FindComponent(name));
  if (!control) throw std::logic_error("no label named " + std::string(name));
  return *control;
}

void TFormLabelSink::SetCaption(std::string_view name, std::string_view text) { Label(name).SetCaption(text); }

// The statistics speak 0x00BBGGRR like the GUI layer, so the value passes unchanged.
void TFormLabelSink::SetFontColor(std::string_view name, stats::TColor color) {
  Label(name).Font().SetColor(color);
}

}  // namespace app
