#include "ui/bets/bet_panel_view.hpp"

#include <QFontMetrics>

#include "core/data/cp932.hpp"
#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"
#include "ui/bets/bet_panel_layout.hpp"

namespace orvane::ui {
namespace {

constexpr int kLabelWidth = 120;
constexpr int kRightAlignedWidth = 24;
constexpr int kLabelStretch = 86;

QString LabelName(size_t label) {
  // The form spells the label of position 14 with a small k.
  return (label == 14 ? QStringLiteral("lblkai") : QStringLiteral("lblKai")) + QString::number(label);
}

}  // namespace

BetPanelView::BetPanelView(QWidget* host) {
  for (size_t c = 0; c < cards_.size(); ++c) {
    auto* card = new QLabel(host);
    card->setObjectName(QStringLiteral("kai") + QString::number(c));
    card->setPixmap(art::BetCard(static_cast<int>(c)));
    card->setGeometry(kBetCardRects[c]);
    card->hide();
    cards_[c] = card;
  }
  QFont font = ProportionalFont(kBetLabelPixelSize);
  // Six horses must fit their card: the fallback fonts set "・" full width.
  font.setStretch(kLabelStretch);
  const int height = QFontMetrics(font).height();
  for (size_t l = 0; l < labels_.size(); ++l) {
    auto* label = new QLabel(host);
    label->setObjectName(LabelName(l));
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    const BetLabelPlace& place = kBetLabelPlaces[l];
    if (place.rightAlignedIn12) {
      // The number ends where the 12-pixel box of the form ends.
      label->setGeometry(place.topLeft.x() + 12 - kRightAlignedWidth, place.topLeft.y(), kRightAlignedWidth, height);
      label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    } else {
      label->setGeometry(place.topLeft.x(), place.topLeft.y(), kLabelWidth, height);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    label->hide();
    labels_[l] = label;
  }
}

void BetPanelView::Show(const BetPanel& panel) {
  for (size_t c = 0; c < cards_.size(); ++c) cards_[c]->setVisible(panel.CardVisible[c]);
  for (size_t l = 0; l < labels_.size(); ++l) {
    labels_[l]->setText(QString::fromStdString(ToUtf8(panel.LabelText[l])));
    labels_[l]->setVisible(panel.LabelVisible[l]);
  }
}

}  // namespace orvane::ui
