#include <ostream>

#include "cli/cli_context.hpp"
#include "cli/computed_race.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"
#include "core/race/grid_cells.hpp"

namespace orvane::cli {
namespace {

std::string Points(double value, bool loaded) { return loaded ? OneDecimal(value) : std::string(); }

}  // namespace

int RunShow(Context& context, const std::vector<std::string>& args) {
  RaceCard card;
  const std::optional<RaceView> view = ComputeRaceArgument(context, card, args[0]);
  if (!view) return kDataError;

  context.out << ToUtf8(view->Summary.TitleText) << '\n'
              << ToUtf8(view->Summary.DescriptionText) << '\n'
              << ToUtf8(view->FrontRunnerLabel) << '\n';
  const int first = card.FirstEntry(view->Race);
  for (size_t k = 0; k < view->Runners.size(); ++k) {
    const TBachu& r = view->Runners[k];
    const bool loaded = view->ParamsLoaded;
    const std::string popularity = view->Popularity.Shown ? std::to_string(r.Popularity) : std::string();
    context.out << ToUtf8(MarkText(view->MarkPositions[k])) << '\t' << view->Rows[k].Bracket << '\t' << k + 1 << '\t'
                << ToUtf8(TrimmedField(card.EntryLine(first + static_cast<int>(k)), 33, 18)) << '\t'
                << ToUtf8(r.RunningStyle) << '\t' << ToUtf8(r.DistanceChange) << '\t' << r.TypeClass << '\t'
                << popularity << '\t' << Points(r.WinPoints, loaded) << '\t' << Points(r.ReturnPoints, loaded) << '\t'
                << Points(r.TotalPoints, loaded) << '\n';
  }
  return kOk;
}

}  // namespace orvane::cli
