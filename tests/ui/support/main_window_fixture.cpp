#include "ui/support/main_window_fixture.hpp"

#include <QFile>
#include <QSettings>
#include <QTest>

namespace orvane::ui::test {
namespace fs = std::filesystem;

fs::path SampleFolder() { return fs::path(ORVANE_SOURCE_DIR) / "sample"; }

MainWindowFixture::MainWindowFixture() {
  QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane")).clear();
}

MainWindowFixture::~MainWindowFixture() = default;

QString MainWindowFixture::HomeFile(const char* name) const { return home_.filePath(QString::fromUtf8(name)); }

void MainWindowFixture::CopySampleDay() {
  for (const char* file : {"rvx_den1.kd2", "rvx_den2.kd2", "rvx_uma.kd2", "rvx_ods.kd2"}) {
    fs::copy_file(SampleFolder() / file, Home() / file, fs::copy_options::overwrite_existing);
  }
}

void MainWindowFixture::WriteIni(const QString& text) {
  QFile ini(HomeFile("orvane.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write(text.toUtf8());
}

TfrmOrvane& MainWindowFixture::Create(const QStringList& arguments) {
  window_ = std::make_unique<TfrmOrvane>(TfrmOrvane::Startup{ProgramFolder(Home()), HomeFile("orvane.ini"), arguments});
  return *window_;
}

TfrmOrvane& MainWindowFixture::Start(const QStringList& arguments) {
  Create(arguments).show();
  return *window_;
}

void MainWindowFixture::Activate() {
  window_->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowFixture::Close() {
  window_->close();
  window_.reset();
}

}  // namespace orvane::ui::test
