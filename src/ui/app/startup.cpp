#include "ui/app/startup.hpp"

#include <QFileInfo>
#include <optional>

#include "ui/app/user_settings.hpp"

namespace orvane::ui {

TfrmOrvane::Startup StartupFrom(const QStringList& arguments, const QString& programFile) {
  std::optional<std::filesystem::path> home;
  QStringList rest;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == QStringLiteral("--home") && i + 1 < arguments.size()) {
      home = std::filesystem::path(arguments[++i].toStdString());
    } else {
      rest << arguments[i];
    }
  }
  const std::filesystem::path programDir(QFileInfo(programFile).absolutePath().toStdString());
  return {ProgramFolder::Resolve(home, programDir), IniFileOf(programFile), rest};
}

}  // namespace orvane::ui
