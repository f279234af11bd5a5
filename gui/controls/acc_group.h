#pragma once

// Nodes of the accessibility tree that no control of the window stands for. The statistics are
// labels laid out to look like a table, the last numbers a row of labels; a listener who cannot
// see the layout is helped by hearing them as a table with headers, or as a list. A group is a
// control of its own only so that a host can treat it like any other node: it is not among its
// host's controls, so it is never painted nor hit by the mouse, and it is freed with its host.

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gui/controls/control.h"

namespace gui {

class TWinControl;

// Some controls of one parent gathered for a listener: in the tree the group stands where its
// first member stands, and the members are its children, in the order they were added.
class TAccGroup : public TControl {
 public:
  // Owned by the host, so that it goes with it.
  TAccGroup(TWinControl& host, TAccRole role, TAccRole memberRole, std::string_view name);
  ~TAccGroup() override;

  TWinControl& Host() const { return FHost; }
  const std::vector<TControl*>& Members() const { return FMembers; }
  // Takes a control of the host into the group; a control belongs to one group at most.
  void Add(TControl& member);
  // What a member is to a listener: a list item, a table cell, a header.
  virtual TAccRole MemberRole(const TControl& member) const;

  TAccRole AccRole() const override { return FRole; }
  TForm* Form() const override;
  bool Showing() const override;
  // The smallest rectangle around the members.
  TRect RectInForm() const override;
  // Its members; its parent is the nearest of its host and the host's parents that is in the tree.
  std::vector<TControl*> AccChildren() const override { return FMembers; }
  TControl* AccTreeParent() const override;

 protected:
  // A member is being freed before the group.
  virtual void MemberGone(TControl& member);

 private:
  friend class TControl;
  TWinControl& FHost;
  TAccRole FRole, FMemberRole;
  std::vector<TControl*> FMembers;
};

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
  // Where a cell stands; nothing for a column header or a control outside the table.
  std::optional<TAccCellPos> Position(const TControl& cell) const;

  TAccRole MemberRole(const TControl& member) const override;
  TAccTable* AccAsTable() override { return this; }

 protected:
  void MemberGone(TControl& member) override;

 private:
  std::vector<TControl*> FColumnHeaders;
  std::vector<TControl*> FCells;  // row by row
  std::unordered_map<const TControl*, TAccCellPos> FPositions;
};

}  // namespace gui
