#pragma once
// Bet lines of the bet files (.kmi): race key, bet type digit and bet code.
#include <string>
#include <string_view>
#include <vector>

#include "core/bets/bet_lists.hpp"
#include "core/engine/runner.hpp"

namespace orvane {

// "rank=" and the marked horses joined by ",", up to the first empty position.
std::string MarkListText(const MarkHorses& marks);

// Appends the bet block of one race: the mark line "'rank=..." when asked,
// 9 馬連 ("3"), 10 馬単 ("5"), then 3連単 ("7", every entry) from race 9 on or
// 16 3連複 ("6") before. A race without marks adds nothing.
void AppendBetLines(std::vector<std::string>& lines, std::string_view raceHeaderLine, const MarkHorses& marks,
                    const BetLists& bets, bool withMarkLine);

}  // namespace orvane
