#include "core/engine/runner.hpp"

namespace orvane {

int TypeRank(const TBachu& runner) {
  if (runner.TypeClass == "SS") return 3;
  if (runner.TypeClass == "S") return 2;
  if (runner.TypeClass == "M") return 1;
  if (runner.TypeClass == "D") return 0;
  return runner.RunningStyle.empty() ? -2 : -1;
}

}  // namespace orvane
