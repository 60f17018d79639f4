#pragma once
// Bet codes: six characters, the two-digit horse numbers of the first, second
// and third horse ("00" for none); "000000" is no bet.
#include <string>
#include <string_view>

namespace orvane {

inline constexpr std::string_view kNoBet = "000000";

// "07", "12"; 0 gives "00".
std::string TwoDigitHorse(int horse);

std::string BetCode(int first, int second, int third = 0);

// The code as the user reads it: its first `horses` (2 or 3) horse numbers as
// two-column numbers joined by "-", e.g. " 3- 5-12".
std::string BetText(std::string_view code, int horses);

}  // namespace orvane
