#pragma once

// Nodes of the accessibility tree that no control of the window stands for. The statistics are
// labels laid out to look like a table, the last numbers a row of labels; a listener who cannot
// see the layout is helped by hearing them as a table with headers, or as a list. A group is a
// node of the tree and nothing else: not a control, never painted nor hit by the mouse. Its host
// keeps it (TWinControl::AdoptAccGroup) and frees it with itself.

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/controls/acc_node.h"
#include "gui/controls/win_control.h"

namespace gui {

// Some controls of one parent gathered for a listener: in the tree the group stands where its
// first member stands, and the members are its children, in the order they were added. A member
// freed first leaves the group; a group freed first gives its members back to their parent.
class TAccGroup : public TAccNode {
 public:
  TAccGroup(TWinControl& host, TAccRole role, TAccRole memberRole, std::string_view name);
  ~TAccGroup() override;

  TWinControl& Host() const { return FHost; }
  const std::vector<TControl*>& Members() const { return FMembers; }
  // Takes a control of the host into the group; a control belongs to one group at most.
  void Add(TControl& member);
  // What a member is to a listener: a list item, a table cell, a header.
  virtual TAccRole MemberRole(const TAccNode& member) const;

  TAccRole AccRole() const override { return FRole; }
  std::string AccName() const override { return FName; }
  // Enabled and visible, showing while its host shows.
  TAccStates AccStates() const override;
  TForm* Form() const override;
  bool Showing() const override;
  // The smallest rectangle around the members.
  TRect RectInForm() const override;
  TAliveToken::TWatch AccWatch() const override { return FAlive.Watch(); }
  // Its members; its parent is the nearest of its host and the host's parents that is in the tree.
  std::vector<TAccNode*> AccChildren() const override;
  TAccNode* AccTreeParent() const override;

 protected:
  // A member is being freed before the group.
  virtual void MemberGone(TControl& member);

 private:
  friend class TControl;
  TWinControl& FHost;
  TAccRole FRole, FMemberRole;
  std::string FName;
  std::vector<TControl*> FMembers;
  TAliveToken FAlive;
};

// A group made for `host` and kept by it: it goes when the host goes.
template <class TGroup, class... TArgs>
TGroup& NewAccGroup(TWinControl& host, TArgs&&... args) {
  auto group = std::make_unique<TGroup>(host, std::forward<TArgs>(args)...);
  TGroup& made = *group;
  host.AdoptAccGroup(std::move(group));
  return made;
}

struct TAccCellPos {
  int Row, Column;
  friend bool operator==(const TAccCellPos&, const TAccCellPos&) = default;
};

// A table of rows of cells under one row of column headers. The first cell of a row heads it,
// as the caption "Красное" heads the counts beside it.
class TAccTable : public TAccGroup {
 public:
  TAccTable(TWinControl& host, std::string_view name);

  // Set once, before the rows: their count is the table's column count.
  void SetColumnHeaders(std::span<TControl* const> headers);
  // One cell per column; a null cell is an empty place.
  void AddRow(std::span<TControl* const> cells);

  int RowCount() const { return static_cast<int>(FCells.size()) / std::max(1, ColumnCount()); }
  int ColumnCount() const { return static_cast<int>(FColumnHeaders.size()); }
  // Null outside the table or for an empty place.
  TControl* Cell(int row, int column) const;
  TControl* ColumnHeader(int column) const;
  TControl* RowHeader(int row) const { return Cell(row, 0); }
  // Where a cell stands; nothing for a column header or a node outside the table.
  std::optional<TAccCellPos> Position(const TAccNode& cell) const;

  TAccRole MemberRole(const TAccNode& member) const override;
  TAccTable* AccAsTable() override { return this; }

 protected:
  void MemberGone(TControl& member) override;

 private:
  std::vector<TControl*> FColumnHeaders;
  std::vector<TControl*> FCells;  // row by row
  std::unordered_map<const TAccNode*, TAccCellPos> FPositions;
};

}  // namespace gui
