#pragma once
// The look of the whole program: the style, the style sheet compiled into the
// program, the Japanese UI font and the hint timing.
class QApplication;

namespace orvane::ui {

void ApplySkin(QApplication& app);

}  // namespace orvane::ui
