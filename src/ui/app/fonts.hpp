#pragma once
// The program's fonts: the Windows Japanese fonts by name, falling back to an
// installed Japanese font of the same kind.
#include <QFont>

namespace orvane::ui {

// "ＭＳ Ｐゴシック" (proportional).
QFont ProportionalFont(int pixelSize);
// "ＭＳ ゴシック" (fixed pitch: a half-width character is half a full-width one,
// so texts padded with blanks line up).
QFont FixedFont(int pixelSize);

}  // namespace orvane::ui
