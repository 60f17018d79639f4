#include <ostream>

#include "cli/cli_context.hpp"
#include "core/data/archive_import.hpp"

namespace orvane::cli {
namespace {

// The import's messages break lines with CR LF, as a message box wants them.
std::string WithLf(std::string text) {
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
  return text;
}

}  // namespace

int RunImport(Context& context, const std::vector<std::string>& args) {
  RaceCard card;
  const ImportResult result = ImportArchive(args[0], context.folder, card);
  if (!result.message.empty()) {
    context.err << WithLf(result.message) << '\n';
    return kDataError;
  }
  return RunRaces(context, {});
}

}  // namespace orvane::cli
