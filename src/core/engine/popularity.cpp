#include "core/engine/popularity.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <system_error>

#include "core/data/line_reader.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"
#include "core/data/width.hpp"

#define SI_NO_CONVERSION  // the file is CP932 bytes and stays bytes
#define SI_IMPLEMENTATION  // Debian's header hides the template bodies behind it
#include <SimpleIni.h>

namespace orvane {
namespace {

constexpr int kOddsPosition = 162;
constexpr int kOddsWidth = 5;
constexpr double kNoOdds = 500;  // "00500"
constexpr const char* kRankKey = "OddsRank";

// Odds as a number; a text that holds none ("*", "-", blank, anything else)
// counts as 00500. "nan" and "inf" are no odds either: a NaN would break the sort.
double OddsValue(std::string_view field) {
  const std::string_view text = Trim(field);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return kNoOdds;
  return value;
}

// Section and key names compare without ASCII case, as the Windows profile
// functions do, but never fold the trail byte of a double-byte character:
// SimpleIni's own folding would take 0x83 0x41 and 0x83 0x61 for one name.
struct Cp932NoCase {
  static int NextUnit(const char*& p) {
    const auto c = static_cast<unsigned char>(*p++);
    if (IsLeadByte(c) && *p != '\0') return 0x10000 | (c << 8) | static_cast<unsigned char>(*p++);
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
  }
  bool operator()(const char* left, const char* right) const {
    while (*left != '\0' && *right != '\0') {
      const int l = NextUnit(left);
      const int r = NextUnit(right);
      if (l != r) return l < r;
    }
    return *right != '\0';
  }
};

using UserOddsIni = CSimpleIniTempl<char, Cp932NoCase, SI_ConvertA<char>>;

// SimpleIni ends lines in LF on POSIX and puts two blank lines between
// sections; the file keeps CR LF and the compact form of the Windows writer.
std::string ProfileText(std::string_view saved) {
  std::string out;
  size_t start = 0;
  while (start < saved.size()) {
    size_t end = saved.find('\n', start);
    if (end == std::string_view::npos) end = saved.size();
    std::string_view line = saved.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty()) {
      out += line;
      out += "\r\n";
    }
    start = end + 1;
  }
  return out;
}

std::string DateStem(const RaceSummary& race) {
  return std::string(Field(race.DateText, 1, 4)) + std::string(Field(race.DateText, 6, 2)) +
         std::string(Field(race.DateText, 9, 2));
}

bool HasDate(const RaceSummary& race) {
  const std::string stem = DateStem(race);
  return stem.size() == 8 && std::ranges::all_of(stem, [](char c) { return c >= '0' && c <= '9'; });
}

std::string JoinRanks(std::span<const int> ranks) {
  std::string text;
  for (size_t i = 0; i < ranks.size(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(ranks[i]);
  }
  return text;
}

}  // namespace

PopularityRanks ClearedPopularity(int runnerCount) {
  return {std::vector<int>(static_cast<size_t>(std::max(runnerCount, 0)), 0), false};
}

PopularityRanks ReadPopularity(std::string_view oddsLine, int runnerCount) {
  PopularityRanks result = ClearedPopularity(runnerCount);
  if (oddsLine.empty() || result.Ranks.empty()) return result;

  std::vector<double> odds;
  for (int k = 0; k < runnerCount; ++k) odds.push_back(OddsValue(Field(oddsLine, kOddsPosition + kOddsWidth * k, kOddsWidth)));
  std::vector<size_t> order(odds.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::ranges::stable_sort(order, {}, [&](size_t horse) { return odds[horse]; });

  for (size_t row = 0; row < order.size(); ++row) {
    const bool tie = row > 0 && odds[order[row]] == odds[order[row - 1]];
    result.Ranks[order[row]] = tie ? result.Ranks[order[row - 1]] : static_cast<int>(row) + 1;
  }
  result.Shown = true;
  return result;
}

std::filesystem::path UserPopularityFile(const ProgramFolder& folder, const RaceSummary& race) {
  return folder.UserOddsFolder() / (DateStem(race) + ".ods");
}

std::string UserPopularitySection(const RaceSummary& race) { return race.VenueName + race.RaceNumberText + "R"; }

std::optional<PopularityRanks> ReadUserPopularity(const ProgramFolder& folder, const RaceSummary& race,
                                                  int runnerCount) {
  if (!HasDate(race)) return std::nullopt;
  // A file that cannot be read reads like a missing one, as the Windows
  // profile functions have it: the ranks stay.
  const auto bytes = ReadFileBytes(UserPopularityFile(folder, race));
  if (!bytes) return std::nullopt;
  UserOddsIni ini(false, false, false);
  if (ini.LoadData(bytes->data(), bytes->size()) < 0) return std::nullopt;

  const std::string value = ini.GetValue(UserPopularitySection(race).c_str(), kRankKey, "");
  if (value.find(',') == std::string::npos) return std::nullopt;

  PopularityRanks result = ClearedPopularity(runnerCount);
  std::vector<int> parts;
  for (size_t start = 0;;) {
    const size_t comma = value.find(',', start);
    parts.push_back(LenientInt(std::string_view(value).substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (parts.size() != result.Ranks.size()) return result;
  result.Ranks = std::move(parts);
  result.Shown = true;
  return result;
}

std::expected<void, std::string> WriteUserPopularity(const ProgramFolder& folder, const RaceSummary& race,
                                                     std::span<const int> ranks) {
  if (!HasDate(race)) return std::unexpected(std::string("レースの日付がないため人気を保存できません。"));
  std::error_code ec;
  std::filesystem::create_directories(folder.UserOddsFolder(), ec);
  if (ec) return std::unexpected("フォルダを作成できません: " + folder.UserOddsFolder().string());

  const std::filesystem::path file = UserPopularityFile(folder, race);
  UserOddsIni ini(false, false, false);
  ini.SetSpaces(false);  // "OddsRank=3,1,2" as the Windows profile writer has it
  if (std::filesystem::exists(file, ec)) {
    // Never replace a file whose other races could not be read first.
    const auto bytes = ReadFileBytes(file);
    if (!bytes) return std::unexpected(bytes.error());
    if (ini.LoadData(bytes->data(), bytes->size()) < 0) {
      return std::unexpected("人気ファイルを読み込めません: " + file.string());
    }
  }
  const std::string value = JoinRanks(ranks);
  if (ini.SetValue(UserPopularitySection(race).c_str(), kRankKey, value.c_str()) < 0) {
    return std::unexpected("人気ファイルを更新できません: " + file.string());
  }
  std::string text;
  if (ini.Save(text) < 0) return std::unexpected("人気ファイルを更新できません: " + file.string());
  return WriteFileAtomically(file, ProfileText(text));
}

}  // namespace orvane
