#pragma once
// The race-card tables of one race day and their loader. Lines are linked by
// position only: race r's runners are entry/horse lines FirstEntry(r) onwards.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/race_summary.hpp"

namespace orvane {

inline constexpr const char* kRaceHeaderFile = "rvx_den1.kd2";
inline constexpr const char* kEntryFile = "rvx_den2.kd2";
inline constexpr const char* kHorseFile = "rvx_uma.kd2";
inline constexpr const char* kOddsFile = "rvx_ods.kd2";

struct LoadResult {
  bool loaded = false;  // the three race-card files were present and read
  std::string error;    // for the user (UTF-8); non-empty when a file was refused or unreadable
};

class RaceCard {
 public:
  static constexpr size_t kMaxRaces = 39;
  static constexpr size_t kMaxRunnerLines = 1000;
  static constexpr size_t kMaxOddsLines = 40;

  // Reads the data files of `folder`. The race card changes only when its
  // three files are all present and acceptable; the odds file is read whenever
  // it is present and acceptable, whatever the card. A refused or unreadable
  // file changes nothing.
  LoadResult Load(const std::filesystem::path& folder);
  // The message with which Load would refuse a data file of `folder` (over
  // its table's capacity, or unreadable), or empty. Lets an import refuse a
  // set before its files replace the ones in place.
  static std::string Refusal(const std::filesystem::path& folder);

  int RaceCount() const { return static_cast<int>(raceLines_.size()); }
  // A line past the count that the last load read is empty.
  std::string_view RaceLine(int r) const { return At(raceLines_, r); }
  std::string_view EntryLine(int k) const { return At(entryLines_, k); }
  std::string_view HorseLine(int k) const { return At(horseLines_, k); }
  std::string_view OddsLine(int r) const { return At(oddsLines_, r); }

  // The summary of race r; an empty summary outside 0..RaceCount()-1.
  const RaceSummary& Summary(int r) const;
  // Runner count of race r as a number (0 when the field holds none).
  int RunnerCount(int r) const;
  // Runner index of race r's first runner: the runner counts of races 0..r-1 summed.
  int FirstEntry(int r) const;
  // The odds line of race r when its odds key matches the race header, else empty.
  std::string_view OddsFor(int r) const;
  std::vector<std::string> MenuCaptions() const;

 private:
  static std::string_view At(const std::vector<std::string>& lines, int i);

  std::vector<std::string> raceLines_, entryLines_, horseLines_, oddsLines_;
  std::vector<RaceSummary> summaries_;
};

}  // namespace orvane
