#pragma once
// Fixed-width record access. Fields are addressed by 1-based byte position and
// byte length, exactly as the record layouts give them.
#include <string>
#include <string_view>

namespace orvane {

// The field at 1-based position `pos`, `len` bytes long; shorter or empty
// where the line ends earlier.
std::string_view Field(std::string_view line, int pos, int len);

// Removes leading and trailing bytes 0..32 (blanks, control characters).
// A full-width blank is two bytes above 32 and therefore stays.
std::string_view Trim(std::string_view text);

// Field and Trim together, as most text fields are read.
std::string TrimmedField(std::string_view line, int pos, int len);

}  // namespace orvane
