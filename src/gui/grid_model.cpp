#include "gui/grid_model.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include "gui/qt_text.h"

namespace ravnelok::gui {

GridModel::GridModel(const TextGrid& grid, int fixed_columns, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      fixed_columns_(fixed_columns),
      rows_(grid.RowCount() - 1),
      cols_(grid.ColCount()),
      generation_(grid.Generation()) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return Q(grid_.Cell(index.column(), index.row() + 1));
    case Qt::BackgroundRole:
      if (index.column() < fixed_columns_) return QGuiApplication::palette().button();
      return {};
    case Qt::ToolTipRole:
      if (tips_) return tips_(index.column(), index.row() + 1);
      return {};
    case Qt::ForegroundRole:
      // Fixed cells are not enabled (so they never become current) but read like the others.
      return QGuiApplication::palette().text();
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return Q(grid_.Cell(section, 0));
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.column() < fixed_columns_) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::Refresh() {
  const int rows = grid_.RowCount() - 1;
  const int cols = grid_.ColCount();
  if (rows != rows_ || cols != cols_) {
    beginResetModel();
    rows_ = rows;
    cols_ = cols;
    generation_ = grid_.Generation();
    endResetModel();
    return;
  }
  if (generation_ == grid_.Generation()) return;
  generation_ = grid_.Generation();
  if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

}  // namespace ravnelok::gui
