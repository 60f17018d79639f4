#pragma once
// The colours the pictures share, so the header reads as one piece.
#include <QColor>

namespace orvane::ui::art {

inline const QColor kTurfDark{0x0B, 0x3A, 0x2C};
inline const QColor kTurf{0x13, 0x5E, 0x46};
inline const QColor kNight{0x10, 0x24, 0x3D};
inline const QColor kGold{0xE2, 0xB8, 0x4A};
inline const QColor kGoldLight{0xF6, 0xDE, 0x96};

}  // namespace orvane::ui::art
