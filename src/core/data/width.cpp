#include "core/data/width.hpp"

#include <array>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/data/cp932.hpp"

namespace orvane {
namespace {

// Half-width and full-width forms in matching order (UTF-8 here, CP932 at run time).
constexpr std::string_view kHalfSymbols = " !\"#$%&'()=`|-^\\~{@[+*};:]<>?_､｡･,./ｰ";
constexpr std::string_view kFullSymbols = "　！”＃＄％＆’（）＝‘｜－＾￥￣｛＠「＋＊｝；：」＜＞？＿、。・，．／ー";
constexpr std::string_view kHalfAlnum = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kFullAlnum =
    "０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ";
constexpr std::string_view kHalfKana = "ｦｧｨｩｪｫｬｭｮｯｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ";
constexpr std::string_view kFullKana = "ヲァィゥェォャュョッアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";

// Every full-width katakana in CP932 order with its half-width form. ヲ becomes
// ｵ, and the small and old kana without a half-width form take the nearest one.
constexpr std::pair<const char*, const char*> kKatakana[] = {
    {"ァ", "ｧ"}, {"ア", "ｱ"},   {"ィ", "ｨ"},   {"イ", "ｲ"}, {"ゥ", "ｩ"},   {"ウ", "ｳ"},   {"ェ", "ｪ"},
    {"エ", "ｴ"}, {"ォ", "ｫ"},   {"オ", "ｵ"},   {"カ", "ｶ"}, {"ガ", "ｶﾞ"}, {"キ", "ｷ"},   {"ギ", "ｷﾞ"},
    {"ク", "ｸ"}, {"グ", "ｸﾞ"}, {"ケ", "ｹ"},   {"ゲ", "ｹﾞ"}, {"コ", "ｺ"},   {"ゴ", "ｺﾞ"}, {"サ", "ｻ"},
    {"ザ", "ｻﾞ"}, {"シ", "ｼ"},   {"ジ", "ｼﾞ"}, {"ス", "ｽ"}, {"ズ", "ｽﾞ"}, {"セ", "ｾ"},   {"ゼ", "ｾﾞ"},
    {"ソ", "ｿ"}, {"ゾ", "ｿﾞ"}, {"タ", "ﾀ"},   {"ダ", "ﾀﾞ"}, {"チ", "ﾁ"},   {"ヂ", "ﾁﾞ"}, {"ッ", "ｯ"},
    {"ツ", "ﾂ"}, {"ヅ", "ﾂﾞ"}, {"テ", "ﾃ"},   {"デ", "ﾃﾞ"}, {"ト", "ﾄ"},   {"ド", "ﾄﾞ"}, {"ナ", "ﾅ"},
    {"ニ", "ﾆ"}, {"ヌ", "ﾇ"},   {"ネ", "ﾈ"},   {"ノ", "ﾉ"}, {"ハ", "ﾊ"},   {"バ", "ﾊﾞ"}, {"パ", "ﾊﾟ"},
    {"ヒ", "ﾋ"}, {"ビ", "ﾋﾞ"}, {"ピ", "ﾋﾟ"}, {"フ", "ﾌ"}, {"ブ", "ﾌﾞ"}, {"プ", "ﾌﾟ"}, {"ヘ", "ﾍ"},
    {"ベ", "ﾍﾞ"}, {"ペ", "ﾍﾟ"}, {"ホ", "ﾎ"},   {"ボ", "ﾎﾞ"}, {"ポ", "ﾎﾟ"}, {"マ", "ﾏ"},   {"ミ", "ﾐ"},
    {"ム", "ﾑ"}, {"メ", "ﾒ"},   {"モ", "ﾓ"},   {"ャ", "ｬ"}, {"ヤ", "ﾔ"},   {"ュ", "ｭ"},   {"ユ", "ﾕ"},
    {"ョ", "ｮ"}, {"ヨ", "ﾖ"},   {"ラ", "ﾗ"},   {"リ", "ﾘ"}, {"ル", "ﾙ"},   {"レ", "ﾚ"},   {"ロ", "ﾛ"},
    {"ヮ", "ﾜ"}, {"ワ", "ﾜ"},   {"ヰ", "ｲ"},   {"ヱ", "ｴ"}, {"ヲ", "ｵ"},   {"ン", "ﾝ"},   {"ヴ", "ｳﾞ"},
    {"ヵ", "ｶ"}, {"ヶ", "ｹ"},
};
// Hiragana in the same order as the katakana above, ぁ to ん (ァ to ン).
constexpr std::string_view kHiragana =
    "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬねのはばぱひびぴふぶぷへべぺ"
    "ほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん";

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ

// The CP932 characters of a UTF-8 text, one text each.
std::vector<std::string> Characters(std::string_view utf8) {
  const std::string bytes = ToCp932(utf8);
  std::vector<std::string> chars;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = IsLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
    chars.push_back(bytes.substr(i, length));
    i += length;
  }
  return chars;
}

unsigned Code(unsigned char lead, unsigned char trail) { return lead << 8 | trail; }
unsigned Code(std::string_view c) {
  return Code(static_cast<unsigned char>(c[0]), c.size() > 1 ? static_cast<unsigned char>(c[1]) : 0);
}

// Calls `add(half, full)` for each pair of two parallel lists.
template <typename Add>
void Pairs(std::string_view half, std::string_view full, Add add) {
  const auto halves = Characters(half);
  const auto fulls = Characters(full);
  if (halves.size() != fulls.size()) throw std::logic_error("width tables out of step");
  for (size_t i = 0; i < halves.size(); ++i) add(halves[i], fulls[i]);
}

bool IsKana(unsigned char c) { return (c >= 0xA6 && c <= 0xAF) || (c >= 0xB1 && c <= 0xDD); }

// ｶ-ﾄ and ﾊ-ﾎ: the full-width voiced form is the next code, the semi-voiced the one after.
bool IsVoiceable(unsigned char c) { return (c >= 0xB6 && c <= 0xC4) || (c >= 0xCA && c <= 0xCE); }

struct FullWidthTable {
  std::array<std::string, 256> byByte;
  std::string voicedMark = ToCp932("゛"), semiVoicedMark = ToCp932("゜");

  FullWidthTable() {
    const auto add = [this](const std::string& half, const std::string& full) {
      byByte[static_cast<unsigned char>(half[0])] = full;
    };
    Pairs(kHalfAlnum, kFullAlnum, add);
    Pairs(kHalfSymbols, kFullSymbols, add);
    Pairs(kHalfKana, kFullKana, add);
  }
};

struct HalfWidthTable {
  std::unordered_map<unsigned, std::string> byCode;

  HalfWidthTable() {
    const auto add = [this](const std::string& half, const std::string& full) { byCode[Code(full)] = half; };
    Pairs(kHalfAlnum, kFullAlnum, add);
    Pairs(kHalfSymbols, kFullSymbols, add);
    const auto hiragana = Characters(kHiragana);
    for (size_t i = 0; i < std::size(kKatakana); ++i) {
      const std::string half = ToCp932(kKatakana[i].second);
      byCode[Code(ToCp932(kKatakana[i].first))] = half;
      if (i < hiragana.size()) byCode[Code(hiragana[i])] = half;
    }
  }
};

}  // namespace

std::string ToFullWidth(std::string_view text) {
  static const FullWidthTable table;
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(c)) {
      out += text.substr(i, 2);
      ++i;
      continue;
    }
    const std::string& full = table.byByte[c];
    if (full.empty()) {
      out += static_cast<char>(c);
      continue;
    }
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (!IsKana(c) || (next != kVoicedMark && next != kSemiVoicedMark)) {
      out += full;
      continue;
    }
    ++i;  // the mark is consumed either way
    if (IsVoiceable(c)) {
      std::string voiced = full;
      voiced[1] = static_cast<char>(static_cast<unsigned char>(voiced[1]) + (next == kVoicedMark ? 1 : 2));
      out += voiced;
    } else {
      out += full + (next == kVoicedMark ? table.voicedMark : table.semiVoicedMark);
    }
  }
  return out;
}

std::string ToHalfWidth(std::string_view text) {
  static const HalfWidthTable table;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(c) || i + 1 == text.size()) {
      out += static_cast<char>(c);
      continue;
    }
    const auto found = table.byCode.find(Code(c, static_cast<unsigned char>(text[i + 1])));
    if (found != table.byCode.end()) {
      out += found->second;
    } else {
      out += text.substr(i, 2);
    }
    ++i;
  }
  return out;
}

}  // namespace orvane
