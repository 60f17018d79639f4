#include "core/bets/formation.hpp"

#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

const TBachu* RunnerOf(const std::vector<TBachu>& runners, int horse) {
  if (horse < 1 || static_cast<size_t>(horse) > runners.size()) return nullptr;
  return &runners[static_cast<size_t>(horse - 1)];
}

// A popularity of 0 (none read) counts as popular too: the test is a plain <= 2.
bool HasPopularMark(const MarkHorses& marks, const std::vector<TBachu>& runners) {
  for (int horse : marks) {
    if (horse == 0) continue;
    const TBachu* runner = RunnerOf(runners, horse);
    if (runner == nullptr || runner->Popularity <= 2) return true;
  }
  return false;
}

std::string_view TypeOf(const std::vector<TBachu>& runners, int horse) {
  const TBachu* runner = RunnerOf(runners, horse);
  return runner != nullptr ? std::string_view(runner->TypeClass) : std::string_view();
}

}  // namespace

bool IsTrifectaRace(std::string_view raceNumberText) { return LenientInt(raceNumberText) > 8; }

int ChooseFormation(std::string_view raceNumberText, const MarkHorses& marks, const std::vector<TBachu>& runners) {
  if (!IsTrifectaRace(raceNumberText)) return kTrioPattern;
  if (!HasPopularMark(marks, runners)) return kFormationsAB2;
  return TypeOf(runners, marks[0]) == TypeOf(runners, marks[1]) ? kFormationA : kFormationsB1B2;
}

}  // namespace orvane
