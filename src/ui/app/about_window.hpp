#pragma once
// TfrmAbout: a borderless window shaped like its picture, with the version in
// white over it. It closes when clicked and whenever it loses activation; as
// the About box it fades in.
#include <QDialog>
#include <QImage>
#include <QRegion>
#include <QTimer>

namespace orvane::ui {

class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* owner = nullptr);

  // Starts fully transparent and fades in (the About command; the splash does not).
  void StartFadeIn();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FadeStep();

  QImage picture_;
  QTimer fade_;
  int alpha_ = 255;
};

// The window shape: each row's runs of pixels that are not the transparent
// colour (the bottom-left pixel's); the whole picture when that leaves nothing.
QRegion ShapeOf(const QImage& picture);

}  // namespace orvane::ui
