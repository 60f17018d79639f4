#include "core/data/text_helpers.hpp"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

#include "core/data/cp932.hpp"
#include "core/data/record.hpp"
#include "core/data/width.hpp"

namespace orvane {
namespace {

std::string_view SkipLeadingBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// The whole text as a signed decimal integer, leading blanks allowed; nothing
// for anything else, an out-of-range value included.
std::optional<int> ParseInt(std::string_view text) {
  text = SkipLeadingBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

int LenientInt(std::string_view text) { return ParseInt(text).value_or(0); }

int LenientIntOrOne(std::string_view text) { return ParseInt(text).value_or(1); }

// Blanks around the number are accepted; digits, an optional fraction and
// exponent in between. "inf" and "nan" are not numbers here.
double LenientReal(std::string_view text) {
  text = SkipLeadingBlanks(text);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::string_view body = text;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
  if (body.empty() || !((body.front() >= '0' && body.front() <= '9') || body.front() == '.')) return 0.0;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) return 0.0;
  return text.front() == '-' ? -value : value;
}

std::string NumberText(std::string_view text) { return std::to_string(LenientInt(text)); }

std::string TwoColumn(int value) { return value > 9 ? std::to_string(value) : " " + std::to_string(value); }

std::expected<std::string, ConversionError> TwoColumnStrict(std::string_view text) {
  const auto value = ParseInt(text);
  if (!value) return std::unexpected(ConversionError{"'" + ToUtf8(text) + "' は有効な整数ではありません"});
  return TwoColumn(*value);
}

std::string PadLeft(std::string_view text, size_t width) {
  return text.size() >= width ? std::string(text) : std::string(width - text.size(), ' ') + std::string(text);
}

std::string PadRight(std::string_view text, size_t width) {
  return text.size() >= width ? std::string(text) : std::string(text) + std::string(width - text.size(), ' ');
}

std::string ZeroPad(std::string_view text, size_t width) {
  return text.size() >= width ? std::string(text) : std::string(width - text.size(), '0') + std::string(text);
}

std::string DropLast(std::string_view text, size_t count) {
  return std::string(text.substr(0, text.size() > count ? text.size() - count : 0));
}

std::string DelimitedField(char delimiter, std::string_view line, int index) {
  std::string collapsed(line);
  if (delimiter == ',') {
    // Runs of commas collapse to one, so empty fields vanish.
    for (size_t p = collapsed.find(",,"); p != std::string::npos; p = collapsed.find(",,", p)) collapsed.erase(p, 1);
  }
  std::string_view rest = Trim(collapsed);

  std::string_view field;
  for (int i = 0; i <= index; ++i) {
    const size_t p = rest.find(delimiter);
    if (p == std::string_view::npos) {
      field = rest;  // past the last delimiter every further field is the rest again
    } else {
      field = rest.substr(0, p);
      rest.remove_prefix(p + 1);
    }
  }
  return std::string(field);
}

// The last byte is a delimiter only when it is a character of its own, not the
// second byte of a double-byte character (表 ends in 0x5C).
std::string FolderPath(std::string_view folder) {
  bool endsInDelimiter = false;
  for (size_t i = 0; i < folder.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(folder[i])) && i + 1 < folder.size()) {
      ++i;
      endsInDelimiter = false;
    } else {
      endsInDelimiter = folder[i] == '\\';
    }
  }
  return endsInDelimiter ? std::string(folder) : std::string(folder) + "\\";
}

// Rounds the shortest decimal text that reads back as `value` (what the number
// was written as), not its binary expansion: 1.45 is stored as 1.44999..., but
// its shortest text "1.45" rounds to "1.5".
std::string OneDecimal(double value) {
  if (!std::isfinite(value)) return "0.0";
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);

  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);

  // Digits of value * 10, truncated, then rounded on the next digit.
  std::string digits(whole);
  digits += fraction.empty() ? '0' : fraction[0];
  if (fraction.size() > 1 && fraction[1] >= '5') {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  digits.insert(digits.size() - 1, ".");
  return (negative && !zero ? "-" : "") + digits;
}

}  // namespace orvane
