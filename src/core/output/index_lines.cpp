#include "core/output/index_lines.hpp"

#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {

const std::string& IndexFileHeader() {
  static const std::string header = ToCp932("展開Ｐ");
  return header;
}

void AppendIndexLines(std::vector<std::string>& lines, std::string_view raceHeaderLine,
                      const std::vector<TBachu>& runners) {
  const std::string race = std::string(Field(raceHeaderLine, 1, 2)) + ',' + std::string(Field(raceHeaderLine, 13, 8)) +
                           ',' + std::string(Field(raceHeaderLine, 11, 2)) + ',';
  for (size_t k = 0; k < runners.size(); ++k) {
    const TBachu& runner = runners[k];
    const std::string points = runner.TotalPoints == 0 ? std::string() : OneDecimal(runner.TotalPoints);
    lines.push_back(race + std::to_string(k + 1) + ',' + runner.HorseName + ',' + points);
  }
}

}  // namespace orvane
