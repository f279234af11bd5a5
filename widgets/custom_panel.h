#pragma once
// The widget set's container: a child window that paints its own border stack, fills its inside
// solid or with a gradient, can show a grid and a caption, and lays out its children inside the
// area the frame leaves.

#include <cstdint>
#include <vector>

#include "gui/std/panel.h"
#include "widgets/border_properties.h"
#include "widgets/parent_background.h"

namespace widgets {

enum TAlignmentVertical : std::uint8_t { avTop, avCenter, avBottom };

enum TUiGridStyle : std::uint8_t { gsDots, gsDottedLines, gsSolidLines };

class TUiCustomPanel : public gui::TPanel, public TBorderProperties, public TTransparentProperty {
 public:
  explicit TUiCustomPanel(gui::TComponent* owner);

  // The frame properties replace the plain panel's bevels.
  using TBorderProperties::BevelWidth;
  using TBorderProperties::BorderWidth;
  using TBorderProperties::SetBevelWidth;
  using TBorderProperties::SetBorderWidth;

  TUiVisualStyle VisualStyle() const { return FVisualStyle; }
  void SetVisualStyle(TUiVisualStyle value);
  TUiGradientColorStyle GradientColorStyle() const { return FGradientColorStyle; }
  void SetGradientColorStyle(TUiGradientColorStyle value);
  TColor GradientColorStart() const { return FGradientColorStart; }
  void SetGradientColorStart(TColor value);
  TColor GradientColorStop() const { return FGradientColorStop; }
  void SetGradientColorStop(TColor value);
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection value);
  bool PaintClientArea() const { return FPaintClientArea; }
  void SetPaintClientArea(bool value);
  bool Transparent() const override { return FTransparent; }
  void SetTransparent(bool value);
  bool ShowGrid() const { return FShowGrid; }
  void SetShowGrid(bool value);
  TUiGridStyle GridStyle() const { return FGridStyle; }
  void SetGridStyle(TUiGridStyle value);
  TColor GridColor() const { return FGridColor; }
  void SetGridColor(TColor value);
  std::uint16_t GridXSize() const { return FGridXSize; }
  void SetGridXSize(std::uint16_t value);
  std::uint16_t GridYSize() const { return FGridYSize; }
  void SetGridYSize(std::uint16_t value);
  TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(TAlignmentVertical value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int value);
  int TextMarginVertical() const { return FTextMarginVertical; }
  void SetTextMarginVertical(int value);
  // Off: a resize repaints only the strips along the far edges (unless there is a caption).
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool value);

  // The panel less its outer and inner frames on the chosen sides. Children are aligned inside
  // it less BorderWidth all round.
  TRect FrameClientRect() const;

  // The desktop's theme changed: passed on to the panels inside, then this one repaints with
  // the colour scheme as it is now.
  void ThemeChanged();

 protected:
  void Paint(TCanvas& canvas) override;
  void EraseBackground(TCanvas& canvas) override;
  void AdjustClientRect(TRect& rect) const override;
  void InvalidateBoundsChange(const TRect& oldBounds) override;
  void EnabledChanged() override;
  void BorderChanged(TBorderProperty property) override;

 private:
  template <class T>
  void SetLook(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  TBorderStackStyle PaintStyle() const;
  void PaintInterior(TCanvas& canvas, const TRect& interior, TColor flat);
  void PaintGrid(TCanvas& canvas, const TRect& interior);
  void PaintCaption(TCanvas& canvas, const TRect& interior);
  void InvalidateResizeStrips(const TRect& oldBounds);

  TUiVisualStyle FVisualStyle = vsWinXP;
  TUiGradientColorStyle FGradientColorStyle = gcsSystem;
  TColor FGradientColorStart = clWhite;
  TColor FGradientColorStop = clBtnFace;
  TGradientDirection FGradientDirection = gdHorizontalEnd;
  bool FPaintClientArea = true;
  bool FTransparent = false;
  bool FShowGrid = false;
  TUiGridStyle FGridStyle = gsDots;
  TColor FGridColor = clBtnShadow;
  std::uint16_t FGridXSize = 8;
  std::uint16_t FGridYSize = 8;
  TAlignmentVertical FAlignmentVertical = avCenter;
  bool FWordWrap = true;
  int FTextMargin = 0;
  int FTextMarginVertical = 0;
  bool FFullRepaint = true;
  // The children that were already disabled when the panel was last disabled.
  std::vector<std::pair<gui::TControl*, gui::TAliveToken::TWatch>> FDisabledChildren;
};

}  // namespace widgets
