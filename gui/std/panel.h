#pragma once

// The plain panel: an outer and an inner bevel ring set apart by BorderWidth, its colour inside,
// an optional centred caption, and aligned children placed inside the bevels.

#include "gui/controls/custom_control.h"
#include "gui/std/std_types.h"

namespace gui {

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);

  // How far the bevels and the border reach in from each edge.
  int FrameWidth() const;

  // A panel with a caption says something; one without only groups its children.
  TAccRole AccRole() const override {
    return AccHidden() ? arNone : Caption().empty() && AccName().empty() ? arFiller : arPanel;
  }

 protected:
  std::string AccDefaultName() const override { return Caption(); }
  void Paint(TCanvas& canvas) override;
  void AdjustClientRect(TRect& rect) const override;
  void TextChanged() override;

 private:
  void FrameChanged();

  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TAlignment FAlignment = taCenter;
};

}  // namespace gui
