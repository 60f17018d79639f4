#include "ui/app/about_window.hpp"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "ui/app/fonts.hpp"
#include "ui/art/artwork.hpp"

namespace orvane::ui {
namespace {

constexpr int kFadeIntervalMs = 1;
constexpr int kFadeStep = 20;
constexpr int kFadeEnd = 235;
constexpr int kVersionTop = 124;

}  // namespace

QRegion ShapeOf(const QImage& picture) {
  if (picture.isNull()) return {};
  const QRgb transparent = picture.pixel(0, picture.height() - 1);
  QRegion shape;
  for (int y = 0; y < picture.height(); ++y) {
    int x = 0;
    while (x < picture.width()) {
      while (x < picture.width() && picture.pixel(x, y) == transparent) ++x;
      const int start = x;
      while (x < picture.width() && picture.pixel(x, y) != transparent) ++x;
      if (x > start) shape += QRect(start, y, x - start, 1);
    }
  }
  return shape.isEmpty() ? QRegion(picture.rect()) : shape;
}

TfrmAbout::TfrmAbout(QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint | Qt::Dialog), picture_(art::AboutPicture()) {
  setObjectName(QStringLiteral("TfrmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(picture_.size());
  setMask(ShapeOf(picture_));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }

  auto* version = new QLabel(QStringLiteral("Version 1.01"), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  version->setFont(ProportionalFont(12));
  version->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  version->setAlignment(Qt::AlignCenter);
  version->setGeometry(0, kVersionTop, width(), 18);
  version->setAttribute(Qt::WA_TransparentForMouseEvents);

  fade_.setInterval(kFadeIntervalMs);
  connect(&fade_, &QTimer::timeout, this, &TfrmAbout::FadeStep);
}

void TfrmAbout::StartFadeIn() {
  alpha_ = 0;
  setWindowOpacity(0);
  fade_.start();
}

void TfrmAbout::FadeStep() {
  if (alpha_ < kFadeEnd) {
    alpha_ += kFadeStep;
  } else {
    alpha_ = 255;
    fade_.stop();
  }
  setWindowOpacity(alpha_ / 255.0);
}

void TfrmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void TfrmAbout::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) close();
}

void TfrmAbout::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) close();
  QDialog::changeEvent(event);
}

}  // namespace orvane::ui
