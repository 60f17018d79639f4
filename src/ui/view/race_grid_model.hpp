#pragma once
// The rows of the race grid as the core computed them: the cell texts (turned
// into UTF-8 here, at the boundary), colours, type pictures and rest borders.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/race/grid_colours.hpp"

namespace orvane::ui {

inline constexpr int kGridColumns = 13;
inline constexpr int kFirstPastColumn = 10;

struct RaceGridRow {
  int horseNumber = 0;
  std::array<QString, kGridColumns> cells;  // mini-HTML
  std::array<CellColours, kGridColumns> colours;
  std::optional<int> typePicture;    // TypeRank of the picture over column 5
  std::array<bool, 3> restBorder{};  // columns 10-12: the left border marks a long rest
};

class RaceGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role { TypePictureRole = Qt::UserRole + 1, RestBorderRole };

  explicit RaceGridModel(QObject* parent = nullptr);

  void SetRows(std::vector<RaceGridRow> rows);
  // Puts the rows in the order of `horseNumbers`; rows of other horses keep
  // their places after them.
  void ArrangeRows(const std::vector<int>& horseNumbers);
  const RaceGridRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
  // Horse numbers in the order on screen.
  std::vector<int> HorseOrder() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<RaceGridRow> rows_;
  std::array<QString, kGridColumns> headers_;
  std::array<QString, kGridColumns> hints_;
};

}  // namespace orvane::ui
