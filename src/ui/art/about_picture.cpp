#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/art/palette.hpp"

namespace orvane::ui::art {
namespace {

const QColor kTransparentColour(0xFF, 0x00, 0xFF);
constexpr QPointF kEmblemCentre(84, 82);
constexpr qreal kEmblemRadius = 76;

void PaintBody(QPainter& p) {
  QPainterPath body;
  body.addRoundedRect(QRectF(40, 22, kAboutSize.width() - 41, 120), 18, 18);
  QLinearGradient fill(0, 22, 0, 142);
  fill.setColorAt(0, kTurf);
  fill.setColorAt(1, kNight);
  p.setPen(QPen(kGold, 2));
  p.setBrush(fill);
  p.drawPath(body);
}

void PaintEmblem(QPainter& p) {
  QRadialGradient disc(kEmblemCentre, kEmblemRadius, kEmblemCentre - QPointF(20, 24));
  disc.setColorAt(0, kTurf.lighter(125));
  disc.setColorAt(1, kTurfDark);
  p.setPen(QPen(kGold, 5));
  p.setBrush(disc);
  p.drawEllipse(kEmblemCentre, kEmblemRadius - 3, kEmblemRadius - 3);
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(kEmblemCentre, kEmblemRadius - 11, kEmblemRadius - 11);

  // A horseshoe, open side down, with its nail holes.
  const QRectF shoe(kEmblemCentre.x() - 32, kEmblemCentre.y() - 38, 64, 70);
  QPainterPath arc;
  arc.arcMoveTo(shoe, -38);
  arc.arcTo(shoe, -38, 256);
  QLinearGradient metal(0, shoe.top(), 0, shoe.bottom());
  metal.setColorAt(0, kGoldLight);
  metal.setColorAt(1, kGold.darker(115));
  p.setPen(QPen(QBrush(metal), 15, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(arc);
  p.setPen(Qt::NoPen);
  p.setBrush(kTurfDark);
  for (int i = 0; i < 8; ++i) {
    const qreal angle = -26 + i * (232.0 / 7);
    QPainterPath hole;
    hole.arcMoveTo(shoe, angle);
    p.drawEllipse(hole.currentPosition(), 2.2, 2.2);
  }
}

void PaintTitle(QPainter& p) {
  QFont name;
  name.setFamilies({QStringLiteral("Noto Serif CJK JP"), QStringLiteral("serif")});
  name.setPixelSize(50);
  name.setBold(true);
  name.setItalic(true);
  QPainterPath text;
  text.addText(178, 84, name, QStringLiteral("Orvane"));
  QLinearGradient gold(0, 44, 0, 86);
  gold.setColorAt(0, kGoldLight);
  gold.setColorAt(1, kGold);
  p.setPen(QPen(QColor(0, 0, 0, 90), 3));
  p.drawPath(text.translated(1.5, 2));
  p.setPen(Qt::NoPen);
  p.setBrush(gold);
  p.drawPath(text);

  p.setPen(QColor(255, 255, 255, 215));
  p.setFont(ProportionalFont(13));
  p.drawText(QPointF(182, 106), QStringLiteral("JRA 競馬予想支援ソフトウェア"));
}

// Antialiased edges are blended onto the dark frame colour, never onto the
// transparent colour, so the shaped window shows no coloured fringe.
QImage KeyOut(const QImage& argb) {
  QImage out(argb.size(), QImage::Format_RGB32);
  const QColor edge = kTurfDark;
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb pixel = argb.pixel(x, y);
      const int alpha = qAlpha(pixel);
      if (alpha < 128) {
        out.setPixel(x, y, kTransparentColour.rgb());
        continue;
      }
      const auto mix = [alpha](int front, int back) { return (front * alpha + back * (255 - alpha)) / 255; };
      out.setPixel(
          x, y, qRgb(mix(qRed(pixel), edge.red()), mix(qGreen(pixel), edge.green()), mix(qBlue(pixel), edge.blue())));
    }
  }
  return out;
}

}  // namespace

QImage AboutPicture() {
  QImage argb(kAboutSize, QImage::Format_ARGB32);
  argb.fill(Qt::transparent);
  QPainter p(&argb);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintBody(p);
  PaintEmblem(p);
  PaintTitle(p);
  p.end();
  return KeyOut(argb);
}

}  // namespace orvane::ui::art
