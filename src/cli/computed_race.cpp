#include "cli/computed_race.hpp"

#include <chrono>
#include <ostream>

#include "core/bets/formation.hpp"

namespace orvane::cli {
namespace {

Date Today() { return Date(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())); }

}  // namespace

std::optional<RaceView> ComputeRaceArgument(const Context& context, RaceCard& card, const std::string& raceArgument) {
  int race = 0;
  if (!context.LoadCard(card) || !context.ParseRace(raceArgument, card, race)) return std::nullopt;
  auto view = ComputeRace(card, race, context.folder, context.manual, kTrioPattern, Today());
  if (!view) {
    context.err << view.error() << '\n';
    return std::nullopt;
  }
  if (!view->ParamsMessage.empty()) context.err << view->ParamsMessage << '\n';
  return std::move(*view);
}

int WriteDayFile(const Context& context, const std::filesystem::path& path, DayFileWriter write) {
  RaceCard card;
  if (!context.LoadCard(card)) return kDataError;
  DayRun run{card, context.folder, context.manual, kTrioPattern, Today(), {}, {}};
  run.Notice = [&context](const std::string& message) { context.err << message << '\n'; };
  if (auto written = write(path, run); !written) {
    context.err << written.error() << '\n';
    return kDataError;
  }
  return kOk;
}

}  // namespace orvane::cli
