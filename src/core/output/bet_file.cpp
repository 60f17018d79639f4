#include "core/output/bet_file.hpp"

#include "core/output/bet_lines.hpp"
#include "core/output/line_file.hpp"

namespace orvane {

std::expected<void, std::string> WriteBetFile(const std::filesystem::path& path, std::string_view raceHeaderLine,
                                              const MarkHorses& marks, const BetLists& bets) {
  std::vector<std::string> lines;
  AppendBetLines(lines, raceHeaderLine, marks, bets, false);
  return WriteLinesFile(path, lines);
}

}  // namespace orvane
