#pragma once
// The computed record of one runner of the race on screen.
#include <array>
#include <chrono>
#include <optional>
#include <string>

namespace orvane {

using Date = std::chrono::year_month_day;

struct TBachu {
  std::array<std::string, 3> PastText;    // past-performance cell texts, [0] = most recent run
  std::array<int, 3> PastSurface{};       // 1 芝, 2 ダ, 3 障, 0 none
  std::array<int, 3> PastDistance{};      // metres
  std::array<bool, 3> PastCounted{};      // the run counted for style and distance change
  std::optional<Date> RaceDate;           // date of the race on screen
  std::array<std::optional<Date>, 3> PastDate;  // date of each run; empty when the record has none
  int Rating = 0;                         // RT value of the entry record
  double WinPoints = 0;                   // 勝利P
  double ReturnPoints = 0;                // 回収P
  double TotalPoints = 0;                 // 合計P
  std::string RunningStyle;               // 逃げ, 先行, 差し, 追込 or empty (CP932)
  std::string DistanceChange;             // 同距離, 短縮, 延長, 別ﾄﾗｯｸ or empty (CP932)
  std::string TypeClass;                  // SS, S, M, D or empty
  int Popularity = 0;                     // 1 = most popular, 0 = not set
  std::string WeightText;                 // 55.0
  std::string Jockey;                     // CP932
  std::string HorseName;                  // CP932
};

// SS 3, S 2, M 1, D 0; without a type -1 when the runner has a style, else -2.
int TypeRank(const TBachu& runner);

// Mark positions: index 0 = ◎, 1 = ○, 2..5 = △; horse numbers, 0 = empty.
using MarkHorses = std::array<int, 6>;

}  // namespace orvane
