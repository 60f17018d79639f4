#pragma once
// The bet details text: every ticket of the race, as the bet details window lists it.
#include <string>
#include <string_view>
#include <vector>

#include "core/bets/bet_lists.hpp"

namespace orvane {

// The text as lines (CP932, without line ends); a race without bets gives the
// single line "このレースの買い目はありません".
std::vector<std::string> BetDetailsLines(const BetLists& bets, std::string_view raceNumberText);

}  // namespace orvane
