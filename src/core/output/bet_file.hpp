#pragma once
// The bet file (.kmi) of one race for the RavoriaQV betting programs.
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/bets/bet_lists.hpp"
#include "core/engine/runner.hpp"

namespace orvane {

// The race's bet block without the mark line; a race without marks gives an
// empty file. The message is for the user (UTF-8).
std::expected<void, std::string> WriteBetFile(const std::filesystem::path& path, std::string_view raceHeaderLine,
                                              const MarkHorses& marks, const BetLists& bets);

}  // namespace orvane
