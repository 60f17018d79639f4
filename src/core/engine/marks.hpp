#pragma once
// The mark selection: ◎, ○ and four △ from the runners' types, popularity,
// points and ratings.
#include <string_view>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

struct MarkSelection {
  MarkHorses Marks{};   // all 0 when no marks were made
  bool Marked = false;
};

// `runners` in horse-number order. Marks are made only for a race that is not
// 新馬 (`classText`, CP932) with some points, parameters loaded, and a
// popularity for horse 1.
MarkSelection SelectMarks(const std::vector<TBachu>& runners, std::string_view classText, bool paramsLoaded);

// The mark position of every horse (index = horse number - 1): 1 to 6, or 99.
std::vector<int> MarkPositions(const MarkHorses& marks, int runnerCount);

}  // namespace orvane
