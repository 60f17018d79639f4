#include "core/data/codes.hpp"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

struct Code {
  std::string_view code;
  std::string_view text;  // UTF-8 as written here
};

// An exact-text lookup table, converted to CP932 once and kept sorted by code.
class Table {
 public:
  Table(std::initializer_list<Code> codes, std::string_view fallback = {}, std::string_view prefix = {})
      : fallback_(ToCp932(fallback)) {
    const std::string head = ToCp932(prefix);
    entries_.reserve(codes.size());
    for (const Code& c : codes) entries_.emplace_back(std::string(c.code), head + ToCp932(c.text));
    std::ranges::sort(entries_, {}, &Entry::first);
  }

  const std::string& operator[](std::string_view code) const {
    auto it = std::ranges::lower_bound(entries_, code, {}, [](const Entry& e) { return std::string_view(e.first); });
    return it != entries_.end() && it->first == code ? it->second : fallback_;
  }

 private:
  using Entry = std::pair<std::string, std::string>;
  std::vector<Entry> entries_;
  std::string fallback_;
};

// "<first four bytes as lenient integer>万": the form of every class the tables don't name.
std::string PrizeClass(std::string_view code) {
  static const std::string man = ToCp932("万");
  return std::to_string(LenientInt(code.substr(0, 4))) + man;
}

}  // namespace

std::string WeekdayMark(std::string_view code) {
  static const Table table({{"01", "(土)"}, {"02", "(日)"}, {"03", "(月)"}, {"04", "(火)"}, {"05", "(水)"},
                            {"06", "(木)"}, {"07", "(金)"}},
                           "(祝)");
  return table[code];
}

std::string SurfaceName(std::string_view obstacleFlag, std::string_view turfFlag) {
  static const Table table({{"1", "芝"}, {"0", "ダ"}});
  static const std::string obstacle = ToCp932("障");
  return obstacleFlag == "1" ? obstacle : table[turfFlag];
}

int SurfaceNumber(std::string_view surface) {
  for (int n = 1; n <= 3; ++n) {
    if (surface == SurfaceLetter(n)) return n;
  }
  return 0;
}

std::string SurfaceLetter(int number) {
  static const Table table({{"1", "芝"}, {"2", "ダ"}, {"3", "障"}});
  return table[std::to_string(number)];
}

std::string CourseDirection(std::string_view code) {
  static const Table table({{"0", "右"}, {"1", "左"}, {"2", "直"}});
  return table[code];
}

std::string CourseSide(std::string_view code) {
  static const Table table(
      {{"0", "内"}, {"1", "外"}, {"2", "外内"}, {"3", "ﾀｽ"}, {"4", "大障"}, {"5", "内2"}, {"6", "内外"}});
  return table[code];
}

std::string RailSetting(std::string_view code) {
  static const Table table({{"0", "A"}, {"1", "B"}, {"2", "C"}, {"3", "D"}, {"4", "A1"}, {"5", "A2"}, {"6", "E"}});
  return table[code];
}

std::string RaceCategory(std::string_view code) {
  static const Table table({{"0", "サラ障害"},
                            {"1", "サラ2歳"},
                            {"2", "サラ3歳"},
                            {"3", "サラ3歳以上"},
                            {"4", "サラ4歳以上"},
                            {"5", "アラブ2歳"},
                            {"6", "アラブ3歳"},
                            {"7", "アラブ3歳以上"},
                            {"8", "サラ障害3歳以上"},
                            {"9", "サラ障害4歳以上"},
                            {"A", "アラブ4歳以上"},
                            {"B", "サラ4歳"},
                            {"C", "アラブ4歳"}});
  return table[code];
}

// The trailing blank lets callers put the race name right behind the grade.
std::string GradeText(std::string_view code) {
  static const Table table(
      {{"0", "G1 "}, {"1", "G2 "}, {"2", "G3 "}, {"3", "JG1 "}, {"4", "JG2 "}, {"5", "JG3 "}});
  return table[code];
}

std::string WeightCondition(std::string_view code) {
  static const Table table({{"00", "別定"}, {"01", "馬齢"}, {"02", "ハンデ"}, {"03", "定量"}, {"90", "規定"}});
  return table[code];
}

std::string RaceSymbol(std::string_view code) {
  static const Table table(
      {
          {"00", "勝入"},           {"01", "九州産馬"},         {"02", "内国"},
          {"03", "牝"},             {"04", "(混)"},             {"05", "(父)"},
          {"06", "(抽)"},           {"07", "(市)(抽)"},         {"08", "(混勝入)"},
          {"09", "[抽]"},           {"10", "(混牝)"},           {"11", "(市)"},
          {"12", "(招)"},           {"13", "(混)(指)"},         {"14", "(抽)勝入"},
          {"15", "(抽)関西配布馬"}, {"16", "(抽)関東配布馬"},   {"17", "[抽]関西配布馬"},
          {"18", "[抽]関東配布馬"}, {"19", "(市)(抽)関西配布馬"}, {"20", "(市)(抽)関東配布馬"},
          {"21", "(指)"},           {"22", "芦毛"},             {"23", "栗毛"},
          {"24", "牡"},             {"25", "交流"},             {"26", "千葉産"},
          {"27", "(混)牡せん馬"},   {"28", "牡せん馬"},         {"29", "国際"},
          {"30", "(指定)"},         {"31", "(特指)"},           {"32", "[指定]"},
          {"33", "牡・牝"},         {"34", "ＪＲＡ認定"},       {"35", "牝馬(国際)"},
          {"36", "芦・白"},         {"37", "黒鹿毛"},           {"38", "(混)牡・牝"},
          {"39", "ＪＲＡ指定"},     {"40", "(国際)牡・牝"},
      },
      "", " ");
  return table[code];
}

std::string DesignationMark(std::string_view code) {
  static const Table table({{"01", " (指定)"}, {"02", " (特指) "}, {"03", " [指定]"}, {"04", " (指)"}});
  return table[code];
}

std::string ClassText(std::string_view code) {
  static const Table table({{"00001", "新馬"}, {"00002", "未出走"}, {"00003", "未勝利"}, {"00004", "オープン"}});
  const std::string& text = table[code];
  return text.empty() ? PrizeClass(code) : text;
}

std::string ClassGradeText(std::string_view classCode, std::string_view gradeCode) {
  static const Table classes({
      {"00000", "未受"},     {"00001", "新馬"},
      {"00002", "未出走"},   {"00003", "未勝利"},
      {"00004", "オープン"}, {"00005", "オープン，牝馬"},
      {"00006", "指定馬"},   {"00007", "勝入オープン"},
      {"00008", "牝馬"},     {"00009", "オーブン，牝馬，アラブ混合"},
      {"00010", "A"},        {"00011", "A1"},
      {"00012", "A2"},       {"00013", "A3"},
      {"00014", "A4"},       {"00020", "B"},
      {"00021", "B1"},       {"00022", "B2"},
      {"00023", "B3"},       {"00024", "B4"},
      {"00030", "C"},        {"00031", "C1"},
      {"00032", "C2"},       {"00033", "C3"},
      {"00034", "C4"},       {"00040", "D"},
      {"00041", "D1"},       {"00042", "D2"},
      {"00043", "D3"},       {"00044", "D4"},
      {"00093", "調教試験"}, {"00094", "能力試験"},
  });
  static const Table grades({{"0", "G1"}, {"1", "G2"}, {"2", "G3"}, {"3", "J.G1"}, {"4", "J.G2"}, {"5", "J.G3"}});
  // Only an open class shows its grade instead.
  if (classCode == "00004" && !grades[gradeCode].empty()) return grades[gradeCode];
  const std::string& text = classes[classCode];
  return text.empty() ? PrizeClass(classCode) : text;
}

std::string SexName(std::string_view code) {
  static const Table table({{"0", "牡"}, {"1", "牝"}, {"2", "セン"}});
  return table[code];
}

std::string CoatColour(std::string_view code) {
  static const Table table(
      {
          {"01", "栗毛"},   {"02", "栃栗毛"}, {"03", "鹿毛"},   {"04", "黒鹿毛"}, {"05", "青鹿毛"},
          {"06", "青毛"},   {"07", "芦毛"},   {"08", "栗粕毛"}, {"09", "鹿粕毛"}, {"10", "青粕毛"},
          {"11", "白毛"},   {"12", "芦鹿毛"}, {"13", "粕"},
          // Rare colours fold onto the basic ones.
          {"20", "黒鹿毛"}, {"21", "芦毛"},   {"22", "芦毛"},   {"23", "鹿毛"},   {"24", "黒鹿毛"},
          {"25", "芦毛"},   {"26", "芦毛"},   {"27", "芦毛"},   {"28", "鹿毛"},   {"29", "芦毛"},
          {"30", "鹿毛"},   {"31", "黒鹿毛"}, {"32", "黒鹿毛"}, {"33", "黒鹿毛"}, {"34", "黒鹿毛"},
          {"35", "黒鹿毛"},
      },
      "鹿毛");
  return table[code];
}

std::string HorseMark(std::string_view code) {
  static const Table table({
      {"01", "(抽)"},         {"02", "[抽]"},         {"03", "(父)"},     {"04", "(市)"},
      {"05", "(地)"},         {"06", "(外)"},         {"07", "(父)(抽)"}, {"08", "(父)(市)"},
      {"09", "(父)(地)"},     {"10", "(市)(地)"},     {"11", "(外)(地)"}, {"12", "(父)(市)(地)"},
      {"15", "(招)"},         {"16", "(招)(外)"},     {"17", "(招)(父)"}, {"18", "(招)(市)"},
      {"19", "(招)(父)(市)"}, {"20", "(父)(外)"},     {"21", "[地]"},     {"22", "(外)(地)"},
      {"23", "(父)[地]"},     {"24", "(市)[地]"},     {"25", "(父)(市)[地]"},
      {"26", "[外]"},         {"27", "(父)[外]"},
  });
  return table[code];
}

std::string GoingName(std::string_view code) {
  static const Table table({{"0", "良"}, {"1", "稍"}, {"2", "重"}, {"3", "不"}});
  return table[code];
}

std::string PaceMark(std::string_view code) {
  static const Table table({{"0", "H"}, {"1", "M"}, {"2", "S"}});
  return table[code];
}

std::string TrainingCentreMark(std::string_view code) {
  static const Table table({{"50", " (栗)"}, {"51", " (南)"}, {"52", " (北)"}});
  return table[code];
}

std::string HandicapMark(std::string_view weightConditionCode) {
  return weightConditionCode == "02" ? "H" : "";
}

// Always two full-width characters, so lanes line up in a column.
std::string StraightLane(std::string_view code) {
  static const Table table({{"0", "最内"}, {"1", "内　"}, {"2", "中　"}, {"3", "外　"}, {"4", "大外"}}, "　　");
  return table[code];
}

std::string CircledNumber(int n) {
  static const std::vector<std::string> circled = [] {
    const std::string all = ToCp932("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱");
    std::vector<std::string> v;
    for (size_t i = 0; i + 1 < all.size(); i += 2) v.push_back(all.substr(i, 2));
    return v;
  }();
  return n >= 1 && n <= static_cast<int>(circled.size()) ? circled[static_cast<size_t>(n - 1)] : std::string();
}

std::expected<std::string, ConversionError> FinishMark(std::string_view code, bool last, bool bold) {
  static const Table accidents({{"31", "落"}, {"32", "失"}, {"33", "止"}, {"34", "消"}, {"35", "除"}});
  static const std::string wideBlank = ToCp932("　");
  const std::string separator = last ? "" : "-";

  std::string mark = accidents[code];
  if (mark.empty()) {
    const int n = LenientInt(code);
    if (n == 40) {
      mark = wideBlank;
    } else if (n > 40) {
      const std::string circled = CircledNumber(n - 40);
      mark = (circled.empty() ? std::string("   ") : circled) + separator;
    } else if (code == "00" || code == "  ") {
      mark = "   ";
    } else {
      auto number = TwoColumnStrict(code);
      if (!number) return std::unexpected(number.error());
      mark = *number + separator;
    }
  }
  return bold ? "<B>" + mark + "</B>" : mark;
}

}  // namespace orvane
