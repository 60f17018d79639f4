#include "ui/bets/bet_details_icons.hpp"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace orvane::ui {
namespace {

constexpr int kSize = 16;

// Painted at twice the size as well, so the picture stays sharp on a
// high-density screen.
QIcon Painted(const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap pixmap(kSize * scale, kSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

void PaintSheet(QPainter& p, const QRectF& sheet) {
  p.setPen(QPen(QColor(0x4A, 0x55, 0x68), 1));
  p.setBrush(Qt::white);
  p.drawRect(sheet);
  p.setPen(QPen(QColor(0x7D, 0x8C, 0xA3), 1));
  for (qreal y = sheet.top() + 3; y < sheet.bottom() - 1; y += 2) {
    p.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
  }
}

}  // namespace

QIcon SaveIcon() {
  return Painted([](QPainter& p) {
    p.setPen(QPen(QColor(0x1F, 0x3B, 0x73), 1));
    p.setBrush(QColor(0x3A, 0x6E, 0xC8));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 2, 8, 5.5));  // the label
    p.setBrush(QColor(0xC9, 0xD3, 0xE0));
    p.drawRect(QRectF(4.5, 10, 7, 4.5));  // the shutter
    p.setBrush(QColor(0x1F, 0x3B, 0x73));
    p.drawRect(QRectF(9, 10.8, 1.6, 3));
  });
}

QIcon CopyIcon() {
  return Painted([](QPainter& p) {
    PaintSheet(p, QRectF(1.5, 1.5, 9, 10));
    PaintSheet(p, QRectF(5.5, 4.5, 9, 10));
  });
}

}  // namespace orvane::ui
