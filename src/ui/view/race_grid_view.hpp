#pragma once
// The race grid Grid1: 13 columns, a header row of 18 pixels with hints and the
// sort mark, data rows of 41 pixels, anchors in the cells, and in the manual
// popularity mode a drop-down editor on the 人気 cells.
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
  // Allows or forbids editing the 人気 cells; forbidding closes an open editor.
  void SetPopularityEditable(bool on);

 signals:
  void HeaderClicked(int column);
  void AnchorClicked(const QString& href);
  // The 人気 editor chose `item` ("" or "N位", UTF-8) for horse `horseNumber`.
  void PopularityChosen(int horseNumber, const QString& item);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString AnchorAt(QPoint pos) const;

  RaceGridHeader* header_;
  RaceGridModel model_;
  RaceGridDelegate delegate_;
};

}  // namespace orvane::ui
