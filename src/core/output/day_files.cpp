#include "core/output/day_files.hpp"

#include "core/data/record.hpp"
#include "core/output/bet_lines.hpp"
#include "core/output/index_lines.hpp"
#include "core/output/line_file.hpp"

namespace orvane {
namespace {

using Lines = std::vector<std::string>;

std::expected<void, std::string> WriteLines(const std::filesystem::path& path,
                                            const std::expected<Lines, std::string>& lines) {
  if (!lines) return std::unexpected(lines.error());
  return WriteLinesFile(path, *lines);
}

}  // namespace

std::string DayExportFileName(const RaceSummary& firstRace, std::string_view extension) {
  const std::string_view date = firstRace.DateText;
  return "ov" + std::string(Field(date, 3, 2)) + std::string(Field(date, 6, 2)) + std::string(Field(date, 9, 2)) +
         std::string(extension);
}

std::expected<Lines, std::string> IndexFileLines(const DayRun& run) {
  Lines lines{IndexFileHeader()};
  auto done = RunDay(run, [&](const RaceView& view) {
    AppendIndexLines(lines, run.Card.RaceLine(view.Race), view.Runners);
  });
  if (!done) return std::unexpected(done.error());
  return lines;
}

std::expected<Lines, std::string> BulkBetFileLines(const DayRun& run) {
  Lines lines;
  auto done = RunDay(run, [&](const RaceView& view) {
    AppendBetLines(lines, run.Card.RaceLine(view.Race), view.Marks, view.Bets.Lists, true);
  });
  if (!done) return std::unexpected(done.error());
  return lines;
}

std::expected<void, std::string> WriteIndexFile(const std::filesystem::path& path, const DayRun& run) {
  return WriteLines(path, IndexFileLines(run));
}

std::expected<void, std::string> WriteBulkBetFile(const std::filesystem::path& path, const DayRun& run) {
  return WriteLines(path, BulkBetFileLines(run));
}

}  // namespace orvane
