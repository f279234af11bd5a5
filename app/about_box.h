#pragma once

// The about box: product name, version, four lines of description, the emblem and the word-mark
// in two panels, and a link to the web site. Created hidden at start-up and shown modally by the
// main window. OK (also Enter) closes it; Esc does nothing, as the box has no cancel button.

#include <string_view>

#include "gui/controls/form.h"

namespace gui {
class TButton;
class TImage;
class TLabel;
class TPanel;
}  // namespace gui

namespace widgets {
class TUiPanel;
class TUiURLLabel;
}  // namespace widgets

namespace app {

// The web site the link names and opens, and the pictures the box shows (compiled-in resources).
inline constexpr std::string_view kSiteHost = "www.spintrak.example";
inline constexpr std::string_view kSiteAddress = "http://www.spintrak.example/";
inline constexpr std::string_view kEmblemPicture = "pictures/emblem.png";
inline constexpr std::string_view kWordmarkPicture = "pictures/wordmark.png";

class TAboutBox : public gui::TForm {
 public:
  explicit TAboutBox(gui::TComponent* owner);

  gui::TPanel* Panel1;
  gui::TLabel* ProductName;
  gui::TLabel* Version;
  gui::TLabel* Label1;
  gui::TLabel* Label4;
  gui::TLabel* Label2;
  widgets::TUiURLLabel* UiURLLabel1;
  widgets::TUiPanel* UiPanel1;
  gui::TImage* Image1;
  widgets::TUiPanel* UiPanel2;
  gui::TImage* Image2;
  gui::TButton* OKButton;
};

}  // namespace app
