#include "gui/controls/acc_group.h"

#include <algorithm>

#include "gui/controls/exceptions.h"
#include "gui/controls/win_control.h"

namespace gui {

TAccGroup::TAccGroup(TWinControl& host, TAccRole role, TAccRole memberRole, std::string_view name)
    : FHost(host), FRole(role), FMemberRole(memberRole), FName(name) {}

TAccGroup::~TAccGroup() {
  for (TControl* member : FMembers) member->FAccGroup = nullptr;
}

void TAccGroup::Add(TControl& member) {
  if (member.Parent() != &FHost) throw EInvalidOperation("A group gathers controls of its own host only");
  if (member.FAccGroup) throw EInvalidOperation("A control belongs to one group at most");
  member.FAccGroup = this;
  FMembers.push_back(&member);
}

TAccRole TAccGroup::MemberRole(const TAccNode&) const { return FMemberRole; }

TAccStates TAccGroup::AccStates() const {
  TAccStates states = asEnabled | asVisible;
  if (Showing()) states.Include(asShowing);
  return states;
}

TForm* TAccGroup::Form() const { return FHost.Form(); }
bool TAccGroup::Showing() const { return FHost.Showing(); }
std::vector<TAccNode*> TAccGroup::AccChildren() const { return {FMembers.begin(), FMembers.end()}; }
TAccNode* TAccGroup::AccTreeParent() const { return AccTreeAncestor(&FHost); }

TRect TAccGroup::RectInForm() const {
  TRect r{};
  bool first = true;
  for (const TControl* member : FMembers) {
    const TRect m = member->RectInForm();
    if (first) {
      r = m;
      first = false;
      continue;
    }
    r = {std::min(r.Left, m.Left), std::min(r.Top, m.Top), std::max(r.Right, m.Right),
         std::max(r.Bottom, m.Bottom)};
  }
  return r;
}

void TAccGroup::MemberGone(TControl& member) { std::erase(FMembers, &member); }

TAccTable::TAccTable(TWinControl& host, std::string_view name) : TAccGroup(host, arTable, arTableCell, name) {}

void TAccTable::SetColumnHeaders(std::span<TControl* const> headers) {
  if (!FColumnHeaders.empty() || headers.empty())
    throw EInvalidOperation("A table's column headers are set once, before its rows");
  for (TControl* header : headers) Add(*header);
  FColumnHeaders.assign(headers.begin(), headers.end());
}

void TAccTable::AddRow(std::span<TControl* const> cells) {
  if (static_cast<int>(cells.size()) != ColumnCount())
    throw EInvalidOperation("A table row needs one cell for each column");
  const int row = RowCount();
  for (int column = 0; column < ColumnCount(); ++column) {
    TControl* cell = cells[static_cast<std::size_t>(column)];
    if (cell) {
      Add(*cell);
      FPositions[cell] = {row, column};
    }
    FCells.push_back(cell);
  }
}

TControl* TAccTable::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return nullptr;
  return FCells[static_cast<std::size_t>(row * ColumnCount() + column)];
}

TControl* TAccTable::ColumnHeader(int column) const {
  return column < 0 || column >= ColumnCount() ? nullptr : FColumnHeaders[static_cast<std::size_t>(column)];
}

std::optional<TAccCellPos> TAccTable::Position(const TAccNode& cell) const {
  const auto it = FPositions.find(&cell);
  return it == FPositions.end() ? std::nullopt : std::optional(it->second);
}

TAccRole TAccTable::MemberRole(const TAccNode& member) const {
  const std::optional<TAccCellPos> at = Position(member);
  if (!at) return arColumnHeader;
  return at->Column == 0 ? arRowHeader : arTableCell;
}

void TAccTable::MemberGone(TControl& member) {
  TAccGroup::MemberGone(member);
  std::replace(FColumnHeaders.begin(), FColumnHeaders.end(), &member, static_cast<TControl*>(nullptr));
  std::replace(FCells.begin(), FCells.end(), &member, static_cast<TControl*>(nullptr));
  FPositions.erase(&member);
}

}  // namespace gui
