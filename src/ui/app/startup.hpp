#pragma once
// What the program starts with: the program folder (--home DIR, $ORVANE_HOME,
// the program's own folder when writable, else the per-user data folder), the
// ini file beside the program, and the archive named on the command line.
#include <QStringList>

#include "ui/app/main_window.hpp"

namespace orvane::ui {

// `arguments` without the program name.
TfrmOrvane::Startup StartupFrom(const QStringList& arguments, const QString& programFile);

}  // namespace orvane::ui
