#pragma once

// The widget sheet: every widget in each of its looks on one picture, for a person to hold beside
// the way it should look. Each family of widgets contributes a section from a file of its own,
// registered by a static TSectionRegistrar; the writer stacks the sections in their order.

#include <functional>
#include <string>
#include <string_view>

#include "gui/graphics/bitmap.h"
#include "platform/headless/testing/input_script.h"

namespace sheet {

using TTestApp = platform::headless::testing::TTestApp;
// Renders one section at 1:1. Forms made on the application are the section's to free.
using TRenderSection = std::function<gui::TBitmap(TTestApp& app)>;

struct TSectionRegistrar {
  TSectionRegistrar(int order, std::string title, TRenderSection render);
};

// A shown form's client area as painted now, for copying into a section.
gui::TBitmap Snapshot(TTestApp& app, gui::TForm& form);

// The scale the sheet is painted at (--scale): every form and picture of it is that many device
// pixels per logical pixel.
int Scale();
void SetScale(int scale);
// A picture of width x height logical pixels at the sheet's scale.
gui::TBitmap Blank(int width, int height, gui::TColor fill);
// One of the program's pictures with its versions for higher scales.
gui::TBitmap Artwork(std::string_view name);

}  // namespace sheet
