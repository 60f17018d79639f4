#pragma once
// The race grid Grid1: 13 columns, a header row of 18 pixels with hints and the
// sort mark, data rows of 41 pixels, and anchors in the cells.
#include <QTableView>

#include "ui/view/race_grid_delegate.hpp"
#include "ui/view/race_grid_header.hpp"
#include "ui/view/race_grid_model.hpp"

namespace orvane::ui {

class RaceGridView : public QTableView {
  Q_OBJECT
 public:
  static constexpr int kHeaderHeight = 18;
  static constexpr int kRowHeight = 41;
  static constexpr int kHiddenPastColumn = 12;

  explicit RaceGridView(QWidget* parent = nullptr);

  RaceGridModel& Model() { return model_; }
  const RaceGridModel& Model() const { return model_; }

  // Column 12 (3走前) has its width while shown and none otherwise.
  void SetLastPastColumnShown(bool shown);
  bool LastPastColumnShown() const;
  // The sort mark on header `column`.
  void SetSortMark(int column, bool descending);
  const RaceGridHeader& Header() const { return *header_; }
  // Rows including the header row.
  int GridRows() const { return model_.rowCount() + 1; }

 signals:
  void HeaderClicked(int column);
  void AnchorClicked(const QString& href);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString AnchorAt(QPoint pos) const;

  RaceGridHeader* header_;
  RaceGridModel model_;
  RaceGridDelegate delegate_;
};

}  // namespace orvane::ui
