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
  Show(normal_);
}

QSize ImageButton::sizeHint() const { return normal_.deviceIndependentSize().toSize(); }

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, *shown_);
}

void ImageButton::Show(const QPixmap& picture) {
  shown_ = &picture;
  update();
}

void ImageButton::enterEvent(QEnterEvent* event) {
  if (supported_) Show(isDown() ? pressed_ : hover_);
  QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  if (supported_) Show(normal_);
  QAbstractButton::leaveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
  if (supported_ && event->button() == Qt::LeftButton) Show(pressed_);
  QAbstractButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
  if (supported_ && event->button() == Qt::LeftButton) Show(hover_);
  QAbstractButton::mouseReleaseEvent(event);
}

}  // namespace orvane::ui
