#pragma once
// The statistics' label sink over a window's controls: each label is found by its name.

#include "gui/controls/component.h"
#include "stats/display_rules.h"

namespace gui {
class TControl;
}

namespace app {

class TFormLabelSink final : public stats::TLabelSink {
 public:
  explicit TFormLabelSink(gui::TComponent& owner) : FOwner(owner) {}

  // The rules only ask for names of the layout; an unknown one is a broken layout and throws
  // std::logic_error naming it.
  void SetCaption(std::string_view name, std::string_view text) override;
  void SetFontColor(std::string_view name, stats::TColor color) override;

 private:
  gui::TControl& Label(std::string_view name) const;

  gui::TComponent& FOwner;
};

}  // namespace app
