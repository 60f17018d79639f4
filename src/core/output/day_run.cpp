#include "core/output/day_run.hpp"

namespace orvane {

std::expected<void, std::string> RunDay(const DayRun& run, const std::function<void(const RaceView&)>& visit) {
  const int total = run.Card.RaceCount();
  int pattern = run.FormationPattern;
  for (int race = 0; race < total; ++race) {
    if (run.Continue && !run.Continue(race, total)) break;
    auto view = ComputeRace(run.Card, race, run.Folder, run.UserOddsMode, pattern, run.Today);
    if (!view) return std::unexpected(view.error());
    if (!view->ParamsMessage.empty() && run.Notice) run.Notice(view->ParamsMessage);
    pattern = view->Bets.Lists.FormationPattern;
    visit(*view);
  }
  return {};
}

}  // namespace orvane
