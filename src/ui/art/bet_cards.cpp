#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/art/palette.hpp"
#include "ui/bets/bet_panel_layout.hpp"

namespace orvane::ui::art {
namespace {

// A printed word of a card, right-aligned so that it ends just before the
// label it introduces, on the label's baseline.
struct Word {
  int labelX;  // main window x of the label the word leads to
  int labelY;  // main window y (top) of that label
  const char* text;
  int pixelSize;
};

struct CardWording {
  std::vector<Word> words;
};

CardWording WordingOf(int card) {
  switch (card) {
    case 0:
      return {{{275, 70, "馬連(流し) 買い目数", 11}, {202, 86, "軸⇒", 12}, {202, 100, "軸⇒", 12}}};
    case 1:
      return {{{425, 70, "馬単(流し) 買い目数", 11}, {353, 86, "軸⇒", 12}, {353, 100, "軸⇒", 12}}};
    case 2:
      return {{{617, 70, "(フォーメーション) 買い目数", 9},
               {499, 86, "1着⇒", 12},
               {566, 86, "2着⇒", 12},
               {566, 100, "3着⇒", 12}}};
    default:
      return {{{836, 70, "3連単(フォーメーション) 買い目数", 9},
               {718, 86, "2着⇒", 12},
               {785, 86, "1着⇒", 12},
               {785, 100, "3着⇒", 12}}};
  }
}

void PaintFrame(QPainter& p, QSize size) {
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, QColor(255, 255, 255, 40));
  fill.setColorAt(1, QColor(0, 0, 0, 50));
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
  // A darker band behind the first row, which names the bet.
  QPainterPath band;
  band.addRoundedRect(QRectF(1, 1, size.width() - 2, 22), 5, 5);
  band.addRect(QRectF(1, 12, size.width() - 2, 11));
  band.setFillRule(Qt::WindingFill);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(band.simplified());
  p.setPen(QPen(QColor(kGold.red(), kGold.green(), kGold.blue(), 120), 1));
  p.drawLine(QPointF(1, 23.5), QPointF(size.width() - 1, 23.5));
}

}  // namespace

QPixmap BetCard(int card) {
  const QRect rect = kBetCardRects[static_cast<size_t>(std::clamp(card, 0, 3))];
  QPixmap pixmap(rect.size());
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  PaintFrame(p, rect.size());
  const int labelAscent = QFontMetrics(ProportionalFont(kBetLabelPixelSize)).ascent();
  p.setPen(kGoldLight);
  for (const Word& word : WordingOf(card).words) {
    const QFont font = ProportionalFont(word.pixelSize);
    p.setFont(font);
    const QString text = QString::fromUtf8(word.text);
    const int width = QFontMetrics(font).horizontalAdvance(text);
    const int right = word.labelX - rect.left() - 2;
    p.drawText(QPoint(right - width, word.labelY - rect.top() + labelAscent), text);
  }
  return pixmap;
}

}  // namespace orvane::ui::art
