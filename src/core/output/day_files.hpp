#pragma once
// The all-races export files: the external index file (.idx) and the bulk bet
// file (.kmi with the mark lines). An ended run still writes the races done.
#include <expected>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/day_run.hpp"

namespace orvane {

// "ov" + yymmdd of the day's first race + extension, e.g. ov070520.idx.
std::string DayExportFileName(const RaceSummary& firstRace, std::string_view extension);

// "展開Ｐ", then one line per runner of every race.
std::expected<std::vector<std::string>, std::string> IndexFileLines(const DayRun& run);
// The bet block of every race with marks, each after its mark line.
std::expected<std::vector<std::string>, std::string> BulkBetFileLines(const DayRun& run);

// The lines above written atomically; a race that cannot be computed leaves
// the file untouched. Messages are for the user (UTF-8).
std::expected<void, std::string> WriteIndexFile(const std::filesystem::path& path, const DayRun& run);
std::expected<void, std::string> WriteBulkBetFile(const std::filesystem::path& path, const DayRun& run);

}  // namespace orvane
