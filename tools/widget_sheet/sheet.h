#pragma once

// The widget sheet: every widget in each of its looks on one picture, for a person to hold beside
// the way it should look. Each family of widgets contributes a section from a file of its own,
// registered by a static TSectionRegistrar; the writer stacks the sections in their order.

#include <functional>
#include <string>

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

}  // namespace sheet
