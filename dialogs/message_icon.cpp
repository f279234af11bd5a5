#include "dialogs/message_icon.h"

#include "gui/controls/win_control.h"
#include "resources/resources.h"

namespace dialogs {

TMessageIcon::TMessageIcon(gui::TComponent* owner) : gui::TGraphicControl(owner) { SetBounds(0, 0, kSize, kSize); }

void TMessageIcon::SetKind(MessageKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  FPicture.reset();
  Invalidate();
}

void TMessageIcon::ParentColorChanged() {
  gui::TGraphicControl::ParentColorChanged();
  FPicture.reset();
  Invalidate();
}

// The pictures keep their soft edges and shadow as alpha, so they are blended over the colour
// they will be seen on, again whenever that colour changes.
const gui::TBitmap* TMessageIcon::Picture() {
  if (!KindHasIcon(FKind)) return nullptr;
  const gui::TColor background = gui::ColorToRGB(Parent() ? Parent()->Color() : Color());
  if (!FPicture || FBlendedOver != background) {
    gui::TBitmap picture;
    picture.LoadFromMemory(resources::Get(KindIconResource(FKind)), background);
    picture.LoadVariantFromMemory(resources::Find(resources::ScaledName(KindIconResource(FKind), 2)), 2,
                                  background);
    FPicture = std::move(picture);
    FBlendedOver = background;
  }
  return &*FPicture;
}

void TMessageIcon::Paint(gui::TCanvas& canvas) {
  if (const gui::TBitmap* picture = Picture()) canvas.Draw(0, 0, *picture);
}

}  // namespace dialogs
