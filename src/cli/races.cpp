#include <ostream>

#include "cli/cli_context.hpp"
#include "core/data/cp932.hpp"

namespace orvane::cli {

int RunRaces(Context& context, const std::vector<std::string>&) {
  RaceCard card;
  if (!context.LoadCard(card)) return kDataError;
  for (int r = 0; r < card.RaceCount(); ++r) context.out << r << '\t' << ToUtf8(card.Summary(r).MenuCaption) << '\n';
  return kOk;
}

}  // namespace orvane::cli
