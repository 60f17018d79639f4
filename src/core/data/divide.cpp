#include "core/data/divide.hpp"

namespace orvane {

TDivide::TDivide(std::string_view text, char separator) {
  for (size_t p = text.find(separator); p != std::string_view::npos; p = text.find(separator)) {
    fields_.emplace_back(text.substr(0, p));
    text.remove_prefix(p + 1);
  }
  fields_.emplace_back(text);
}

}  // namespace orvane
