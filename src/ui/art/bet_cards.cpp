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

// A printed word of a card, on the baseline of the labels of its row. A
// caption word ends just before the label it introduces; the bet kind starts
// where the form puts the kind label of the third card, and is white like it.
struct Word {
  int x;       // main window x: the label it leads to, or where the bet kind starts
  int labelY;  // main window y (top) of the labels of its row
  const char* text;
  int pixelSize;
  bool betKind = false;
};

std::vector<Word> WordingOf(int card) {
  switch (card) {
    case 0:
      return {
          {166, 70, "馬連", 12, true}, {275, 70, "(流し) 買い目数", 10}, {202, 86, "軸⇒", 12}, {202, 100, "軸⇒", 12}};
    case 1:
      return {
          {317, 70, "馬単", 12, true}, {425, 70, "(流し) 買い目数", 10}, {353, 86, "軸⇒", 12}, {353, 100, "軸⇒", 12}};
    case 2:
      return {{617, 70, "(フォーメーション) 買い目数", 10},
              {499, 86, "1着⇒", 12},
              {566, 86, "2着⇒", 12},
              {566, 100, "3着⇒", 12}};
    default:
      return {{687, 70, "3連単", 12, true},
              {836, 70, "(フォーメーション) 買い目数", 10},
              {718, 86, "2着⇒", 12},
              {785, 86, "1着⇒", 12},
              {785, 100, "3着⇒", 12}};
  }
}

// As the labels on the cards: the fallback fonts are wider than the form's.
constexpr int kCardStretch = 86;

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
  for (const Word& word : WordingOf(card)) {
    QFont font = ProportionalFont(word.pixelSize);
    font.setStretch(kCardStretch);
    p.setFont(font);
    p.setPen(word.betKind ? QColor(Qt::white) : kGoldLight);
    const QString text = QString::fromUtf8(word.text);
    const int left =
        word.betKind ? word.x - rect.left() : word.x - rect.left() - 2 - QFontMetrics(font).horizontalAdvance(text);
    p.drawText(QPoint(left, word.labelY - rect.top() + labelAscent), text);
  }
  return pixmap;
}

}  // namespace orvane::ui::art
