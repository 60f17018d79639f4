#pragma once
// The race on screen as one value, computed from the race card, the course
// parameter file and the popularity (forecast odds or the user's file).
// Windows render it; nothing here reads a widget.
#include <array>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/bets/race_bets.hpp"
#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"
#include "core/engine/popularity.hpp"
#include "core/engine/runner.hpp"
#include "core/race/grid_colours.hpp"
#include "core/race/grid_sort.hpp"

namespace orvane {

inline constexpr int kRaceGridColumns = 13;

// One data row of the race grid.
struct RaceGridRow {
  int HorseNumber = 0;
  std::string Bracket;                                   // entry record position 23
  std::array<std::string, kRaceGridColumns> Cells;       // CP932 mini-HTML
  std::array<CellColours, kRaceGridColumns> Colours;     // on screen
  std::array<CellColours, kRaceGridColumns> PrintColours;
  std::optional<int> TypePicture;                        // drawn over column 5
  std::array<bool, 3> RestBorder{};                      // blue left border of columns 10-12 (screen only)
  SortRow Sort;                                          // the row of the sort table
};

struct RaceView {
  int Race = -1;
  RaceSummary Summary;
  std::vector<TBachu> Runners;          // index = horse number - 1
  std::vector<std::string> SexAgeCoat;  // CP932, index = horse number - 1
  bool ParamsLoaded = false;
  std::string ParamsMessage;            // UTF-8; a malformed parameter file, to be shown once
  int FrontRunners = 0;
  std::string FrontRunnerLabel;         // 逃げ頭数⇒n頭 (CP932)
  bool UserOddsMode = false;
  PopularityRanks Popularity;
  MarkHorses Marks{};
  bool Marked = false;
  std::vector<int> MarkPositions;       // 1..6 or 99, index = horse number - 1
  RaceBets Bets;                        // Bets.Lists.FormationPattern: the pattern the race leaves behind
  std::vector<std::string> BetDetails;  // the bet details text, CP932 lines
  std::vector<RaceGridRow> Rows;        // horse-number order
};

// Computes race `race` of the card. `previousFormationPattern` is the pattern
// of the race shown before (a race without marks keeps it); `today` stands in
// for run dates the records do not give. Fails, with a message for the user
// (UTF-8), for a race index outside the card and for a horse record whose
// corner positions are not numbers.
std::expected<RaceView, std::string> ComputeRace(const RaceCard& card, int race, const ProgramFolder& folder,
                                                 bool userOddsMode, int previousFormationPattern, Date today);

// After the popularity mode was switched or read again: the mode, then the
// ranks and 人気 cells of `ranks` (nullopt: ranks and cells stay as they are),
// then the marks, the bets and everything they show, anew.
void ApplyPopularity(RaceView& view, bool userOddsMode, const std::optional<PopularityRanks>& ranks);

// The 人気 cell editor chose `item` ("" or "N位") for a horse. Once every
// runner's cell is filled, the ranks are read back from the cells and the
// marks and bets follow; true then (the caller saves the ranks), false while
// a cell is still empty or the horse number is not in the race.
bool EditPopularity(RaceView& view, int horseNumber, std::string_view item);

}  // namespace orvane
