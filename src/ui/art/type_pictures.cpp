#include <QPainter>
#include <array>

#include "ui/art/artwork.hpp"

namespace orvane::ui::art {
namespace {

// The badge behind the type text of the grid: the type's colour as a frame
// and a pale tint of it as the fill, so the bold letters on top stay legible.
struct TypeColours {
  QColor frame;
  QColor fill;
};

const std::array<TypeColours, 4> kTypes{{
    {QColor(0x99, 0x66, 0xCC), QColor(0xF3, 0xEC, 0xFA)},  // D
    {QColor(0xFF, 0x99, 0x00), QColor(0xFF, 0xF3, 0xE0)},  // M
    {QColor(0x00, 0xCC, 0x00), QColor(0xE9, 0xFB, 0xE9)},  // S
    {QColor(0x00, 0x99, 0x00), QColor(0xDD, 0xF3, 0xDD)},  // SS
}};

}  // namespace

QPixmap TypePicture(int rank) {
  QPixmap pixmap(kTypePictureSize);
  pixmap.fill(Qt::transparent);
  if (rank < 0 || rank >= static_cast<int>(kTypes.size())) return pixmap;
  const TypeColours& colours = kTypes[static_cast<size_t>(rank)];
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colours.frame, 1.2));
  p.setBrush(colours.fill);
  p.drawRoundedRect(QRectF(0.6, 0.6, kTypePictureSize.width() - 1.2, kTypePictureSize.height() - 1.2), 6.5, 6.5);
  // The higher types carry small stars on both sides.
  p.setPen(Qt::NoPen);
  p.setBrush(colours.frame);
  for (int star = 0; star < rank - 1; ++star) {
    const qreal dy = rank == 3 ? (star == 0 ? -2.5 : 2.5) : 0;
    for (const qreal x : {4.0, kTypePictureSize.width() - 4.0}) p.drawEllipse(QPointF(x, 7.5 + dy), 1.2, 1.2);
  }
  return pixmap;
}

}  // namespace orvane::ui::art
