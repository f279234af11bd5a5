#include "app/main_layout.h"

#include <array>
#include <map>
#include <stdexcept>

#include "app/language.h"
#include "app/table_cell.h"

namespace app {
namespace {

using gui::clBlack;
using gui::clNavy;
using gui::clPurple;
using gui::clRed;
using gui::clWindowText;

struct TFontDef {
  const char* Face;
  int Height;  // character height in pixels
  gui::TColor Color;
  bool Bold;
  int Charset;
};

constexpr int kComic = gui::RUSSIAN_CHARSET;
constexpr int kDefault = gui::DEFAULT_CHARSET;

constexpr TFontDef kFonts[] = {
    /* A */ {"MS Sans Serif", 11, clBlack, true, kDefault},     // column headings, buttons
    /* B */ {"MS Sans Serif", 12, clBlack, true, kDefault},     // strip heading
    /* C */ {"MS Sans Serif", 11, clNavy, true, kDefault},      // entry captions
    /* D */ {"Comic Sans MS", 19, clNavy, true, kComic},        // strip labels
    /* E */ {"Comic Sans MS", 27, clBlack, true, kComic},       // row captions (colour per row)
    /* F */ {"Comic Sans MS", 21, clNavy, true, kComic},        // even-money and dozen counts
    /* G */ {"Comic Sans MS", 13, clNavy, true, kComic},        // single-number table
    /* H */ {"Comic Sans MS", 27, clPurple, true, kComic},      // spin counter
    /* I */ {"Comic Sans MS", 13, clWindowText, true, kComic},  // check box caption
};

// One row of the even-money and dozen table: its caption label and its four count cells
// (last 10, last 20, last 50, all).
struct TTableRow {
  const char* Caption;
  const char* Text;
  gui::TColor Color;
  bool AutoSize;
  int Top;
  int CellTop;
  std::array<const char*, 4> Cells;
};

const TTableRow kTableRows[] = {
    {"UiLabel40", N_("Красное"), clRed, true, 150, 153, {"UiLabel36", "UiLabel37", "UiLabel38", "UiLabel39"}},
    {"UiLabel45", N_("Черное"), clBlack, true, 198, 201, {"UiLabel41", "UiLabel42", "UiLabel43", "UiLabel44"}},
    {"UiLabel50", "1 - 18", clBlack, false, 270, 273, {"UiLabel46", "UiLabel47", "UiLabel48", "UiLabel49"}},
    {"UiLabel55", "19 - 36", clBlack, false, 318, 321, {"UiLabel51", "UiLabel52", "UiLabel53", "UiLabel54"}},
    {"UiLabel60", N_("Чет"), clBlack, false, 390, 393, {"UiLabel56", "UiLabel57", "UiLabel58", "UiLabel59"}},
    {"UiLabel65", N_("Нечет"), clBlack, false, 438, 441, {"UiLabel61", "UiLabel62", "UiLabel63", "UiLabel64"}},
    {"UiLabel70", "1 - 12", clBlack, false, 510, 513, {"UiLabel66", "UiLabel67", "UiLabel68", "UiLabel69"}},
    {"UiLabel75", "13 - 24", clBlack, false, 558, 561, {"UiLabel71", "UiLabel72", "UiLabel73", "UiLabel74"}},
    {"UiLabel80", "25 - 36", clBlack, false, 606, 609, {"UiLabel76", "UiLabel77", "UiLabel78", "UiLabel79"}},
};
constexpr int kRedBlackCellLefts[] = {194, 280, 378, 469};
constexpr int kCellLefts[] = {194, 290, 386, 477};

// Column headings of both tables: the left table's at these lefts, the right table's 576 further.
struct THeading {
  const char* Text;
  int Left, Top;
};
const THeading kHeadings[] = {
    {N_("Игровое поле"), 52, 120}, {N_("10\nспинов"), 188, 112}, {N_("20\nспинов"), 284, 112},
    {N_("50\nспинов"), 380, 112},  {N_("Всего"), 476, 120},
};
constexpr int kRightTableShift = 576;

// How a listener hears the columns and rows of the tables, and the strip.
const char* const kColumnWords[] = {N_(", 10 спинов"), N_(", 20 спинов"), N_(", 50 спинов"), N_(", всего")};
const char* const kNumberWord = N_("Число ");
const char* const kStripHeading = N_("Последние числа, ");
const char* const kStripName = N_("Последние числа");
const char* const kLeftTableName = N_("Простые шансы и дюжины");
const char* const kRightTableName = N_("Числа");

TLabelDef CountCell(std::string name, int left, int top, int width, int height, TFontId font,
                    gui::AnsiString heading) {
  TLabelDef cell{std::move(name), "", left, top, width, height, false, font, {}};
  cell.Cell = ckCount;
  cell.Heading = std::move(heading);
  return cell;
}

constexpr int kNumberRowTops[] = {145, 161, 177, 193, 209, 225, 241, 257, 273, 290, 306, 321, 337,
                                  353, 369, 385, 401, 417, 433, 450, 466, 481, 497, 513, 529, 545,
                                  561, 577, 593, 610, 626, 641, 657, 673, 689, 705, 721};
// The single-number count columns: name prefix and left.
constexpr std::pair<const char*, int> kNumberColumns[] = {
    {"UiLabel10S", 778}, {"UiLabel20S", 874}, {"UiLabel50S", 970}, {"UiLabelAllS", 1066}};

constexpr int kStripCells = 21;

TLabelDef Fixed(std::string name, std::string_view parent, int left, int top, int width, int height, TFontId font,
                gui::AnsiString caption = {}) {
  return {std::move(name), parent, left, top, width, height, false, font, std::move(caption)};
}

TLabelDef Auto(std::string name, std::string_view parent, int left, int top, TFontId font,
               gui::AnsiString caption) {
  return {std::move(name), parent, left, top, 0, 0, true, font, std::move(caption)};
}

void AddTopBandLabels(std::vector<TLabelDef>& labels) {
  TLabelDef entry = Auto("UiLabel2", "UiPanel3", 2, 16, fontC, Tr("Ввод выпавшего числа"));
  entry.Alignment = gui::taLeftJustify;
  TLabelDef count = Auto("UiLabel3", "UiPanel3", 2, 48, fontC, Tr("Количество спинов"));
  count.Alignment = gui::taLeftJustify;
  labels.push_back(std::move(entry));
  labels.push_back(std::move(count));
  labels.push_back(Fixed("UiLabel266", "UiPanel3", 152, 32, 105, 38, fontH, "0"));
}

void AddStrip(TMainLayout& layout) {
  std::vector<TLabelDef>& labels = layout.Labels;
  labels.push_back(Auto("UiLabel4", "", 13, 86, fontB, Tr(kStripName)));
  layout.Strip.AccName = Tr(kStripName);
  for (int k = 1; k <= kStripCells; ++k) {
    const int shift = 48 * (k - 1);
    TLabelDef cell = Fixed("UiLabelLast" + std::to_string(k), "", 133 + shift, k <= 2 ? 80 : 79, 32, 28, fontD);
    cell.Cell = ckStrip;
    cell.Heading = Tr(kStripHeading) + std::to_string(k);
    layout.Strip.Items.push_back(cell.Name);
    labels.push_back(std::move(cell));
    layout.Separators.push_back({"UiSeparator" + std::to_string(k), 174 + shift, k <= 2 ? 81 : 80, 2, 25});
  }
}

// The five column headings of a table, at a shift to the right and from the label number `first`.
TTableDef AddHeadings(std::vector<TLabelDef>& labels, const char* name, int first, int shift) {
  TTableDef table{Tr(name), {}, {}};
  for (const THeading& h : kHeadings) {
    table.ColumnHeadings.push_back("UiLabel" + std::to_string(first++));
    labels.push_back(Auto(table.ColumnHeadings.back(), "", h.Left + shift, h.Top, fontA, Tr(h.Text)));
  }
  return table;
}

void AddLeftTable(TMainLayout& layout) {
  std::vector<TLabelDef>& labels = layout.Labels;
  TTableDef table = AddHeadings(labels, kLeftTableName, 26, 0);
  for (std::size_t row = 0; row < std::size(kTableRows); ++row) {
    const TTableRow& r = kTableRows[row];
    TLabelDef caption = Fixed(r.Caption, "", 52, r.Top, 117, 38, fontE, Tr(r.Text));
    caption.AutoSize = r.AutoSize;
    caption.FontColor = r.Color;
    labels.push_back(std::move(caption));
    std::vector<std::string>& cells = table.Rows.emplace_back(1, r.Caption);
    const int* lefts = row < 2 ? kRedBlackCellLefts : kCellLefts;
    for (int column = 0; column < 4; ++column) {
      labels.push_back(CountCell(r.Cells[column], lefts[column], r.CellTop, 50, 38, fontF,
                                 SpokenRange(Tr(r.Text)) + Tr(kColumnWords[column])));
      cells.push_back(r.Cells[column]);
    }
  }
  layout.Tables.push_back(std::move(table));
}

void AddRightTable(TMainLayout& layout) {
  std::vector<TLabelDef>& labels = layout.Labels;
  TTableDef table = AddHeadings(labels, kRightTableName, 31, kRightTableShift);
  // Rows from the top: 0, then 1..36.
  for (int n = 0; n <= 36; ++n) {
    // The numbers 1..36 are UiLabel81..UiLabel116; 0 came last, as UiLabel117.
    const std::string name = "UiLabel" + std::to_string(n == 0 ? 117 : 80 + n);
    labels.push_back(Fixed(name, "", 669, NumberRowTop(n), 16, 19, fontG, std::to_string(n)));
    std::vector<std::string>& cells = table.Rows.emplace_back(1, name);
    for (int column = 0; column < 4; ++column) {
      const auto& [prefix, left] = kNumberColumns[column];
      cells.push_back(prefix + std::to_string(n));
      labels.push_back(CountCell(cells.back(), left, NumberRowTop(n), 16, 19, fontG,
                                 Tr(kNumberWord) + std::to_string(n) + Tr(kColumnWords[column])));
    }
  }
  layout.Tables.push_back(std::move(table));
}

TMainLayout BuildLayout() {
  TMainLayout layout;
  layout.Panels = {
      {"UiPanel1", "", gui::alTop, 80, widgets::fsNone, widgets::vsWinXP, 0},
      {"UiPanel2", "UiPanel1", gui::alRight, 310, widgets::fsNone, widgets::vsWinXP, 0},
      {"UiPanel3", "UiPanel1", gui::alRight, 260, widgets::fsNone, widgets::vsClassic, 1},
      {"UiPanel4", "UiPanel1", gui::alClient, 0, widgets::fsRaised, widgets::vsWinXP, 2},
  };
  layout.Buttons = {
      {"UiBitBtn2", "UiPanel2", 12, 2, 145, 73, Tr("О программе"), "", "glyphs/about.png", 1, 1},
      {"UiBitBtn1", "UiPanel2", 164, 2, 145, 73, Tr("Выход"), "", "glyphs/exit.png", 1, 0},
      {"UiBitBtn3", "UiPanel3", 224, 10, 29, 0, "", Tr("Добавить число"), "glyphs/add.png", 2, 1},
  };
  AddTopBandLabels(layout.Labels);
  AddStrip(layout);
  layout.Borders = {
      {"UiBorder1", 2, 101, 1161, 10, widgets::sdBottom}, {"UiBorder3", 3, 133, 1161, 10, widgets::sdBottom},
      {"UiBorder4", 3, 245, 584, 10, widgets::sdBottom},  {"UiBorder5", 3, 365, 584, 10, widgets::sdBottom},
      {"UiBorder6", 3, 485, 584, 10, widgets::sdBottom},  {"UiBorder7", 3, 645, 584, 10, widgets::sdBottom},
      {"UiBorder2", 578, 117, 10, 620, widgets::sdRight},
  };
  AddLeftTable(layout);
  AddRightTable(layout);
  return layout;
}

}  // namespace

gui::TFont LayoutFont(TFontId id) {
  const TFontDef& def = kFonts[id];
  gui::TFont font;
  font.SetName(def.Face);
  font.SetHeight(-def.Height);
  font.SetColor(def.Color);
  font.SetStyle(def.Bold ? gui::TFontStyles(gui::fsBold) : gui::TFontStyles());
  font.SetCharset(def.Charset);
  return font;
}

const TMainLayout& MainLayout() {
  // Built once for each language the program has been told to speak (tests switch between them).
  static std::map<std::string, TMainLayout> layouts;
  auto it = layouts.find(CurrentLanguage());
  if (it == layouts.end()) it = layouts.emplace(CurrentLanguage(), BuildLayout()).first;
  return it->second;
}

int NumberRowTop(int number) {
  if (number < 0 || number > 36) throw std::out_of_range("not a wheel number: " + std::to_string(number));
  return kNumberRowTops[number];
}

}  // namespace app
