#pragma once

// The 32 x 32 picture of a message kind, blended over its parent's background colour.

#include <optional>

#include "dialogs/dialog_kinds.h"
#include "gui/controls/graphic_control.h"
#include "gui/graphics/bitmap.h"

namespace dialogs {

class TMessageIcon : public gui::TGraphicControl {
 public:
  static constexpr int kSize = 32;

  explicit TMessageIcon(gui::TComponent* owner);

  gui::TAccRole AccRole() const override { return AccHidden() ? gui::arNone : gui::arImage; }

  MessageKind Kind() const { return FKind; }
  // Loads the kind's compiled-in picture; mkCustom shows nothing.
  void SetKind(MessageKind kind);

 protected:
  void Paint(gui::TCanvas& canvas) override;
  void ParentColorChanged() override;

 private:
  const gui::TBitmap* Picture();

  MessageKind FKind = mkCustom;
  std::optional<gui::TBitmap> FPicture;  // blended over FBlendedOver
  gui::TColor FBlendedOver = gui::clNone;
};

}  // namespace dialogs
