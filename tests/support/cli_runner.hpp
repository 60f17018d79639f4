#pragma once
// Runs orvane-cli as its own process and captures what it prints.
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

struct CliRun {
  int exitCode = -1;
  std::string out;  // standard output
  std::string err;  // standard error
  std::vector<std::string> Lines() const;  // standard output split at LF
};

// `arguments` follow `--home HOME`; each is passed to the program unchanged.
CliRun RunCli(const std::filesystem::path& cli, const std::filesystem::path& home,
              const std::vector<std::string>& arguments);

std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace orvane::test
