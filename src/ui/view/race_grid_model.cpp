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

void RaceGridModel::SetRows(std::vector<RaceGridRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void RaceGridModel::ArrangeRows(const std::vector<int>& horseNumbers) {
  emit layoutAboutToBeChanged();
  std::vector<RaceGridRow> arranged;
  arranged.reserve(rows_.size());
  std::vector<bool> taken(rows_.size(), false);
  for (const int horse : horseNumbers) {
    for (size_t i = 0; i < rows_.size(); ++i) {
      if (taken[i] || rows_[i].horseNumber != horse) continue;
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
  for (const auto& row : rows_) order.push_back(row.horseNumber);
  return order;
}

int RaceGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RaceGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QVariant RaceGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const RaceGridRow& row = Row(index.row());
  const auto column = static_cast<size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return row.cells[column];
    case Qt::BackgroundRole:
      return ColourOf(row.colours[column].Background);
    case Qt::ForegroundRole:
      return ColourOf(row.colours[column].Font);
    case TypePictureRole:
      return index.column() == 5 && row.typePicture ? QVariant(*row.typePicture) : QVariant();
    case RestBorderRole:
      return index.column() >= kFirstPastColumn && row.restBorder[column - kFirstPastColumn];
    default:
      return {};
  }
}

QVariant RaceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
  const auto column = static_cast<size_t>(section);
  switch (role) {
    case Qt::DisplayRole:
      return headers_[column];
    case Qt::ToolTipRole:
      return hints_[column].isEmpty() ? QVariant() : QVariant(hints_[column]);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignCenter);
    default:
      return {};
  }
}

}  // namespace orvane::ui
