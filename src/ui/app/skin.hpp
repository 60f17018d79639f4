#pragma once
// The look of the whole program: the style, the style sheet compiled into the
// program, the Japanese UI font and the hint timing.
class QApplication;

namespace orvane::ui {

void ApplySkin(QApplication& app);

// A hint hides after 8 s; Qt's own time grows with the text, so each widget
// with a hint is given this one.
inline constexpr int kHintDurationMs = 8000;

}  // namespace orvane::ui
