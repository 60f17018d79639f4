#pragma once
// Where the bet panel's cards and labels sit on the header (main window
// coordinates, as the form places them).
#include <QPoint>
#include <QRect>
#include <array>

namespace orvane::ui {

inline constexpr std::array<QRect, 4> kBetCardRects{{
    {157, 62, 149, 58},
    {308, 62, 149, 58},
    {459, 63, 217, 58},
    {678, 63, 217, 58},
}};

struct BetLabelPlace {
  QPoint topLeft;
  bool rightAlignedIn12 = false;  // right-aligned in a 12-pixel box starting at topLeft
};

inline constexpr std::array<BetLabelPlace, 19> kBetLabelPlaces{{
    {{275, 70}}, {{164, 86}, true},  {{202, 86}},  {{164, 100}, true}, {{202, 100}}, {{425, 70}}, {{315, 86}, true},
    {{353, 86}}, {{315, 100}, true}, {{353, 100}}, {{617, 70}},        {{499, 86}},  {{566, 86}}, {{566, 100}},
    {{836, 70}}, {{718, 86}},        {{785, 86}},  {{785, 100}},       {{468, 70}},
}};

inline constexpr int kBetLabelPixelSize = 12;

}  // namespace orvane::ui
