#include <ostream>

#include "cli/cli_context.hpp"
#include "cli/computed_race.hpp"
#include "core/data/cp932.hpp"

namespace orvane::cli {

int RunBets(Context& context, const std::vector<std::string>& args) {
  RaceCard card;
  const auto view = ComputeRaceArgument(context, card, args[0]);
  if (!view) return kDataError;
  for (const auto& line : view->BetDetails) context.out << ToUtf8(line) << '\n';
  return kOk;
}

}  // namespace orvane::cli
