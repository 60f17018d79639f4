#include "core/engine/evaluation.hpp"

#include <array>

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/engine/past_run.hpp"
#include "core/engine/past_run_text.hpp"

namespace orvane {
namespace {

struct Words {
  std::array<std::string, 4> styles{ToCp932("逃げ"), ToCp932("先行"), ToCp932("差し"), ToCp932("追込")};
  std::array<std::string, 4> changes{ToCp932("同距離"), ToCp932("短縮"), ToCp932("延長"), ToCp932("別ﾄﾗｯｸ")};
};

const Words& W() {
  static const Words words;
  return words;
}

enum Style { kFront, kForward, kMid, kCloser };
enum Change { kSame, kShorter, kLonger, kOtherTrack };

// The band of a corner position: 1-2, 3-4, 5-8, anything else.
int Band(int position) {
  if (position >= 1 && position <= 2) return 0;
  if (position >= 3 && position <= 4) return 1;
  if (position >= 5 && position <= 8) return 2;
  return 3;
}

// [band of the first position][band of the second].
constexpr Style kStyleTable[4][4] = {
    {kFront, kFront, kForward, kForward},
    {kFront, kForward, kMid, kMid},
    {kForward, kMid, kMid, kCloser},
    {kForward, kMid, kCloser, kCloser},
};

std::string RunningStyle(int first, int second) {
  if (first == 0) return {};
  if (second == 0) return W().styles[Band(first)];
  return W().styles[kStyleTable[Band(first)][Band(second)]];
}

std::string DistanceChange(const PastRun& run, std::string_view raceSurface, int raceDistance) {
  if (run.Surface != raceSurface) return run.Surface.empty() ? std::string() : W().changes[kOtherTrack];
  if (run.Distance == raceDistance) return W().changes[kSame];
  return W().changes[run.Distance > raceDistance ? kShorter : kLonger];
}

template <size_t N>
int IndexOf(const std::array<std::string, N>& words, std::string_view word) {
  for (size_t i = 0; i < N; ++i) {
    if (words[i] == word) return static_cast<int>(i);
  }
  return -1;
}

std::optional<Date> DateOfDateText(std::string_view dateText) {
  if (dateText.size() < 10) return std::nullopt;
  return ParseYyyymmdd(std::string(dateText.substr(0, 4)) + std::string(dateText.substr(5, 2)) +
                       std::string(dateText.substr(8, 2)));
}

}  // namespace

std::expected<TBachu, ConversionError> EvaluatePastRuns(std::string_view horseLine, const RaceSummary& race) {
  TBachu runner;
  runner.HorseName = TrimmedField(horseLine, 8, 30);
  const int raceDistance = LenientInt(race.DistanceText);
  int first = 0, second = 0;
  for (int k = 0; k < kPastRuns; ++k) {
    const PastRun run = ReadPastRun(horseLine, k);
    if (run.Counted) {
      if (first == 0) {
        first = run.Corner;
      } else if (second == 0) {
        second = run.Corner;
      }
      if (runner.DistanceChange.empty()) runner.DistanceChange = DistanceChange(run, race.SurfaceName, raceDistance);
    }
    if (k >= kShownPastRuns) continue;
    runner.PastCounted[k] = run.Counted;
    runner.PastSurface[k] = run.SurfaceNumber;
    runner.PastDistance[k] = run.Distance;
    runner.PastDate[k] = ParseYyyymmdd(PastField(horseLine, k, 1077, 8));
    auto text = PastRunText(horseLine, k, run);
    if (!text) return std::unexpected(text.error());
    runner.PastText[k] = std::move(*text);
  }
  runner.RaceDate = DateOfDateText(race.DateText);
  runner.RunningStyle = RunningStyle(first, second);
  return runner;
}

void ApplyEntry(TBachu& runner, std::string_view entryLine) {
  const std::string_view weight = Field(entryLine, 149, 3);
  const bool digits = weight.size() == 3 && weight.find_first_not_of("0123456789") == std::string_view::npos;
  runner.WeightText = digits ? OneDecimal(LenientInt(weight) / 10.0) : std::string();
  runner.Jockey = TrimmedField(entryLine, 189, 8);
  runner.Rating = LenientInt(Field(entryLine, 706, 3));
}

void ApplyPoints(TBachu& runner, const CourseParams& params) {
  const int row = IndexOf(W().styles, runner.RunningStyle);
  const int column = IndexOf(W().changes, runner.DistanceChange);
  runner.WinPoints = 0;
  runner.ReturnPoints = 0;
  if (row >= 0 && column >= 0) {
    runner.WinPoints = LenientReal(params.WinParams[row][column]);
    runner.ReturnPoints = LenientReal(params.ReturnParams[row][column]);
  }
  runner.TotalPoints = runner.WinPoints + runner.ReturnPoints;
  runner.TypeClass = TypeClassOf(runner.WinPoints, runner.ReturnPoints);
}

std::string TypeClassOf(double win, double ret) {
  if (win >= 5.0) {
    if (ret >= 8.0) return "SS";
    return ret >= 5.0 ? "S" : "M";
  }
  return ret >= 5.0 ? "D" : "";
}

std::string SexAgeCoat(std::string_view entryLine, std::string_view horseLine) {
  const std::string sexAge = SexName(Field(entryLine, 65, 1)) + std::to_string(LenientInt(Field(entryLine, 66, 2)));
  return PadRight(sexAge, 6) + PadRight(CoatColour(Field(horseLine, 86, 2)), 6);
}

}  // namespace orvane
