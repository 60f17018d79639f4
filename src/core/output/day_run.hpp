#pragma once
// The batch run of the all-races outputs: every race of the day computed in
// turn, exactly as showing it would compute it.
#include <expected>
#include <functional>
#include <string>

#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"
#include "core/race/race_view.hpp"

namespace orvane {

struct DayRun {
  const RaceCard& Card;
  const ProgramFolder& Folder;
  bool UserOddsMode = false;
  int FormationPattern = 0;  // of the race on screen; each race hands its own to the next
  Date Today{};
  // Asked before each race with the number of races done; false ends the run
  // there, keeping what the earlier races gave.
  std::function<bool(int done, int total)> Continue;
  // A message the desktop program shows and carries on from (UTF-8).
  std::function<void(const std::string&)> Notice;
};

// Calls `visit` with every race in race order. A race that cannot be computed
// ends the run with its message.
std::expected<void, std::string> RunDay(const DayRun& run, const std::function<void(const RaceView&)>& visit);

}  // namespace orvane
