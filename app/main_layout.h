#pragma once
// The main window's layout as data: every control with its name, parent, place, font, colour,
// caption and Tab position, in the order the window creates them. The form's constructor walks
// these tables; tests read them to check the window that was built.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "gui/controls/control_types.h"
#include "gui/graphics/color.h"
#include "gui/graphics/font.h"
#include "gui/graphics/text.h"
#include "gui/std/std_types.h"
#include "widgets/paint/draw_types.h"

namespace app {

inline constexpr int kMainClientWidth = 1166;
inline constexpr int kMainClientHeight = 742;

// The window's fonts, by the letters the layout gives them.
enum TFontId : std::uint8_t { fontA, fontB, fontC, fontD, fontE, fontF, fontG, fontH, fontI };
gui::TFont LayoutFont(TFontId id);

struct TPanelDef {
  std::string_view Name, Parent;  // an empty parent is the form
  gui::TAlign Align;
  int Size;  // height of a top panel, width of a right one; unused for alClient
  widgets::TFrameStyleEx BorderOuter;
  widgets::TUiVisualStyle VisualStyle;
  int TabOrder;
};

struct TButtonDef {
  std::string_view Name, Parent;
  int Left, Top, Width, Height;  // a height of 0 keeps the button's own
  gui::AnsiString Caption;
  gui::AnsiString AccName;  // for a button without a caption
  std::string_view Glyph;   // compiled-in picture
  int NumGlyphs;
  int TabOrder;
};

// Labels that name themselves for a listener by their place: a count of the tables, a strip cell.
enum TCellKind : std::uint8_t { ckNone, ckCount, ckStrip };

struct TLabelDef {
  std::string Name;
  std::string_view Parent;
  int Left, Top, Width, Height;  // the size counts only for a fixed label
  bool AutoSize;
  TFontId Font;
  gui::AnsiString Caption;
  gui::TColor FontColor = gui::clDefault;  // clDefault keeps the font's colour
  gui::TAlignment Alignment = gui::taCenter;
  TCellKind Cell = ckNone;
  gui::AnsiString Heading = {};  // what a listener hears before the cell's value
};

struct TSeparatorDef {
  std::string Name;
  int Left, Top, Width, Height;
};

struct TBorderDef {
  std::string_view Name;
  int Left, Top, Width, Height;
  widgets::TSides Sides;
};

// The statistics as a listener walks them, by the names of their labels: a table under its
// column headings, each row its caption and then its counts.
struct TTableDef {
  gui::AnsiString AccName;
  std::vector<std::string> ColumnHeadings;
  std::vector<std::vector<std::string>> Rows;
};

// The strip of last numbers as a list of its labels, newest first.
struct TListDef {
  gui::AnsiString AccName;
  std::vector<std::string> Items;
};

struct TMainLayout {
  std::vector<TPanelDef> Panels;
  std::vector<TButtonDef> Buttons;
  std::vector<TLabelDef> Labels;
  std::vector<TSeparatorDef> Separators;
  std::vector<TBorderDef> Borders;
  std::vector<TTableDef> Tables;
  TListDef Strip;
};

// Built once on first use.
const TMainLayout& MainLayout();

// Where the entry field and the check box sit; they are one of a kind.
struct TEditDef {
  std::string_view Name, Parent;
  int Left, Top, Width, Height;
  int Max;
  std::string_view DisplayFormat;
  int TabOrder;
};
inline constexpr TEditDef kEntryField{"UiNumericEdit1", "UiPanel3", 154, 12, 65, 21, 36, "0", 0};

struct TCheckBoxDef {
  std::string_view Name;
  int Left, Top, Width, Height;
  const char* Caption;
  TFontId Font;
  int TabOrder;
};
inline constexpr TCheckBoxDef kStayOnTopBox{
    "UiCheckBox1", 24, 664, 246, 21, N_("показывать окно поверх всех окон"), fontI, 1};

// The stay-on-top box's tooltip and accessible description where the desktop cannot keep a
// window above the others (Wayland): the box is disabled, and the desktop's window menu offers it.
inline constexpr const char* kStayOnTopUnavailable =
    N_("Здесь окно не может само держаться поверх других. Выберите «Всегда наверху» в меню окна "
       "(щелчок правой кнопкой по заголовку).");

// Where the browser pane goes: inside this panel's border.
inline constexpr std::string_view kBannerPanel = "UiPanel4";

// Row tops of the single-number table, by wheel number.
int NumberRowTop(int number);

}  // namespace app
