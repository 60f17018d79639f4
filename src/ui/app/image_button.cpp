#include "ui/app/image_button.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace orvane::ui {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

void ImageButton::SetPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed) {
  normal_ = normal;
  hover_ = hover;
  pressed_ = pressed;
  Show(Picture::Normal);
}

QSize ImageButton::sizeHint() const { return normal_.deviceIndependentSize().toSize(); }

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  switch (shown_) {
    case Picture::Normal:
      p.drawPixmap(0, 0, normal_);
      break;
    case Picture::Hover:
      p.drawPixmap(0, 0, hover_);
      break;
    case Picture::Pressed:
      p.drawPixmap(0, 0, pressed_);
      break;
  }
}

void ImageButton::Show(Picture picture) {
  shown_ = picture;
  update();
}

void ImageButton::enterEvent(QEnterEvent* event) {
  if (supported_) Show(isDown() ? Picture::Pressed : Picture::Hover);
  QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  if (supported_) Show(Picture::Normal);
  QAbstractButton::leaveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  if (supported_ && event->button() == Qt::LeftButton) Show(Picture::Pressed);
  QAbstractButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  if (supported_ && event->button() == Qt::LeftButton) Show(Picture::Hover);
  QAbstractButton::mouseReleaseEvent(event);
}

}  // namespace orvane::ui
