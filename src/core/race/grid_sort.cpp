#include "core/race/grid_sort.hpp"

#include <algorithm>
#include <array>

#include "core/data/cp932.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

// Points are compared as shown, with one decimal.
double OneDecimalValue(double points) { return LenientReal(OneDecimal(points)); }

const std::array<SortRule, 8>& SortRules() {
  static const std::array<SortRule, 8> rules{{
      {SortType::Mark, 1, false, 0, ToCp932("印でソート")},
      {SortType::HorseNumber, 0, false, 2, ToCp932("馬番でソート")},
      {SortType::Weight, 2, true, 3, ToCp932("斤量でソート")},
      {SortType::Type, 3, true, 5, ToCp932("タイプでソート")},
      {SortType::Popularity, 4, false, 6, ToCp932("人気でソート")},
      {SortType::Total, 5, true, 9, ToCp932("合計ポイントでソート")},
      {SortType::Win, 6, true, 7, ToCp932("勝利ポイントでソート")},
      {SortType::Return, 7, true, 8, ToCp932("回収ポイントでソート")},
  }};
  return rules;
}

const SortRule* RuleOfGridColumn(int column) {
  for (const auto& rule : SortRules()) {
    if (rule.gridColumn == column) return &rule;
  }
  return nullptr;
}

}  // namespace

double SortRow::Column(int column) const {
  switch (column) {
    case 0: return HorseNumber;
    case 1: return MarkPosition;
    case 2: return Weight;
    case 3: return TypeRank;
    case 4: return Popularity;
    case 5: return TotalPoints;
    case 6: return WinPoints;
    case 7: return ReturnPoints;
    default: return 0;
  }
}

SortRow MakeSortRow(int horseNumber, const TBachu& runner, int markPosition) {
  return {horseNumber,
          markPosition,
          LenientReal(runner.WeightText),
          TypeRank(runner),
          runner.Popularity,
          OneDecimalValue(runner.TotalPoints),
          OneDecimalValue(runner.WinPoints),
          OneDecimalValue(runner.ReturnPoints)};
}

const SortRule& SortRuleOf(SortType type) {
  for (const auto& rule : SortRules()) {
    if (rule.type == type) return rule;
  }
  return SortRules()[1];
}

std::string HeaderHint(int column) {
  const SortRule* rule = RuleOfGridColumn(column);
  return rule ? rule->hint : std::string();
}

std::optional<SortType> SortTypeForHeaderClick(int column, SortType current) {
  const SortRule* rule = RuleOfGridColumn(column);
  if (!rule) return std::nullopt;
  if (rule->type == current && rule->type != SortType::HorseNumber) return SortType::HorseNumber;
  return rule->type;
}

std::vector<int> SortRaceGrid(std::span<const SortRow> rows, SortType type) {
  const SortRule& rule = SortRuleOf(type);
  std::vector<SortRow> sorted(rows.begin(), rows.end());
  std::ranges::stable_sort(sorted, [&](const SortRow& a, const SortRow& b) {
    const double x = a.Column(rule.sortColumn);
    const double y = b.Column(rule.sortColumn);
    return rule.descending ? y < x : x < y;
  });
  std::vector<int> order;
  order.reserve(sorted.size());
  for (const auto& row : sorted) order.push_back(row.HorseNumber);
  return order;
}

}  // namespace orvane
