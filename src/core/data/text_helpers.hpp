#pragma once
// Text helpers shared by every part of the program. All texts are CP932 bytes;
// widths count bytes.
#include <expected>
#include <string>
#include <string_view>

namespace orvane {

// A conversion that the data reads strictly failed; `message` is for the user (UTF-8).
struct ConversionError {
  std::string message;
};

int LenientInt(std::string_view text);         // 0 when not a signed decimal integer (leading blanks ok)
int LenientIntOrOne(std::string_view text);    // 1 when not a number
double LenientReal(std::string_view text);     // 0.0 when not a decimal number
std::string NumberText(std::string_view text);  // decimal text of LenientInt ("05" -> "5")

std::string TwoColumn(int value);  // > 9 as is, otherwise one blank in front (7 -> " 7")
std::expected<std::string, ConversionError> TwoColumnStrict(std::string_view text);

std::string PadLeft(std::string_view text, size_t width);   // never cuts
std::string PadRight(std::string_view text, size_t width);  // never cuts
std::string ZeroPad(std::string_view text, size_t width);
std::string DropLast(std::string_view text, size_t count);

// The field with the 0-based index; an index beyond the last field gives the
// last field again. With "," runs of commas collapse first.
std::string DelimitedField(char delimiter, std::string_view line, int index);

std::string FolderPath(std::string_view folder);  // ends in a backslash

// "#0.0": one decimal, halves away from zero, rounding the decimal value as written.
std::string OneDecimal(double value);

}  // namespace orvane
