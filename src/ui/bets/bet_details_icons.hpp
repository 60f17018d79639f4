#pragma once
// The two tool button pictures of the bet details window, painted here so
// nothing has to ship with the program.
#include <QIcon>

namespace orvane::ui {

// A floppy disk: save.
QIcon SaveIcon();
// Two sheets, one over the other: copy.
QIcon CopyIcon();

}  // namespace orvane::ui
