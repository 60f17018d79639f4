#include "core/bets/bet_lists.hpp"

#include <algorithm>
#include <array>

#include "core/bets/bet_code.hpp"
#include "core/bets/formation.hpp"

namespace orvane {
namespace {

constexpr size_t kQuinellaCount = 9, kExactaCount = 10, kTrioCount = 16;

// Tickets are enumerated over mark positions (0 = ◎ .. 5), so an empty
// position is still a distinct place in the formation.
using Positions = std::array<int, 3>;

std::string TrifectaCode(const MarkHorses& m, const Positions& p) { return BetCode(m[p[0]], m[p[1]], m[p[2]]); }

// A: 1着 ◎ or ○, 2着 and 3着 any other marks.
void AppendFormationA(const MarkHorses& m, std::vector<std::string>& codes) {
  for (int first : {0, 1})
    for (int second = 0; second < 6; ++second)
      for (int third = 0; third < 6; ++third)
        if (second != first && third != first && third != second) codes.push_back(TrifectaCode(m, {first, second, third}));
}

// B1: 1着 ◎, 2着 and 3着 from ○ and the △s.
void AppendFormationB1(const MarkHorses& m, std::vector<std::string>& codes) {
  for (int second = 1; second < 6; ++second)
    for (int third = 1; third < 6; ++third)
      if (third != second) codes.push_back(TrifectaCode(m, {0, second, third}));
}

// B2: ◎ second, 1着 and 3着 from ○ and the △s.
void AppendFormationB2(const MarkHorses& m, std::vector<std::string>& codes) {
  for (int first = 1; first < 6; ++first)
    for (int third = 1; third < 6; ++third)
      if (third != first) codes.push_back(TrifectaCode(m, {first, 0, third}));
}

size_t TrifectaCount(int pattern) {
  if (pattern == kFormationA || pattern == kFormationsB1B2) return 40;
  if (pattern == kFormationsAB2) return 60;
  return 0;
}

std::string SortedPair(int a, int b) { return BetCode(std::min(a, b), std::max(a, b)); }

void FillQuinellaAndExacta(const MarkHorses& m, BetLists& bets) {
  bets.QuinellaCodes.clear();
  bets.ExactaCodes.clear();
  for (int other = 1; other < 6; ++other) {
    bets.QuinellaCodes.push_back(SortedPair(m[0], m[other]));
    bets.ExactaCodes.push_back(BetCode(m[0], m[other]));
  }
  bets.ExactaCodes.push_back(BetCode(m[1], m[0]));
  for (int other = 2; other < 6; ++other) {
    bets.QuinellaCodes.push_back(SortedPair(m[1], m[other]));
    bets.ExactaCodes.push_back(BetCode(m[1], m[other]));
  }
}

// Every three positions that include ◎ or ○, in ascending position order.
void FillTrio(const MarkHorses& m, BetLists& bets) {
  bets.TrioCodes.clear();
  for (int i = 0; i < 2; ++i)
    for (int j = i + 1; j < 6; ++j)
      for (int k = j + 1; k < 6; ++k) {
        std::array<int, 3> horses{m[i], m[j], m[k]};
        std::ranges::sort(horses);
        bets.TrioCodes.push_back(BetCode(horses[0], horses[1], horses[2]));
      }
}

void FillTrifecta(const MarkHorses& m, int pattern, BetLists& bets) {
  std::vector<std::string> codes;
  if (pattern == kFormationA || pattern == kFormationsAB2) AppendFormationA(m, codes);
  if (pattern == kFormationsB1B2) AppendFormationB1(m, codes);
  if (pattern == kFormationsB1B2 || pattern == kFormationsAB2) AppendFormationB2(m, codes);
  bets.TrifectaCodes = std::move(codes);
}

}  // namespace

bool BetLists::HasBets() const { return !QuinellaCodes.empty() && QuinellaCodes.front() != kNoBet; }

BetLists BuildBets(const MarkHorses& marks, int formationPattern, std::string_view raceNumberText) {
  BetLists bets;
  bets.FormationPattern = formationPattern;
  bets.QuinellaCodes.assign(kQuinellaCount, std::string(kNoBet));
  bets.ExactaCodes.assign(kExactaCount, std::string(kNoBet));
  bets.TrioCodes.assign(kTrioCount, std::string(kNoBet));
  bets.TrifectaCodes.assign(TrifectaCount(formationPattern), std::string(kNoBet));
  if (marks[0] == 0) return bets;

  FillQuinellaAndExacta(marks, bets);
  if (IsTrifectaRace(raceNumberText)) {
    FillTrifecta(marks, formationPattern, bets);
  } else {
    FillTrio(marks, bets);
  }
  return bets;
}

}  // namespace orvane
