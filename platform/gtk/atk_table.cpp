// The statistics tables through ATK's table interfaces: the table answers its size, the cell at a
// row and column and the headers; each cell answers where it stands and under which headers. The
// objects are those of the tree's nodes (made on demand, like every other), of two kinds derived
// from the nodes' kind that add these interfaces.

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "platform/gtk/atk_objects.h"

namespace platform::gtk::atk {
namespace {

gui::TAccTable* TableOf(gpointer object) {
  gui::TAccNode* node = LiveNode(object);
  return node ? node->AccAsTable() : nullptr;
}

// The object of a node of the same form, made now if need be; not referenced.
AtkObject* ObjectOf(gpointer object, gui::TAccNode* node) {
  TCanvasModel* model = ObjectModel(object);
  if (!node || !model || !model->FormAlive()) return nullptr;
  return model->Object(*node, true);
}

AtkObject* Referenced(AtkObject* object) { return object ? ATK_OBJECT(g_object_ref(object)) : nullptr; }

// The table.

AtkObject* TableRefAt(AtkTable* object, gint row, gint column) {
  gui::TAccTable* table = TableOf(object);
  return table ? Referenced(ObjectOf(object, table->Cell(row, column))) : nullptr;
}

gint TableIndexAt(AtkTable* object, gint row, gint column) {
  gui::TAccTable* table = TableOf(object);
  gui::TControl* cell = table ? table->Cell(row, column) : nullptr;
  if (!cell) return -1;
  const std::vector<gui::TControl*>& members = table->Members();
  const auto at = std::find(members.begin(), members.end(), cell);
  return at == members.end() ? -1 : static_cast<gint>(at - members.begin());
}

// Where the child at an index stands; nothing for a column header or an index outside.
std::optional<gui::TAccCellPos> PositionAtIndex(AtkTable* object, gint index) {
  gui::TAccTable* table = TableOf(object);
  if (!table || index < 0 || index >= static_cast<gint>(table->Members().size())) return std::nullopt;
  return table->Position(*table->Members()[static_cast<std::size_t>(index)]);
}

gint TableRowAtIndex(AtkTable* object, gint index) {
  const std::optional<gui::TAccCellPos> at = PositionAtIndex(object, index);
  return at ? at->Row : -1;
}

gint TableColumnAtIndex(AtkTable* object, gint index) {
  const std::optional<gui::TAccCellPos> at = PositionAtIndex(object, index);
  return at ? at->Column : -1;
}

gint TableRows(AtkTable* object) {
  gui::TAccTable* table = TableOf(object);
  return table ? table->RowCount() : 0;
}

gint TableColumns(AtkTable* object) {
  gui::TAccTable* table = TableOf(object);
  return table ? table->ColumnCount() : 0;
}

gint OneCell(AtkTable*, gint, gint) { return 1; }

AtkObject* TableColumnHeader(AtkTable* object, gint column) {
  gui::TAccTable* table = TableOf(object);
  return table ? ObjectOf(object, table->ColumnHeader(column)) : nullptr;
}

AtkObject* TableRowHeader(AtkTable* object, gint row) {
  gui::TAccTable* table = TableOf(object);
  return table ? ObjectOf(object, table->RowHeader(row)) : nullptr;
}

void TableInit(gpointer table, gpointer) {
  auto* iface = static_cast<AtkTableIface*>(table);
  iface->ref_at = TableRefAt;
  iface->get_index_at = TableIndexAt;
  iface->get_row_at_index = TableRowAtIndex;
  iface->get_column_at_index = TableColumnAtIndex;
  iface->get_n_rows = TableRows;
  iface->get_n_columns = TableColumns;
  iface->get_row_extent_at = OneCell;
  iface->get_column_extent_at = OneCell;
  iface->get_column_header = TableColumnHeader;
  iface->get_row_header = TableRowHeader;
}

// A cell.

struct TCellAt {
  gui::TAccTable* Table;
  gui::TAccCellPos Position;
};

std::optional<TCellAt> CellOf(gpointer object) {
  gui::TAccNode* node = LiveNode(object);
  gui::TAccTable* table = node && node->AccGroup() ? node->AccGroup()->AccAsTable() : nullptr;
  if (!table) return std::nullopt;
  const std::optional<gui::TAccCellPos> at = table->Position(*node);
  if (!at) return std::nullopt;
  return TCellAt{table, *at};
}

gboolean CellPosition(AtkTableCell* object, gint* row, gint* column) {
  const std::optional<TCellAt> cell = CellOf(object);
  *row = cell ? cell->Position.Row : -1;
  *column = cell ? cell->Position.Column : -1;
  return cell.has_value();
}

gboolean CellRowColumnSpan(AtkTableCell* object, gint* row, gint* column, gint* rowSpan, gint* columnSpan) {
  *rowSpan = *columnSpan = 1;
  return CellPosition(object, row, column);
}

gint CellSpan(AtkTableCell*) { return 1; }

// The header of the cell's row or column, as ATK hands out lists of header cells: referenced,
// and let go with the list.
GPtrArray* HeaderCells(AtkTableCell* object, bool row) {
  GPtrArray* cells = g_ptr_array_new_with_free_func(g_object_unref);
  const std::optional<TCellAt> cell = CellOf(object);
  if (!cell) return cells;
  gui::TControl* header =
      row ? cell->Table->RowHeader(cell->Position.Row) : cell->Table->ColumnHeader(cell->Position.Column);
  // The caption at the start of a row is its own row header: it is not listed as one of itself.
  if (row && cell->Position.Column == 0) header = nullptr;
  if (AtkObject* headerObject = ObjectOf(object, header)) g_ptr_array_add(cells, g_object_ref(headerObject));
  return cells;
}

GPtrArray* CellRowHeaders(AtkTableCell* object) { return HeaderCells(object, true); }
GPtrArray* CellColumnHeaders(AtkTableCell* object) { return HeaderCells(object, false); }

AtkObject* CellTable(AtkTableCell* object) {
  const std::optional<TCellAt> cell = CellOf(object);
  return cell ? Referenced(ObjectOf(object, cell->Table)) : nullptr;
}

void CellInit(gpointer cell, gpointer) {
  auto* iface = static_cast<AtkTableCellIface*>(cell);
  iface->get_position = CellPosition;
  iface->get_row_column_span = CellRowColumnSpan;
  iface->get_row_span = CellSpan;
  iface->get_column_span = CellSpan;
  iface->get_row_header_cells = CellRowHeaders;
  iface->get_column_header_cells = CellColumnHeaders;
  iface->get_table = CellTable;
}

// A kind of the nodes' object with one more interface.
GType DerivedType(const char* name, GType iface, GInterfaceInitFunc init) {
  GTypeQuery base;
  g_type_query(ControlObjectBaseType(), &base);
  const GType type = g_type_register_static_simple(ControlObjectBaseType(), name, base.class_size, nullptr,
                                                   base.instance_size, nullptr, GTypeFlags(0));
  const GInterfaceInfo info{init, nullptr, nullptr};
  g_type_add_interface_static(type, iface, &info);
  return type;
}

GType TableType() {
  static const GType type = DerivedType("SpintrakTableAccessible", ATK_TYPE_TABLE, TableInit);
  return type;
}

GType CellType() {
  static const GType type = DerivedType("SpintrakTableCellAccessible", ATK_TYPE_TABLE_CELL, CellInit);
  return type;
}

}  // namespace

GType TableObjectType(gui::TAccNode& node) {
  if (node.AccAsTable()) return TableType();
  gui::TAccTable* table = node.AccGroup() ? node.AccGroup()->AccAsTable() : nullptr;
  if (table && table->Position(node)) return CellType();
  return 0;
}

}  // namespace platform::gtk::atk
