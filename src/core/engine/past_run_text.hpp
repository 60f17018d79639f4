#pragma once
// The past-performance text of one run, as the race grid's 前走 / 2走前 /
// 3走前 cells show it: three lines of blank-padded mini-HTML, CP932.
#include <expected>
#include <string>
#include <string_view>

#include "core/data/text_helpers.hpp"
#include "core/engine/past_run.hpp"

namespace orvane {

// The text of run k of the horse record; empty when the run's course has no
// name ("----"). Fails only when a corner position is not a number.
std::expected<std::string, ConversionError> PastRunText(std::string_view horseLine, int k, const PastRun& run);

// At most `maxBytes` bytes of `text` without splitting a double-byte character.
std::string CutToBytes(std::string_view text, size_t maxBytes);

}  // namespace orvane
