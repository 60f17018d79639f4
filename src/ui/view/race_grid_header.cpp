#include "ui/view/race_grid_header.hpp"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvane::ui {
namespace {

const QColor kTop(0x21, 0x63, 0x4C);
const QColor kBottom(0x12, 0x3D, 0x30);
const QColor kMarkTop(0xE2, 0xB8, 0x4A);
const QColor kMarkBottom(0x9C, 0x76, 0x16);
const QColor kSeparator(0x0B, 0x2A, 0x22);

}  // namespace

RaceGridHeader::RaceGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void RaceGridHeader::SetSortMark(int column, bool descending) {
  markColumn_ = column;
  markDescending_ = descending;
  viewport()->update();
}

void RaceGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  const bool marked = logicalIndex == markColumn_;
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0, marked ? kMarkTop : kTop);
  fill.setColorAt(1, marked ? kMarkBottom : kBottom);
  painter->fillRect(rect, fill);
  painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), kSeparator);

  painter->setPen(Qt::white);
  painter->setFont(font());
  painter->drawText(rect, Qt::AlignCenter,
                    model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString());
  if (!marked) return;

  // A small arrow in the bottom-right corner: up for ascending, down for descending.
  const qreal x = rect.right() - 4.5;
  const qreal y = rect.bottom() - 3.5;
  QPainterPath arrow;
  if (markDescending_) {
    arrow.moveTo(x - 3, y - 2);
    arrow.lineTo(x + 3, y - 2);
    arrow.lineTo(x, y + 1.5);
  } else {
    arrow.moveTo(x - 3, y + 1.5);
    arrow.lineTo(x + 3, y + 1.5);
    arrow.lineTo(x, y - 2);
  }
  arrow.closeSubpath();
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->fillPath(arrow, Qt::white);
  painter->restore();
}

}  // namespace orvane::ui
