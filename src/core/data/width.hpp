#pragma once
// Full-width and half-width forms of CP932 text, and the byte structure of a
// CP932 character (a full-width character is two bytes, the first a lead byte).
#include <string>
#include <string_view>

namespace orvane {

// True for the first byte of a two-byte CP932 character.
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// ASCII letters, digits and symbols and half-width katakana to their full-width
// forms; half-width voiced kana (ｶﾞ, ﾊﾟ) become one character. Other bytes are copied.
std::string ToFullWidth(std::string_view text);

// Full-width symbols, letters, digits, katakana and hiragana to half-width
// (ガ becomes ｶﾞ). Other characters are copied.
std::string ToHalfWidth(std::string_view text);

}  // namespace orvane
