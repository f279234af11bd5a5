#include "gui/std/clipboard.h"

#include "gui/controls/application.h"

namespace gui {

AnsiString ClipboardGetText() {
  if (!Application) throw EClipboardError();
  std::optional<std::string> utf8 = Application->Host().ClipboardText();
  if (!utf8) throw EClipboardError();
  return Utf8ToAnsi(*utf8);
}

void ClipboardSetText(std::string_view ansi) {
  if (!Application || !Application->Host().SetClipboardText(AnsiToUtf8(ansi))) throw EClipboardError();
}

}  // namespace gui
