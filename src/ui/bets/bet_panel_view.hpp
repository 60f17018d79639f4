#pragma once
// The bet panel on the header: the cards kai0-kai3 and the labels
// lblKai0-lblKai18, shown as the core's BetPanel says.
#include <QLabel>
#include <array>

#include "core/bets/bet_panel.hpp"

namespace orvane::ui {

class BetPanelView {
 public:
  // The cards and labels become children of `host` at their places.
  explicit BetPanelView(QWidget* host);

  void Show(const BetPanel& panel);

  QLabel* Card(int card) const { return cards_[static_cast<size_t>(card)]; }
  QLabel* Label(int label) const { return labels_[static_cast<size_t>(label)]; }

 private:
  std::array<QLabel*, BetPanel::kCards> cards_{};
  std::array<QLabel*, BetPanel::kLabels> labels_{};
};

}  // namespace orvane::ui
