#pragma once
// Paints a race grid cell: its background, the type picture, the mini-HTML
// text centred vertically, and the blue left border of a long rest.
#include <QStyledItemDelegate>

namespace orvane::ui {

class RaceGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The HREF of the anchor under `pos` (view coordinates) in the cell at
  // `index` drawn in `rect`; empty when there is none.
  QString AnchorAt(const QModelIndex& index, const QRect& rect, QPoint pos) const;

  // Past runs line up by blank padding and use the fixed-pitch font.
  static QFont CellFont(int column);
};

}  // namespace orvane::ui
