#pragma once
// Course parameter files: per course, surface and distance, the win and return
// values of each running style and distance change. Stored with the two
// halves of every byte exchanged.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/data/program_folder.hpp"
#include "core/data/race_summary.hpp"

namespace orvane {

// [style row][distance-change column], one-decimal texts ("12.3", "0.0").
// Rows 逃げ 先行 差し 追込; columns 同距離 短縮 延長 別ﾄﾗｯｸ.
using ParamTable = std::array<std::array<std::string, 4>, 4>;

struct CourseParams {
  bool Loaded = false;      // the race's file was read completely
  std::string Message;      // for the user (UTF-8) when the file is malformed, else empty
  ParamTable WinParams;     // every cell "0.0" unless loaded
  ParamTable ReturnParams;
};

// The file name of the race's parameters, e.g. "04S1600.dat", "05SO1600.dat";
// nullopt for a race that has none (neither 芝 nor ダ, or not a JRA course).
std::optional<std::string> CourseParamFileName(const RaceSummary& race);

// Exchanges the high and low four bits of every byte; its own inverse.
std::string SwapNibbles(std::string_view bytes);

// Reads the race's file from the program's parameter folder. An outer-course
// 芝 race without its own file ("SO") uses the file of the same distance with
// "S". `frontRunners` picks the block: lines 1-4 below three, else lines 5-8.
CourseParams LoadCourseParams(const ProgramFolder& folder, const RaceSummary& race, int frontRunners);

// The same from the file's plain (unscrambled) text; `fileName` names the
// file in the message.
CourseParams ParseCourseParams(std::string_view plain, int frontRunners, std::string_view fileName);

}  // namespace orvane
