// Course names and birthplaces: tables indexed directly by the code's value,
// for codes that are exactly their number of ASCII digits.
#include <array>
#include <iterator>
#include <optional>

#include "core/data/codes.hpp"
#include "core/data/cp932.hpp"

namespace orvane {
namespace {

// The value of a code of exactly `width` ASCII digits; nothing for any other text.
std::optional<size_t> DigitCode(std::string_view code, size_t width) {
  if (code.size() != width) return std::nullopt;
  size_t value = 0;
  for (char c : code) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<size_t>(c - '0');
  }
  return value;
}

// nullptr marks a code the table doesn't list.
constexpr const char* kCourseNames[] = {
    "京都", "阪神", "中京", "小倉", "東京", "中山", "福島", "新潟", "札幌", "函館",            // 00
    "大井", "川崎", "船橋", "浦和", "岩見", "旭川", "帯広", "野田", "北見", "笠松",            // 10
    "金沢", "荒尾", "宇都", "佐賀", "中津", "高崎", "高知", "足利", "上山", "水沢",            // 20
    "三条", "紀井", "益田", "盛岡", "名古", "札(地)", "函(地)", "園田", "福山", "姫路",        // 30
    "中(地)", "新(地)", "門別", "弥富", "小林", "西脇", "境町", "小向", "", "",               // 40
    "栗東", "美浦南", "美浦北", "白井", "道営", "岩手", "岩見", "旭川", "帯広", "北見",        // 50
    "香港", "米国", "英国", "仏国", "愛国", "UAE", "加国", "伊国", "独国", "豪州",             // 60
    "西独", "新国", "ﾁﾘ", "亜国", "伯国", "ｼﾝｶﾞ", "瑞典", "ｽﾍﾟｲﾝ", "ｽｲｽ", "ﾍﾞﾙｷﾞｰ",         // 70
    "ﾏｶｵ", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,  // 80
    "兵庫", "栃木", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "北海",    // 90
};

constexpr const char* kHomeBirthplaces[] = {  // 000-112
    "北檜山", "えりも", "様似", "浦河", "三石", "静内", "新冠", "門別", "平取", "鵡川",        // 000
    "早来", "白老", "室蘭", "伊達", "虻田", "幕別", "厚真", "網走", "池田", "有珠",            // 010
    "浦幌", "恵庭", "江別", "追別", "長万部", "音更", "音別", "帯広", "河西", "釧路",          // 020
    "栗山", "小清水", "札幌", "鹿追", "清水", "標茶", "白糠", "新得", "大樹", "鷹栖",          // 030
    "千歳", "忠類", "士幌", "弟子屈", "苫小牧", "豊浦", "豊頃", "根室", "登別", "函館",        // 040
    "浜中", "広尾", "深川", "穂別", "本別", "森", "八雲", "青森", "岩手", "宮城",              // 050
    "山形", "福島", "栃木", "群馬", "埼玉", "茨城", "千葉", "長野", "京都", "高知",            // 060
    "宮崎", "鹿児島", "熊本", "米国", "英国", "愛国", "仏国", "伊国", "独国", "カナダ",        // 070
    "新国", "豪州", "洞爺", "七飯", "上ノ国", "亜国", "白国", "瑞国", "壮瞥", "砂原",          // 080
    "足寄", "別海", "東京", "神奈川", "兵庫", "佐賀", "日高", "南郷", "更別", "チリ",          // 090
    "遠別", "芽室", "中標津", "山梨", "伯国", "今金", "厚岸", "東久留", "標津", "大分",        // 100
    "静岡", "由仁", "木古内",                                                                // 110
};

// Foreign names are kept cut to three characters; 228 is listed but blank.
constexpr const char* kForeignBirthplaces[] = {  // 200-255
    "アルジ", "墺国", "バルバ", "ブルガ", "コロン", "キュー", "キプロ", "チェコ", "丁国", "東独国",  // 200
    "エクア", "埃国", "希国", "蘭国", "香港", "洪国", "印度", "インド", "イラン", "イスラ",        // 210
    "ジャマ", "日本", "ケニア", "レバノ", "リベア", "ルクセ", "マレー", "マルタ", "", "モーリ",     // 220
    "メキシ", "モロコ", "ノルウ", "パキス", "パナマ", "秘国", "比国", "波国", "葡国", "プエル",    // 230
    "羅国", "シンガ", "南阿国", "ソ連", "西国", "スリラ", "スーダ", "スイス", "トリニ", "チュニ",  // 240
    "土国", "ウルグ", "ペネズ", "ユーゴ", "ジンバ", "ロシア",                                           // 250
};

constexpr size_t kForeignFirst = 200;
static_assert(std::size(kCourseNames) == 100);
static_assert(std::size(kHomeBirthplaces) == 113);
static_assert(std::size(kForeignBirthplaces) == 256 - kForeignFirst);

}  // namespace

std::string CourseName(std::string_view code) {
  static const auto names = [] {
    std::array<std::optional<std::string>, std::size(kCourseNames)> converted;
    for (size_t i = 0; i < std::size(kCourseNames); ++i) {
      if (kCourseNames[i] != nullptr) converted[i] = ToCp932(kCourseNames[i]);
    }
    return converted;
  }();
  const auto index = DigitCode(code, 2);
  return index && names[*index] ? *names[*index] : std::string("----");
}

// Only the ten JRA courses (codes 00-09) are looked up by name.
std::string CourseCode(std::string_view name) {
  for (int i = 0; i < 10; ++i) {
    const std::string code = "0" + std::to_string(i);
    if (CourseName(code) == name) return code;
  }
  return {};
}

// Every listed name is exactly 6 bytes, filled with blanks on the right.
std::string Birthplace(std::string_view code) {
  static const auto places = [] {
    std::array<std::string, kForeignFirst + std::size(kForeignBirthplaces)> converted;
    for (size_t i = 0; i < std::size(kHomeBirthplaces); ++i) converted[i] = PadRight(ToCp932(kHomeBirthplaces[i]), 6);
    for (size_t i = 0; i < std::size(kForeignBirthplaces); ++i) {
      converted[kForeignFirst + i] = PadRight(ToCp932(kForeignBirthplaces[i]), 6);
    }
    return converted;
  }();
  const auto index = DigitCode(code, 3);
  return index && *index < places.size() ? places[*index] : std::string();
}

}  // namespace orvane
