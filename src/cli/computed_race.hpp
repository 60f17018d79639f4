#pragma once
// The race and the batch run as the desktop program computes them right after
// it starts: the formation pattern of program start and today's date. A
// parameter-file message goes to standard error and the command carries on.
#include <expected>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/cli_context.hpp"
#include "core/output/day_run.hpp"
#include "core/race/race_view.hpp"

namespace orvane::cli {

// Loads the race card into `card`, reads the RACE argument and computes that
// race; prints the reason and gives nothing when one of them fails.
std::optional<RaceView> ComputeRaceArgument(const Context& context, RaceCard& card, const std::string& raceArgument);

using DayFileWriter = std::expected<void, std::string> (*)(const std::filesystem::path&, const DayRun&);

// Loads the race card and writes a file of all its races; the exit code.
int WriteDayFile(const Context& context, const std::filesystem::path& path, DayFileWriter write);

}  // namespace orvane::cli
