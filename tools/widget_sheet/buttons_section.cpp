// The push buttons' and check box's section of the widget sheet. Top block: one column per
// button state (normal, hot, focused, hot and focused, pressed, disabled); rows are the big
// 145 x 73 button with and without a glyph, then the 29 x 25 add button with its two-cell strip
// and without a glyph. Bottom block: the check box in each state, and a word-wrapped one.

#include <functional>
#include <string>
#include <string_view>

#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "resources/resources.h"
#include "tools/widget_sheet/sheet.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

namespace widgets {
namespace {

using namespace gui::literals;
namespace script = platform::headless::testing;

constexpr TColor Face = 0xF0F4F4, Frame = 0x743C00;
constexpr int ColW = 160, LabelH = 16;

// The program's own artwork: the 48 x 48 about glyph and the add button's two-cell strip.
TBitmap Glyph(std::string_view name) { return sheet::Artwork(name); }

using TStateSetup = std::function<void(sheet::TTestApp&, gui::TForm&, gui::TWinControl&)>;

struct TStateColumn {
  const char* Title;
  TStateSetup Setup;
};

// One control alone on a small form, put into a state by real input, then snapshotted.
TBitmap Render(sheet::TTestApp& app, int w, int h, const std::function<gui::TWinControl*(gui::TForm&)>& make,
               const TStateSetup& setup) {
  auto* form = app.App.CreateForm<gui::TForm>();
  form->SetClientSize(w + 8, h + 8);
  gui::TWinControl* control = make(*form);
  control->SetTabStop(false);
  form->Show();
  app.Host.RunUntilIdle();
  form->FocusControl(nullptr);
  setup(app, *form, *control);
  TBitmap shot = sheet::Snapshot(app, *form);
  app.Host.MouseLeave(*form);
  delete form;
  app.Host.RunUntilIdle();
  return shot;
}

const TStateColumn Columns[] = {
    {"normal", [](sheet::TTestApp&, gui::TForm&, gui::TWinControl&) {}},
    {"hot", [](sheet::TTestApp& app, gui::TForm& form,
               gui::TWinControl& c) { script::MoveTo(app.Host, form, script::CentreOf(c)); }},
    {"focused",
     [](sheet::TTestApp& app, gui::TForm&, gui::TWinControl& c) {
       c.SetFocus();
       app.Host.RunUntilIdle();
     }},
    {"hot + focused",
     [](sheet::TTestApp& app, gui::TForm& form, gui::TWinControl& c) {
       c.SetFocus();
       script::MoveTo(app.Host, form, script::CentreOf(c));
     }},
    {"pressed",
     [](sheet::TTestApp& app, gui::TForm& form, gui::TWinControl& c) {
       const gui::TPoint p = script::CentreOf(c);
       app.Host.MouseMove(form, p);
       app.Host.MouseDown(form, p);
       app.Host.RunUntilIdle();
     }},
    {"disabled", [](sheet::TTestApp&, gui::TForm&, gui::TWinControl& c) { c.SetEnabled(false); }},
};

TUiBitBtn* MakeButton(gui::TForm& form, int w, int h, const char* caption, const TBitmap* glyph) {
  auto* b = new TUiBitBtn(&form);
  b->SetParent(&form);
  b->SetBounds(4, 4, w, h);
  b->SetHotTrack(true);
  b->SetColor(Face);
  b->SetFrameColor(Frame);
  b->SetCaption(caption);
  if (glyph) b->SetGlyph(*glyph);
  return b;
}

TBitmap RenderButtons(sheet::TTestApp& app) {
  const TBitmap info = Glyph("glyphs/about.png"), add = Glyph("glyphs/add.png");
  struct TRow {
    int W, H;
    const char* Caption;
    const TBitmap* Glyph;
  };
  const TRow rows[] = {{145, 73, "О программе"_cp, &info},
                       {145, 73, "Выход"_cp, nullptr},
                       {29, 25, "", &add},
                       {29, 25, "", nullptr}};
  int height = LabelH;
  for (const TRow& row : rows) height += row.H + 12;
  TBitmap section = sheet::Blank(ColW * int(std::size(Columns)), height + 150, ColorToRGB(clBtnFace));
  TCanvas& canvas = section.Canvas();
  canvas.Brush.Style = gui::bsClear;
  for (std::size_t col = 0; col < std::size(Columns); ++col) {
    canvas.TextOut(int(col) * ColW + 4, 0, Columns[col].Title);
    int y = LabelH;
    for (const TRow& row : rows) {
      const TBitmap shot = Render(
          app, row.W, row.H,
          [&](gui::TForm& form) { return MakeButton(form, row.W, row.H, row.Caption, row.Glyph); },
          Columns[col].Setup);
      canvas.Draw(int(col) * ColW, y, shot);
      y += row.H + 12;
    }
  }

  // The check box of the main window in each state, then unchecked-disabled and a wrapped one.
  const TCheckBoxState states[] = {cbUnchecked, cbChecked, cbGrayed};
  int y = height;
  for (std::size_t col = 0; col < std::size(Columns); ++col) {
    for (int s = 0; s < 3; ++s) {
      const TBitmap shot = Render(
          app, 150, 21,
          [&](gui::TForm& form) {
            auto* box = new TUiCheckBox(&form);
            box->SetParent(&form);
            box->SetAutoSize(false);
            box->SetBounds(4, 4, 150, 21);
            box->SetAlignmentVertical(avCenter);
            box->SetCaption("поверх всех окон"_cp);
            box->SetState(states[s]);
            return box;
          },
          Columns[col].Setup);
      canvas.Draw(int(col) * ColW, y + s * 30, shot);
    }
  }
  y += 90;
  const TBitmap wrapped = Render(
      app, 150, 40,
      [](gui::TForm& form) {
        form.BeginLoading();
        auto* box = new TUiCheckBox(&form);
        box->SetParent(&form);
        box->SetBounds(4, 4, 150, 40);
        box->SetCaption("показывать окно поверх всех окон"_cp);
        box->SetChecked(true);
        form.EndLoading();
        return box;
      },
      Columns[0].Setup);
  canvas.Draw(0, y, wrapped);
  return section;
}

const sheet::TSectionRegistrar Registered(10, "Glyph push buttons and the check box",
                                          [](sheet::TTestApp& app) { return RenderButtons(app); });

}  // namespace
}  // namespace widgets
