#pragma once
// A picture button with normal, hover and pressed pictures. While Supported is
// on it follows the pointer and the mouse button; while it is off it keeps
// whatever picture it was given.
#include <QAbstractButton>
#include <QPixmap>

namespace orvane::ui {

class ImageButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ImageButton(QWidget* parent = nullptr);

  void SetPictures(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed);
  void SetSupported(bool on) { supported_ = on; }
  bool Supported() const { return supported_; }

  // The picture on show now.
  const QPixmap& Shown() const { return *shown_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Show(const QPixmap& picture);

  QPixmap normal_, hover_, pressed_;
  const QPixmap* shown_ = &normal_;
  bool supported_ = false;
};

}  // namespace orvane::ui
