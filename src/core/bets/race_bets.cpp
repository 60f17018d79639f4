#include "core/bets/race_bets.hpp"

#include "core/bets/formation.hpp"

namespace orvane {

RaceBets BetsForRace(std::string_view raceNumberText, const MarkHorses& marks, const std::vector<TBachu>& runners,
                     int previousFormationPattern) {
  const int pattern = marks[0] != 0 ? ChooseFormation(raceNumberText, marks, runners) : previousFormationPattern;
  return {FillBetPanel(marks, pattern), BuildBets(marks, pattern, raceNumberText)};
}

}  // namespace orvane
