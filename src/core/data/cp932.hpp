#pragma once
// The one place where text changes character set. The core keeps all text as
// code page 932 bytes; Qt and the CLI's standard output want UTF-8.
#include <string>
#include <string_view>

namespace orvane {

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD.
std::string ToUtf8(std::string_view cp932);

// UTF-8 to CP932 bytes. Characters without a CP932 form become "?".
std::string ToCp932(std::string_view utf8);

}  // namespace orvane
