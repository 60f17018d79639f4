#include "core/race/grid_cells.hpp"

#include <algorithm>
#include <array>

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"
#include "core/data/width.hpp"

namespace orvane {
namespace {

constexpr std::string_view kCentredLine = "<BR><P ALIGN=\"center\">";

const std::string& Rank() {
  static const std::string text = ToCp932("位");
  return text;
}

struct StyleColour {
  std::string style;  // CP932
  const char* fontTag;
};

const std::array<StyleColour, 4>& StyleColours() {
  static const std::array<StyleColour, 4> table{{
      {ToCp932("逃げ"), "<font color=\"#FF3333\">"},
      {ToCp932("先行"), "<font color=\"#0066FF\">"},
      {ToCp932("差し"), "<font color=\"#FF6600\">"},
      {ToCp932("追込"), "<font color=\"#339900\">"},
  }};
  return table;
}

struct TypeLook {
  std::string_view type;
  const char* opening;
  std::string fullWidth;  // CP932
};

const std::array<TypeLook, 4>& TypeLooks() {
  static const std::array<TypeLook, 4> table{{
      {"SS", "<P ALIGN=\"center\"><font color=\"#009900\"><B>", ToCp932("ＳＳ")},
      {"S", "<P ALIGN=\"center\"><font color=\"#00CC00\"><B>", ToCp932("Ｓ")},
      {"M", "<P ALIGN=\"center\"><font color=\"#FF9900\"><B>", ToCp932("Ｍ")},
      {"D", "<P ALIGN=\"center\"><font color=\"#9966CC\"><B>", ToCp932("Ｄ")},
  }};
  return table;
}

std::string ColouredStyle(std::string_view style) {
  for (const auto& c : StyleColours()) {
    if (c.style == style) return c.fontTag + c.style + "</font>";
  }
  // A style outside the four has no colour of its own.
  return std::string(style);
}

std::string Pattern(const TBachu& runner, std::string_view change) {
  if (change.empty()) return {};
  if (runner.RunningStyle.empty()) return std::string(change);
  static const std::string dot = ToCp932("・");
  return ColouredStyle(runner.RunningStyle) + dot + std::string(change);
}

std::string PointsCell(double points, bool paramsLoaded, const char* colour) {
  if (!paramsLoaded || points == 0) return {};
  return std::string("<BR><P ALIGN=\"right\"><font color=\"") + colour + "\">" + OneDecimal(points) +
         "&nbsp;</font></P>";
}

}  // namespace

std::string MarkText(int markPosition) {
  static const std::array<std::string, 3> marks{ToCp932("◎"), ToCp932("○"), ToCp932("△")};
  if (markPosition < 1 || markPosition > 6) return {};
  return marks[static_cast<size_t>(std::min(markPosition, 3) - 1)];
}

std::string MarkCell(int markPosition) {
  const std::string mark = MarkText(markPosition);
  return mark.empty() ? mark : std::string(kCentredLine) + mark + "</P>";
}

std::string BracketCell(std::string_view entryLine) {
  return std::string(kCentredLine) + std::string(Field(entryLine, 23, 1)) + "</P>";
}

std::string HorseNumberCell(int horseNumber) {
  return std::string(kCentredLine) + std::to_string(horseNumber) + "</P>";
}

std::string HorseNameCell(std::string_view entryLine, int horseNumber, const TBachu& runner) {
  static const std::string age = ToCp932("歳");
  return SexName(Field(entryLine, 65, 1)) + std::to_string(LenientInt(Field(entryLine, 66, 2))) + age +
         "<BR><font color=\"#0000FF\"><A HREF=\"" + std::to_string(horseNumber) + "\">" +
         TrimmedField(entryLine, 33, 18) + "</A></font><BR>" + runner.WeightText + " " +
         TrimmedField(entryLine, 157, 12);
}

std::string PatternCell(const TBachu& runner) { return "<BR>" + PatternText(runner); }

std::string TypeCell(const TBachu& runner, bool paramsLoaded) {
  return paramsLoaded ? "<BR>" + TypeText(runner) : std::string();
}

std::optional<int> TypePicture(const TBachu& runner) {
  if (runner.TypeClass.empty()) return std::nullopt;
  return TypeRank(runner);
}

std::string PopularityCell(int rank) { return std::string(kCentredLine) + std::to_string(rank) + Rank() + "</P>"; }

std::string WinPointsCell(const TBachu& runner, bool paramsLoaded) {
  return PointsCell(runner.WinPoints, paramsLoaded, "#663399");
}

std::string ReturnPointsCell(const TBachu& runner, bool paramsLoaded) {
  return PointsCell(runner.ReturnPoints, paramsLoaded, "#006600");
}

std::string TotalPointsCell(const TBachu& runner, bool paramsLoaded) {
  if (!paramsLoaded || runner.TotalPoints == 0) return {};
  return "<BR><P ALIGN=\"right\">" + TotalText(runner) + "&nbsp;</P>";
}

std::string PatternText(const TBachu& runner) { return Pattern(runner, runner.DistanceChange); }

std::string FullWidthPatternText(const TBachu& runner) { return Pattern(runner, ToFullWidth(runner.DistanceChange)); }

std::string TypeText(const TBachu& runner) {
  for (const auto& look : TypeLooks()) {
    if (look.type == runner.TypeClass) return look.opening + look.fullWidth + "</B></P>";
  }
  return {};
}

std::string TotalText(const TBachu& runner) {
  const std::string total = OneDecimal(runner.TotalPoints);
  if (runner.TotalPoints >= 11.0) return "<font color=\"#FF0000\"><B>" + total + "</B></font>";
  return "<font color=\"#0033CC\">" + total + "</font>";
}

int HorseNumberFromCell(std::string_view cell) {
  if (cell.size() == 27) return LenientInt(Field(cell, 23, 1));
  if (cell.size() == 28) return LenientInt(Field(cell, 23, 2));
  return 0;
}

std::vector<std::string> PopularityEditorItems(int runnerCount) {
  std::vector<std::string> items{""};
  for (int rank = 1; rank <= runnerCount; ++rank) items.push_back(std::to_string(rank) + Rank());
  return items;
}

std::string EditedPopularityCell(std::string_view item) {
  if (item.empty()) return {};
  return "<BR><P Align=\"center\">" + std::string(item) + "</p>";
}

int RankFromPopularityCell(std::string_view cell) {
  constexpr std::string_view tagEnd = "er\">";
  const size_t start = cell.find(tagEnd);
  if (start == std::string_view::npos) return 0;
  const size_t digits = start + tagEnd.size();
  const size_t end = cell.find(Rank(), digits);
  if (end == std::string_view::npos) return 0;
  return LenientInt(cell.substr(digits, end - digits));
}

}  // namespace orvane
