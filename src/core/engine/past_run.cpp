#include "core/engine/past_run.hpp"

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

constexpr int kBlockLength = 590;

int CornerValue(std::string_view code) {
  const int v = LenientInt(code);
  if (v >= 30 && v <= 39) return 0;  // 落, 失, 止, ... : no position
  if (v >= 40) return v - 40;        // circled numbers
  return v;
}

}  // namespace

bool IsJraCourseCode(std::string_view code) {
  return code.size() == 2 && code[0] == '0' && code[1] >= '0' && code[1] <= '9';
}

std::string_view PastField(std::string_view horseLine, int k, int pos, int len) {
  return Field(horseLine, pos + kBlockLength * k, len);
}

PastRun ReadPastRun(std::string_view horseLine, int k) {
  static const std::string obstacle = ToCp932("障");
  PastRun run;
  run.Surface = SurfaceName(PastField(horseLine, k, 1090, 1), PastField(horseLine, k, 1180, 1));
  run.SurfaceNumber = SurfaceNumber(run.Surface);
  run.Distance = LenientInt(PastField(horseLine, k, 1184, 4));
  run.Corner = CornerValue(PastField(horseLine, k, 1461, 2));
  run.Counted = IsJraCourseCode(PastField(horseLine, k, 1065, 2)) && LenientInt(PastField(horseLine, k, 1431, 2)) > 0 &&
                run.Surface != obstacle;
  return run;
}

std::optional<Date> ParseYyyymmdd(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const Date date{std::chrono::year(LenientInt(text.substr(0, 4))),
                  std::chrono::month(static_cast<unsigned>(LenientInt(text.substr(4, 2)))),
                  std::chrono::day(static_cast<unsigned>(LenientInt(text.substr(6, 2))))};
  if (!date.ok()) return std::nullopt;
  return date;
}

}  // namespace orvane
