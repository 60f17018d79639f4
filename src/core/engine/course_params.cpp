#include "core/engine/course_params.hpp"

#include <charconv>
#include <filesystem>
#include <vector>

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/divide.hpp"
#include "core/data/line_reader.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr int kFieldsPerLine = 18;
constexpr int kEnoughCases = 30;
constexpr int kLinesUsed = 8;

ParamTable ZeroTable() {
  ParamTable table;
  for (auto& row : table) row.fill("0.0");
  return table;
}

// Every CR LF ends a line; a final one does not start another (empty) line,
// so seven lines each ending in CR LF are seven lines.
std::vector<std::string_view> SplitAtCrLf(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t p = text.find("\r\n"); p != std::string_view::npos; p = text.find("\r\n")) {
    lines.push_back(text.substr(0, p));
    text.remove_prefix(p + 2);
  }
  if (!text.empty()) lines.push_back(text);
  return lines;
}

std::string_view StripBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A case count: a whole decimal number, blanks around it allowed.
std::optional<int> CaseCount(std::string_view text) {
  text = StripBlanks(text);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A value that must be a number: the texts that LenientReal reads as one.
std::optional<double> StrictReal(std::string_view text) {
  text = StripBlanks(text);
  std::string_view body = text;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
  if (body.empty() || !((body.front() >= '0' && body.front() <= '9') || body.front() == '.')) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec != std::errc() || end != body.data() + body.size()) return std::nullopt;
  return text.front() == '-' ? -value : value;
}

// A replacement value from a group with few cases: two thirds, never below 1.0.
std::string Reduced(double value) {
  const double product = value * 2 / 3;
  return product < 1.0 ? std::string("1.0") : OneDecimal(product);
}

struct Group {
  std::string_view win, ret;
  int cases = 0;
};

// Fills row `r` of both tables from one line; false when the line is malformed.
bool ParseRow(std::string_view line, int r, CourseParams& params) {
  const TDivide divide(line, ',');
  if (divide.Count() != kFieldsPerLine) return false;
  const std::vector<std::string> fields = divide.Fields();
  std::array<Group, 6> groups;
  for (size_t g = 0; g < groups.size(); ++g) {
    const auto cases = CaseCount(fields[3 * g + 2]);
    if (!cases) return false;
    groups[g] = {fields[3 * g], fields[3 * g + 1], *cases};
  }
  for (size_t c = 0; c < 4; ++c) {
    std::string& win = params.WinParams[r][c];
    std::string& ret = params.ReturnParams[r][c];
    const Group& own = groups[c];
    const Group& replacement = groups[c == 3 ? 5 : 4];
    if (own.cases >= kEnoughCases || replacement.cases >= kEnoughCases) {
      const Group& used = own.cases >= kEnoughCases ? own : replacement;
      win = OneDecimal(LenientReal(used.win));
      ret = OneDecimal(LenientReal(used.ret));
    } else {
      const auto w = StrictReal(replacement.win), v = StrictReal(replacement.ret);
      if (!w || !v) return false;
      win = Reduced(*w);
      ret = Reduced(*v);
    }
  }
  return true;
}

std::string MalformedMessage(std::string_view fileName) {
  return std::string(fileName) + "が不正です。処理を中止します。";
}

}  // namespace

std::optional<std::string> CourseParamFileName(const RaceSummary& race) {
  static const std::string turf = ToCp932("芝"), dirt = ToCp932("ダ"), outer = ToCp932("外");
  std::string letters;
  if (race.SurfaceName == turf) {
    letters = race.CourseSideText == outer ? "SO" : "S";
  } else if (race.SurfaceName == dirt) {
    letters = "D";
  } else {
    return std::nullopt;
  }
  const std::string code = CourseCode(race.VenueName);
  if (code.empty()) return std::nullopt;
  return code + letters + race.DistanceText + ".dat";
}

std::string SwapNibbles(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    c = static_cast<char>(static_cast<unsigned char>((b << 4) | (b >> 4)));
  }
  return out;
}

CourseParams ParseCourseParams(std::string_view plain, int frontRunners, std::string_view fileName) {
  CourseParams params{false, {}, ZeroTable(), ZeroTable()};
  const std::vector<std::string_view> lines = SplitAtCrLf(plain);
  if (lines.size() < kLinesUsed) return params;
  const size_t blockStart = frontRunners < 3 ? 0 : 4;
  for (int r = 0; r < 4; ++r) {
    if (!ParseRow(lines[blockStart + static_cast<size_t>(r)], r, params)) {
      params.Message = MalformedMessage(fileName);
      return params;
    }
  }
  params.Loaded = true;
  return params;
}

CourseParams LoadCourseParams(const ProgramFolder& folder, const RaceSummary& race, int frontRunners) {
  CourseParams none{false, {}, ZeroTable(), ZeroTable()};
  std::optional<std::string> name = CourseParamFileName(race);
  if (!name) return none;
  const fs::path dataFolder = folder.DataFolder();
  std::error_code ec;
  auto bytes = ReadFileBytes(dataFolder / *name);
  if (!bytes && name->compare(2, 2, "SO") == 0 && !fs::exists(dataFolder / *name, ec)) {
    name->erase(3, 1);  // "SO" -> "S": the outer course shares the inner course's file
    bytes = ReadFileBytes(dataFolder / *name);
  }
  if (!bytes) {
    // A missing file is no error; one that is there but unreadable is.
    if (fs::exists(dataFolder / *name, ec)) none.Message = bytes.error();
    return none;
  }
  return ParseCourseParams(SwapNibbles(*bytes), frontRunners, *name);
}

}  // namespace orvane
