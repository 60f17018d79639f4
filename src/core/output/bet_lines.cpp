#include "core/output/bet_lines.hpp"

#include "core/bets/formation.hpp"
#include "core/data/record.hpp"
#include "core/output/race_key.hpp"

namespace orvane {
namespace {

void AppendCodes(std::vector<std::string>& lines, const std::string& key, char type,
                 const std::vector<std::string>& codes) {
  for (const auto& code : codes) lines.push_back(key + type + code);
}

}  // namespace

std::string MarkListText(const MarkHorses& marks) {
  std::string text = "rank=";
  for (size_t i = 0; i < marks.size() && marks[i] != 0; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(marks[i]);
  }
  return text;
}

void AppendBetLines(std::vector<std::string>& lines, std::string_view raceHeaderLine, const MarkHorses& marks,
                    const BetLists& bets, bool withMarkLine) {
  if (marks[0] == 0) return;
  if (withMarkLine) lines.push_back("'" + MarkListText(marks));
  const std::string key = RaceKey(raceHeaderLine);
  AppendCodes(lines, key, '3', bets.QuinellaCodes);
  AppendCodes(lines, key, '5', bets.ExactaCodes);
  if (IsTrifectaRace(Field(raceHeaderLine, 11, 2))) {
    AppendCodes(lines, key, '7', bets.TrifectaCodes);
  } else {
    AppendCodes(lines, key, '6', bets.TrioCodes);
  }
}

}  // namespace orvane
