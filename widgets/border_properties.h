#pragma once
// The frame properties that labels, borders and panels share: the styles and colours of a border
// stack, stored once, with the widths each style takes from the sides it is drawn on (the frame
// style rows of frames.h say how wide each style is).

#include "gui/controls/set_field.h"
#include "widgets/paint/borders.h"

namespace widgets {

// `rect` moved in by `amount` on each side in `sides` only.
TRect InsetSides(const TRect& rect, TSides sides, int amount);

enum TBorderProperty : std::uint8_t {
  bpBorderOuter,
  bpBorderInner,
  bpBorderSides,
  bpBorderWidth,
  bpBevelWidth,
  bpBorderColor,
  bpBorderHighlight,
  bpBorderShadow,
  bpFlatColor,
  bpFlatColorAdjustment,
};

class TBorderProperties {
 public:
  TFrameStyleEx BorderOuter() const { return FStyle.OuterStyle; }
  void SetBorderOuter(TFrameStyleEx value) { Change(FStyle.OuterStyle, value, bpBorderOuter); }
  TFrameStyleEx BorderInner() const { return FStyle.InnerStyle; }
  void SetBorderInner(TFrameStyleEx value) { Change(FStyle.InnerStyle, value, bpBorderInner); }
  TSides BorderSides() const { return FStyle.Sides; }
  void SetBorderSides(TSides value) { Change(FStyle.Sides, value, bpBorderSides); }
  int BorderWidth() const { return FStyle.BorderWidth; }
  // A negative width is taken as 0.
  void SetBorderWidth(int value) { Change(FStyle.BorderWidth, value < 0 ? 0 : value, bpBorderWidth); }
  int BevelWidth() const { return FStyle.BevelWidth; }
  // The bevels of fsStatus and fsPopup are at least one line.
  void SetBevelWidth(int value) { Change(FStyle.BevelWidth, value < 1 ? 1 : value, bpBevelWidth); }
  TColor BorderColor() const { return FStyle.BorderColor; }
  void SetBorderColor(TColor value) { Change(FStyle.BorderColor, value, bpBorderColor); }
  TColor BorderHighlight() const { return FStyle.HighlightColor; }
  void SetBorderHighlight(TColor value) { Change(FStyle.HighlightColor, value, bpBorderHighlight); }
  TColor BorderShadow() const { return FStyle.ShadowColor; }
  void SetBorderShadow(TColor value) { Change(FStyle.ShadowColor, value, bpBorderShadow); }
  TColor FlatColor() const { return FStyle.FlatColor; }
  void SetFlatColor(TColor value) { Change(FStyle.FlatColor, value, bpFlatColor); }
  int FlatColorAdjustment() const { return FStyle.FlatColorAdjustment; }
  void SetFlatColorAdjustment(int value) { Change(FStyle.FlatColorAdjustment, value, bpFlatColorAdjustment); }

  // The widths of the outer and inner styles on each side (Left, Top, Right, Bottom hold the
  // widths of those sides); with `withBand` the BorderWidth band on the chosen sides too.
  TRect FrameInsets(bool withBand) const;
  // `rect` less the frame on each chosen side.
  TRect InsideFrame(const TRect& rect, bool withBand) const;

 protected:
  explicit TBorderProperties(TFrameStyleEx outer);
  ~TBorderProperties() = default;

  // The stored properties, ready for PaintBorderStack once the control fills in its colours.
  const TBorderStackStyle& StackStyle() const { return FStyle; }
  // A property took a new value.
  virtual void BorderChanged(TBorderProperty property) = 0;

 private:
  template <class T>
  void Change(T& field, T value, TBorderProperty property) {
    if (gui::SetField(field, value)) BorderChanged(property);
  }

  TBorderStackStyle FStyle;
};

}  // namespace widgets
