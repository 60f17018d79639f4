#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/art/palette.hpp"

namespace orvane::ui::art {
namespace {

// Faint rails of a racecourse bend, sweeping in from the right.
void PaintRails(QPainter& p, QSize size) {
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 6; ++i) {
    QColor rail(255, 255, 255, 26 - i * 3);
    p.setPen(QPen(rail, i == 0 ? 2.0 : 1.0));
    const qreal r = 260 + i * 34;
    const QPointF centre(size.width() + 40, size.height() + 170);
    p.drawEllipse(centre, r * 1.9, r);
  }
}

}  // namespace

QPixmap Banner(QSize size) {
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, size.width(), size.height());
  sky.setColorAt(0.0, kTurfDark);
  sky.setColorAt(0.55, kTurf.darker(130));
  sky.setColorAt(1.0, kNight);
  p.fillRect(pixmap.rect(), sky);
  PaintRails(p, size);

  // A soft light along the top and a gold rule along the bottom edge.
  QLinearGradient shine(0, 0, 0, 24);
  shine.setColorAt(0, QColor(255, 255, 255, 34));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRect(0, 0, size.width(), 24), shine);
  QLinearGradient rule(0, 0, size.width(), 0);
  rule.setColorAt(0, kGold);
  rule.setColorAt(1, kGold.darker(160));
  p.fillRect(QRect(0, size.height() - 2, size.width(), 2), rule);
  return pixmap;
}

QPixmap HomePageLink() {
  QPixmap pixmap(142, 36);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // A horseshoe emblem, then the name.
  QPainterPath shoe;
  shoe.arcMoveTo(QRectF(4, 5, 24, 26), -40);
  shoe.arcTo(QRectF(4, 5, 24, 26), -40, 260);
  p.setPen(QPen(kGold, 4.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(shoe);
  p.setPen(Qt::NoPen);
  p.setBrush(kTurfDark);
  for (const QPointF dot : {QPointF(7.5, 15), QPointF(16, 6.8), QPointF(24.5, 15)}) p.drawEllipse(dot, 0.9, 0.9);

  QFont name(QStringLiteral("serif"));
  name.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")});
  name.setPixelSize(22);
  name.setBold(true);
  name.setItalic(true);
  QLinearGradient gold(0, 4, 0, 30);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGold);
  QPainterPath text;
  text.addText(34, 24, name, QStringLiteral("Orvane"));
  p.setBrush(gold);
  p.drawPath(text);

  p.setPen(QColor(255, 255, 255, 170));
  p.setFont(ProportionalFont(9));
  p.drawText(QPointF(36, 34), QStringLiteral("競馬予想支援ソフト"));
  return pixmap;
}

}  // namespace orvane::ui::art
