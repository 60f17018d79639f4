#include <ostream>

#include "cli/cli_context.hpp"
#include "core/data/cp932.hpp"
#include "core/data/line_reader.hpp"
#include "core/engine/course_params.hpp"

namespace orvane::cli {

// FILE as given, or else by that name in the parameter folder.
int RunParams(Context& context, const std::vector<std::string>& args) {
  std::filesystem::path path = args[0];
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) && path.is_relative()) path = context.folder.DataFolder() / path;
  const auto bytes = ReadFileBytes(path);
  if (!bytes) {
    context.err << bytes.error() << '\n';
    return kDataError;
  }
  std::string text = ToUtf8(SwapNibbles(*bytes));
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p)) text.erase(p, 1);
  context.out << text;
  if (!text.empty() && text.back() != '\n') context.out << '\n';
  return kOk;
}

}  // namespace orvane::cli
