#include "ui/view/race_grid_model.hpp"

#include <QColor>

#include "core/data/cp932.hpp"
#include "core/race/grid_headers.hpp"
#include "core/race/grid_sort.hpp"

namespace orvane::ui {
namespace {

QVariant ColourOf(const std::optional<Rgb>& rgb) {
  if (!rgb) return {};
  return QColor(rgb->r, rgb->g, rgb->b);
}

QString Text(const std::string& cp932) { return QString::fromStdString(ToUtf8(cp932)); }

}  // namespace

RaceGridModel::RaceGridModel(QObject* parent) : QAbstractTableModel(parent) {
  for (int c = 0; c < kGridColumns; ++c) {
    headers_[static_cast<size_t>(c)] = Text(RaceGridColumns()[static_cast<size_t>(c)].header);
    hints_[static_cast<size_t>(c)] = Text(HeaderHint(c));
  }
}

void RaceGridModel::SetRows(const std::vector<RaceGridRow>& rows) {
  beginResetModel();
  rows_.clear();
  rows_.reserve(rows.size());
  for (const RaceGridRow& row : rows) {
    ShownRow& shown = rows_.emplace_back(ShownRow{row, {}});
    for (size_t c = 0; c < shown.html.size(); ++c) shown.html[c] = Text(row.Cells[c]);
  }
  endResetModel();
}

void RaceGridModel::ArrangeRows(const std::vector<int>& horseNumbers) {
  emit layoutAboutToBeChanged();
  std::vector<ShownRow> arranged;
  arranged.reserve(rows_.size());
  std::vector<bool> taken(rows_.size(), false);
  for (const int horse : horseNumbers) {
    for (size_t i = 0; i < rows_.size(); ++i) {
      if (taken[i] || rows_[i].data.HorseNumber != horse) continue;
      arranged.push_back(std::move(rows_[i]));
      taken[i] = true;
      break;
    }
  }
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (!taken[i]) arranged.push_back(std::move(rows_[i]));
  }
  rows_ = std::move(arranged);
  emit layoutChanged();
}

std::vector<int> RaceGridModel::HorseOrder() const {
  std::vector<int> order;
  order.reserve(rows_.size());
  for (const auto& row : rows_) order.push_back(row.data.HorseNumber);
  return order;
}

int RaceGridModel::HorseNumberAt(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].data.HorseNumber : 0;
}

std::vector<SortRow> RaceGridModel::SortTable() const {
  std::vector<SortRow> table;
  table.reserve(rows_.size());
  for (const auto& row : rows_) table.push_back(row.data.Sort);
  return table;
}

int RaceGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RaceGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QVariant RaceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ShownRow& shown = rows_[static_cast<size_t>(index.row())];
  const RaceGridRow& row = shown.data;
  const auto column = static_cast<size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return shown.html[column];
    case Qt::BackgroundRole:
      return ColourOf(row.Colours[column].Background);
    case Qt::ForegroundRole:
      return ColourOf(row.Colours[column].Font);
    case TypePictureRole:
      return index.column() == 5 && row.TypePicture ? QVariant(*row.TypePicture) : QVariant();
    case RestBorderRole:
      return index.column() >= kFirstPastColumn && row.RestBorder[column - kFirstPastColumn];
    default:
      return {};
  }
}

Qt::ItemFlags RaceGridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (popularityEditable_ && index.column() == kPopularityColumn) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant RaceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
  const auto column = static_cast<size_t>(section);
  switch (role) {
    case Qt::DisplayRole:
      return headers_[column];
    case Qt::ToolTipRole:
      return hints_[column].isEmpty() ? QVariant() : QVariant(hints_[column]);
    default:
      return {};
  }
}

}  // namespace orvane::ui
