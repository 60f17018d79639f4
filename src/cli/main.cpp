// orvane-cli: the headless tool for scripting and tests.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_context.hpp"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: orvane-cli [--home DIR] [--manual] COMMAND ...\n";
  for (const auto& c : orvane::cli::Commands()) out << "  " << c.name << (*c.usage ? " " : "") << c.usage << '\n';
}

std::filesystem::path ExecutableDir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::optional<std::filesystem::path> home;
  bool manual = false;
  size_t i = 0;
  for (; i < args.size() && args[i].starts_with("--"); ++i) {
    if (args[i] == "--home" && i + 1 < args.size()) {
      home = args[++i];
    } else if (args[i] == "--manual") {
      manual = true;
    } else {
      PrintUsage(std::cerr);
      return kUsage;
    }
  }
  if (i == args.size()) {
    PrintUsage(std::cerr);
    return kUsage;
  }
  const std::string name = args[i];
  const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
  for (const auto& command : Commands()) {
    if (name != command.name) continue;
    if (rest.size() < command.minArgs || rest.size() > command.maxArgs) {
      PrintUsage(std::cerr);
      return kUsage;
    }
    Context context{orvane::ProgramFolder::Resolve(home, ExecutableDir(argv[0])), manual, std::cout, std::cerr};
    return command.run(context, rest);
  }
  PrintUsage(std::cerr);
  return kUsage;
}
