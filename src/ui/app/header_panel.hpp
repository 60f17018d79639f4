#pragma once
// The header band of the main window, 123 pixels high: the banner, the two
// title lines, the front-runner label, the bet panel, the ten toolbar buttons
// and the product mark that links to the home page.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "ui/app/command_table.hpp"
#include "ui/app/image_button.hpp"
#include "ui/bets/bet_panel_view.hpp"

namespace orvane::ui {

class HeaderPanel : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 123;

  explicit HeaderPanel(QWidget* parent = nullptr);

  QLabel* Title1() const { return lblTitle1_; }
  QLabel* Title2() const { return lblTitle2_; }
  QLabel* Nige() const { return lblNige_; }
  ImageButton* Button(int number) const { return buttons_[static_cast<size_t>(number)]; }
  BetPanelView& BetPanel() { return betPanel_; }

 signals:
  void HomePageClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* MakeTitle(const char* name, const QRect& place, bool bold);

  QPixmap banner_;
  QLabel* lblTitle1_ = nullptr;
  QLabel* lblTitle2_ = nullptr;
  QLabel* lblNige_ = nullptr;
  QLabel* homePage_ = nullptr;
  std::array<ImageButton*, kToolbarButtons> buttons_{};
  BetPanelView betPanel_;
};

}  // namespace orvane::ui
