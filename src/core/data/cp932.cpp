#include "core/data/cp932.hpp"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace orvane {
namespace {

// Converts with iconv, replacing each unconvertible sequence by `replacement`
// and skipping one input byte, so no input ever makes the conversion fail.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: code page 932 is not available");
  std::string out;
  out.reserve(in.size() * 2);
  char buffer[1024];
  auto* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      out.append(replacement);
      ++src;
      --srcLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string ToUtf8(std::string_view cp932) { return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD"); }

std::string ToCp932(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8, "?"); }

}  // namespace orvane
