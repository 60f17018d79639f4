#pragma once
// Sorting the race grid by a header click, through the sort table: one row per
// grid row, in the grid's row order, holding the keys of the runner.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

// The current sort of the race grid; 2 (horse number) at program start.
enum class SortType { Mark = 0, HorseNumber = 2, Weight = 3, Type = 4, Popularity = 5, Total = 6, Win = 7, Return = 8 };

// One row of the sort table: its eight columns as the numbers they are compared by.
struct SortRow {
  int HorseNumber = 0;                   // column 0
  int MarkPosition = 99;                 // column 1: 1..6, 99 without a mark
  double Weight = 0;                     // column 2: WeightText
  int TypeRank = -2;                     // column 3
  int Popularity = 0;                    // column 4
  double TotalPoints = 0;                // columns 5, 6, 7: the one-decimal values
  double WinPoints = 0;
  double ReturnPoints = 0;

  double Column(int column) const;
  bool operator==(const SortRow&) const = default;
};

SortRow MakeSortRow(int horseNumber, const TBachu& runner, int markPosition);

struct SortRule {
  SortType type;
  int sortColumn;     // column of the sort table
  bool descending;
  int gridColumn;     // race grid column that carries the sort mark and the hint
  std::string hint;   // header hint, CP932
};

const SortRule& SortRuleOf(SortType type);

// The header hint of race grid column `column`; empty for columns without one.
std::string HeaderHint(int column);

// The sort a click on header `column` asks for: a second click on the column
// of the current sort goes back to horse-number order; nullopt for the
// columns that do not sort (1, 4, 10, 11, 12).
std::optional<SortType> SortTypeForHeaderClick(int column, SortType current);

// The grid rows after sorting, as horse numbers: a stable sort of `rows`
// (given in the order on screen) by the type's column and direction.
std::vector<int> SortRaceGrid(std::span<const SortRow> rows, SortType type);

}  // namespace orvane
