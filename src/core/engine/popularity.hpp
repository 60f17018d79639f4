#pragma once
// Popularity ranks (人気) of the runners of the race on screen: from the
// forecast odds, or in the manual mode from the user popularity file of the
// race day, which the manual mode also writes.
#include <expected>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/program_folder.hpp"
#include "core/data/race_summary.hpp"

namespace orvane {

// The ranks of one race after a reading. Applying a reading is ClearPopularity
// followed, when `Shown`, by ShowPopularity: every runner takes its rank, the
// marks are emptied (MarkHorses all 0, mark cells empty, mark positions 99),
// and the 人気 cells show "N位" when `Shown` and are empty otherwise.
struct PopularityRanks {
  std::vector<int> Ranks;  // index = horse number - 1; 1 = most popular, 0 = not set
  bool Shown = false;

  bool operator==(const PopularityRanks&) const = default;
};

// ClearPopularity: every rank 0, the 人気 cells empty.
PopularityRanks ClearedPopularity(int runnerCount);

// Ranks from the forecast odds. `oddsLine` is the race's odds line only when
// its key matches the race header (RaceCard::OddsFor), else empty: then every
// rank stays 0. Odds that hold no number ("*", "-", blank) count as 00500;
// equal odds share a rank and the next odds skip ranks (1, 2, 2, 4).
PopularityRanks ReadPopularity(std::string_view oddsLine, int runnerCount);

// The race day's user popularity file: "UserOdds" / yyyymmdd + ".ods".
std::filesystem::path UserPopularityFile(const ProgramFolder& folder, const RaceSummary& race);

// The race's section in that file: venue + race number + "R" (CP932).
std::string UserPopularitySection(const RaceSummary& race);

// The manual mode's reading. nullopt: the ranks and the 人気 cells stay as they
// are (no file, or a saved value without a comma, as a single runner's is).
// A saved value whose count differs from `runnerCount` clears every rank.
std::optional<PopularityRanks> ReadUserPopularity(const ProgramFolder& folder, const RaceSummary& race,
                                                  int runnerCount);

// Saves `ranks` (horse-number order) as the race's entry of the day's file,
// keeping the file's other sections and keys. The file is replaced whole or
// not at all; an error message (UTF-8) when nothing was written.
std::expected<void, std::string> WriteUserPopularity(const ProgramFolder& folder, const RaceSummary& race,
                                                     std::span<const int> ranks);

}  // namespace orvane
