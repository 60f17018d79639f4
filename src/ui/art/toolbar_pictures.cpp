#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/art/palette.hpp"

namespace orvane::ui::art {
namespace {

// Each glyph is drawn in a 22 x 22 box at the origin with the current pen and brush colour `ink`.
using Glyph = void (*)(QPainter&, const QColor& ink);

QPen Stroke(const QColor& ink, qreal width = 2.2) {
  return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Download(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink));
  p.drawLine(QPointF(11, 2), QPointF(11, 13));
  p.drawPolyline(std::array{QPointF(6.5, 9), QPointF(11, 13.5), QPointF(15.5, 9)}.data(), 3);
  p.drawPolyline(std::array{QPointF(3, 14), QPointF(3, 19), QPointF(19, 19), QPointF(19, 14)}.data(), 4);
}

void Open(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink, 1.8));
  QPainterPath back;
  back.moveTo(2, 18);
  back.lineTo(2, 4);
  back.lineTo(8, 4);
  back.lineTo(10, 6.5);
  back.lineTo(18, 6.5);
  back.lineTo(18, 9);
  p.drawPath(back);
  QPainterPath front;
  front.moveTo(2, 18);
  front.lineTo(5.5, 10);
  front.lineTo(21, 10);
  front.lineTo(17.5, 18);
  front.closeSubpath();
  p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 70));
  p.drawPath(front);
}

void RaceList(QPainter& p, const QColor& ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (int row = 0; row < 3; ++row) {
    const qreal y = 4.5 + row * 6.5;
    p.drawRoundedRect(QRectF(2, y - 1.8, 3.6, 3.6), 1, 1);
    p.drawRoundedRect(QRectF(8, y - 1.1, 12, 2.2), 1, 1);
  }
}

void Triangle(QPainter& p, const QColor& ink, bool forward) {
  const qreal dir = forward ? 1 : -1;
  QPainterPath head;
  head.moveTo(11 - 6 * dir, 3);
  head.lineTo(11 + 5 * dir, 11);
  head.lineTo(11 - 6 * dir, 19);
  head.closeSubpath();
  p.setPen(Stroke(ink, 1.6));
  p.setBrush(ink);
  p.drawPath(head);
  p.setPen(Stroke(ink, 2.6));
  p.drawLine(QPointF(11 + 8.5 * dir, 4), QPointF(11 + 8.5 * dir, 18));
}

void Previous(QPainter& p, const QColor& ink) { Triangle(p, ink, false); }
void Next(QPainter& p, const QColor& ink) { Triangle(p, ink, true); }

void Map(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink, 1.6));
  p.drawPolyline(std::array{QPointF(2, 2), QPointF(2, 20), QPointF(20, 20)}.data(), 3);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  for (const QPointF dot : {QPointF(6.5, 14), QPointF(10, 8), QPointF(13.5, 12.5), QPointF(17, 5), QPointF(16, 15)}) {
    p.drawEllipse(dot, 2.1, 2.1);
  }
}

void Popularity(QPainter& p, const QColor& ink) {
  // A pencil writing a rank.
  p.setPen(Stroke(ink, 1.6));
  p.setBrush(Qt::NoBrush);
  QPainterPath pencil;
  pencil.moveTo(4, 18);
  pencil.lineTo(5, 13.5);
  pencil.lineTo(15.5, 3);
  pencil.lineTo(19, 6.5);
  pencil.lineTo(8.5, 17);
  pencil.closeSubpath();
  p.drawPath(pencil);
  p.drawLine(QPointF(13, 5.5), QPointF(16.5, 9));
  p.drawLine(QPointF(12, 20), QPointF(20, 20));
}

void Output(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(6, 2, 10, 6));
  p.setBrush(QColor(ink.red(), ink.green(), ink.blue(), 70));
  p.drawRoundedRect(QRectF(2, 8, 18, 8), 2, 2);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(6, 13, 10, 7));
  p.drawLine(QPointF(8, 16.5), QPointF(14, 16.5));
}

void Tools(QPainter& p, const QColor& ink) {
  QPainterPath gear;
  constexpr int kTeeth = 8;
  for (int i = 0; i < kTeeth * 2; ++i) {
    const qreal angle = i * M_PI / kTeeth;
    const qreal r = (i % 2 == 0) ? 9.5 : 7.0;
    for (const qreal half : {-0.17, 0.17}) {
      const QPointF point(11 + r * std::cos(angle + half), 11 + r * std::sin(angle + half));
      if (gear.elementCount() == 0) {
        gear.moveTo(point);
      } else {
        gear.lineTo(point);
      }
    }
  }
  gear.closeSubpath();
  gear.addEllipse(QPointF(11, 11), 3.2, 3.2);
  gear.setFillRule(Qt::OddEvenFill);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(gear);
}

void Help(QPainter& p, const QColor& ink) {
  p.setPen(Stroke(ink, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(11, 11), 9.5, 9.5);
  QFont font = ProportionalFont(14);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, QStringLiteral("?"));
}

constexpr std::array<Glyph, 10> kGlyphs{Download, Open, RaceList, Previous, Next, Map, Popularity, Output, Tools, Help};

void PaintFace(QPainter& p, ButtonLook look) {
  const QRectF face(1.5, 1.5, kButtonSize - 3, kButtonSize - 3);
  QLinearGradient fill(0, 0, 0, kButtonSize);
  QColor border;
  switch (look) {
    case ButtonLook::Normal:
      fill.setColorAt(0, QColor(255, 255, 255, 46));
      fill.setColorAt(1, QColor(255, 255, 255, 14));
      border = QColor(255, 255, 255, 80);
      break;
    case ButtonLook::Hover:
      fill.setColorAt(0, QColor(255, 236, 170, 110));
      fill.setColorAt(1, QColor(226, 184, 74, 60));
      border = kGoldLight;
      break;
    case ButtonLook::Pressed:
      fill.setColorAt(0, QColor(0, 0, 0, 90));
      fill.setColorAt(1, QColor(0, 0, 0, 40));
      border = kGold;
      break;
  }
  p.setPen(QPen(border, 1));
  p.setBrush(fill);
  p.drawRoundedRect(face, 7, 7);
}

}  // namespace

QPixmap ToolbarPicture(int button, ButtonLook look) {
  QPixmap pixmap(kButtonSize, kButtonSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  PaintFace(p, look);
  const qreal shift = look == ButtonLook::Pressed ? 1 : 0;
  p.translate(8.5 + shift, 8.5 + shift);
  const QColor ink = look == ButtonLook::Hover ? QColor(Qt::white) : QColor(255, 255, 255, 225);
  if (button >= 0 && button < static_cast<int>(kGlyphs.size())) kGlyphs[static_cast<size_t>(button)](p, ink);
  return pixmap;
}

}  // namespace orvane::ui::art
