#include "widgets/url_label.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/set_field.h"
#include "gui/graphics/text.h"

namespace widgets {

TUiURLLabel::TUiURLLabel(gui::TComponent* owner) : TUiLabel(owner) {
  SetTextStyle(tsNormal);
  Font().SetColor(gui::clHighlight);
  Font().SetStyle(gui::fsUnderline);
  if (gui::Application) gui::Application->RegisterCursor(crUiHandPoint, gui::crHandPoint);
  SetCursor(crUiHandPoint);
}

void TUiURLLabel::SetVisited(bool value) {
  if (gui::SetField(FVisited, value)) UpdateLinkColor();
}

void TUiURLLabel::SetVisitedColor(TColor value) {
  if (gui::SetField(FVisitedColor, value)) UpdateLinkColor();
}

void TUiURLLabel::SetUnvisitedColor(TColor value) {
  if (gui::SetField(FUnvisitedColor, value)) UpdateLinkColor();
}

void TUiURLLabel::UpdateLinkColor() {
  Font().SetColor(FVisited ? FVisitedColor : FUnvisitedColor);
  Invalidate();
}

bool IsBlankTarget(std::string_view target) {
  return std::all_of(target.begin(), target.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

std::string_view TargetExtension(std::string_view target) {
  const std::size_t dot = target.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view tail = target.substr(dot);
  if (tail.find_first_of("\\:") != std::string_view::npos) return {};
  return tail;
}

const std::string& TUiURLLabel::Target() const { return IsBlankTarget(FURL) ? Caption() : FURL; }

void TUiURLLabel::Click() {
  auto alive = Watch();
  TUiLabel::Click();
  if (alive) OpenTarget();
}

void TUiURLLabel::OpenTarget() {
  // The target is handed over exactly as stored: only the test for blankness trims it.
  const std::string target = Target();
  if (IsBlankTarget(target) || !gui::Application) return;
  gui::THost& host = gui::Application->Host();
  if (host.OpenUri(gui::AnsiToUtf8(target))) {
    SetVisited(true);
    return;
  }
  // A page that has no handler gets the desktop's chooser for web pages; any other failure
  // passes in silence.
  std::string extension(TargetExtension(target));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  if (extension == ".HTM") host.OpenWithChooser(".htm");
}

}  // namespace widgets
