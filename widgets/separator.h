#pragma once
// A thin bar whose colour runs from its background to a highlight colour along its length: the
// upright dividers between the cells of the last-numbers strip.

#include "gui/controls/graphic_control.h"
#include "widgets/paint/color_base.h"
#include "widgets/paint/draw_types.h"

namespace widgets {

enum TUiHighlightLocation : std::uint8_t { hlCenter, hlUpperLeft, hlLowerRight };

enum TOrientation : std::uint8_t { orHorizontal, orVertical };

// The gradient a separator paints, derived from its orientation, highlight place and colours.
struct TSeparatorGradient {
  TGradientDirection Direction = gdVerticalCenter;
  TColor Start = 0;
  TColor Stop = 0;
  friend constexpr bool operator==(const TSeparatorGradient&, const TSeparatorGradient&) = default;
};

TSeparatorGradient SeparatorGradient(TOrientation orientation, TUiHighlightLocation location, TColor highlight,
                                     TColor color);

class TUiSeparator : public gui::TGraphicControl {
 public:
  explicit TUiSeparator(gui::TComponent* owner);

  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value);
  TUiHighlightLocation HighlightLocation() const { return FHighlightLocation; }
  void SetHighlightLocation(TUiHighlightLocation value);
  // Outside loading a new orientation also swaps Width and Height; a layout being read stores
  // its size as it was designed.
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation value);
  // Off: a plain fill in Color.
  bool ShowGradient() const { return FShowGradient; }
  void SetShowGradient(bool value);

  const TSeparatorGradient& Gradient() const { return FGradient; }

  // Paints the bar with its top-left at the canvas origin.
  void PaintTo(TCanvas& canvas);

  gui::TAccRole AccRole() const override { return AccHidden() ? gui::arNone : gui::arSeparator; }

 protected:
  void Paint(TCanvas& canvas) override;
  void ColorChanged() override;
  void Loaded() override;

 private:
  void Rederive();

  TColor FHighlightColor = gui::clHighlight;
  TUiHighlightLocation FHighlightLocation = hlCenter;
  TOrientation FOrientation = orHorizontal;
  bool FShowGradient = true;
  TSeparatorGradient FGradient;
};

}  // namespace widgets
