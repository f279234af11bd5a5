#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "gui/graphics/canvas.h"
#include "gui/graphics/debug_png.h"
#include "gui/graphics/graphics_error.h"
#include "gui/graphics/text.h"

// Whole sample sheets compared with reference PNGs kept in the source tree. Run the tests with
// SPINTRAK_REGENERATE_PNG=1 to rewrite the references after an intended change, then look at them.
namespace gui {
namespace {

using namespace gui::literals;

void ExpectMatchesReference(const TBitmap& actual, const std::string& name) {
  const std::string reference = std::string(SPINTRAK_GRAPHICS_TEST_DATA) + "/" + name;
  if (const char* regenerate = std::getenv("SPINTRAK_REGENERATE_PNG"); regenerate && *regenerate == '1') {
    SaveDebugPng(actual, reference);
    return;
  }
  TBitmap expected;
  try {
    expected.LoadFromFile(reference);
  } catch (const EGraphicsError& e) {
    FAIL() << e.what() << " (run with SPINTRAK_REGENERATE_PNG=1 to create it)";
  }
  ASSERT_EQ(expected.Width(), actual.Width());
  ASSERT_EQ(expected.Height(), actual.Height());
  int differing = 0;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x) differing += actual.GetPixel(x, y) != expected.GetPixel(x, y);
  if (differing) {
    const auto saved = std::filesystem::temp_directory_path() / ("actual_" + name);
    SaveDebugPng(actual, saved.string());
    ADD_FAILURE() << differing << " pixels differ from " << reference << "; actual saved as " << saved;
  }
}

TEST(ReferencePng, Primitives) {
  TBitmap b(64, 40, clBtnFace);
  TCanvas& c = b.Canvas();
  c.Pen.Color = clBtnHighlight;
  c.MoveTo(2, 30);
  c.LineTo(2, 2);
  c.LineTo(30, 2);
  c.Pen.Color = clBtnShadow;
  c.LineTo(30, 30);
  c.LineTo(1, 30);
  c.Brush.Color = clInfoBk;
  c.Pen.Color = cl3DDkShadow;
  c.Rectangle({6, 6, 26, 26});
  c.Brush.Color = clHighlight;
  c.FrameRect({34, 4, 60, 20});
  c.Pen.Style = psDot;
  c.Pen.Color = clBlack;
  c.Brush.Style = bsClear;
  c.Rectangle({36, 22, 60, 36});
  c.Pen.Style = psSolid;
  c.Pen.Color = clRed;
  c.MoveTo(34, 38);
  c.LineTo(62, 24);
  ExpectMatchesReference(b, "primitives.png");
}

TEST(ReferencePng, TextSamples) {
  if (!std::filesystem::exists("/usr/share/wine/fonts/sserifer.fon"))
    GTEST_SKIP() << "the references were drawn with the Wine bitmap face";
  TBitmap b(320, 200, clBtnFace);
  TCanvas& c = b.Canvas();
  c.Brush.Style = bsClear;
  struct TSample {
    const char* Name;
    int Height;
    TFontStyles Style;
    TColor Color;
  };
  const TSample samples[] = {{"MS Sans Serif", -11, {}, clWindowText},
                             {"MS Sans Serif", -11, {fsBold}, clRed},
                             {"MS Sans Serif", -12, {fsBold, fsUnderline}, clGreen},
                             {"Comic Sans MS", -13, {fsBold}, clNavy},
                             {"Comic Sans MS", -21, {fsBold}, clPurple}};
  int y = 2;
  for (const TSample& s : samples) {
    c.Font.SetName(s.Name);
    c.Font.SetHeight(s.Height);
    c.Font.SetStyle(s.Style);
    c.Font.SetColor(s.Color);
    c.TextOut(4, y, "Красное (12) Чёт 1-18 №5"_cp);
    y += c.Metrics().Height + 1;
  }
  c.Font = TFont();
  c.Pen.Color = clBtnShadow;
  TRect box{4, 120, 120, 170};
  c.Rectangle(box.Inflate(1, 1));
  DrawText(c, "&Последние номера\r\nи их частота по окнам"_cp, box, DT_CENTER | DT_WORDBREAK);
  TRect path{130, 120, 240, 136};
  c.Rectangle(path.Inflate(1, 1));
  DrawText(c, "C:\\Temp\\Spintrak\\SKTemp1.htm", path, DT_SINGLELINE | DT_VCENTER | DT_PATH_ELLIPSIS);
  TRect end{130, 146, 240, 170};
  c.Rectangle(end.Inflate(1, 1));
  DrawText(c, "Очень длинная подпись кнопки"_cp, end, DT_SINGLELINE | DT_BOTTOM | DT_END_ELLIPSIS);
  TRect tabs{4, 176, 316, 196};
  DrawText(c, "0\tЗеро\tx1\r\n1-18\tМалые\tx2"_cp, tabs, DT_EXPANDTABS | DT_NOCLIP);
  ExpectMatchesReference(b, "text_samples.png");
}

}  // namespace
}  // namespace gui
