#pragma once
// What every orvane-cli command works with.
#include <iosfwd>
#include <string>
#include <vector>

#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"

namespace orvane::cli {

enum ExitCode { kOk = 0, kUsage = 1, kDataError = 2 };

struct Context {
  ProgramFolder folder;
  bool manual = false;  // popularity from the user popularity files
  std::ostream& out;    // UTF-8
  std::ostream& err;    // UTF-8, one-line messages

  // Loads the race card of the program folder; on failure prints the reason.
  bool LoadCard(RaceCard& card) const;
  // Parses a 0-based race index valid for `card`; on failure prints the reason.
  bool ParseRace(const std::string& text, const RaceCard& card, int& race) const;
};

struct Command {
  const char* name;
  const char* usage;  // arguments after the name
  size_t minArgs;
  size_t maxArgs;
  int (*run)(Context&, const std::vector<std::string>& args);
};

// Every command, in the order the usage text lists them.
const std::vector<Command>& Commands();

// Command implementations, one file each.
int RunRaces(Context&, const std::vector<std::string>&);
int RunShow(Context&, const std::vector<std::string>&);
int RunBets(Context&, const std::vector<std::string>&);
int RunKmi(Context&, const std::vector<std::string>&);
int RunIdx(Context&, const std::vector<std::string>&);
int RunBulk(Context&, const std::vector<std::string>&);
int RunImport(Context&, const std::vector<std::string>&);
int RunParams(Context&, const std::vector<std::string>&);

}  // namespace orvane::cli
