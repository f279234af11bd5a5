#include "app/about_box.h"

#include <stdexcept>
#include <string>

#include "app/language.h"
#include "gui/graphics/text.h"
#include "gui/std/button.h"
#include "gui/std/image.h"
#include "gui/std/label.h"
#include "gui/std/panel.h"
#include "resources/resources.h"
#include "widgets/panel.h"
#include "widgets/url_label.h"

namespace app {

namespace {

// What a listener hears for the emblem; the word mark is named by its word.
const char* const kEmblemName = N_("Эмблема Spintrak");

template <class T>
T* Place(gui::TComponent* owner, gui::TWinControl* parent, const char* name, int left, int top, int width = 0,
         int height = 0) {
  auto* control = new T(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width > 0 ? width : control->Width(), height > 0 ? height : control->Height());
  return control;
}

gui::TLabel* Text(gui::TComponent* owner, gui::TWinControl* parent, const char* name, int left, int top,
                  std::string_view caption, bool bold) {
  auto* label = Place<gui::TLabel>(owner, parent, name, left, top);
  label->SetCaption(caption);
  if (bold) label->Font().SetStyle(gui::fsBold);
  return label;
}

// A picture centred in its panel, scaled down to fit but never enlarged, its background colour
// showing the panel through.
gui::TImage* Picture(gui::TComponent* owner, widgets::TUiPanel* panel, const char* name,
                     std::string_view resource) {
  auto* image = Place<gui::TImage>(owner, panel, name, 2, 2, 101, 101);
  image->SetAlign(gui::alClient);
  image->SetCenter(true);
  image->SetProportional(true);
  image->SetTransparent(true);
  const auto png = resources::Find(resource);
  if (png.empty())
    throw std::runtime_error("The about box's picture \"" + std::string(resource) +
                             "\" is not built into the program");
  gui::TBitmap picture;
  picture.LoadFromMemory(png);
  picture.LoadVariantFromMemory(resources::Find(resources::ScaledName(resource, 2)), 2);
  image->SetPicture(picture);
  return image;
}

}  // namespace

TAboutBox::TAboutBox(gui::TComponent* owner) : gui::TForm(owner) {
  BeginLoading();
  SetName("AboutBox");
  SetCaption("About");
  SetBorderStyle(gui::bsDialog);
  SetBorderIcons(gui::TBorderIcons(gui::biSystemMenu));
  SetClientSize(538, 199);
  SetPosition(gui::poScreenCenter);

  Panel1 = Place<gui::TPanel>(this, this, "Panel1", 8, 8, 521, 153);
  Panel1->SetCaption("");
  Panel1->SetBevelInner(gui::bvRaised);
  Panel1->SetBevelOuter(gui::bvLowered);
  Panel1->SetParentColor(true);

  ProductName = Text(this, Panel1, "ProductName", 120, 16, Tr("Наименование продукта"), false);
  Version = Text(this, Panel1, "Version", 120, 40, Tr("Версия"), false);
  Label1 = Text(this, Panel1, "Label1", 272, 16, "Spintrak", true);
  Label4 = Text(this, Panel1, "Label4", 272, 40, "0.36", true);
  Label2 = Text(this, Panel1, "Label2", 120, 64,
                Tr("Программа учета и сортировки статистики \n"
                   "при игре в онлайн казино (рулетку).\n"
                   "Проверенные казино с контролем честности.\n"
                   "Стратегии и системы обыгрывания казино."),
                true);
  Label2->SetAutoSize(false);
  Label2->SetWordWrap(true);
  Label2->SetBounds(120, 64, 275, 52);

  UiURLLabel1 = Place<widgets::TUiURLLabel>(this, Panel1, "UiURLLabel1", 16, 128, 80, 13);
  UiURLLabel1->SetCaption(kSiteHost);
  UiURLLabel1->SetURL(kSiteAddress);
  UiURLLabel1->Font().SetColor(gui::clHighlight);
  UiURLLabel1->Font().SetStyle(gui::fsUnderline);

  UiPanel1 = Place<widgets::TUiPanel>(this, Panel1, "UiPanel1", 7, 7, 105, 105);
  UiPanel1->SetCaption("");
  Image1 = Picture(this, UiPanel1, "Image1", kEmblemPicture);
  UiPanel2 = Place<widgets::TUiPanel>(this, Panel1, "UiPanel2", 409, 7, 105, 105);
  UiPanel2->SetCaption("");
  Image2 = Picture(this, UiPanel2, "Image2", kWordmarkPicture);

  Image1->SetAccName(Tr(kEmblemName));
  Image2->SetAccName("Spintrak");

  OKButton = Place<gui::TButton>(this, this, "OKButton", 204, 168, 130, 25);
  OKButton->SetCaption("OK");
  OKButton->SetDefault(true);
  OKButton->SetModalResult(gui::mrOk);
  EndLoading();
}

}  // namespace app
