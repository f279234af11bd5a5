#include "widgets/border_properties.h"

#include "widgets/paint/frames.h"

namespace widgets {

TRect InsetSides(const TRect& rect, TSides sides, int amount) {
  TRect r = rect;
  if (sides.Contains(sdLeft)) r.Left += amount;
  if (sides.Contains(sdTop)) r.Top += amount;
  if (sides.Contains(sdRight)) r.Right -= amount;
  if (sides.Contains(sdBottom)) r.Bottom -= amount;
  return r;
}

TBorderProperties::TBorderProperties(TFrameStyleEx outer) {
  FStyle.OuterStyle = outer;
  FStyle.FlatColorAdjustment = 30;
}

TRect TBorderProperties::FrameInsets(bool withBand) const {
  const int width = FrameStyleWidth(FStyle.OuterStyle, FStyle.BevelWidth) +
                    FrameStyleWidth(FStyle.InnerStyle, FStyle.BevelWidth) + (withBand ? FStyle.BorderWidth : 0);
  const TRect inset = InsetSides({}, FStyle.Sides, width);
  return {inset.Left, inset.Top, -inset.Right, -inset.Bottom};
}

TRect TBorderProperties::InsideFrame(const TRect& rect, bool withBand) const {
  const TRect f = FrameInsets(withBand);
  return {rect.Left + f.Left, rect.Top + f.Top, rect.Right - f.Right, rect.Bottom - f.Bottom};
}

}  // namespace widgets
