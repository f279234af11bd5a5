#pragma once
// Numbers written with a picture, as entry fields display their values.
//
// A picture has up to three sections separated by ";": for positive values, for negative values
// and for zero. Inside a section "0" is a digit place that always shows, "#" one that shows when
// significant, "," (wherever it stands) asks for thousands grouping, the first "." places the
// decimal separator (and shows only when a digit follows it), and text in single or double quotes as well as any
// other character is copied as it stands. The value is rounded to the section's digit places after the point,
// halves away from zero. A value that rounds to zero takes the zero section; without one the positive section,
// unsigned. A negative value written with the positive section (no negative section, or an empty one) gets a
// leading "-". An empty picture writes the value in the general way, with up to 18 significant digits.

#include <string_view>

#include "gui/graphics/text.h"
#include "widgets/numeric_text.h"

namespace widgets {

gui::AnsiString FormatNumericPicture(long double value, std::string_view picture,
                                     const TNumberSeparators& separators);

}  // namespace widgets
