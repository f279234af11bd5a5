#include "gui/std/image.h"

#include <cstdint>

namespace gui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(const TBitmap& picture) {
  FPicture = picture;
  PictureChanged();
}

void TImage::LoadFromFile(const std::string& path) {
  FPicture.LoadFromFile(path);
  PictureChanged();
}

void TImage::LoadFromMemory(std::span<const std::uint8_t> png) {
  FPicture.LoadFromMemory(png);
  PictureChanged();
}

void TImage::PictureChanged() {
  if (FAutoSize && !Empty()) SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
  Invalidate();
}

void TImage::Changed(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TImage::SetCenter(bool value) { Changed(FCenter, value); }
void TImage::SetProportional(bool value) { Changed(FProportional, value); }
void TImage::SetStretch(bool value) { Changed(FStretch, value); }
void TImage::SetTransparent(bool value) { Changed(FTransparent, value); }

void TImage::SetTransparentColor(TColor value) {
  if (value == FTransparentColor) return;
  FTransparentColor = value;
  Invalidate();
}

void TImage::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  if (value) PictureChanged();
}

TRect TImage::DestRect() const {
  const int cw = ClientWidth(), ch = ClientHeight();
  int w = FPicture.Width(), h = FPicture.Height();
  const bool tooBig = w > cw || h > ch;
  if (w > 0 && h > 0 && (FStretch || (FProportional && tooBig))) {
    if (FProportional) {
      // Fit the side that runs out first; 64-bit products, as pictures may be large.
      if (std::int64_t(cw) * h > std::int64_t(ch) * w) {
        w = int(std::int64_t(w) * ch / h);
        h = ch;
      } else {
        h = int(std::int64_t(h) * cw / w);
        w = cw;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  if (!FCenter) return {0, 0, w, h};
  return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
}

void TImage::Paint(TCanvas& canvas) {
  if (Empty()) return;
  const TRect dest = DestRect();
  if (dest.IsEmpty()) return;
  const bool oneToOne = dest.Width() == FPicture.Width() && dest.Height() == FPicture.Height();
  if (FTransparent) {
    const TColor key = FTransparentColor == clDefault ? FPicture.GetPixel(0, FPicture.Height() - 1)
                                                      : ColorToRGB(FTransparentColor);
    if (oneToOne)
      canvas.Draw(dest.Left, dest.Top, FPicture, key);
    else
      canvas.StretchDraw(dest, FPicture, key);
  } else if (oneToOne) {
    canvas.Draw(dest.Left, dest.Top, FPicture);
  } else {
    canvas.StretchDraw(dest, FPicture);
  }
}

}  // namespace gui
