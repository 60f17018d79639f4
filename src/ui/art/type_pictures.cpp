#include <QPainter>
#include <array>

#include "ui/art/artwork.hpp"

namespace orvane::ui::art {
namespace {

// The type's colour, as the grid writes the type letters.
const std::array<QColor, 4> kTypeColours{QColor(0x99, 0x66, 0xCC), QColor(0xFF, 0x99, 0x00), QColor(0x00, 0xCC, 0x00),
                                         QColor(0x00, 0x99, 0x00)};
const QColor kEmptyPip(0xD8, 0xD8, 0xD8);
constexpr int kPips = 4;
constexpr qreal kPipRadius = 2.6;
constexpr qreal kPipGap = 8.4;
// The grid centres the picture on the cell while the type letters stand on
// the line below the middle: the pips stay in the top rows so the two never meet.
constexpr qreal kPipCentreY = 3.0;

}  // namespace

// A meter of four pips above the type letters: D lights one, SS all four.
QPixmap TypePicture(int rank) {
  QPixmap pixmap(kTypePictureSize);
  pixmap.fill(Qt::transparent);
  if (rank < 0 || rank >= static_cast<int>(kTypeColours.size())) return pixmap;
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor& colour = kTypeColours[static_cast<size_t>(rank)];
  const qreal left = (kTypePictureSize.width() - (kPips - 1) * kPipGap) / 2;
  for (int pip = 0; pip < kPips; ++pip) {
    const bool lit = pip <= rank;
    p.setPen(QPen(lit ? colour.darker(115) : kEmptyPip.darker(110), 0.8));
    p.setBrush(lit ? colour : kEmptyPip);
    p.drawEllipse(QPointF(left + pip * kPipGap, kPipCentreY), kPipRadius, kPipRadius);
  }
  return pixmap;
}

}  // namespace orvane::ui::art
