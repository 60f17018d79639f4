#include "core/data/cp932.hpp"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace orvane {
namespace {

// One converter per direction and thread: opening one costs far more than a
// short conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: code page 932 is not available");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts with iconv, replacing each unconvertible sequence by `replacement`
// and skipping one input byte, so no input ever makes the conversion fail.
std::string Convert(iconv_t cd, std::string_view in, std::string_view replacement) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
  return out;
}

}  // namespace

std::string ToUtf8(std::string_view cp932) {
  thread_local const Converter converter("UTF-8", "CP932");
  return Convert(converter.get(), cp932, "\xEF\xBF\xBD");
}

std::string ToCp932(std::string_view utf8) {
  thread_local const Converter converter("CP932", "UTF-8");
  return Convert(converter.get(), utf8, "?");
}

}  // namespace orvane
