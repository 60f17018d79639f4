#include <charconv>
#include <ostream>

#include "cli/cli_context.hpp"

namespace orvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"races", "", 0, 0, RunRaces},
      {"show", "RACE", 1, 1, RunShow},
      {"bets", "RACE", 1, 1, RunBets},
      {"kmi", "RACE FILE", 2, 2, RunKmi},
      {"idx", "FILE", 1, 1, RunIdx},
      {"bulk", "FILE", 1, 1, RunBulk},
      {"import", "ARCHIVE", 1, 1, RunImport},
      {"params", "FILE", 1, 1, RunParams},
  };
  return commands;
}

bool Context::LoadCard(RaceCard& card) const {
  const LoadResult result = card.Load(folder.Root());
  if (!result.error.empty()) {
    err << result.error << '\n';
    return false;
  }
  if (!result.loaded) {
    err << "レースデータがありません: " << folder.Root().string() << '\n';
    return false;
  }
  return true;
}

bool Context::ParseRace(const std::string& text, const RaceCard& card, int& race) const {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), race);
  if (ec != std::errc{} || end != text.data() + text.size() || race < 0 || race >= card.RaceCount()) {
    err << "レース番号が範囲外です: " << text << " (0～" << card.RaceCount() - 1 << ")\n";
    return false;
  }
  return true;
}

}  // namespace orvane::cli
