#pragma once
// The per-race texts derived from a race header record.
#include <string>
#include <string_view>

namespace orvane {

struct RaceSummary {
  std::string DateText;        // 2007/05/20(日)
  std::string VenueName;       // 東京
  std::string MeetingText;     // 3回東京10日目
  std::string RunnerCount;     // two digits as in the record
  std::string RaceNumberText;  // "01".."12"
  std::string DistanceText;    // four digits
  std::string SurfaceName;     // 芝 / ダ / 障
  std::string CourseSideText;  // 内, 外, ...
  std::string ClassText;       // 新馬, 未勝利, 500万, ...
  std::string GradeLabel;      // G1, Jpn(G1), ... or the class text
  std::string GradeSuffix;     // GradeLabel + " " for G1-G3, else empty
  std::string TitleText;
  std::string DescriptionText;
  std::string ShortTitle;
  std::string BetTitle;
  std::string MenuCaption;
  std::string RaceDate;        // yyyymmdd
};

// Derives every text of the summary from header line `line`.
RaceSummary ParseRaceHeader(std::string_view line);

}  // namespace orvane
