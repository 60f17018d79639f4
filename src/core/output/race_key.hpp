#pragma once
// The race key of the export files: course code, race date yyyymmdd and race
// number of the race header, twelve characters.
#include <string>
#include <string_view>

namespace orvane {

std::string RaceKey(std::string_view raceHeaderLine);

}  // namespace orvane
