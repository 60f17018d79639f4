#pragma once
// The code tables: each turns a code cut from a record field (compared byte for
// byte, no trimming) into its display text, CP932 bytes. Unknown codes give the
// table's default.
#include <expected>
#include <string>
#include <string_view>

#include "core/data/text_helpers.hpp"

namespace orvane {

std::string CourseName(std::string_view code);        // "----" when unknown
std::string CourseCode(std::string_view name);        // the ten JRA courses, else ""
std::string WeekdayMark(std::string_view code);       // "(日)", default "(祝)"
std::string SurfaceName(std::string_view obstacleFlag, std::string_view turfFlag);  // 障 / 芝 / ダ / ""
int SurfaceNumber(std::string_view surface);          // 芝 1, ダ 2, 障 3, else 0
std::string SurfaceLetter(int number);                // 1 芝, 2 ダ, 3 障, else ""
std::string CourseDirection(std::string_view code);   // 右 / 左 / 直
std::string CourseSide(std::string_view code);        // 内, 外, ...
std::string RailSetting(std::string_view code);       // A, B, ...
std::string RaceCategory(std::string_view code);
std::string GradeText(std::string_view code);         // "G1 ", ... with a trailing blank
std::string WeightCondition(std::string_view code);
std::string RaceSymbol(std::string_view code);        // leading blank, or ""
std::string DesignationMark(std::string_view code);   // leading blank, or ""
std::string ClassText(std::string_view code);         // race header form
std::string ClassGradeText(std::string_view classCode, std::string_view gradeCode);  // past-run form
std::string SexName(std::string_view code);
std::string CoatColour(std::string_view code);        // default 鹿毛
std::string HorseMark(std::string_view code);
std::string GoingName(std::string_view code);
std::string PaceMark(std::string_view code);
std::string TrainingCentreMark(std::string_view code);
std::string HandicapMark(std::string_view weightConditionCode);
std::string StraightLane(std::string_view code);      // always 4 bytes
std::string Birthplace(std::string_view code);        // 6 bytes, or "" when unknown
std::string CircledNumber(int n);                     // ① .. ⑱, else ""

// Finishing position / corner position mark. Step 4 reads the code strictly.
std::expected<std::string, ConversionError> FinishMark(std::string_view code, bool last, bool bold);

}  // namespace orvane
