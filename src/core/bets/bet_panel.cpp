#include "core/bets/bet_panel.hpp"

#include "core/bets/formation.hpp"
#include "core/data/cp932.hpp"

namespace orvane {
namespace {

struct Words {
  std::string dot = ToCp932("・");
  std::string trio = ToCp932("3連複"), trifecta = ToCp932("3連単");
  std::string n9 = ToCp932("9点"), n10 = ToCp932("10点"), n16 = ToCp932("16点"), n20 = ToCp932("20点"),
              n40 = ToCp932("40点");
};

const Words& W() {
  static const Words words;
  return words;
}

// Horses of the mark positions [from, to] (0-based), skipping `except` and empty positions.
std::string HorseList(const MarkHorses& marks, size_t from, size_t to, size_t except = 6) {
  std::string text;
  for (size_t i = from; i <= to; ++i) {
    if (i == except || marks[i] == 0) continue;
    if (!text.empty()) text += W().dot;
    text += std::to_string(marks[i]);
  }
  return text;
}

void Show(BetPanel& panel, size_t label, std::string text) {
  panel.LabelText[label] = std::move(text);
  panel.LabelVisible[label] = true;
}

void FillQuinellaAndExactaCards(const MarkHorses& m, BetPanel& panel) {
  panel.CardVisible[0] = panel.CardVisible[1] = true;
  Show(panel, 0, W().n9);
  Show(panel, 1, HorseList(m, 0, 0));
  Show(panel, 2, HorseList(m, 1, 5));
  Show(panel, 3, HorseList(m, 1, 1));
  Show(panel, 4, HorseList(m, 2, 5));
  Show(panel, 5, W().n10);
  Show(panel, 6, HorseList(m, 0, 0));
  Show(panel, 7, HorseList(m, 1, 5));
  Show(panel, 8, HorseList(m, 1, 1));
  Show(panel, 9, HorseList(m, 0, 5, 1));
}

// Third card: 3連複 or the first formation (A, or B1 for pattern 2).
void FillThirdCard(const MarkHorses& m, int pattern, BetPanel& panel) {
  panel.CardVisible[2] = true;
  const bool b1 = pattern == kFormationsB1B2;
  Show(panel, 18, pattern == kTrioPattern ? W().trio : W().trifecta);
  Show(panel, 10, pattern == kTrioPattern ? W().n16 : b1 ? W().n20 : W().n40);
  Show(panel, 11, b1 ? HorseList(m, 0, 0) : HorseList(m, 0, 1));
  Show(panel, 12, b1 ? HorseList(m, 1, 5) : HorseList(m, 0, 5));
  Show(panel, 13, b1 ? HorseList(m, 1, 5) : HorseList(m, 0, 5));
}

// Fourth card: formation B2, ◎ second (labels 15 at 2着, 16 at 1着, 17 at 3着).
void FillFourthCard(const MarkHorses& m, BetPanel& panel) {
  panel.CardVisible[3] = true;
  Show(panel, 14, W().n20);
  Show(panel, 15, HorseList(m, 0, 0));
  Show(panel, 16, HorseList(m, 1, 5));
  Show(panel, 17, HorseList(m, 1, 5));
}

}  // namespace

BetPanel FillBetPanel(const MarkHorses& marks, int formationPattern) {
  BetPanel panel;
  if (marks[0] == 0) return panel;
  FillQuinellaAndExactaCards(marks, panel);
  FillThirdCard(marks, formationPattern, panel);
  if (formationPattern == kFormationsB1B2 || formationPattern == kFormationsAB2) FillFourthCard(marks, panel);
  return panel;
}

}  // namespace orvane
