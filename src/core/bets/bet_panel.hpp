#pragma once
// The bet summary panel of the main window: four picture cards (kai0..kai3)
// with text labels (lblKai0..lblKai18) on top.
#include <array>
#include <string>

#include "core/engine/runner.hpp"

namespace orvane {

struct BetPanel {
  static constexpr size_t kCards = 4;
  static constexpr size_t kLabels = 19;
  std::array<bool, kCards> CardVisible{};
  std::array<std::string, kLabels> LabelText;  // CP932; a hidden label's text is empty
  std::array<bool, kLabels> LabelVisible{};
};

// The panel for a race with marks (M1 set) and its formation pattern; without
// marks every card and label is hidden. Horse lists name the filled mark
// positions in mark order, joined by "・".
BetPanel FillBetPanel(const MarkHorses& marks, int formationPattern);

}  // namespace orvane
