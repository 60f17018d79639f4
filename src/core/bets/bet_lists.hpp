#pragma once
// The suggested bets of a race, derived from its six marks.
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

struct BetLists {
  int FormationPattern = 0;
  std::vector<std::string> QuinellaCodes;  // 馬連, always 9
  std::vector<std::string> ExactaCodes;    // 馬単, always 10
  std::vector<std::string> TrioCodes;      // 3連複, always 16
  std::vector<std::string> TrifectaCodes;  // 3連単, 0, 40 or 60 (pattern 3 repeats four tickets)

  // A race without marks keeps every code at "000000".
  bool HasBets() const;
};

// Every list has its full size; codes that use an empty mark position carry
// "00" for it. Nothing is ever sorted or de-duplicated across tickets.
BetLists BuildBets(const MarkHorses& marks, int formationPattern, std::string_view raceNumberText);

}  // namespace orvane
