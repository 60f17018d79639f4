#pragma once
// Importing a data archive: its members and those of its companion odds
// archive go into the program folder, ".kd3" files become ".kd2" files,
// special registrations take the place of the race files, and the set is
// loaded into the race card.
#include <filesystem>
#include <string>

#include "core/data/lha_archive.hpp"
#include "core/data/program_folder.hpp"
#include "core/data/race_card.hpp"

namespace orvane {

struct ImportResult {
  bool loaded = false;  // a complete race card is now in `card`: show race 0
  std::string message;  // for the user (UTF-8); empty when there is nothing to tell
};

// Nothing in the program folder changes unless both archives extract and
// convert without an error and the race card would accept their files; `card` changes only through a successful load
// (an odds-only archive updates the odds of the card already loaded).
ImportResult ImportArchive(const std::filesystem::path& archive, const ProgramFolder& folder, RaceCard& card,
                           const ExtractionProgress& progress = {});

}  // namespace orvane
