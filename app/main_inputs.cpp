#include "app/main_controls.h"

#include "app/spin_field.h"

#include "gui/graphics/bitmap.h"
#include "gui/graphics/text.h"
#include "gui/std/web_browser.h"
#include "resources/resources.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

namespace app {
namespace {

// The colours every push button of the top band shares.
constexpr gui::TColor kButtonFrame = 0x743C00;
constexpr gui::TColor kButtonFace = 0xF0F4F4;

// The browser pane is told as one named panel; the page inside it is not part of the tree.
const char* const kBannerName = N_("Баннер");

}  // namespace

widgets::TUiBitBtn* MakeButton(gui::TForm& form, const TButtonDef& def) {
  auto* button = new widgets::TUiBitBtn(&form);
  button->SetName(def.Name);
  button->SetParent(&ParentOf(form, def.Parent));
  button->SetBounds(def.Left, def.Top, def.Width, def.Height > 0 ? def.Height : button->Height());
  button->SetCaption(def.Caption);
  button->SetAccName(def.AccName);
  button->SetFont(LayoutFont(fontA));
  button->SetFrameColor(kButtonFrame);
  button->SetColor(kButtonFace);
  button->SetHotTrack(true);
  gui::TBitmap glyph;
  glyph.LoadFromMemory(resources::Get(def.Glyph));
  glyph.LoadVariantFromMemory(resources::Find(resources::ScaledName(def.Glyph, 2)), 2);
  button->SetGlyph(glyph);
  button->SetNumGlyphs(def.NumGlyphs);
  button->SetTabOrder(def.TabOrder);
  return button;
}

TSpinField* MakeEntryField(gui::TForm& form, const TEditDef& def) {
  auto* edit = Place<TSpinField>(form, def.Name, def.Parent, def.Left, def.Top, def.Width, def.Height);
  edit->SetFrameVisible(true);
  edit->SetFrameHotTrack(true);
  edit->SetFrameHotStyle(widgets::fsBump);
  edit->SetMax(def.Max);
  edit->SetDisplayFormat(def.DisplayFormat);
  edit->SetTabOrder(def.TabOrder);
  edit->MarkUntyped();
  return edit;
}

gui::TWebBrowser* MakeBannerPane(gui::TForm& form, std::string_view panel) {
  auto* pane = new gui::TWebBrowser(&form);
  pane->SetName("WebBrowser1");
  pane->SetParent(&ParentOf(form, panel));
  pane->SetAlign(gui::alClient);
  pane->SetAccName(Tr(kBannerName));
  return pane;
}

widgets::TUiCheckBox* MakeCheckBox(gui::TForm& form, const TCheckBoxDef& def) {
  auto* box = Place<widgets::TUiCheckBox>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  box->SetFont(LayoutFont(def.Font));
  box->SetAlignmentVertical(widgets::avCenter);
  box->SetCaption(Tr(def.Caption));
  box->SetTabOrder(def.TabOrder);
  return box;
}

void ExplainStayOnTopUnavailable(widgets::TUiCheckBox& box) {
  box.SetEnabled(false);
  box.SetHint(Tr(kStayOnTopUnavailable));
  box.SetAccDescription(Tr(kStayOnTopUnavailable));
}

}  // namespace app
