#pragma once
// The rows of the race grid as the core computed them: the cell texts (turned
// into UTF-8 here, at the boundary), colours, type pictures and rest borders.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/race/race_view.hpp"

namespace orvane::ui {

inline constexpr int kGridColumns = kRaceGridColumns;
inline constexpr int kFirstPastColumn = 10;
inline constexpr int kPopularityColumn = 6;

class RaceGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Role { TypePictureRole = Qt::UserRole + 1, RestBorderRole };

  explicit RaceGridModel(QObject* parent = nullptr);

  // The rows of a race, in horse-number order.
  void SetRows(const std::vector<RaceGridRow>& rows);
  // Puts the rows in the order of `horseNumbers`; rows of other horses keep
  // their places after them.
  void ArrangeRows(const std::vector<int>& horseNumbers);
  // Horse numbers in the order on screen.
  std::vector<int> HorseOrder() const;
  int HorseNumberAt(int row) const;
  // The 人気 cells take an editor only while this is on (the manual popularity mode).
  void SetPopularityEditable(bool on) { popularityEditable_ = on; }
  bool PopularityEditable() const { return popularityEditable_; }
  // The sort table: one row per grid row, in the order on screen.
  std::vector<SortRow> SortTable() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct ShownRow {
    RaceGridRow data;
    std::array<QString, kGridColumns> html;  // the cells as UTF-8, converted once
  };
  std::vector<ShownRow> rows_;
  std::array<QString, kGridColumns> headers_;
  std::array<QString, kGridColumns> hints_;
  bool popularityEditable_ = false;
};

}  // namespace orvane::ui
