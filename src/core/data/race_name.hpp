#pragma once
#include <string>
#include <string_view>

namespace orvane {

// The race name with the long full-width words shortened (ステークス -> Ｓ,
// カップ -> Ｃ, ...), for titles that have little room. CP932 in and out.
std::string AbbreviateRaceName(std::string_view name);

}  // namespace orvane
