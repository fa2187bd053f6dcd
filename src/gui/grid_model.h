#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "document/text_grid.h"

namespace ravnelok::gui {

// A view's window onto one of the Document's text grids. Row 0 of the grid is the fixed
// header row and is shown as the view's horizontal header; grid row r is model row r - 1.
class GridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // `fixed_columns` columns at the left are drawn as fixed cells and cannot become current.
  GridModel(const TextGrid& grid, int fixed_columns, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Tells the views what changed in the grid since the last call.
  void Refresh();

  // Where the cells' tool tips come from (grid column and row); none without it.
  void SetToolTips(std::function<QString(int col, int row)> tips) { tips_ = std::move(tips); }

 private:
  const TextGrid& grid_;
  int fixed_columns_;
  int rows_ = 0;
  int cols_ = 0;
  unsigned long long generation_ = 0;
  std::function<QString(int col, int row)> tips_;
};

}  // namespace ravnelok::gui
