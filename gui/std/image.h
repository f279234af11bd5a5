#pragma once

// The picture control: a bitmap shown 1:1 in the top-left corner or centred, scaled down to fit
// keeping its proportions (enlarged only when Stretch is set too), or stretched to fill the
// control; with Transparent, the pixels of the transparent colour leave the parent's background.

#include <cstdint>
#include <span>
#include <string>

#include "gui/controls/graphic_control.h"
#include "gui/graphics/bitmap.h"

namespace gui {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);

  TAccRole AccRole() const override { return AccHidden() ? arNone : arImage; }

  const TBitmap& Picture() const { return FPicture; }
  void SetPicture(const TBitmap& picture);
  // PNG input; a file or block that cannot be read raises EGraphicsError and keeps the old picture.
  void LoadFromFile(const std::string& path);
  void LoadFromMemory(std::span<const std::uint8_t> png);
  bool Empty() const { return FPicture.Width() == 0 || FPicture.Height() == 0; }

  bool Center() const { return FCenter; }
  void SetCenter(bool value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // clDefault: the colour of the picture's bottom-left pixel.
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor value);
  // Sizes the control to the picture whenever the picture changes.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);

  // Where the picture lands in the client area.
  TRect DestRect() const;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void PictureChanged();
  void Changed(bool& field, bool value);

  TBitmap FPicture;
  bool FCenter = false;
  bool FProportional = false;
  bool FStretch = false;
  bool FTransparent = false;
  bool FAutoSize = false;
  TColor FTransparentColor = clDefault;
};

}  // namespace gui
