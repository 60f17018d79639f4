#include "core/output/race_key.hpp"

#include "core/data/record.hpp"

namespace orvane {

std::string RaceKey(std::string_view raceHeaderLine) {
  std::string key(Field(raceHeaderLine, 1, 2));
  key += Field(raceHeaderLine, 13, 8);
  key += Field(raceHeaderLine, 11, 2);
  return key;
}

}  // namespace orvane
