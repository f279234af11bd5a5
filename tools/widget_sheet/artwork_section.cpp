// The program's own pictures where they are used: the main window's glyph buttons in their looks,
// the row captions in the face that serves "Comic Sans MS", and the about box's two pictures in
// their panels, drawn transparently as the about box draws them.

#include <string>

#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/text.h"
#include "gui/std/image.h"
#include "gui/std/label.h"
#include "gui/std/panel.h"
#include "resources/resources.h"
#include "tools/widget_sheet/sheet.h"
#include "widgets/bit_btn.h"

namespace widgets {
namespace {

using namespace gui::literals;

gui::TBitmap Picture(std::string_view name) { return sheet::Artwork(name); }

TUiBitBtn* Button(gui::TForm* form, int left, int top, int width, int height, const std::string& caption,
                  std::string_view glyph) {
  auto* button = new TUiBitBtn(form);
  button->SetParent(form);
  button->SetBounds(left, top, width, height);
  button->SetCaption(caption);
  button->SetGlyph(Picture(glyph));
  button->SetFrameColor(0x743C00);
  button->SetColor(0xF0F4F4);
  button->SetHotTrack(true);
  button->Font().SetStyle(gui::fsBold);
  return button;
}

gui::TImage* Framed(gui::TForm* form, int left, int top, std::string_view name) {
  auto* panel = new gui::TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(left, top, 105, 105);
  auto* image = new gui::TImage(form);
  image->SetParent(panel);
  image->SetBounds(2, 2, 101, 101);
  image->SetCenter(true);
  image->SetProportional(true);
  image->SetTransparent(true);
  image->SetPicture(sheet::Artwork(name));
  return image;
}

gui::TBitmap RenderArtwork(sheet::TTestApp& app) {
  auto* form = app.App.CreateForm<gui::TForm>();
  form->SetClientSize(640, 250);
  form->SetColor(gui::clBtnFace);
  Button(form, 8, 8, 145, 73, "О программе"_cp, "glyphs/about.png");
  Button(form, 160, 8, 145, 73, "Выход"_cp, "glyphs/exit.png");
  TUiBitBtn* hot = Button(form, 312, 8, 145, 73, "Выход"_cp, "glyphs/exit.png");
  Button(form, 470, 10, 29, 25, "", "glyphs/add.png");
  Button(form, 510, 10, 29, 25, "", "glyphs/add.png")->SetEnabled(false);
  const char* captions[] = {"Красное"_cp, "Черное"_cp, "1 - 18"};
  const gui::TColor colours[] = {gui::clRed, gui::clBlack, gui::clBlack};
  for (int i = 0; i < 3; ++i) {
    auto* caption = new gui::TLabel(form);
    caption->SetParent(form);
    caption->SetLeft(8 + i * 150);
    caption->SetTop(90);
    caption->Font().SetName("Comic Sans MS");
    caption->Font().SetHeight(-27);
    caption->Font().SetStyle(gui::fsBold);
    caption->Font().SetColor(colours[i]);
    caption->SetCaption(captions[i]);
  }
  Framed(form, 8, 135, "pictures/emblem.png");
  Framed(form, 124, 135, "pictures/wordmark.png");
  auto* icon = new gui::TImage(form);
  icon->SetParent(form);
  icon->SetBounds(480, 100, 128, 128);
  icon->LoadFromMemory(resources::Get("icons/spintrak.png"));
  form->Show();
  app.Host.MouseMove(*form, {hot->Left() + 20, hot->Top() + 20});
  return sheet::Snapshot(app, *form);
}

const sheet::TSectionRegistrar Registered(40, "The program's glyphs, captions face, about pictures and icon",
                                          RenderArtwork);

}  // namespace
}  // namespace widgets
