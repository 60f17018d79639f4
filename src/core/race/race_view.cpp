#include "core/race/race_view.hpp"

#include "core/bets/bet_details.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/engine/course_params.hpp"
#include "core/engine/evaluation.hpp"
#include "core/engine/marks.hpp"
#include "core/engine/rest_border.hpp"
#include "core/race/grid_cells.hpp"

namespace orvane {
namespace {

constexpr int kMarkColumn = 0;
constexpr int kPopularityColumn = 6;

std::string FrontRunnerLabel(int count) {
  static const std::string prefix = ToCp932("逃げ頭数⇒"), suffix = ToCp932("頭");
  return prefix + std::to_string(count) + suffix;
}

void PaintRow(RaceGridRow& row, const TBachu& runner, bool userOddsMode) {
  for (int c = 0; c < kRaceGridColumns; ++c) {
    row.Colours[c] = RaceGridCellColours(c, runner, row.Bracket, userOddsMode, ColourTarget::Screen);
    row.PrintColours[c] = RaceGridCellColours(c, runner, row.Bracket, userOddsMode, ColourTarget::Print);
  }
}

// Everything that follows the ranks: the marks, the bets, the mark and
// popularity keys of the sort table and the colours.
void SelectMarksAndBets(RaceView& view) {
  const MarkSelection selection = SelectMarks(view.Runners, view.Summary.ClassText, view.ParamsLoaded);
  view.Marks = selection.Marks;
  view.Marked = selection.Marked;
  view.MarkPositions = MarkPositions(view.Marks, static_cast<int>(view.Runners.size()));
  view.Bets = BetsForRace(view.Summary.RaceNumberText, view.Marks, view.Runners, view.Bets.Lists.FormationPattern);
  view.BetDetails = BetDetailsLines(view.Bets.Lists, view.Summary.RaceNumberText);
  for (size_t k = 0; k < view.Rows.size(); ++k) {
    RaceGridRow& row = view.Rows[k];
    row.Cells[kMarkColumn] = MarkCell(view.MarkPositions[k]);
    row.Sort = MakeSortRow(row.HorseNumber, view.Runners[k], view.MarkPositions[k]);
    PaintRow(row, view.Runners[k], view.UserOddsMode);
  }
}

void TakeRanks(RaceView& view, const PopularityRanks& ranks) {
  view.Popularity = ranks;
  view.Popularity.Ranks.resize(view.Runners.size(), 0);
  for (size_t k = 0; k < view.Runners.size(); ++k) {
    const int rank = view.Popularity.Ranks[k];
    view.Runners[k].Popularity = rank;
    view.Rows[k].Cells[kPopularityColumn] = view.Popularity.Shown ? PopularityCell(rank) : std::string();
  }
}

RaceGridRow RunnerRow(std::string_view entryLine, int horseNumber, const TBachu& runner, bool paramsLoaded,
                      Date today) {
  RaceGridRow row;
  row.HorseNumber = horseNumber;
  row.Bracket = std::string(Field(entryLine, 23, 1));
  row.Cells = {{{},
                BracketCell(entryLine),
                HorseNumberCell(horseNumber),
                HorseNameCell(entryLine, horseNumber, runner),
                PatternCell(runner),
                TypeCell(runner, paramsLoaded),
                {},
                WinPointsCell(runner, paramsLoaded),
                ReturnPointsCell(runner, paramsLoaded),
                TotalPointsCell(runner, paramsLoaded),
                runner.PastText[0],
                runner.PastText[1],
                runner.PastText[2]}};
  if (paramsLoaded) row.TypePicture = TypePicture(runner);
  for (int k = 0; k < 3; ++k) row.RestBorder[k] = RestBorder(runner, k, today);
  return row;
}

}  // namespace

std::expected<RaceView, std::string> ComputeRace(const RaceCard& card, int race, const ProgramFolder& folder,
                                                 bool userOddsMode, int previousFormationPattern, Date today) {
  if (race < 0 || race >= card.RaceCount()) return std::unexpected("レース " + std::to_string(race) + " はありません");
  static const std::string front = ToCp932("逃げ");
  RaceView view;
  view.Race = race;
  view.Summary = card.Summary(race);
  view.UserOddsMode = userOddsMode;
  view.Bets.Lists.FormationPattern = previousFormationPattern;

  const int n = card.RunnerCount(race);
  const int first = card.FirstEntry(race);
  view.Runners.reserve(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k) {
    auto runner = EvaluatePastRuns(card.HorseLine(first + k), view.Summary);
    if (!runner) return std::unexpected(std::to_string(k + 1) + "番の馬柱: " + runner.error().message);
    ApplyEntry(*runner, card.EntryLine(first + k));
    if (runner->RunningStyle == front) ++view.FrontRunners;
    view.SexAgeCoat.push_back(SexAgeCoat(card.EntryLine(first + k), card.HorseLine(first + k)));
    view.Runners.push_back(std::move(*runner));
  }
  view.FrontRunnerLabel = FrontRunnerLabel(view.FrontRunners);

  const CourseParams params = LoadCourseParams(folder, view.Summary, view.FrontRunners);
  view.ParamsLoaded = params.Loaded;
  view.ParamsMessage = params.Message;
  if (params.Loaded) {
    for (TBachu& runner : view.Runners) ApplyPoints(runner, params);
  }
  for (int k = 0; k < n; ++k) {
    view.Rows.push_back(RunnerRow(card.EntryLine(first + k), k + 1, view.Runners[k], view.ParamsLoaded, today));
  }

  std::optional<PopularityRanks> ranks = userOddsMode ? ReadUserPopularity(folder, view.Summary, n)
                                                      : ReadPopularity(card.OddsFor(race), n);
  TakeRanks(view, ranks.value_or(ClearedPopularity(n)));
  SelectMarksAndBets(view);
  return view;
}

void ApplyPopularity(RaceView& view, bool userOddsMode, const std::optional<PopularityRanks>& ranks) {
  view.UserOddsMode = userOddsMode;
  if (ranks) TakeRanks(view, *ranks);
  SelectMarksAndBets(view);
}

bool EditPopularity(RaceView& view, int horseNumber, std::string_view item) {
  if (horseNumber < 1 || horseNumber > static_cast<int>(view.Rows.size())) return false;
  view.Rows[static_cast<size_t>(horseNumber - 1)].Cells[kPopularityColumn] = EditedPopularityCell(item);
  for (const RaceGridRow& row : view.Rows) {
    if (row.Cells[kPopularityColumn].empty()) return false;
  }
  view.Popularity.Shown = true;
  for (size_t k = 0; k < view.Rows.size(); ++k) {
    const int rank = RankFromPopularityCell(view.Rows[k].Cells[kPopularityColumn]);
    view.Popularity.Ranks[k] = rank;
    view.Runners[k].Popularity = rank;
  }
  SelectMarksAndBets(view);
  return true;
}

}  // namespace orvane
