#include <ostream>

#include "cli/cli_context.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"

namespace orvane::cli {

int RunShow(Context& context, const std::vector<std::string>& args) {
  RaceCard card;
  if (!context.LoadCard(card)) return kDataError;
  int race = 0;
  if (!context.ParseRace(args[0], card, race)) return kDataError;
  const RaceSummary& s = card.Summary(race);
  context.out << ToUtf8(s.TitleText) << '\n' << ToUtf8(s.DescriptionText) << '\n';
  const int first = card.FirstEntry(race);
  for (int k = 0; k < card.RunnerCount(race); ++k) {
    context.out << k + 1 << '\t' << ToUtf8(TrimmedField(card.EntryLine(first + k), 33, 18)) << '\n';
  }
  return kOk;
}

}  // namespace orvane::cli
