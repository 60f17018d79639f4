#pragma once
// The race grid's header row: centred titles, and the sort mark drawn as a
// gold section with a small arrow, so it shows even on 20-pixel columns.
#include <QHeaderView>

namespace orvane::ui {

class RaceGridHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit RaceGridHeader(QWidget* parent = nullptr);

  void SetSortMark(int column, bool descending);
  int SortMarkColumn() const { return markColumn_; }
  bool SortMarkDescending() const { return markDescending_; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  int markColumn_ = -1;
  bool markDescending_ = false;
};

}  // namespace orvane::ui
