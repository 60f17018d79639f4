#include "cli/cli_context.hpp"
#include "cli/computed_race.hpp"
#include "core/output/day_files.hpp"

namespace orvane::cli {

int RunBulk(Context& context, const std::vector<std::string>& args) {
  return WriteDayFile(context, args[0], WriteBulkBetFile);
}

}  // namespace orvane::cli
