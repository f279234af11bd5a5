#pragma once

// A node of the accessibility tree: what assistive technologies read of it, as TAccessible asks.
// A control is one; so is a group (acc_group.h), which gathers controls for a listener without
// being a control itself, since nothing of it is painted or hit by the mouse. What only some
// nodes have (a text, a label, actions) answers "nothing" here; a control gives its own.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gui/controls/accessible.h"
#include "gui/controls/alive_token.h"
#include "gui/graphics/geometry.h"

namespace gui {

class TControl;
class TForm;
class TAccGroup;
class TAccTable;
class THostWebView;

// Actions the program gives a node beyond the press: a name and what runs.
using TAccActionList = std::vector<std::pair<std::string, std::function<void()>>>;

class TAccNode {
 public:
  TAccNode() = default;
  TAccNode(const TAccNode&) = delete;
  TAccNode& operator=(const TAccNode&) = delete;
  virtual ~TAccNode() = default;

  // Texts are in Windows-1251; TAccessible hands them out as UTF-8.
  virtual TAccRole AccRole() const = 0;
  virtual std::string AccName() const = 0;
  virtual std::string AccDescription() const { return {}; }
  virtual TAccStates AccStates() const = 0;
  // The form the node lies on, or null.
  virtual TForm* Form() const = 0;
  virtual bool Showing() const = 0;
  // The node's rectangle in its form's client area, and where its client (0, 0) lies there.
  virtual TRect RectInForm() const = 0;
  virtual TPoint ClientOriginInForm() const { return RectInForm().TopLeft(); }
  // Tells whoever keeps the node whether it still lives (an object of the desktop's interface
  // may outlive what it stands for).
  virtual TAliveToken::TWatch AccWatch() const = 0;

  // Where the node stands in the tree: its children in tree order, and its parent.
  virtual std::vector<TAccNode*> AccChildren() const = 0;
  virtual TAccNode* AccTreeParent() const = 0;
  // The table or list that gathers this node, standing between it and its parent; null for most.
  virtual TAccGroup* AccGroup() const { return nullptr; }
  // The node as a table, for a host that maps tables onto its desktop's table interface.
  virtual TAccTable* AccAsTable() { return nullptr; }
  // Whether the node's place is taken by a view of the host (the browser pane's page), and that
  // view once it is made: a host hands out the view's own accessible object as its child.
  virtual bool AccHostsView() const { return false; }
  virtual THostWebView* AccHostView() const { return nullptr; }

  // A text with its caret and selection, and where character `index` of it is drawn (client
  // coordinates); none where the node shows no text or cannot say.
  virtual std::optional<TAccText> AccText() const { return std::nullopt; }
  virtual std::optional<TRect> AccCharRect(int) { return std::nullopt; }
  virtual std::string AccAddress() const { return {}; }
  // A change of its text is spoken as it happens, wherever the focus is.
  virtual bool AccLive() const { return false; }
  // The label that names this node, and the node a label names.
  virtual TControl* AccLabelledBy() const { return nullptr; }
  virtual TControl* AccLabelFor() const { return nullptr; }

  // The actions; see TAccessible. AccTakesInput: whether an action may act now.
  virtual bool AccPressable() const { return false; }
  virtual bool AccPress() { return false; }
  virtual bool AccSetText(std::string_view) { return false; }
  virtual const TAccActionList& AccActions() const;
  virtual bool AccTakesInput() const { return false; }
};

}  // namespace gui
