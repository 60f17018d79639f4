#pragma once
// Paints a race grid cell: its background, the type picture, the mini-HTML
// text centred vertically, and the blue left border of a long rest. Edits the
// 人気 cells with a drop-down list of ranks.
#include <QCache>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace orvane::ui {

class RaceGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The 人気 column's editor; no other column has one.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // A rank is taken when an item is chosen (PopularityChosen), never when the
  // editor merely loses focus.
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  // The HREF of the anchor under `pos` (view coordinates) in the cell at
  // `index` drawn in `rect`; empty when there is none.
  QString AnchorAt(const QModelIndex& index, const QRect& rect, QPoint pos) const;

  // Past runs line up by blank padding and use the fixed-pitch font.
  static QFont CellFont(int column);

 signals:
  // An item ("" or "N位", UTF-8) was chosen for the 人気 cell at `index`; the editor is closed.
  void PopularityChosen(const QModelIndex& index, const QString& item);

 private:
  // The laid-out cell text. Laying out mini-HTML is the costly part of a
  // paint; repaints and the many cells that repeat a text reuse it.
  const QTextDocument* Document(const QString& html, int column, int width) const;

  static constexpr int kCachedDocuments = 2000;  // a few races' worth of cells
  mutable QCache<QString, QTextDocument> documents_{kCachedDocuments};
};

}  // namespace orvane::ui
