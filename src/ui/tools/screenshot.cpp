// orvane-screenshot --home DIR [--race N] [--show3sou] OUT.png
// Renders the main window with race N (0-based) of the program folder DIR to a
// picture, without a display and without touching the user's settings.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <iostream>

#include "ui/app/main_window.hpp"
#include "ui/app/skin.hpp"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments().mid(1);
  QString home, out;
  int race = 0;
  bool show3Sou = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--home") && i + 1 < args.size()) {
      home = args[++i];
    } else if (args[i] == QStringLiteral("--race") && i + 1 < args.size()) {
      race = args[++i].toInt();
    } else if (args[i] == QStringLiteral("--show3sou")) {
      show3Sou = true;
    } else {
      out = args[i];
    }
  }
  if (home.isEmpty() || out.isEmpty()) {
    std::cerr << "usage: orvane-screenshot --home DIR [--race N] [--show3sou] OUT.png\n";
    return 1;
  }

  QTemporaryDir settings;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  orvane::ui::ApplySkin(app);

  using orvane::ui::TfrmOrvane;
  TfrmOrvane window(TfrmOrvane::Startup{
      orvane::ProgramFolder(home.toStdString()), QDir(settings.path()).filePath(QStringLiteral("none.ini")), {}});
  window.show();
  window.ApplyShow3Sou(show3Sou);
  if (race < 0 || race >= window.RaceCount()) {
    std::cerr << "orvane-screenshot: no race " << race << " in " << home.toStdString() << '\n';
    return 2;
  }
  window.ShowRace(race);
  QApplication::processEvents();
  if (!window.grab().save(out)) {
    std::cerr << "orvane-screenshot: cannot write " << out.toStdString() << '\n';
    return 2;
  }
  return 0;
}
