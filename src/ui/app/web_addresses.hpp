#pragma once
// The web pages the help menu opens. One place, so a move of either site is a
// one-line change.
namespace orvane::ui {

inline constexpr const char* kProductPageUrl = "https://www.orvane.example.jp/";
inline constexpr const char* kDataServicePageUrl = "https://www.ravoria-online.example.jp/";

}  // namespace orvane::ui
