#include "core/data/race_summary.hpp"

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"
#include "core/data/race_name.hpp"
#include "core/data/record.hpp"
#include "core/data/text_helpers.hpp"

namespace orvane {
namespace {

// Fixed words of the titles, as CP932 bytes.
struct Words {
  std::string kai = ToCp932("回"), nichime = ToCp932("日目"), race = "R", hassou = ToCp932("  発走");
  std::string nen = ToCp932("年"), gatsu = ToCp932("月"), nichi = ToCp932("日"), metre = "m ", tou = ToCp932("頭");
  std::string wideBlank = ToCp932("　"), dai = ToCp932("　第"), kaiBlank = ToCp932("回　");
  std::string g1 = ToCp932("G1 "), g2 = ToCp932("G2 "), g3 = ToCp932("G3 ");
};

const Words& W() {
  static const Words words;
  return words;
}

// GradeLabel and grade suffix: only G1-G3 are shown as grades; Jpn when the
// domestic grade flag is set.
void SetGrade(RaceSummary& s, std::string_view line) {
  const std::string grade = GradeText(Field(line, 73, 1));
  const bool domestic = Field(line, 358, 1) == "1";
  for (const auto& [text, label] : {std::pair{W().g1, "G1"}, std::pair{W().g2, "G2"}, std::pair{W().g3, "G3"}}) {
    if (grade == text) {
      s.GradeLabel = domestic ? "Jpn(" + std::string(label) + ")" : std::string(label);
      s.GradeSuffix = s.GradeLabel + " ";
      return;
    }
  }
  s.GradeLabel = s.ClassText;
  s.GradeSuffix.clear();
}

std::string TitlePart(std::string_view line, const RaceSummary& s) {
  const std::string name(Trim(Field(line, 29, 30)));
  const std::string shortName = AbbreviateRaceName(name);
  const int edition = LenientInt(Field(line, 26, 3));
  if (edition >= 1) {
    return W().dai + std::to_string(edition) + W().kaiBlank + shortName + " (" + std::string(Trim(s.GradeSuffix)) + ")";
  }
  if (!name.empty()) return W().wideBlank + shortName;
  return {};
}

}  // namespace

RaceSummary ParseRaceHeader(std::string_view line) {
  RaceSummary s;
  const std::string weekday = WeekdayMark(Field(line, 21, 2));
  const std::string category = RaceCategory(Field(line, 98, 1));
  const std::string weightRule = WeightCondition(Field(line, 74, 2));
  const std::string name(Trim(Field(line, 29, 30)));
  const std::string shortName = AbbreviateRaceName(name);

  s.DateText = std::string(Field(line, 13, 4)) + "/" + std::string(Field(line, 17, 2)) + "/" +
               std::string(Field(line, 19, 2)) + weekday;
  s.RaceDate = std::string(Field(line, 13, 8));
  s.VenueName = CourseName(Field(line, 1, 2));
  s.MeetingText = NumberText(Field(line, 7, 2)) + W().kai + s.VenueName + NumberText(Field(line, 9, 2)) + W().nichime;
  s.RunnerCount = std::string(Field(line, 337, 2));
  s.RaceNumberText = std::string(Field(line, 11, 2));
  s.DistanceText = std::string(Field(line, 109, 4));
  s.SurfaceName = SurfaceName(Field(line, 25, 1), Field(line, 105, 1));
  s.CourseSideText = CourseSide(Field(line, 107, 1));
  s.ClassText = ClassText(Field(line, 100, 5));
  SetGrade(s, line);

  s.TitleText = s.MeetingText + NumberText(Field(line, 11, 2)) + W().race + TitlePart(line, s) + W().hassou +
                std::string(Field(line, 332, 5));
  s.DescriptionText = std::string(Field(line, 13, 4)) + W().nen + NumberText(Field(line, 17, 2)) + W().gatsu +
                      std::string(Field(line, 19, 2)) + W().nichi + weekday + " " + category + s.ClassText +
                      DesignationMark(Field(line, 96, 2)) + RaceSymbol(Field(line, 94, 2)) + " " + weightRule + " " +
                      s.SurfaceName + CourseDirection(Field(line, 106, 1)) + s.CourseSideText +
                      RailSetting(Field(line, 108, 1)) + s.DistanceText + W().metre + NumberText(s.RunnerCount) +
                      W().tou;
  s.ShortTitle = category + " " + s.ClassText + " " + weightRule + " " + shortName + " " + s.GradeSuffix;
  s.BetTitle = s.VenueName + s.RaceNumberText + "R " + category + " " + s.ClassText + " " + weightRule + " " +
               shortName + " " + s.GradeSuffix;
  s.MenuCaption = s.VenueName + s.RaceNumberText + "R " + category + " " + s.ClassText + " " + name + " " +
                  s.GradeSuffix;
  return s;
}

}  // namespace orvane
