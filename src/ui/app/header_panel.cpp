#include "ui/app/header_panel.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "ui/app/fonts.hpp"
#include "ui/app/skin.hpp"
#include "ui/art/artwork.hpp"

namespace orvane::ui {
namespace {

constexpr int kTitleLeft = 10;
constexpr int kToolbarLeft = 504;
constexpr int kToolbarTop = 8;
constexpr QPoint kHomePageAt{8, 60};
constexpr QRect kNigeRect{12, 100, 140, 18};
// The titles end where the toolbar begins.
constexpr int kTitleWidth = kToolbarLeft - kTitleLeft - 4;

}  // namespace

HeaderPanel::HeaderPanel(QWidget* parent) : QWidget(parent), betPanel_(this) {
  setObjectName(QStringLiteral("HeaderPanel"));
  setFixedHeight(kHeight);
  lblTitle1_ = MakeTitle("lblTitle1", {kTitleLeft, 21, kTitleWidth, 18}, true);
  lblTitle2_ = MakeTitle("lblTitle2", {kTitleLeft, 37, kTitleWidth, 18}, false);
  lblNige_ = MakeTitle("lblNige", kNigeRect, true);

  homePage_ = new QLabel(this);
  homePage_->setObjectName(QStringLiteral("HomePageLink"));
  homePage_->setPixmap(art::HomePageLink());
  homePage_->move(kHomePageAt);
  homePage_->adjustSize();
  homePage_->setCursor(Qt::PointingHandCursor);
  homePage_->setToolTip(QStringLiteral("Orvaneのホームページを表示"));
  homePage_->setToolTipDuration(kHintDurationMs);
  homePage_->installEventFilter(this);

  for (const CommandEntry& entry : CommandTable()) {
    if (entry.button < 0) continue;
    auto* button = new ImageButton(this);
    button->setObjectName(QStringLiteral("ImgBtn") + QString::number(entry.button));
    button->SetPictures(art::ToolbarPicture(entry.button, art::ButtonLook::Normal),
                        art::ToolbarPicture(entry.button, art::ButtonLook::Hover),
                        art::ToolbarPicture(entry.button, art::ButtonLook::Pressed));
    button->setToolTip(QString::fromUtf8(entry.hint));
    button->setToolTipDuration(kHintDurationMs);
    button->setGeometry(kToolbarLeft + entry.button * art::kButtonSize, kToolbarTop, art::kButtonSize, art::kButtonSize);
    buttons_[static_cast<size_t>(entry.button)] = button;
  }
}

QLabel* HeaderPanel::MakeTitle(const char* name, const QRect& place, bool bold) {
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromLatin1(name));
  QFont font = ProportionalFont(12);
  font.setBold(bold);
  label->setFont(font);
  label->setGeometry(place);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void HeaderPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, banner_);
}

void HeaderPanel::resizeEvent(QResizeEvent* event) {
  banner_ = art::Banner(size());
  QWidget::resizeEvent(event);
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == homePage_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit HomePageClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvane::ui
