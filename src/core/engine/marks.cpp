#include "core/engine/marks.hpp"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>

#include "core/data/cp932.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

// One row of the ranking table. Points hold their one-decimal values, which
// every comparison of the ranking uses.
struct Row {
  int horse = 0;
  int typeRank = 0;
  int popularity = 0;
  double win = 0, ret = 0, total = 0;
  int rating = 0;
  bool mainAxis = false;
  bool done = false;
};

double OneDecimalValue(double value) { return std::strtod(OneDecimal(value).c_str(), nullptr); }

// 主軸条件: SS; S within the first eight in popularity; M within the first
// two. A popularity of 0 (not set) passes both bounds.
bool MainAxis(const TBachu& r) {
  if (r.TypeClass == "SS") return true;
  if (r.TypeClass == "S") return r.Popularity <= 8;
  if (r.TypeClass == "M") return r.Popularity <= 2;
  return false;
}

// One stable pass on a key; `descending` reverses the comparison only.
struct Key {
  std::function<double(const Row&)> value;
  bool descending;
};

const Key kHorse{[](const Row& r) { return r.horse; }, false};
const Key kRating{[](const Row& r) { return r.rating; }, true};
const Key kPopularity{[](const Row& r) { return r.popularity; }, false};
const Key kWin{[](const Row& r) { return r.win; }, true};
const Key kReturn{[](const Row& r) { return r.ret; }, true};
const Key kTotal{[](const Row& r) { return r.total; }, true};
const Key kMainAxis{[](const Row& r) { return r.mainAxis ? 1 : 0; }, true};

// "Sort by A, then by B, then by C": one stable pass per key in that order,
// so the last key decides first and the earlier keys break its ties.
void SortBy(std::vector<Row>& rows, std::initializer_list<Key> keys) {
  for (const Key& key : keys) {
    std::stable_sort(rows.begin(), rows.end(), [&key](const Row& a, const Row& b) {
      return key.descending ? key.value(a) > key.value(b) : key.value(a) < key.value(b);
    });
  }
}

bool MayMark(const std::vector<TBachu>& runners, std::string_view classText, bool paramsLoaded) {
  static const std::string newcomers = ToCp932("新馬");
  const bool anyPoints = std::ranges::any_of(runners, [](const TBachu& r) { return r.TotalPoints != 0; });
  return classText != newcomers && anyPoints && !runners.empty() && runners[0].Popularity != 0 && paramsLoaded;
}

std::vector<Row> RankingTable(const std::vector<TBachu>& runners) {
  std::vector<Row> rows;
  rows.reserve(runners.size());
  for (size_t k = 0; k < runners.size(); ++k) {
    const TBachu& r = runners[k];
    rows.push_back({static_cast<int>(k) + 1, TypeRank(r), r.Popularity, OneDecimalValue(r.WinPoints),
                    OneDecimalValue(r.ReturnPoints), OneDecimalValue(r.TotalPoints), r.Rating, MainAxis(r), false});
  }
  return rows;
}

// ◎ and ○; removes their rows.
void AxisMarks(std::vector<Row>& rows, MarkHorses& marks) {
  SortBy(rows, {kRating, kPopularity, kTotal, kMainAxis});
  if (!rows.front().mainAxis) {
    SortBy(rows, {kHorse, kRating, kPopularity});
    marks[0] = rows[0].horse;
    if (rows.size() > 1) marks[1] = rows[1].horse;
    rows.erase(rows.begin(), rows.begin() + std::min<size_t>(2, rows.size()));
    return;
  }
  marks[0] = rows[0].horse;
  if (rows.size() > 1 && rows[1].total == rows[0].total && rows[1].mainAxis) {
    marks[1] = rows[1].horse;
    rows.erase(rows.begin(), rows.begin() + 2);
    return;
  }
  rows.erase(rows.begin());
  if (rows.empty()) return;
  SortBy(rows, {kHorse, kRating, kPopularity, kReturn, kWin, kMainAxis});
  if (!rows.front().mainAxis) SortBy(rows, {kHorse, kRating, kPopularity});
  marks[1] = rows.front().horse;
  rows.erase(rows.begin());
}

// The four △ (positions 3 to 6): high totals among the top four, then the
// D types, then the rest by popularity.
void TriangleMarks(std::vector<Row>& rows, MarkHorses& marks) {
  constexpr double kHighTotal = 11.0;
  constexpr size_t kTriangles = 4;
  size_t e = 0;
  auto take = [&](Row& row) {
    marks[2 + e++] = row.horse;
    row.done = true;
  };
  SortBy(rows, {kHorse, kRating, kPopularity, kTotal});
  for (size_t i = 0; i < std::min(kTriangles, rows.size()); ++i) {
    if (rows[i].total >= kHighTotal) take(rows[i]);
  }
  for (Row& row : rows) {
    if (e == kTriangles) return;
    if (!row.done && row.total < kHighTotal && row.typeRank == 0) take(row);
  }
  SortBy(rows, {kRating, kPopularity});
  for (Row& row : rows) {
    if (e == kTriangles) return;
    if (!row.done) take(row);
  }
}

}  // namespace

MarkSelection SelectMarks(const std::vector<TBachu>& runners, std::string_view classText, bool paramsLoaded) {
  MarkSelection selection;
  if (!MayMark(runners, classText, paramsLoaded)) return selection;
  std::vector<Row> rows = RankingTable(runners);
  AxisMarks(rows, selection.Marks);
  TriangleMarks(rows, selection.Marks);
  selection.Marked = true;
  return selection;
}

std::vector<int> MarkPositions(const MarkHorses& marks, int runnerCount) {
  constexpr int kUnmarked = 99;
  std::vector<int> positions(static_cast<size_t>(std::max(runnerCount, 0)), kUnmarked);
  for (size_t m = 0; m < marks.size(); ++m) {
    if (marks[m] >= 1 && marks[m] <= runnerCount) positions[static_cast<size_t>(marks[m] - 1)] = static_cast<int>(m) + 1;
  }
  return positions;
}

}  // namespace orvane
