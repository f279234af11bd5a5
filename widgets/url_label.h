#pragma once
// A label that opens a web address with the desktop's default handler when clicked, shows the
// pointing hand while the pointer is over it, and turns to its visited colour once an open worked.

#include <string>
#include <string_view>

#include "widgets/label.h"

namespace widgets {

// The cursor number under which every link label registers the pointing hand.
inline constexpr gui::TCursor crUiHandPoint = 26000;

class TUiURLLabel : public TUiLabel {
 public:
  explicit TUiURLLabel(gui::TComponent* owner);

  // The address to open (Windows-1251); when it is blank the caption is opened instead.
  const std::string& URL() const { return FURL; }
  void SetURL(std::string_view value) { FURL = std::string(value); }
  // Set once an open succeeded; it stays set for the life of the label.
  bool Visited() const { return FVisited; }
  void SetVisited(bool value);
  TColor VisitedColor() const { return FVisitedColor; }
  void SetVisitedColor(TColor value);
  TColor UnvisitedColor() const { return FUnvisitedColor; }
  void SetUnvisitedColor(TColor value);

  // What a click opens: URL as stored when it is not blank, else the caption.
  const std::string& Target() const;

  // OnClick first, then the link is opened.
  void Click() override;

  gui::TAccRole AccRole() const override { return AccHidden() ? gui::arNone : gui::arLink; }
  std::string AccAddress() const override { return Target(); }
  bool AccPressable() const override { return true; }
  bool AccPress() override {
    if (!AccTakesInput()) return false;
    Click();
    return true;
  }

 private:
  void UpdateLinkColor();
  void OpenTarget();

  std::string FURL;
  bool FVisited = false;
  TColor FVisitedColor = gui::clPurple;
  TColor FUnvisitedColor = gui::clHighlight;
};

// Whether `target`, without its leading and trailing blanks and control characters, is empty.
bool IsBlankTarget(std::string_view target);
// The extension of a target: the text from its last full stop, unless a backslash or a colon
// follows that stop (then it is part of a path or an address, and there is none).
std::string_view TargetExtension(std::string_view target);

}  // namespace widgets
