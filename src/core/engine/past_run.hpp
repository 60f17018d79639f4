#pragma once
// The past-run blocks of a horse record: five runs, the most recent first,
// each the same layout shifted by 590 bytes.
#include <optional>
#include <string>
#include <string_view>

#include "core/engine/runner.hpp"

namespace orvane {

inline constexpr int kPastRuns = 5;
inline constexpr int kShownPastRuns = 3;

// "00" to "09": the ten JRA courses.
bool IsJraCourseCode(std::string_view code);

// The field of run k given by its position in run 0's block (1065 onwards).
std::string_view PastField(std::string_view horseLine, int k, int pos, int len);

// What the evaluation reads of one run.
struct PastRun {
  std::string Surface;     // 芝, ダ, 障 or empty (CP932)
  int SurfaceNumber = 0;   // 1 芝, 2 ダ, 3 障, 0 none
  int Distance = 0;        // metres
  int Corner = 0;          // position at the last corner: 30-39 give 0, 40 on the circled numbers
  bool Counted = false;    // a JRA course, a finishing position above 0, not 障
};

PastRun ReadPastRun(std::string_view horseLine, int k);

// A yyyymmdd text as a date; nullopt when it holds a blank or is no valid date.
std::optional<Date> ParseYyyymmdd(std::string_view text);

}  // namespace orvane
