#pragma once
// Lines of the external index file (.idx): one per runner with its 合計P.
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/runner.hpp"

namespace orvane {

// The first line of the file, "展開Ｐ" (CP932).
const std::string& IndexFileHeader();

// Appends "course,yyyymmdd,race number,horse number,name,points" for each
// runner in horse-number order; the points are empty when 合計P is 0.
void AppendIndexLines(std::vector<std::string>& lines, std::string_view raceHeaderLine,
                      const std::vector<TBachu>& runners);

}  // namespace orvane
