// Writes the widget sheet: widget_sheet [--scale N] [OUT.png]. Without OUT.png the path comes
// from SPINTRAK_WIDGETS_SHEET; with neither, the sheet is rendered and not written, which is how
// the test command checks that every section still renders.

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/text.h"
#include "resources/resources.h"
#include "tools/widget_sheet/sheet.h"

namespace sheet {
namespace {

struct TSection {
  int Order;
  std::string Title;
  TRenderSection Render;
};

std::vector<TSection>& Sections() {
  static std::vector<TSection> sections;
  return sections;
}

constexpr int Margin = 6, TitleHeight = 18;

int gScale = 1;

gui::TBitmap Compose(TTestApp& app) {
  std::vector<TSection> sections = Sections();
  std::stable_sort(sections.begin(), sections.end(),
                   [](const TSection& a, const TSection& b) { return a.Order < b.Order; });
  std::vector<gui::TBitmap> parts;
  int width = 0, height = Margin;
  for (const TSection& section : sections) {
    parts.push_back(section.Render(app));
    width = std::max(width, parts.back().LogicalWidth() + 2 * Margin);
    height += TitleHeight + parts.back().LogicalHeight() + Margin;
  }
  gui::TBitmap out = Blank(width, height, gui::ColorToRGB(gui::clBtnFace));
  gui::TCanvas& canvas = out.Canvas();
  canvas.Font.SetStyle(gui::fsBold);
  canvas.Brush.Style = gui::bsClear;
  int y = Margin;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    canvas.TextOut(Margin, y + 2, gui::Utf8ToAnsi(sections[i].Title));
    y += TitleHeight;
    canvas.Draw(Margin, y, parts[i]);
    y += parts[i].LogicalHeight() + Margin;
  }
  return out;
}

}  // namespace

TSectionRegistrar::TSectionRegistrar(int order, std::string title, TRenderSection render) {
  Sections().push_back({order, std::move(title), std::move(render)});
}

gui::TBitmap Snapshot(TTestApp& app, gui::TForm& form) {
  app.Host.RunUntilIdle();
  form.PaintPending();
  const gui::TBitmap& buffer = form.BackBuffer();
  gui::TBitmap copy = Blank(buffer.LogicalWidth(), buffer.LogicalHeight(), gui::clWhite);
  copy.Canvas().Draw(0, 0, buffer);
  return copy;
}

int Scale() { return gScale; }
void SetScale(int scale) { gScale = std::clamp(scale, 1, gui::TBitmap::MaxScale); }

gui::TBitmap Blank(int width, int height, gui::TColor fill) {
  gui::TBitmap picture(width * gScale, height * gScale, fill);
  picture.SetScale(gScale);
  return picture;
}

gui::TBitmap Artwork(std::string_view name) {
  gui::TBitmap picture;
  picture.LoadFromMemory(resources::Get(name));
  picture.LoadVariantFromMemory(resources::Find(resources::ScaledName(name, 2)), 2);
  return picture;
}

}  // namespace sheet

int main(int argc, char** argv) {
  int scale = 2;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--scale" && i + 1 < argc) {
      scale = std::clamp(std::atoi(argv[++i]), 1, 8);
    } else if (arg == "-h" || arg == "--help") {
      std::cout << "usage: widget_sheet [--scale N] [OUT.png]\n"
                   "Renders every widget in each of its looks; writes OUT.png (or $SPINTRAK_WIDGETS_SHEET),\n"
                   "painted at N device pixels per pixel (default 2), as on a screen of that scale.\n";
      return 0;
    } else if (!arg.empty() && arg[0] != '-' && path.empty()) {
      path = arg;
    } else {
      std::cerr << "widget_sheet: unexpected argument '" << arg << "' (see --help)\n";
      return 2;
    }
  }
  if (path.empty())
    if (const char* env = std::getenv("SPINTRAK_WIDGETS_SHEET")) path = env;
  try {
    sheet::SetScale(scale);
    sheet::TTestApp app;
    app.Host.SetWindowScale(scale);
    const gui::TBitmap sheet = sheet::Compose(app);
    if (path.empty()) {
      std::cout << "widget sheet rendered: " << sheet.Width() << " x " << sheet.Height() << " (not written)\n";
      return 0;
    }
    sheet.SaveToFile(path);
    std::cout << "widget sheet written to " << path << "\n";
  } catch (const std::exception& e) {
    std::cerr << "widget_sheet: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
