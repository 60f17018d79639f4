#pragma once
// Which 3連単 formation a race gets.
#include <string_view>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

// Formation patterns: 0 3連複 (race 8 or earlier), 1 formation A (40),
// 2 formations B1 + B2 (20 + 20), 3 formations A + B2 (40 + 20).
inline constexpr int kTrioPattern = 0;
inline constexpr int kFormationA = 1;
inline constexpr int kFormationsB1B2 = 2;
inline constexpr int kFormationsAB2 = 3;

// Races numbered 9 and later are bet as 3連単 instead of 3連複.
bool IsTrifectaRace(std::string_view raceNumberText);

// `runners` is indexed by horse number - 1. A mark position left empty, or a
// horse without a runner record, has no popularity and an empty type.
int ChooseFormation(std::string_view raceNumberText, const MarkHorses& marks, const std::vector<TBachu>& runners);

}  // namespace orvane
