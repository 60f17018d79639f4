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

  enum class Picture { Normal, Hover, Pressed };
  // Shows one of the pictures until the pointer or the mouse button changes it.
  void Show(Picture picture);
  Picture Shown() const { return shown_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap normal_, hover_, pressed_;
  Picture shown_ = Picture::Normal;
  bool supported_ = false;
};

}  // namespace orvane::ui
