// Orvane: one instance per user, the splash, then the main window.
#include <QApplication>

#include "ui/app/about_window.hpp"
#include "ui/app/main_window.hpp"
#include "ui/app/single_instance.hpp"
#include "ui/app/skin.hpp"
#include "ui/app/startup.hpp"

int main(int argc, char** argv) {
  using namespace orvane::ui;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
  QApplication::setOrganizationName(QStringLiteral("Orvane"));

  // A second start raises the first instance's window and ends, without a word.
  SingleInstance instance;
  if (!instance.Claim()) return 0;

  ApplySkin(app);
  // The splash: opaque, no fade-in; it goes when the main window is activated.
  auto* splash = new TfrmAbout;
  splash->show();
  splash->repaint();
  QApplication::processEvents();

  TfrmOrvane window(StartupFrom(QApplication::arguments().mid(1), QApplication::applicationFilePath()));
  QObject::connect(&window, &TfrmOrvane::Activated, splash, &QWidget::close);
  QObject::connect(&instance, &SingleInstance::RaiseRequested, &window, &TfrmOrvane::BringToFront);
  window.show();
  window.activateWindow();
  return QApplication::exec();
}
