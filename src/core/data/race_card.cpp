#include "core/data/race_card.hpp"

#include <utility>

#include "core/data/line_reader.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

constexpr int kOddsKeyLength = 22;

// A data file and the most lines its table holds.
struct TableFile {
  const char* name;
  size_t limit;
  const char* what;
};

constexpr TableFile kRaceHeaders{kRaceHeaderFile, RaceCard::kMaxRaces, "レース"};
constexpr TableFile kEntries{kEntryFile, RaceCard::kMaxRunnerLines, "出走馬"};
constexpr TableFile kHorses{kHorseFile, RaceCard::kMaxRunnerLines, "競走馬"};
constexpr TableFile kOdds{kOddsFile, RaceCard::kMaxOddsLines, "オッズ"};

std::expected<std::vector<std::string>, std::string> ReadLimited(const std::filesystem::path& folder,
                                                                 const TableFile& file) {
  auto lines = ReadRecordFile(folder / file.name);
  if (!lines) return lines;
  if (lines->size() > file.limit) {
    return std::unexpected(std::string(file.name) + ": " + file.what + "が多すぎます (" +
                           std::to_string(lines->size()) + " 行、上限 " + std::to_string(file.limit) +
                           " 行)。このデータは読み込めません。");
  }
  return lines;
}

}  // namespace

std::string_view RaceCard::At(const std::vector<std::string>& lines, int i) {
  if (i < 0 || static_cast<size_t>(i) >= lines.size()) return {};
  return lines[static_cast<size_t>(i)];
}

LoadResult RaceCard::Load(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  LoadResult result;
  std::error_code ec;
  const bool cardPresent = fs::exists(folder / kRaceHeaderFile, ec) && fs::exists(folder / kEntryFile, ec) &&
                           fs::exists(folder / kHorseFile, ec);
  const bool oddsPresent = fs::exists(folder / kOddsFile, ec);

  std::vector<std::string> races, entries, horses;
  if (cardPresent) {
    for (auto [file, target] : {std::pair{&kRaceHeaders, &races}, std::pair{&kEntries, &entries},
                                std::pair{&kHorses, &horses}}) {
      auto lines = ReadLimited(folder, *file);
      if (!lines) {
        result.error = lines.error();
        return result;
      }
      *target = std::move(*lines);
    }
  }
  if (oddsPresent) {
    auto o = ReadLimited(folder, kOdds);
    if (!o) {
      result.error = o.error();
      return result;
    }
    oddsLines_ = std::move(*o);
  }
  if (!cardPresent) return result;

  raceLines_ = std::move(races);
  entryLines_ = std::move(entries);
  horseLines_ = std::move(horses);
  summaries_.clear();
  summaries_.reserve(raceLines_.size());
  for (const auto& line : raceLines_) summaries_.push_back(ParseRaceHeader(line));
  result.loaded = true;
  return result;
}

std::string RaceCard::Refusal(const std::filesystem::path& folder) {
  for (const TableFile* file : {&kRaceHeaders, &kEntries, &kHorses, &kOdds}) {
    std::error_code ec;
    if (!std::filesystem::exists(folder / file->name, ec)) continue;
    if (auto lines = ReadLimited(folder, *file); !lines) return lines.error();
  }
  return {};
}

const RaceSummary& RaceCard::Summary(int r) const {
  static const RaceSummary empty;
  if (r < 0 || static_cast<size_t>(r) >= summaries_.size()) return empty;
  return summaries_[static_cast<size_t>(r)];
}

int RaceCard::RunnerCount(int r) const { return LenientInt(Summary(r).RunnerCount); }

int RaceCard::FirstEntry(int r) const {
  int first = 0;
  for (int i = 0; i < r && i < RaceCount(); ++i) first += RunnerCount(i);
  return first;
}

std::string_view RaceCard::OddsFor(int r) const {
  const std::string_view odds = OddsLine(r);
  const std::string_view header = RaceLine(r);
  if (odds.empty() || header.empty()) return {};
  if (Field(odds, 1, kOddsKeyLength) != Field(header, 1, kOddsKeyLength)) return {};
  return odds;
}

std::vector<std::string> RaceCard::MenuCaptions() const {
  std::vector<std::string> captions;
  captions.reserve(summaries_.size());
  for (const auto& s : summaries_) captions.push_back(s.MenuCaption);
  return captions;
}

}  // namespace orvane
