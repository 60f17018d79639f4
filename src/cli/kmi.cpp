#include <ostream>

#include "cli/cli_context.hpp"
#include "cli/computed_race.hpp"
#include "core/output/bet_file.hpp"

namespace orvane::cli {

int RunKmi(Context& context, const std::vector<std::string>& args) {
  RaceCard card;
  const auto view = ComputeRaceArgument(context, card, args[0]);
  if (!view) return kDataError;
  if (auto written = WriteBetFile(args[1], card.RaceLine(view->Race), view->Marks, view->Bets.Lists); !written) {
    context.err << written.error() << '\n';
    return kDataError;
  }
  return kOk;
}

}  // namespace orvane::cli
