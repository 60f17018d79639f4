#pragma once
// The bets of a race as the main window holds them after its marks are made:
// the formation, the panel and the four bet lists.
#include <string_view>
#include <vector>

#include "core/bets/bet_lists.hpp"
#include "core/bets/bet_panel.hpp"
#include "core/engine/runner.hpp"

namespace orvane {

struct RaceBets {
  BetPanel Panel;
  BetLists Lists;  // Lists.FormationPattern is the pattern the race leaves behind
};

// A race with marks chooses its formation anew; a race without keeps
// `previousFormationPattern` (it then only sizes the empty 3連単 list).
RaceBets BetsForRace(std::string_view raceNumberText, const MarkHorses& marks, const std::vector<TBachu>& runners,
                     int previousFormationPattern);

}  // namespace orvane
