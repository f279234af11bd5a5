// The framed entries' section of the widget sheet. Top row: the main window's numeric field
// normal, hot by the pointer, hot by the focus (caret and selection shown), disabled, read-only,
// and a field without the frame (the platform's sunken border). Below, one row per frame style
// (fsNone .. fsFlatBold): that style as the normal frame and as the hot frame, each on the window
// colour and on a yellow field.

#include "gui/controls/form.h"
#include "gui/std/label.h"
#include "tests/widgets/main_field.h"
#include "tools/widget_sheet/sheet.h"
#include "widgets/numeric_edit.h"

namespace widgets {
namespace {

constexpr int FieldW = 65, FieldH = 21, StepX = 75, StepY = 26, LabelW = 80;

const char* const StyleNames[FrameStyleCount] = {"fsNone",    "fsFlat",       "fsGroove",  "fsBump",
                                                 "fsLowered", "fsButtonDown", "fsRaised",  "fsButtonUp",
                                                 "fsStatus",  "fsPopup",      "fsFlatBold"};

void AddLabel(gui::TForm& form, int x, int y, const char* text) {
  auto* label = new gui::TLabel(&form);
  label->SetParent(&form);
  label->SetBounds(x, y, LabelW - 4, 14);
  label->SetCaption(text);
}

// A field as the main window lays it out, showing `value`.
TUiNumericEdit* MainWindowField(gui::TForm& form, int x, int y, int value) {
  auto* field = new TUiNumericEdit(&form);
  field->SetParent(&form);
  field->SetBounds(x, y, FieldW, FieldH);
  widgets::testing::SetMainFieldProperties(*field);
  field->SetIntegerValue(value);
  return field;
}

gui::TBitmap Render(sheet::TTestApp& app) {
  auto* form = app.App.CreateForm<gui::TForm>();
  form->SetClientSize(LabelW + 6 * StepX, 2 * StepY + 22 + FrameStyleCount * StepY);
  const char* const states[] = {"normal", "pointer", "focus", "disabled", "read-only", "no frame"};
  for (int i = 0; i < 6; ++i) AddLabel(*form, LabelW + i * StepX, 2, states[i]);
  AddLabel(*form, 2, 22, "main field");
  TUiNumericEdit* row[6];
  for (int i = 0; i < 6; ++i) row[i] = MainWindowField(*form, LabelW + i * StepX, 18, 17 + i);
  row[1]->UpdateFrame(ftPointer, true);
  row[3]->SetEnabled(false);
  row[4]->SetReadOnly(true);
  row[5]->SetFrameHotTrack(false);
  row[5]->SetFrameVisible(false);

  const int top = 2 * StepY + 4;
  const char* const columns[] = {"normal", "hot", "normal, yellow", "hot, yellow"};
  for (int i = 0; i < 4; ++i) AddLabel(*form, LabelW + i * StepX, top - 16, columns[i]);
  for (int style = 0; style < FrameStyleCount; ++style) {
    const int y = top + style * StepY;
    AddLabel(*form, 2, y + 4, StyleNames[style]);
    for (int column = 0; column < 4; ++column) {
      auto* field = new TUiEdit(form);
      field->SetParent(form);
      field->SetBounds(LabelW + column * StepX, y, FieldW, FieldH);
      field->SetText("1234");
      field->SetFrameVisible(true);
      if (column >= 2) field->SetColor(gui::clYellow);
      if (column % 2 == 1) {
        field->SetFrameHotTrack(true);
        field->SetFrameHotStyle(static_cast<TFrameStyle>(style));
        field->UpdateFrame(ftPointer, true);
      } else {
        field->SetFrameStyle(static_cast<TFrameStyle>(style));
      }
    }
  }
  // The focused field is the one that shows the focus; every other one stays normal.
  form->SetActiveControl(row[2]);
  form->Show();
  gui::TBitmap picture = sheet::Snapshot(app, *form);
  delete form;
  return picture;
}

const sheet::TSectionRegistrar Registered(10,
                                          "Entry fields: the main field by state, each frame style normal and hot",
                                          Render);

}  // namespace
}  // namespace widgets
